#include "storage/constants_location.h"

#include "engine/number_text.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace trellum {
namespace {

namespace fs = std::filesystem;

std::string readFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeFile(const fs::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

// Judges write permission by the owner's mode bits, so the read-only cases mean
// the same when the tests run as root, whom the system lets write anywhere.
bool ownerMayWrite(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && (info.st_mode & S_IWUSR) != 0;
}

class TempFolder {
public:
    TempFolder()
    {
        std::string pattern = (fs::temp_directory_path() / "trellum-location-XXXXXX").string();
        m_path = ::mkdtemp(pattern.data());
    }
    ~TempFolder()
    {
        std::error_code error;
        for (const auto& entry : fs::recursive_directory_iterator(m_path, error)) {
            fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, error);
        }
        fs::remove_all(m_path, error);
    }
    const fs::path& path() const { return m_path; }

private:
    fs::path m_path;
};

constexpr const char* kStarter = "starter\r\n=====\r\nc = 299792458\r\n";
constexpr const char* kEdited = "edited\r\n=====\r\nmine = 42\r\n";

struct LocationCase {
    const char* name;
    bool programFolderWritable;
    std::optional<std::string> programFile;  // content, none when missing
    bool programFileWritable;
    std::optional<std::string> userFile;
    bool userFolderKnown;
    bool expectProgramFile;
    std::optional<std::string> expectUserContent;  // none: the user's file must not exist
};

class ConstantsLocationTest : public testing::TestWithParam<LocationCase> {};

TEST_P(ConstantsLocationTest, ChoosesAndSeedsTheFile)
{
    const LocationCase& row = GetParam();
    TempFolder temp;
    const fs::path program = temp.path() / "program";
    // Two levels that do not exist yet, as on a first run in a fresh account.
    const fs::path user = temp.path() / "data" / "trellum";
    fs::create_directories(program);
    if (row.programFile) {
        writeFile(program / "constants.txt", *row.programFile);
        if (!row.programFileWritable) fs::permissions(program / "constants.txt", fs::perms::owner_read | fs::perms::group_read);
    }
    if (row.userFile) {
        fs::create_directories(user);
        writeFile(user / "constants.txt", *row.userFile);
    }
    if (!row.programFolderWritable) fs::permissions(program, fs::perms::owner_read | fs::perms::owner_exec);

    const std::string chosen =
        ConstantsFilePath(program.string(), row.userFolderKnown ? user.string() : std::string(), ownerMayWrite);

    EXPECT_EQ(chosen, ((row.expectProgramFile ? program : user) / "constants.txt").string());
    if (row.programFile) {
        EXPECT_EQ(readFile(program / "constants.txt"), *row.programFile) << "starter changed";
    }
    if (row.expectUserContent) {
        EXPECT_EQ(readFile(user / "constants.txt"), *row.expectUserContent);
        std::vector<std::string> leftovers;
        for (const auto& entry : fs::directory_iterator(user)) leftovers.push_back(entry.path().filename());
        EXPECT_EQ(leftovers, std::vector<std::string>{"constants.txt"}) << "temporary file left behind";
    } else {
        EXPECT_FALSE(fs::exists(user / "constants.txt"));
    }
    if (!row.expectProgramFile && row.userFolderKnown) {
        // The first save renames a new file into this folder, so it must exist.
        EXPECT_TRUE(fs::is_directory(user));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, ConstantsLocationTest,
    testing::Values(
        LocationCase{"WritableFolderKeepsItsOwnFile", true, kStarter, true, std::nullopt, true, true, std::nullopt},
        LocationCase{"WritableFolderWithoutFileStartsOneThere", true, std::nullopt, true, std::nullopt, true, true,
                     std::nullopt},
        LocationCase{"WritableFolderIgnoresAnOldUserCopy", true, kStarter, true, kEdited, true, true, kEdited},
        LocationCase{"ReadOnlyFolderSeedsTheUserCopy", false, kStarter, false, std::nullopt, true, false, kStarter},
        LocationCase{"ReadOnlyFolderKeepsTheEditedUserCopy", false, kStarter, false, kEdited, true, false, kEdited},
        LocationCase{"ReadOnlyFolderWithoutStarterSeedsNothing", false, std::nullopt, true, std::nullopt, true,
                     false, std::nullopt},
        LocationCase{"ReadOnlyFileInWritableFolderSeedsTheUserCopy", true, kStarter, false, std::nullopt, true,
                     false, kStarter},
        LocationCase{"NoHomeFallsBackToTheProgramFolder", false, kStarter, false, std::nullopt, false, true,
                     std::nullopt}),
    [](const testing::TestParamInfo<LocationCase>& info) { return std::string(info.param.name); });

struct FolderCase {
    const char* name;
    const char* xdgDataHome;
    const char* home;
    const char* expected;
};

class UserDataFolderTest : public testing::TestWithParam<FolderCase> {};

TEST_P(UserDataFolderTest, FollowsTheXdgRules)
{
    EXPECT_EQ(UserDataFolder(GetParam().xdgDataHome, GetParam().home), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, UserDataFolderTest,
    testing::Values(FolderCase{"XdgDataHomeWins", "/data/me", "/home/me", "/data/me/trellum"},
                    FolderCase{"UnsetUsesHome", nullptr, "/home/me", "/home/me/.local/share/trellum"},
                    FolderCase{"EmptyUsesHome", "", "/home/me", "/home/me/.local/share/trellum"},
                    FolderCase{"RelativeIsIgnored", "data", "/home/me", "/home/me/.local/share/trellum"},
                    FolderCase{"NoHomeAtAll", nullptr, nullptr, ""}),
    [](const testing::TestParamInfo<FolderCase>& info) { return std::string(info.param.name); });

#ifdef TRELLUM_STARTER_CONSTANTS
// The starter library shipped with the package must load without the
// "contains errors" message: exact header, CR LF lines, numeric values.
TEST(StarterConstants, ReadsCleanly)
{
    const std::string text = readFile(TRELLUM_STARTER_CONSTANTS);
    ASSERT_FALSE(text.empty());
    ASSERT_EQ(text.substr(text.size() - 2), "\r\n") << "last line must end in CR LF";
    std::vector<std::string> lines;
    for (size_t start = 0; start < text.size();) {
        const size_t end = text.find("\r\n", start);
        ASSERT_NE(end, std::string::npos);
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[0], "This file constains constants for Trellum:");
    EXPECT_EQ(lines[1], std::string(48, '='));
    std::set<std::string> names;
    for (size_t i = 2; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        EXPECT_EQ(line.find('\n'), std::string::npos) << "bare LF in line " << i + 1;
        const size_t equals = line.find(" = ");
        ASSERT_NE(equals, std::string::npos) << line;
        const std::string name(TrimBlanks(line.substr(0, equals)));
        const std::string value = line.substr(equals + 3);
        EXPECT_FALSE(name.empty()) << line;
        EXPECT_TRUE(names.insert(name).second) << "duplicate name " << name;
        EXPECT_TRUE(IsNumeric(value)) << line;
        EXPECT_EQ(value.find(' '), std::string::npos) << line;
        for (const unsigned char c : line) EXPECT_LT(c, 0x80) << "non-ASCII byte in " << line;
    }
}
#endif

}  // namespace
}  // namespace trellum
