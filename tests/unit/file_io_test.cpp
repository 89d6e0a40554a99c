// SPDX-License-Identifier: MIT
#include "storage/file_io.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <memory>

#include "tests/unit/temp_folder.h"

namespace trellum {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

constexpr auto readAll = testing_support::readBytes;
constexpr auto writeAll = testing_support::writeBytes;

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
        // A link to a pipe of its own, never to a system device the test could replace.
        {"link_to_pipe", [&] { ::mkfifo((m_dir / "pipe").c_str(), 0644); fs::create_symlink("pipe", file); },
         WriteStatus::NotRegular},
        {"read_only", [&] { writeAll(file, "old"); fs::permissions(file, fs::perms::owner_read); },
         WriteStatus::ReadOnly},
        {"unreadable", [&] { writeAll(file, "old"); fs::permissions(file, fs::perms::owner_write); },
         WriteStatus::Unreadable},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        fs::remove_all(file);
        fs::remove(m_dir / "pipe");
        row.make();
        const fs::file_type before = fs::symlink_status(file).type();
        EXPECT_EQ(writeFileAtomically(file, "new"), row.status);
        if (row.status == WriteStatus::Written) {
            EXPECT_EQ(readAll(file), "new");
        } else {
            EXPECT_EQ(fs::symlink_status(file).type(), before);
        }
        Names left = folder();
        std::erase(left, "pipe");
        EXPECT_EQ(left, Names{"f"}) << "a temporary file was left";
    }
}

TEST_F(FileIoTest, LinksAreWrittenThroughAndStay)
{
    fs::create_directory(m_dir / "real");
    writeAll(m_dir / "real" / "target", "old");
    fs::create_symlink("real/target", m_dir / "link");
    ASSERT_EQ(writeFileAtomically(m_dir / "link", "new"), WriteStatus::Written);
    EXPECT_TRUE(fs::is_symlink(m_dir / "link"));
    EXPECT_EQ(readAll(m_dir / "real" / "target"), "new");
    // A read-only target is judged as itself, not as the writable link.
    fs::permissions(m_dir / "real" / "target", fs::perms::owner_read);
    EXPECT_EQ(writeFileAtomically(m_dir / "link", "newer"), WriteStatus::ReadOnly);
    EXPECT_EQ(readAll(m_dir / "real" / "target"), "new");
}

TEST_F(FileIoTest, NewFilesFollowTheUmaskAndReplacedFilesKeepTheirMode)
{
    const mode_t old = ::umask(077);
    EXPECT_EQ(writeFileAtomically(m_dir / "sub" / "new", "x"), WriteStatus::Written);
    ::umask(old);
    EXPECT_EQ(fs::status(m_dir / "sub").permissions(), fs::perms::owner_all);

    writeAll(m_dir / "kept", "x");
    const fs::perms mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(m_dir / "kept", mode);
    EXPECT_EQ(writeFileAtomically(m_dir / "kept", "y"), WriteStatus::Written);
    EXPECT_EQ(fs::status(m_dir / "kept").permissions(), mode);
}

TEST_F(FileIoTest, CopiesBesideNeverReplaceAFile)
{
    writeAll(m_dir / "c.txt", "current");
    writeAll(m_dir / "c.txt.bak", "older");
    EXPECT_EQ(writeFileBeside(m_dir / "c.txt", ".bak", "one"), (m_dir / "c.txt.bak-2").string());
    EXPECT_EQ(writeFileBeside(m_dir / "c.txt", ".bak", "two"), (m_dir / "c.txt.bak-3").string());
    EXPECT_EQ(readAll(m_dir / "c.txt.bak"), "older");
    EXPECT_EQ(readAll(m_dir / "c.txt.bak-2"), "one");
    EXPECT_EQ(readAll(m_dir / "c.txt"), "current");
}

// Beside system.reg: which leftovers a start-up or save removes. Only a file of
// exactly our writer's name whose writer is provably gone (old and unlocked)
// goes; a process id that is not running here proves nothing.
TEST_F(FileIoTest, OnlyAbandonedTemporaryFilesOfOursAreRemoved)
{
    const std::string unknownPid = "4194999";  // above any pid_max: a writer in another PID namespace
    const std::string ownPid = std::to_string(::getpid());
    const struct {
        const char* name;
        std::string entry;
        std::chrono::seconds age;
        bool locked;
        bool removed;
    } rows[] = {
        {"users_backup", "system.reg.tmp-backup", std::chrono::hours(48), false, false},
        {"another_files_leftover", ".other.reg.tmp-" + unknownPid + "-0", std::chrono::hours(48), false, false},
        {"writer_in_another_pid_namespace", ".system.reg.tmp-" + unknownPid + "-1", std::chrono::seconds(4), false,
         false},
        {"live_writer_held_up_for_long", ".system.reg.tmp-" + unknownPid + "-2", std::chrono::hours(48), true, false},
        {"leftover_of_an_earlier_process_with_our_pid", ".system.reg.tmp-" + ownPid + "-7", std::chrono::minutes(11),
         false, true},
    };
    writeAll(m_dir / "system.reg", "REGEDIT4\n");
    writeAll(m_dir / "elsewhere", "x");
    std::vector<std::unique_ptr<int, void (*)(int*)>> locks;
    Names expected = {"elsewhere", "system.reg"};
    for (const auto& row : rows) {
        const fs::path path = m_dir / row.entry;
        writeAll(path, "half a save");
        fs::last_write_time(path, fs::file_time_type::clock::now() - row.age);
        if (row.locked) {
            // A lock of another open file conflicts as one of another process would.
            auto fd = std::make_unique<int>(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
            ASSERT_EQ(::flock(*fd, LOCK_EX | LOCK_NB), 0) << row.name;
            locks.emplace_back(fd.release(), [](int* held) {
                ::close(*held);
                delete held;
            });
        }
        if (!row.removed) expected.push_back(row.entry);
    }
    std::sort(expected.begin(), expected.end());
    removeStaleTemporaryFiles(m_dir / "system.reg");
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
        {"empty_home_uses_passwd", "", "", "/pw", "/pw/.config"},
        {"nothing_absolute", "cfg", "me", nullptr, ""},
    };
    for (const auto& row : rows)
        EXPECT_EQ(xdgBaseFolder(row.xdg, row.home, row.passwd, ".config"), row.expected) << row.name;
}

}  // namespace
}  // namespace trellum
