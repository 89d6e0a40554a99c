// SPDX-License-Identifier: MIT
// What the program settles as it starts: which launches meet as one copy, the
// files and scale factor it refuses, the signals that end it as OFF does, and
// the language it speaks.

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "process/languages.h"
#include "process/single_copy.h"
#include "process/start_guards.h"
#include "process/stop_signals.h"
#include "temp_folder.h"

namespace trellum {
namespace {

// Sets the variables named ("VARIABLE=value ...") for one launch and clears the others it reads.
void setLaunchEnvironment(const std::string& assignments)
{
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_RUNTIME_DIR"}) ::unsetenv(name);
    std::istringstream words(assignments);
    for (std::string word; words >> word;) {
        const std::size_t equals = word.find('=');
        ::setenv(word.substr(0, equals).c_str(), word.substr(equals + 1).c_str(), 1);
    }
}

// Each side: "VARIABLE=value ..." for the environment, then "|" and the arguments.
std::string displayKeyOf(const std::string& launch)
{
    const std::size_t bar = launch.find('|');
    setLaunchEnvironment(launch.substr(0, bar));
    std::vector<std::string> arguments{"trellum"};
    std::istringstream words(launch.substr(bar + 1));
    for (std::string word; words >> word;) arguments.push_back(word);
    return displayKey(arguments);
}

TEST(SingleCopy, LaunchesMeetOnOneDisplayOnly)
{
    const struct {
        const char* name;
        const char* first;
        const char* second;
        bool meet;
    } rows[] = {
        {"same X display", "DISPLAY=:3|", "DISPLAY=:3|", true},
        {"all spellings of one display", "DISPLAY=:3|", "DISPLAY=unix:003.1|", true},
        {"display 0 written 00", "DISPLAY=:0|", "DISPLAY=:00|", true},
        {"a display over TCP is another", "DISPLAY=:3|", "DISPLAY=localhost:3|", false},
        {"two X displays", "DISPLAY=:3|", "DISPLAY=:4|", false},
        {"30 is not 3", "DISPLAY=:3|", "DISPLAY=:30|", false},
        {"-display chooses the display", "DISPLAY=:3|-display :4", "DISPLAY=:4|", true},
        {"--display= too", "DISPLAY=:3|--display=:4", "DISPLAY=:4|", true},
        {"X11 and native Wayland", "DISPLAY=:0 WAYLAND_DISPLAY=wayland-0 QT_QPA_PLATFORM=xcb|",
         "DISPLAY=:0 WAYLAND_DISPLAY=wayland-0 QT_QPA_PLATFORM=wayland|", false},
        {"the platform in any case", "DISPLAY=:0 QT_QPA_PLATFORM=XCB|", "DISPLAY=:0|", true},
        {"-platform wayland is Wayland", "WAYLAND_DISPLAY=wayland-1|-platform wayland",
         "WAYLAND_DISPLAY=wayland-1 QT_QPA_PLATFORM=wayland|", true},
        {"two compositors, no platform named", "WAYLAND_DISPLAY=wl-a|", "WAYLAND_DISPLAY=wl-b|", false},
        {"no display at all meets no one", "|", "WAYLAND_DISPLAY=wl-a|", false},
        {"offscreen runs share no screen", "QT_QPA_PLATFORM=offscreen|", "QT_QPA_PLATFORM=offscreen|", false},
        {"X11 tried first on a Wayland session", "DISPLAY=:0 QT_QPA_PLATFORM=xcb;wayland|", "DISPLAY=:0|", true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string one = displayKeyOf(row.first), other = displayKeyOf(row.second);
        EXPECT_EQ(!one.empty() && one == other, row.meet) << one << " / " << other;
    }
    setLaunchEnvironment("");
}

class MeetingPoint : public testing_support::TempFolderTest {};

// Only a runtime folder no one else can enter holds the socket; anywhere else
// the abstract namespace, where the peer's user is checked, is left.
TEST_F(MeetingPoint, IsInTheRuntimeFolderOnlyWhenItIsPrivate)
{
    const std::string folder = m_dir.string(), open = folder + "/open", link = folder + "/link";
    const std::string owned = folder + "/owned", longer = owned + "/" + std::string(90, 'x');
    ::mkdir(open.c_str(), 0755);
    ::mkdir(owned.c_str(), 0700);
    ::mkdir(longer.c_str(), 0700);
    ::symlink(owned.c_str(), link.c_str());
    const struct {
        std::string runtime;
        bool inFolder;
    } rows[] = {{owned, true}, {open, false}, {link, false}, {longer, false}, {"", false}, {"relative", false}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.runtime);
        setLaunchEnvironment("XDG_RUNTIME_DIR=" + row.runtime);
        const SingleCopy copy("x11:meeting-" + std::to_string(::getpid()));
        EXPECT_TRUE(copy.ownsName());
        EXPECT_EQ(copy.meetingPoint().starts_with(row.runtime + "/trellum-"), row.inFolder) << copy.meetingPoint();
        EXPECT_EQ(copy.meetingPoint().starts_with("@"), !row.inFolder) << copy.meetingPoint();
    }
    setLaunchEnvironment("");
}

class GuardedFiles : public testing_support::TempFolderTest {};

// Qt reads these files whole, or opens them before the window shows: one that
// could never be read to its end would hang the start.
TEST_F(GuardedFiles, AreRefusedWhenTheyCouldNeverBeReadToTheirEnd)
{
    const std::string small = m_dir / "small.qss", big = m_dir / "big.png", fifo = m_dir / "fifo";
    testing_support::writeBytes(small, "QWidget {}");
    testing_support::writeBytes(big, "");
    ASSERT_EQ(::truncate(big.c_str(), kMaxWindowIconBytes + 1), 0);   // sparse: no disk is filled
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const struct {
        std::string path;
        const char* styleSheet;   // what follows the file's name in the refusal, or empty
        const char* icon;
    } rows[] = {
        {small, "", ""},
        {m_dir / "missing", "", ""},
        {fifo, "is not a regular file", "is not a regular file"},
        {big, "is larger than 1048576 bytes", "is larger than 16777216 bytes"},
    };
    for (const auto& row : rows) {
        const auto refusal = [&](const char* what, const char* problem) {
            return *problem ? "the " + std::string(what) + " '" + row.path + "' " + problem : std::string();
        };
        EXPECT_EQ(styleSheetProblem(row.path), refusal("style sheet", row.styleSheet));
        EXPECT_EQ(windowIconProblem(row.path), refusal("window icon", row.icon));
    }
}

// Qt's own words before it gives up, turned into the one line the program prints.
TEST(StartGuards, SayWhatTheWindowSystemLacksInOneLine)
{
    const std::string fatal =
        "This application failed to start because no Qt platform plugin could be initialized. Reinstalling the "
        "application may fix this problem.\n\nAvailable platform plugins are: minimal, offscreen, wayland, xcb.\n";
    const struct {
        std::vector<std::string> messages;
        const char* line;
    } rows[] = {
        {{"could not connect to display ", fatal},
         "trellum: no display to open a window on (DISPLAY and WAYLAND_DISPLAY are unset)"},
        {{"could not connect to display :987", fatal}, "trellum: cannot open the display :987"},
        {{"Could not find the Qt platform plugin \"nonexistent\" in \"\"", fatal},
         "trellum: no windowing system \"nonexistent\" (there are: minimal, offscreen, wayland, xcb)"},
        {{"Could not find the Qt platform plugin \"none\" in \"\"", "no plugins at all"},
         "trellum: no windowing system \"none\" (there are: none)"},
        {{"Failed to create wl_display (No such file or directory)", fatal},
         "trellum: cannot connect to the Wayland display wayland-9"},
        {{"something else\nand more"}, "trellum: the windowing system could not start: something else"},
    };
    ::setenv("WAYLAND_DISPLAY", "wayland-9", 1);
    for (const auto& row : rows) EXPECT_EQ(startFailureLine(row.messages), row.line);
    ::unsetenv("WAYLAND_DISPLAY");
}

TEST(StartGuards, KeepOnlyAScaleFactorTheWindowCanUse)
{
    const struct {
        const char* value;
        bool kept;
    } rows[] = {{"1.5", true},   {" 2 ", true},  {"0.5", true}, {"8", true},     {"", true},
                {"0.49", false}, {"8.01", false}, {"0", false}, {"nan", false},  {"inf", false},
                {"1.5x", false}, {"0x2", false},  {"1,5", false}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.value);
        ::setenv("QT_SCALE_FACTOR", row.value, 1);
        testing::internal::CaptureStderr();
        ignoreUnusableScaleFactor();
        const std::string warning = testing::internal::GetCapturedStderr();
        EXPECT_EQ(std::getenv("QT_SCALE_FACTOR") != nullptr, row.kept);
        EXPECT_EQ(warning.empty(), row.kept) << warning;
    }
    ::unsetenv("QT_SCALE_FACTOR");
}

// A TERM waits in the socket for the event loop; a hang-up that whoever
// started the program ignores (nohup) stays ignored.
TEST(StopSignals, WaitForTheEventLoopAndRespectAnIgnoredHangUp)
{
    ::signal(SIGHUP, SIG_IGN);
    {
        StopSignals stops;
        ASSERT_GE(stops.socket(), 0);
        EXPECT_FALSE(stops.takePending());
        ::raise(SIGHUP);
        EXPECT_FALSE(stops.takePending());
        ::raise(SIGTERM);
        ::raise(SIGINT);
        EXPECT_TRUE(stops.takePending());
        EXPECT_FALSE(stops.takePending());
    }
    // Given back: the next TERM would end this process, as it does any other.
    struct sigaction term = {};
    ::sigaction(SIGTERM, nullptr, &term);
    EXPECT_EQ(term.sa_handler, SIG_DFL);
    ::signal(SIGHUP, SIG_DFL);
}

// LC_ALL, LC_MESSAGES, LANG and LANGUAGE as gettext reads them.
TEST(Languages, AreTakenFromTheLocaleVariablesAsGettextReadsThem)
{
    const struct {
        const char* name;
        const char* lcAll;
        const char* lcMessages;
        const char* lang;
        const char* language;
        std::vector<std::string> wanted;
    } rows[] = {
        {"POSIX", "POSIX", "", "de_DE.UTF-8", "", {}},
        {"C.UTF-8 ignores LANGUAGE", "", "", "C.UTF-8", "de", {}},
        {"LC_ALL=C beats a German LANG", "C", "", "de_DE.UTF-8", "", {}},
        {"German LANG", "", "", "de_DE.UTF-8", "", {"de_DE"}},
        {"modifier removed", "", "", "de_AT.UTF-8@euro", "", {"de_AT"}},
        {"LC_MESSAGES beats LANG", "", "fr_FR.UTF-8", "de_DE.UTF-8", "", {"fr_FR"}},
        {"LC_ALL beats LC_MESSAGES", "de_CH.UTF-8", "fr_FR.UTF-8", "", "", {"de_CH"}},
        {"LANGUAGE comes first", "", "", "de_DE.UTF-8", "fr:de", {"fr", "de", "de_DE"}},
        {"empty entries in LANGUAGE", "", "", "de_DE.UTF-8", ":fr::", {"fr", "de_DE"}},
        {"English first in LANGUAGE", "", "", "de_DE.UTF-8", "en_US:de", {}},
        {"English after French", "", "", "en_US.UTF-8", "fr:en", {"fr"}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(uiLanguages(row.lcAll, row.lcMessages, row.lang, row.language), row.wanted) << row.name;
}

}  // namespace
}  // namespace trellum
