#include <signal.h>
#include <stdlib.h>
#include <sys/resource.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/calculator.h"
#include "engine/recording_toolkit.h"
#include "storage/const_dialog.h"
#include "storage/constants_file.h"
#include "storage/registry.h"

namespace trellum {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

const std::string kHeader = "This file constains constants for Trellum:\r\n" + std::string(48, '=') + "\r\n";
const std::string kCantLoad = "msg:!:Can't load constants Database!";
const std::string kHasErrors = "msg:i:Constants Database contains errors!";
const std::string kFillIn = "msg:i:Fill in name and value of the constant.";
const std::string kNotNumber = "msg:i:Value of the constant is not a number!";

std::string readFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeFile(const fs::path& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

class ConstantsTest : public testing::Test {
protected:
    ConstantsTest()
    {
        std::string pattern = (fs::temp_directory_path() / "trellum-constants-XXXXXX").string();
        folder = ::mkdtemp(pattern.data());
        file = folder / "constants.txt";
    }
    ~ConstantsTest() override
    {
        std::error_code error;
        fs::remove_all(folder, error);
    }

    // Opens the dialog on the test file as the "Co" key does.
    ConstDialog& open(const std::optional<std::string>& bytes)
    {
        if (bytes) writeFile(file, *bytes);
        dialog.Form_Load(file.string());
        return dialog;
    }

    // The query dialog's next answer: texts typed, then OK.
    void answer(std::string name, std::string value)
    {
        toolkit.QueryScripts.push_back([name, value](QueryDialog& q) {
            q.txtName = name;
            q.txtVal = value;
            q.cmdOk_Click();
        });
    }

    std::vector<std::string> folderEntries() const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename());
        return names;
    }

    fs::path folder;
    fs::path file;
    RecordingToolkit toolkit;
    ConstDialog dialog{toolkit};
};

// ---- Reading ----

struct ReadCase {
    const char* name;
    std::optional<std::string> bytes;  // none: no file
    Names names;
    Names values;
    std::vector<std::string> events;
};

class ConstantsRead : public ConstantsTest, public testing::WithParamInterface<ReadCase> {};

TEST_P(ConstantsRead, KeepsGoodLinesAndReportsOnce)
{
    const ReadCase& row = GetParam();
    open(row.bytes);
    EXPECT_EQ(dialog.lstConst, row.names);
    Names expectedValues = row.values;
    expectedValues.emplace_back();
    EXPECT_EQ(dialog.ConstValues, expectedValues);
    EXPECT_EQ(toolkit.Events, row.events);
    if (row.bytes) {
        EXPECT_EQ(readFile(file), *row.bytes) << "reading must not touch the file";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, ConstantsRead,
    testing::Values(
        ReadCase{"OneConstant", kHeader + "pi = 3.14159265358979\r\n", {"pi"}, {"3.14159265358979"}, {}},
        ReadCase{"NoBlanksAroundEquals", kHeader + "g=9.81\r\n", {"g"}, {"9.81"}, {}},
        ReadCase{"BlanksTrimmedInside", kHeader + "  speed of light   =   299792458  \r\n", {"speed of light"},
                 {"299792458"}, {}},
        ReadCase{"EmptyNameAndDuplicates", kHeader + " = 1\r\na = 2\r\na = 3E-5\r\n", {"", "a", "a"},
                 {"1", "2", "3E-5"}, {}},
        ReadCase{"HeaderTextIgnored", "x = 1\r\ny = 2\r\nz = 3\r\n", {"z"}, {"3"}, {}},
        ReadCase{"HeadersOnly", kHeader, {}, {}, {}},
        ReadCase{"HeadersWithoutFinalLineEnd", "h1\r\nh2", {}, {}, {}},
        ReadCase{"LastLineWithoutLineEnd", kHeader + "a = 1\r\nb = 2", {"a", "b"}, {"1", "2"}, {}},
        ReadCase{"LineFeedsOnly", "h1\nh2\na = 1\nb = -2.5e3\n", {"a", "b"}, {"1", "-2.5e3"}, {}},
        ReadCase{"CarriageReturnsOnly", "h1\rh2\ra = 1\rb = 2\r", {"a", "b"}, {"1", "2"}, {}},
        ReadCase{"FaultyLinesDroppedOneMessage",
                 kHeader + "a = 1\r\nbad = x\r\n\r\nsplit = 1 = 2\r\nnoequals\r\nb = 2\r\nc = 1,5\r\n", {"a", "b"},
                 {"1", "2"}, {kHasErrors}},
        ReadCase{"MissingFile", std::nullopt, {}, {}, {kCantLoad}},
        ReadCase{"EmptyFile", std::string(), {}, {}, {kCantLoad}},
        ReadCase{"OneLineOnly", "This file constains constants for Trellum:\r\n", {}, {}, {kCantLoad}},
        ReadCase{"NumberWithoutEqualsStopsReading", kHeader + "a = 1\r\nbad = x\r\n42\r\nb = 2\r\n", {"a"}, {"1"},
                 {kCantLoad}},
        ReadCase{"Latin1NameConverted", kHeader + "caf\xe9 \xb0 = 1\r\n", {"caf\xc3\xa9 \xc2\xb0"}, {"1"}, {}},
        ReadCase{"Utf8NameKept", kHeader + "\xc3\xa9\xe2\x82\xac = 2\r\n", {"\xc3\xa9\xe2\x82\xac"}, {"2"}, {}},
        ReadCase{"NulBytes", kHeader + std::string("a\0b = 1\r\nc = 2\0\r\n", 17), {std::string("a\0b", 3)}, {"1"},
                 {kHasErrors}}),
    [](const testing::TestParamInfo<ReadCase>& info) { return std::string(info.param.name); });

TEST_F(ConstantsTest, FolderInPlaceOfFileCannotBeLoaded)
{
    fs::create_directory(file);
    open(std::nullopt);
    EXPECT_TRUE(dialog.lstConst.empty());
    EXPECT_EQ(toolkit.Events, std::vector<std::string>{kCantLoad});
}

TEST_F(ConstantsTest, BinaryGarbageKeepsTheGoodLines)
{
    // Every byte value, then pseudo-random bytes without a bare number line.
    std::string bytes = kHeader + "first = 1\r\n";
    for (int i = 0; i < 256; ++i) bytes += static_cast<char>(i);
    uint32_t state = 12345;
    for (int i = 0; i < 200000; ++i) {
        state = state * 1103515245u + 12345u;
        bytes += static_cast<char>((state >> 16) & 0xFF);
    }
    bytes += "\r\nlast = 2\r\n";
    open(bytes);
    ASSERT_GE(dialog.lstConst.size(), 2u);
    EXPECT_EQ(dialog.lstConst.front(), "first");
    EXPECT_EQ(dialog.lstConst.back(), "last");
    EXPECT_EQ(dialog.ConstValues.size(), dialog.lstConst.size() + 1);
    EXPECT_EQ(toolkit.Events, std::vector<std::string>{kHasErrors});
}

TEST_F(ConstantsTest, HundredThousandLinesLoad)
{
    std::string bytes = kHeader;
    for (int i = 0; i < 100000; ++i) {
        bytes += i % 1000 == 999 ? "broken = ?\r\n" : "c" + std::to_string(i) + " = " + std::to_string(i) + "\r\n";
    }
    open(bytes);
    ASSERT_EQ(dialog.lstConst.size(), 99900u);
    EXPECT_EQ(dialog.lstConst.back(), "c99998");
    EXPECT_EQ(dialog.ConstValues[99899], "99998");
    EXPECT_EQ(toolkit.Events, std::vector<std::string>{kHasErrors});
}

// ---- Closing and writing ----

struct CloseCase {
    const char* name;
    bool edit;  // the selected constant's value changed from 2 to 3
    std::function<void(ConstDialog&)> close;
    bool written;
    std::string result;
};

class ConstantsClose : public ConstantsTest, public testing::WithParamInterface<CloseCase> {};

TEST_P(ConstantsClose, WritesOnlyAfterAnEditThroughOkOrCancel)
{
    const CloseCase& row = GetParam();
    // A faulty line and loose spacing show whether the file was rewritten.
    const std::string original = kHeader + "a=1\r\nbad = x\r\nb   =   2\r\n";
    open(original);
    toolkit.Events.clear();
    dialog.lstConst_Click(1);
    if (row.edit) {
        answer("b", "3");
        dialog.cmdEdit_Click();
    }
    row.close(dialog);

    EXPECT_TRUE(dialog.Hidden);
    EXPECT_EQ(dialog.Result, row.result);
    const std::string expected = row.written ? kHeader + "a = 1\r\nb = 3\r\n" : original;
    EXPECT_EQ(readFile(file), expected);
    EXPECT_EQ(folderEntries(), std::vector<std::string>{"constants.txt"});
    EXPECT_TRUE(toolkit.Events.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Table, ConstantsClose,
    testing::Values(
        CloseCase{"OkWithoutEdit", false, [](ConstDialog& d) { d.cmdOk_Click(); }, false, "2"},
        CloseCase{"CancelWithoutEdit", false, [](ConstDialog& d) { d.cmdCancel_Click(); }, false, ""},
        CloseCase{"WindowClosedWithoutEdit", false, [](ConstDialog& d) { d.Form_Close(); }, false, ""},
        CloseCase{"OkAfterEdit", true, [](ConstDialog& d) { d.cmdOk_Click(); }, true, "3"},
        CloseCase{"CancelAfterEdit", true, [](ConstDialog& d) { d.cmdCancel_Click(); }, true, ""},
        CloseCase{"WindowClosedAfterEdit", true, [](ConstDialog& d) { d.Form_Close(); }, false, ""}),
    [](const testing::TestParamInfo<CloseCase>& info) { return std::string(info.param.name); });

TEST_F(ConstantsTest, MissingFileIsCreatedByAnAdd)
{
    open(std::nullopt);
    toolkit.Events.clear();
    answer("  Avogadro ", " 6.02214076E+23 ");
    dialog.cmdEdit_Click();
    answer("  ", "1");  // blanks only: an empty name
    dialog.cmdEdit_Click();
    dialog.cmdCancel_Click();
    EXPECT_EQ(readFile(file), kHeader + "Avogadro = 6.02214076E+23\r\n = 1\r\n");
    EXPECT_TRUE(toolkit.Events.empty());

    // Reopening shows the edits from the file.
    ConstDialog again(toolkit);
    again.Form_Load(file.string());
    EXPECT_EQ(again.lstConst, (Names{"Avogadro", ""}));
    EXPECT_TRUE(toolkit.Events.empty());
}

TEST_F(ConstantsTest, EditAddsBeforeFirstSelectionAndModifiesAfter)
{
    open(kHeader + "a = 1\r\n");
    toolkit.QueryScripts.push_back([](QueryDialog& q) {
        EXPECT_EQ(q.Caption, "Add a new constant");
        EXPECT_EQ(q.Mode, 1);
        EXPECT_EQ(q.txtName, "");
        EXPECT_EQ(q.txtVal, "");
        q.txtName = "b";
        q.txtVal = "2";
        q.cmdOk_Click();
    });
    dialog.cmdEdit_Click();
    EXPECT_EQ(dialog.lstConst, (Names{"a", "b"}));
    EXPECT_EQ(dialog.ListIndex, -1) << "a new entry is not selected";
    EXPECT_FALSE(dialog.OkEnabled);

    dialog.lstConst_Click(1);
    EXPECT_EQ(dialog.ToolTip, "2");
    EXPECT_TRUE(dialog.OkEnabled);
    EXPECT_TRUE(dialog.DelEnabled);
    toolkit.QueryScripts.push_back([](QueryDialog& q) {
        EXPECT_EQ(q.Caption, "Modify a constant");
        EXPECT_EQ(q.Mode, 2);
        EXPECT_EQ(q.txtName, "b");
        EXPECT_EQ(q.txtVal, "2");
        q.txtName = " beta ";
        q.txtVal = "-2.5";
        q.cmdOk_Click();
    });
    dialog.cmdEdit_Click();
    EXPECT_EQ(dialog.lstConst, (Names{"a", "beta"}));
    EXPECT_EQ(dialog.ConstValues, (Names{"1", "-2.5", ""}));

    // Declined entry dialogs change nothing.
    toolkit.QueryScripts.push_back([](QueryDialog& q) { q.txtName = "zzz"; q.cmdCancel_Click(); });
    dialog.cmdEdit_Click();
    dialog.cmdEdit_Click();  // no script left: its window is closed
    EXPECT_EQ(dialog.lstConst, (Names{"a", "beta"}));

    dialog.cmdOk_Click();
    EXPECT_EQ(dialog.Result, "-2.5");
    EXPECT_EQ(readFile(file), kHeader + "a = 1\r\nbeta = -2.5\r\n");
}

struct DeleteCase {
    const char* name;
    int16_t selected;
    Names remaining;
    int16_t reselected;
    std::string toolTip;
};

class ConstantsDelete : public ConstantsTest, public testing::WithParamInterface<DeleteCase> {};

TEST_P(ConstantsDelete, ReselectsTheSamePlaceOrTheOneBefore)
{
    const DeleteCase& row = GetParam();
    open(kHeader + "a = 1\r\nb = 2\r\nc = 3\r\n");
    dialog.lstConst_Click(row.selected);
    dialog.cmdDel_Click();
    EXPECT_EQ(dialog.lstConst, row.remaining);
    EXPECT_EQ(dialog.ConstValues.size(), row.remaining.size() + 1);
    EXPECT_EQ(dialog.ConstValues.back(), "");
    EXPECT_EQ(dialog.ListIndex, row.reselected);
    EXPECT_EQ(dialog.ToolTip, row.toolTip);
    EXPECT_TRUE(dialog.OkEnabled);
    EXPECT_TRUE(dialog.DelEnabled);
    EXPECT_TRUE(dialog.ConstsChanged);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ConstantsDelete,
    testing::Values(DeleteCase{"First", 0, {"b", "c"}, 0, "2"}, DeleteCase{"Middle", 1, {"a", "c"}, 1, "3"},
                    DeleteCase{"Last", 2, {"a", "b"}, 1, "2"}),
    [](const testing::TestParamInfo<DeleteCase>& info) { return std::string(info.param.name); });

TEST_F(ConstantsTest, DeletingTheOnlyEntryThenAddingAgain)
{
    open(kHeader + "only = 7\r\n");
    dialog.lstConst_Click(0);
    dialog.cmdDel_Click();
    EXPECT_TRUE(dialog.lstConst.empty());
    EXPECT_EQ(dialog.ConstValues, Names{""});
    EXPECT_EQ(dialog.ToolTip, "");
    EXPECT_FALSE(dialog.OkEnabled);
    EXPECT_FALSE(dialog.DelEnabled);

    dialog.cmdDel_Click();
    dialog.cmdOk_Click();
    EXPECT_FALSE(dialog.Hidden) << "OK and Delete do nothing without a selection";

    answer("new", "8");
    dialog.cmdEdit_Click();
    EXPECT_EQ(dialog.lstConst, Names{"new"});
    EXPECT_EQ(dialog.ConstValues, (Names{"8", ""}));
    dialog.cmdCancel_Click();
    EXPECT_EQ(readFile(file), kHeader + "new = 8\r\n");
}

TEST_F(ConstantsTest, FailedWriteKeepsOldFileAndList)
{
    const std::string original = kHeader + "a = 1\r\n";
    open(original);
    answer("a long name that makes the library larger than the limit", "2");
    dialog.cmdEdit_Click();
    dialog.lstConst_Click(0);

    // A file size limit below the new library's size makes the write fail as a full disk would.
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = ::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = original.size() + 10;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    dialog.cmdOk_Click();
    ::setrlimit(RLIMIT_FSIZE, &saved);
    ::signal(SIGXFSZ, previousHandler);

    ASSERT_EQ(toolkit.Events.size(), 1u);
    EXPECT_EQ(toolkit.Events[0].rfind("msg:!:Can't save constants Database!", 0), 0u) << toolkit.Events[0];
    EXPECT_FALSE(dialog.Hidden) << "the edits must stay on screen";
    EXPECT_EQ(dialog.Result, "");
    EXPECT_EQ(dialog.lstConst.size(), 2u);
    EXPECT_EQ(readFile(file), original);
    EXPECT_EQ(folderEntries(), std::vector<std::string>{"constants.txt"}) << "temporary file left behind";

    // Once the disk has room, OK writes the kept list.
    dialog.cmdOk_Click();
    EXPECT_TRUE(dialog.Hidden);
    EXPECT_EQ(dialog.Result, "1");
    EXPECT_EQ(readFile(file), kHeader + "a = 1\r\na long name that makes the library larger than the limit = 2\r\n");
}

TEST_F(ConstantsTest, WriteFollowsALinkAndKeepsPermissions)
{
    const fs::path real = folder / "real.txt";
    writeFile(real, kHeader + "a = 1\r\n");
    fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink(real, file);
    open(std::nullopt);
    dialog.lstConst_Click(0);
    dialog.cmdDel_Click();
    dialog.cmdCancel_Click();
    EXPECT_TRUE(fs::is_symlink(file));
    EXPECT_EQ(readFile(real), kHeader);
    EXPECT_EQ(fs::status(real).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

// ---- Entry dialog checks ----

struct QueryCase {
    const char* name;
    std::string txtName;
    std::string txtVal;
    bool accepted;
    std::string message;  // empty: none
};

class QueryChecks : public testing::TestWithParam<QueryCase> {};

TEST_P(QueryChecks, AcceptsOnlyANameAndANumber)
{
    const QueryCase& row = GetParam();
    RecordingToolkit toolkit;
    QueryDialog query(toolkit);
    query.txtName = row.txtName;
    query.txtVal = row.txtVal;
    query.cmdOk_Click();
    EXPECT_EQ(query.Accepted, row.accepted);
    EXPECT_EQ(query.Hidden, row.accepted) << "a refused entry keeps the dialog open";
    EXPECT_EQ(query.txtName, row.txtName);
    if (row.message.empty()) {
        EXPECT_TRUE(toolkit.Events.empty());
    } else {
        ASSERT_EQ(toolkit.Events.size(), 1u);
        EXPECT_EQ(toolkit.Events[0].rfind(row.message, 0), 0u) << toolkit.Events[0];
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, QueryChecks,
    testing::Values(QueryCase{"Plain", "pi", "3.14159265358979", true, ""},
                    QueryCase{"BlanksAroundAccepted", "  g  ", " 9.81 ", true, ""},
                    QueryCase{"BlankNameCounts", " ", "1", true, ""},
                    QueryCase{"EmptyName", "", "1", false, kFillIn},
                    QueryCase{"EmptyValue", "x", "", false, kFillIn},
                    QueryCase{"BothEmpty", "", "", false, kFillIn},
                    QueryCase{"BlankValueIsNoNumber", "x", " ", false, kNotNumber},
                    QueryCase{"WordValue", "x", "abc", false, kNotNumber},
                    QueryCase{"CommaDecimal", "x", "1,5", false, kNotNumber},
                    QueryCase{"ValueWithLineBreak", "x", "5\n", false, kNotNumber},
                    QueryCase{"NameWithEquals", "a=b", "1", false, "msg:i:The name of a constant can't contain"},
                    QueryCase{"NameWithLineBreak", "a\r\nb", "1", false,
                              "msg:i:The name of a constant can't contain"}),
    [](const testing::TestParamInfo<QueryCase>& info) { return std::string(info.param.name); });

// ---- The "Co" key ----

TEST_F(ConstantsTest, CoKeyPutsTheChosenValueOnTheDisplay)
{
    writeFile(file, kHeader + "pi = 3.14159265358979\r\nsmall = 1.5E-07\r\n");
    Registry registry;
    Calculator calc(toolkit, registry);
    toolkit.Folder = folder.string();
    calc.NewEntry = false;
    toolkit.ConstScripts.push_back([](ConstDialog& d) {
        EXPECT_EQ(d.Caption, "Load a constant");
        d.lstConst_Click(1);
        d.cmdOk_Click();
    });
    calc.sscmdConst_Click();
    EXPECT_EQ(calc.LcdText, "1.5  ");
    EXPECT_EQ(calc.ExpText, "-07");
    EXPECT_TRUE(calc.NewEntry);
    EXPECT_EQ(toolkit.FocusCount, 1);

    // Cancel and a closed window leave the display alone; an explicit path wins over the folder.
    calc.ShowNumberText("4");
    calc.ConstFilePath = (folder / "missing.txt").string();
    toolkit.ConstScripts.push_back([](ConstDialog& d) { d.cmdCancel_Click(); });
    calc.sscmdConst_Click();
    calc.sscmdConst_Click();
    EXPECT_EQ(calc.LcdText, "4.  ");
    EXPECT_EQ(toolkit.Events, (std::vector<std::string>{kCantLoad, kCantLoad}));
    EXPECT_FALSE(fs::exists(folder / "missing.txt"));
}

}  // namespace
}  // namespace trellum
