// SPDX-License-Identifier: MIT
#include <sys/stat.h>

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "testing/recording_toolkit.h"
#include "app/constants_dialog.h"
#include "testing/row_name.h"
#include "tests/unit/temp_folder.h"

namespace trellum {
namespace {

using testing_support::PrintTo;

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

const std::string kHeader = "This file constains constants for Trellum:\r\n" + std::string(48, '=') + "\r\n";
const std::string kCantLoad = "msg:!:Can't load constants Database!";
const std::string kHasErrors = "msg:i:Constants Database contains errors!";
const std::string kFillIn = "msg:i:Fill in name and value of the constant.";
const std::string kNotNumber = "msg:i:Value of the constant is not a number!";
const std::string kBadName = "msg:i:The name of a constant can't contain";

constexpr auto readFile = testing_support::readBytes;
constexpr auto writeFile = testing_support::writeBytes;

// Names each test of a table after the row's `name`.
const testing_support::RowName kRowName;

class ConstantsTest : public testing_support::TempFolderTest {
protected:
    void SetUp() override
    {
        TempFolderTest::SetUp();
        file = m_dir / "constants.txt";
    }

    // Opens the dialog on the test file as the "Co" key does; none leaves the folder as it is.
    void open(const std::optional<std::string>& bytes)
    {
        if (bytes) writeFile(file, *bytes);
        dialog.emplace(toolkit, file.string());
    }

    // The entry dialog's next answer: texts typed, then OK.
    void answer(std::string name, std::string value)
    {
        toolkit.entryScripts.push_back([name, value](ConstantEntryDialog& q) {
            q.setName(name);
            q.setValue(value);
            q.accept();
        });
    }

    fs::path file;
    RecordingToolkit toolkit;
    std::optional<ConstantsDialog> dialog;  // opened by open()
};

// ---- Reading ----

// bytes none: no file.
struct ReadCase {
    const char* name;
    std::optional<std::string> bytes;
    Names names, values, events;
};

class ConstantsRead : public ConstantsTest, public testing::WithParamInterface<ReadCase> {};

TEST_P(ConstantsRead, KeepsGoodLinesAndReportsOnce)
{
    const ReadCase& row = GetParam();
    open(row.bytes);
    EXPECT_EQ(dialog->names(), row.names);
    EXPECT_EQ(dialog->values(), row.values);
    EXPECT_EQ(toolkit.events, row.events);
    EXPECT_EQ(readFile(file), row.bytes.value_or("")) << "reading must not touch the file";
}

INSTANTIATE_TEST_SUITE_P(
    Table, ConstantsRead,
    testing::Values(
        ReadCase{"BlanksAroundEqualsOptionalAndTrimmed", kHeader + "g=9.81\r\n  speed of light   =   299792458  \r\n",
                 {"g", "speed of light"}, {"9.81", "299792458"}, {}},
        ReadCase{"EmptyNameAndDuplicates", kHeader + " = 1\r\na = 2\r\na = 3E-5\r\n", {"", "a", "a"},
                 {"1", "2", "3E-5"}, {}},
        ReadCase{"LoneLineFeedsAndCarriageReturns", "h1\nh2\ra = 1\nb = -2.5e3\r", {"a", "b"}, {"1", "-2.5e3"}, {}},
        ReadCase{"FaultyLinesDroppedOneMessage",
                 kHeader + "a = 1\r\nbad = x\r\n\r\nsplit = 1 = 2\r\nnoequals\r\nb = 2\r\nc = 1,5\r\n", {"a", "b"},
                 {"1", "2"}, {kHasErrors}},
        ReadCase{"MissingFile", std::nullopt, {}, {}, {kCantLoad}},
        ReadCase{"NumberWithoutEqualsStopsReading", kHeader + "a = 1\r\nbad = x\r\n42\r\nb = 2\r\n", {"a"}, {"1"},
                 {kCantLoad}},
        ReadCase{"Latin1NameConverted", kHeader + "caf\xe9 \xb0 = 1\r\n", {"caf\xc3\xa9 \xc2\xb0"}, {"1"}, {}},
        ReadCase{"NulBytes", kHeader + std::string("a\0b = 1\r\nc = 2\0\r\n", 17), {std::string("a\0b", 3)}, {"1"},
                 {kHasErrors}}),
    kRowName);

// ---- Editing, closing and writing ----

// edit: the selected constant's value changed from 2 to 3 before closing.
// result: the value chosen, none when nothing is.
struct CloseCase {
    const char* name;
    bool edit;
    void (ConstantsDialog::*close)();
    bool written;
    std::optional<std::string> result;
};

class ConstantsClose : public ConstantsTest, public testing::WithParamInterface<CloseCase> {};

TEST_P(ConstantsClose, WritesOnlyAfterAnEditThroughOkOrCancel)
{
    const CloseCase& row = GetParam();
    // A faulty line and loose spacing show whether the file was rewritten.
    const std::string original = kHeader + "a=1\r\nbad = x\r\nb   =   2\r\n";
    open(original);
    toolkit.events.clear();
    dialog->select(1);
    if (row.edit) {
        answer("b", "3");
        dialog->edit();
    }
    ((*dialog).*row.close)();

    EXPECT_TRUE(dialog->isClosed());
    EXPECT_EQ(dialog->chosen(), row.result);
    EXPECT_EQ(readFile(file), row.written ? kHeader + "a = 1\r\nb = 3\r\n" : original);
    // The faulty line is not written back, but the file that held it is kept as a backup.
    const Names expected = row.written ? Names{"constants.txt", "constants.txt.bak"} : Names{"constants.txt"};
    EXPECT_EQ(folder(), expected);
    if (row.written) {
        EXPECT_EQ(readFile(m_dir / "constants.txt.bak"), original);
    }
    EXPECT_TRUE(toolkit.events.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Table, ConstantsClose,
    testing::Values(CloseCase{"OkWithoutEdit", false, &ConstantsDialog::accept, false, "2"},
                    CloseCase{"CancelWithoutEdit", false, &ConstantsDialog::cancel, false, std::nullopt},
                    CloseCase{"CancelAfterEdit", true, &ConstantsDialog::cancel, true, std::nullopt},
                    CloseCase{"WindowClosedAfterEdit", true, &ConstantsDialog::closeWindow, false, std::nullopt}),
    kRowName);

// before/after: the constant lines, header left out; reselected -1: nothing left to select.
struct DeleteCase { const char* name; std::string before; int16_t selected, reselected; std::string toolTip, after; };

class ConstantsDelete : public ConstantsTest, public testing::WithParamInterface<DeleteCase> {};

TEST_P(ConstantsDelete, ReselectsTheSamePlaceOrTheOneBefore)
{
    const DeleteCase& row = GetParam();
    open(kHeader + row.before);
    dialog->select(row.selected);
    dialog->deleteSelected();
    EXPECT_EQ(dialog->selected(), row.reselected < 0 ? std::nullopt : std::optional<std::size_t>(row.reselected));
    EXPECT_EQ(dialog->toolTip(), row.toolTip);
    EXPECT_EQ(dialog->okEnabled(), row.reselected >= 0);
    EXPECT_EQ(dialog->deleteEnabled(), row.reselected >= 0);
    ASSERT_EQ(dialog->values().size(), dialog->names().size());
    // Names and values stay paired, and the deletion counts as an edit.
    dialog->cancel();
    EXPECT_EQ(readFile(file), kHeader + row.after);
}

const std::string kThree = "a = 1\r\nb = 2\r\nc = 3\r\n";

INSTANTIATE_TEST_SUITE_P(Table, ConstantsDelete,
                         testing::Values(DeleteCase{"Middle", kThree, 1, 1, "3", "a = 1\r\nc = 3\r\n"},
                                         DeleteCase{"Only", "only = 7\r\n", 0, -1, "", ""}),
                         kRowName);

TEST_F(ConstantsTest, AChangeMadeBehindTheDialogIsKeptBesideTheFile)
{
    open(kHeader + "a = 1\r\n");
    const std::string theirs = kHeader + "a = 1\r\nfrom another copy = 7\r\n";
    writeFile(file, theirs);
    toolkit.events.clear();
    answer("b", "2");
    dialog->edit();
    dialog->cancel();
    EXPECT_TRUE(dialog->isClosed());
    EXPECT_EQ(readFile(file), kHeader + "a = 1\r\nb = 2\r\n");
    EXPECT_EQ(readFile(m_dir / "constants.txt.changed"), theirs);
    const std::string kept = (m_dir / "constants.txt.changed").string();
    ASSERT_EQ(toolkit.events.size(), 1u);
    EXPECT_EQ(toolkit.events[0].rfind("msg:i:", 0), 0u);
    EXPECT_NE(toolkit.events[0].find(kept), std::string::npos) << "the message names the kept version";
}

// ---- Entry dialog checks ----

// message: how the refusal's message begins; empty: the entry is accepted, with
// its value as stored when `stored` is given. separator: the locale's.
struct QueryCase {
    const char* name;
    std::string typedName, typedValue, message;
    char separator = '.';
    std::string stored = {};
};

class QueryChecks : public testing::TestWithParam<QueryCase> {};

TEST_P(QueryChecks, AcceptsOnlyANameAndANumber)
{
    const QueryCase& row = GetParam();
    RecordingToolkit toolkit;
    toolkit.separator = row.separator;
    ConstantEntryDialog query(toolkit, ConstantEntryDialog::Purpose::Add);
    query.setName(row.typedName);
    query.setValue(row.typedValue);
    query.accept();
    EXPECT_EQ(query.accepted(), row.message.empty());
    EXPECT_EQ(query.isClosed(), row.message.empty()) << "a refused entry keeps the dialog open";
    EXPECT_EQ(query.name(), row.typedName);
    if (!row.stored.empty()) {
        EXPECT_EQ(query.value(), row.stored);
    }
    EXPECT_EQ(toolkit.events.size(), row.message.empty() ? 0u : 1u);
    for (const std::string& event : toolkit.events) EXPECT_EQ(event.rfind(row.message, 0), 0u) << event;
}

INSTANTIATE_TEST_SUITE_P(Table, QueryChecks,
                         testing::Values(QueryCase{"EmptyName", "", "1", kFillIn},
                                         QueryCase{"BlankValueIsNoNumber", "x", " ", kNotNumber},
                                         QueryCase{"CommaDecimal", "x", "1,5", kNotNumber},
                                         QueryCase{"CommaDecimalUnderCommaLocale", "x", "1,5", "", ',', "1.5"},
                                         QueryCase{"NameWithEquals", "a=b", "1", kBadName},
                                         QueryCase{"NameWithLineBreak", "a\r\nb", "1", kBadName}),
                         kRowName);

}  // namespace
}  // namespace trellum
