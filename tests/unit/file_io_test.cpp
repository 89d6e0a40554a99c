#include "storage/file_io.h"

#include "tests/unit/temp_folder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace trellum {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

std::string readAll(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void writeAll(const fs::path& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

mode_t modeOf(const fs::path& path)
{
    struct stat info {};
    ::lstat(path.c_str(), &info);
    return info.st_mode;
}

using FileIoTest = testing_support::TempFolderTest;

TEST_F(FileIoTest, OnlyRegularFilesAreReplaced)
{
    const fs::path file = m_dir / "f";
    const struct {
        const char* name;
        std::function<void()> make;
        WriteStatus status;
    } rows[] = {
        {"absent", [] {}, WriteStatus::Written},
        {"regular", [&] { writeAll(file, "old"); }, WriteStatus::Written},
        {"fifo", [&] { ::mkfifo(file.c_str(), 0644); }, WriteStatus::NotRegular},
        {"folder", [&] { fs::create_directory(file); }, WriteStatus::NotRegular},
        {"link_to_device", [&] { fs::create_symlink("/dev/null", file); }, WriteStatus::NotRegular},
        {"read_only", [&] { writeAll(file, "old"); fs::permissions(file, fs::perms::owner_read); },
         WriteStatus::ReadOnly},
        {"unreadable", [&] { writeAll(file, "old"); fs::permissions(file, fs::perms::owner_write); },
         WriteStatus::Unreadable},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        fs::remove_all(file);
        row.make();
        const fs::file_type before = fs::symlink_status(file).type();
        EXPECT_EQ(WriteFileAtomically(file, "new"), row.status);
        if (row.status == WriteStatus::Written) {
            EXPECT_EQ(readAll(file), "new");
        } else {
            EXPECT_EQ(fs::symlink_status(file).type(), before);
        }
        std::error_code error;
        if (fs::is_regular_file(fs::symlink_status(file))) fs::permissions(file, fs::perms::owner_all, fs::perm_options::add, error);
        EXPECT_EQ(folder(), Names{"f"}) << "a temporary file was left";
    }
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
}

TEST_F(FileIoTest, LinksAreWrittenThroughAndStay)
{
    fs::create_directory(m_dir / "real");
    writeAll(m_dir / "real" / "target", "old");
    fs::create_symlink("real/target", m_dir / "hop");
    fs::create_symlink("hop", m_dir / "link");
    ASSERT_EQ(WriteFileAtomically(m_dir / "link", "new"), WriteStatus::Written);
    EXPECT_TRUE(fs::is_symlink(m_dir / "link"));
    EXPECT_TRUE(fs::is_symlink(m_dir / "hop"));
    EXPECT_EQ(readAll(m_dir / "real" / "target"), "new");
    EXPECT_EQ(ReadRegularFile(m_dir / "link").bytes, "new");
}

TEST_F(FileIoTest, NewFilesFollowTheUmaskAndReplacedFilesKeepTheirMode)
{
    const mode_t old = ::umask(077);
    EXPECT_EQ(WriteFileAtomically(m_dir / "sub" / "new", "x"), WriteStatus::Written);
    ::umask(old);
    EXPECT_EQ(modeOf(m_dir / "sub" / "new") & 07777, 0600u);
    EXPECT_EQ(modeOf(m_dir / "sub") & 07777, 0700u);

    writeAll(m_dir / "kept", "x");
    fs::permissions(m_dir / "kept", fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(WriteFileAtomically(m_dir / "kept", "y"), WriteStatus::Written);
    EXPECT_EQ(modeOf(m_dir / "kept") & 07777, 0640u);
}

TEST_F(FileIoTest, ReadingNeverBlocksOnWhatIsNotARegularFile)
{
    ::mkfifo((m_dir / "fifo").c_str(), 0644);
    fs::create_symlink("/dev/zero", m_dir / "zero");
    fs::create_symlink("nowhere", m_dir / "dangling");
    writeAll(m_dir / "plain", "text");
    const struct {
        const char* name;
        ReadStatus status;
    } rows[] = {{"fifo", ReadStatus::NotRegular}, {"zero", ReadStatus::NotRegular}, {"dangling", ReadStatus::Absent},
                {"missing", ReadStatus::Absent},  {".", ReadStatus::Directory},    {"plain", ReadStatus::Read}};
    for (const auto& row : rows) EXPECT_EQ(ReadRegularFile(m_dir / row.name).status, row.status) << row.name;
    EXPECT_EQ(ReadRegularFile(m_dir / "plain").bytes, "text");
    EXPECT_EQ(ReadRegularFile(m_dir / "plain", 3).status, ReadStatus::Unreadable) << "larger than allowed";
}

TEST_F(FileIoTest, SetAsideMovesOnlyFilesAndFoldersUnderNewNames)
{
    writeAll(m_dir / "a", "1");
    const std::string first = SetAside(m_dir / "a");
    writeAll(m_dir / "a", "2");
    const std::string second = SetAside(m_dir / "a");
    ASSERT_FALSE(first.empty());
    ASSERT_FALSE(second.empty());
    EXPECT_NE(first, second);
    EXPECT_EQ(readAll(first), "1");
    EXPECT_EQ(readAll(second), "2");
    EXPECT_FALSE(fs::exists(m_dir / "a"));

    fs::create_directory(m_dir / "d");
    EXPECT_FALSE(SetAside(m_dir / "d").empty());
    ::mkfifo((m_dir / "p").c_str(), 0644);
    EXPECT_TRUE(SetAside(m_dir / "p").empty());
    EXPECT_TRUE(fs::is_fifo(m_dir / "p"));
}

TEST_F(FileIoTest, CopiesBesideNeverReplaceAFile)
{
    writeAll(m_dir / "c.txt", "current");
    writeAll(m_dir / "c.txt.bak", "older");
    EXPECT_EQ(WriteFileBeside(m_dir / "c.txt", ".bak", "one"), (m_dir / "c.txt.bak-2").string());
    EXPECT_EQ(WriteFileBeside(m_dir / "c.txt", ".bak", "two"), (m_dir / "c.txt.bak-3").string());
    EXPECT_EQ(readAll(m_dir / "c.txt.bak"), "older");
    EXPECT_EQ(readAll(m_dir / "c.txt.bak-2"), "one");
    EXPECT_EQ(readAll(m_dir / "c.txt"), "current");
}

TEST_F(FileIoTest, OnlyOurStaleTemporaryFilesAreRemoved)
{
    const std::string alive = std::to_string(::getppid());
    const Names kept = {".system.reg.tmp-" + alive + "-0",  // a save in progress elsewhere
                        ".system.reg.tmp-x-0", "other.tmp-Ab12Cd", "system.reg", "system.reg.tmp-Ab12C",
                        "system.reg.tmp-keep-me"};
    const Names removed = {".system.reg.tmp-4194999-3", ".system.reg.tmp" + alive + "x-1",
                           ".system.reg.tmp4194999-0", "system.reg.tmp-Ab12Cd"};
    for (const auto& name : kept) writeAll(m_dir / name, "x");
    for (const auto& name : removed) writeAll(m_dir / name, "x");
    RemoveStaleTemporaryFiles(m_dir / "system.reg");
    Names expected = kept;
    expected.push_back(".system.reg.tmp" + alive + "x-1");  // not a number: not ours
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(folder(), expected);
}

TEST(XdgBaseFolderTest, OneRuleForEveryFolder)
{
    const struct {
        const char* name;
        const char* xdg;
        const char* home;
        const char* passwd;
        const char* expected;
    } rows[] = {
        {"xdg_value_wins", "/cfg", "/home/me", "/pw", "/cfg"},
        {"unset_uses_home", nullptr, "/home/me", "/pw", "/home/me/.config"},
        {"relative_xdg_is_ignored", "cfg", "/home/me/", "/pw", "/home/me/.config"},
        {"relative_home_is_ignored", nullptr, "me", "/pw", "/pw/.config"},
        {"empty_home_uses_passwd", "", "", "/pw", "/pw/.config"},
        {"nothing_absolute", "cfg", "me", nullptr, ""},
    };
    for (const auto& row : rows)
        EXPECT_EQ(XdgBaseFolder(row.xdg, row.home, row.passwd, ".config"), row.expected) << row.name;
}

}  // namespace
}  // namespace trellum
