// SPDX-License-Identifier: MIT
#include "storage/constants_location.h"

#include <sys/stat.h>

#include <filesystem>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "storage/constants_file.h"
#include "tests/unit/temp_folder.h"

namespace trellum {
namespace {

using testing_support::readBytes;
using testing_support::writeBytes;

namespace fs = std::filesystem;

// Judges write permission by the owner's mode bits, so the read-only cases mean
// the same when the tests run as root, whom the system lets write anywhere.
bool ownerMayWrite(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && (info.st_mode & S_IWUSR) != 0;
}

constexpr const char* kStarter = "starter\r\n=====\r\nc = 299792458\r\n";
constexpr const char* kEdited = "edited\r\n=====\r\nmine = 42\r\n";
const std::optional<std::string> kMissing;

using ConstantsLocationTest = testing_support::TempFolderTest;

TEST_F(ConstantsLocationTest, ChoosesAndSeedsTheFile)
{
    const struct {
        const char* name;
        bool programFolderWritable;
        std::optional<std::string> programFile;
        bool programFileWritable;
        std::optional<std::string> userFile;
        bool userFolderKnown;
        bool expectProgramFile;
        std::optional<std::string> expectUserContent;  // the user's file after the choice
        bool userFolderCannotBeMade = false;  // a file stands where its parent should be
    } rows[] = {
        {"writable_folder_keeps_its_own_file", true, kStarter, true, kMissing, true, true, kMissing},
        {"writable_folder_ignores_an_old_user_copy", true, kStarter, true, kEdited, true, true, kEdited},
        {"read_only_folder_seeds_the_user_copy", false, kStarter, false, kMissing, true, false, kStarter},
        {"read_only_folder_keeps_the_edited_user_copy", false, kStarter, false, kEdited, true, false, kEdited},
        {"read_only_folder_without_starter_seeds_nothing", false, kMissing, true, kMissing, true, false, kMissing},
        {"read_only_file_in_writable_folder_seeds_the_user_copy", true, kStarter, false, kMissing, true, false,
         kStarter},
        {"no_home_falls_back_to_the_program_folder", false, kStarter, false, kMissing, false, true, kMissing},
        {"user_copy_that_cannot_be_made_shows_the_starter", false, kStarter, false, kMissing, true, true, kMissing,
         true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const fs::path program = m_dir / row.name / "program", programFile = program / "constants.txt";
        // Two levels that do not exist yet, as on a first run in a fresh account.
        const fs::path user = m_dir / row.name / "data" / "trellum";
        fs::create_directories(program);
        if (row.programFile) writeBytes(programFile, *row.programFile);
        if (row.programFile && !row.programFileWritable) fs::permissions(programFile, fs::perms::owner_read);
        if (row.userFolderCannotBeMade) writeBytes(m_dir / row.name / "data", "");
        if (row.userFile) {
            fs::create_directories(user);
            writeBytes(user / "constants.txt", *row.userFile);
        }
        if (!row.programFolderWritable) fs::permissions(program, fs::perms::owner_read | fs::perms::owner_exec);

        const std::string chosen =
            constantsFilePath(program.string(), row.userFolderKnown ? user.string() : std::string(), ownerMayWrite);

        EXPECT_EQ(chosen, ((row.expectProgramFile ? program : user) / "constants.txt").string());
        EXPECT_EQ(readBytes(programFile), row.programFile.value_or("")) << "starter changed";
        EXPECT_EQ(readBytes(user / "constants.txt"), row.expectUserContent.value_or(""));
        if (row.expectUserContent) {
            EXPECT_EQ(std::distance(fs::directory_iterator(user), {}), 1) << "temporary file left behind";
        }
        // The first save renames a new file into the user's folder, so it must exist.
        if (!row.expectProgramFile && row.userFolderKnown) {
            EXPECT_TRUE(fs::is_directory(user));
        }
    }
}

// A user's first library names the starter's constants in the user's
// language, values unchanged; a name the file could not hold stays English.
using StarterLanguageTest = testing_support::TempFolderTest;

TEST_F(StarterLanguageTest, SeedsTheUserCopyWithTranslatedNames)
{
    const fs::path program = m_dir / "program";
    const fs::path user = m_dir / "user";
    const std::vector<std::string> values{"299792458", "6.62607015E-34"};
    fs::create_directories(program);
    writeBytes(program / "constants.txt", constantsFileText({"c speed of light", "h Planck"}, values));
    const auto german = [](const std::string& name) {
        return name == "c speed of light" ? std::string("c Lichtgeschwindigkeit") : "h = Planck";
    };
    const std::string chosen = constantsFilePath(program.string(), user.string(), [](const std::string&) { return false; }, german);
    EXPECT_EQ(chosen, (user / "constants.txt").string());
    EXPECT_EQ(readBytes(chosen), constantsFileText({"c Lichtgeschwindigkeit", "h Planck"}, values));
}

// An installed program (reached through a merged-/usr link too) reads its data
// from the data folder; a build's program must never pick up an installed copy's.
using ProgramDataFolderTest = testing_support::TempFolderTest;

TEST_F(ProgramDataFolderTest, OnlyTheInstalledFolderUsesTheDataFolder)
{
    const fs::path bin = m_dir / "usr" / "bin", data = m_dir / "usr" / "share" / "trellum", build = m_dir / "build";
    fs::create_directories(bin);
    fs::create_directories(data);
    fs::create_directories(build);
    fs::create_directory_symlink("usr/bin", m_dir / "bin");
    const std::pair<fs::path, fs::path> rows[] = {
        {bin, data}, {m_dir / "bin", data}, {build, build}, {m_dir / "usr", m_dir / "usr"}};
    for (const auto& [program, expected] : rows)
        EXPECT_EQ(programDataFolder(program.string(), bin.string(), data.string()), expected.string()) << program;
}

#ifdef TRELLUM_STARTER_CONSTANTS
// The starter library shipped with the package loads without the "contains
// errors" message and is byte for byte what the program would write back.
TEST(StarterConstants, ReadsCleanly)
{
    const ConstantsFileContents contents = readConstantsFile(TRELLUM_STARTER_CONSTANTS);
    EXPECT_FALSE(contents.loadFailed);
    EXPECT_FALSE(contents.faultyLines);
    ASSERT_FALSE(contents.names.empty());
    EXPECT_EQ(constantsFileText(contents.names, contents.values), readBytes(TRELLUM_STARTER_CONSTANTS));
}
#endif

}  // namespace
}  // namespace trellum
