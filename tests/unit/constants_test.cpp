// SPDX-License-Identifier: MIT
#include "app/constants_dialog.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "testing/recording_toolkit.h"
#include "tests/unit/temp_folder.h"

namespace trellum {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

const std::string kHeader = "This file constains constants for Trellum:\r\n" + std::string(48, '=') + "\r\n";
const std::string kCantLoad = "msg:!:Can't load constants Database!";
const std::string kHasErrors = "msg:i:Constants Database contains errors!";
const std::string kNotNumber = "msg:i:Value of the constant is not a number!";
const std::string kBadName = "msg:i:The name of a constant can't contain";

constexpr auto readFile = testing_support::readBytes;
constexpr auto writeFile = testing_support::writeBytes;

class ConstantsTest : public testing_support::TempFolderTest {
protected:
    // Opens the dialog on a fresh library as the "Co" key does (none: no file).
    ConstantsDialog& open(const std::optional<std::string>& bytes)
    {
        dialog.reset();
        fs::remove_all(m_dir);
        fs::create_directory(m_dir);
        toolkit = RecordingToolkit();
        if (bytes) writeFile(file, *bytes);
        return dialog.emplace(toolkit, file.string());
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

    fs::path file = m_dir / "constants.txt";
    RecordingToolkit toolkit;
    std::optional<ConstantsDialog> dialog;
};

TEST_F(ConstantsTest, ReadingKeepsGoodLinesAndReportsOnce)
{
    const struct {
        const char* name;
        std::optional<std::string> bytes;
        Names names, values, events;
    } rows[] = {
        {"blanks_around_equals", kHeader + "g=9.81\r\n  speed of light   =   299792458  \r\n", {"g", "speed of light"},
         {"9.81", "299792458"}, {}},
        {"lone_line_ends", "h1\nh2\ra = 1\nb = -2.5e3\r", {"a", "b"}, {"1", "-2.5e3"}, {}},
        {"faulty_lines_dropped", kHeader + "a = 1\r\nbad = x\r\n\r\nsplit = 1 = 2\r\nnoequals\r\nb = 2\r\nc = 1,5\r\n",
         {"a", "b"}, {"1", "2"}, {kHasErrors}},
        {"missing_file", std::nullopt, {}, {}, {kCantLoad}},
        {"number_without_equals_stops", kHeader + "a = 1\r\nbad = x\r\n42\r\nb = 2\r\n", {"a"}, {"1"}, {kCantLoad}},
        {"latin1_name", kHeader + "caf\xe9 \xb0 = 1\r\n", {"caf\xc3\xa9 \xc2\xb0"}, {"1"}, {}},
        {"nul_bytes", kHeader + std::string("a\0b = 1\r\nc = 2\0\r\n", 17), {std::string("a\0b", 3)}, {"1"},
         {kHasErrors}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        open(row.bytes);
        EXPECT_EQ(dialog->names(), row.names);
        EXPECT_EQ(dialog->values(), row.values);
        EXPECT_EQ(toolkit.events, row.events);
        EXPECT_EQ(readFile(file), row.bytes.value_or("")) << "reading must not touch the file";
    }
}

TEST_F(ConstantsTest, WritesOnlyAfterAnEditThroughOkOrCancel)
{
    // A faulty line and loose spacing show whether the file was rewritten.
    const std::string original = kHeader + "a=1\r\nbad = x\r\nb   =   2\r\n";
    const struct {
        const char* name;
        bool edit;  // the selected constant's value changed from 2 to 3 before closing
        void (ConstantsDialog::*close)();
        bool written;
        std::optional<std::string> chosen;
    } rows[] = {
        {"ok_without_edit", false, &ConstantsDialog::accept, false, "2"},
        {"cancel_without_edit", false, &ConstantsDialog::cancel, false, std::nullopt},
        {"cancel_after_edit", true, &ConstantsDialog::cancel, true, std::nullopt},
        {"window_closed_after_edit", true, &ConstantsDialog::closeWindow, false, std::nullopt},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        open(original).select(1);
        toolkit.events.clear();
        if (row.edit) {
            answer("b", "3");
            dialog->edit();
        }
        ((*dialog).*row.close)();
        EXPECT_TRUE(dialog->isClosed());
        EXPECT_EQ(dialog->chosen(), row.chosen);
        EXPECT_EQ(readFile(file), row.written ? kHeader + "a = 1\r\nb = 3\r\n" : original);
        // The faulty line is not written back, but the file that held it is kept as a backup.
        EXPECT_EQ(folder().size(), row.written ? 2u : 1u);
        EXPECT_EQ(readFile(m_dir / "constants.txt.bak"), row.written ? original : "");
        EXPECT_TRUE(toolkit.events.empty());
    }
}

TEST_F(ConstantsTest, DeletionSelectsTheOneThatTookItsPlace)
{
    open(kHeader + "a = 1\r\nb = 2\r\nc = 3\r\n").select(1);
    dialog->deleteSelected();
    EXPECT_EQ(dialog->selected(), std::optional<std::size_t>(1));
    EXPECT_EQ(dialog->toolTip(), "3");
    dialog->cancel();
    EXPECT_EQ(readFile(file), kHeader + "a = 1\r\nc = 3\r\n");

    open(kHeader + "only = 7\r\n").select(0);
    dialog->deleteSelected();
    EXPECT_EQ(dialog->selected(), std::nullopt);
    EXPECT_FALSE(dialog->okEnabled());
    EXPECT_FALSE(dialog->deleteEnabled());
}

TEST_F(ConstantsTest, AChangeMadeBehindTheDialogIsKeptBesideTheFile)
{
    open(kHeader + "a = 1\r\n");
    const std::string theirs = kHeader + "a = 1\r\nfrom another copy = 7\r\n";
    writeFile(file, theirs);
    toolkit.events.clear();
    answer("b", "2");
    dialog->edit();
    dialog->cancel();
    EXPECT_EQ(readFile(file), kHeader + "a = 1\r\nb = 2\r\n");
    EXPECT_EQ(readFile(m_dir / "constants.txt.changed"), theirs);
    ASSERT_EQ(toolkit.events.size(), 1u);
    EXPECT_TRUE(toolkit.events[0].starts_with("msg:i:"));
    EXPECT_NE(toolkit.events[0].find((m_dir / "constants.txt.changed").string()), std::string::npos)
        << "the message names the kept version";
}

// The entry dialog accepts only a name the file can hold and a number, read
// with the locale's decimal separator; a refused entry keeps the dialog open.
TEST(ConstantEntry, AcceptsOnlyANameAndANumber)
{
    const struct {
        const char* name;
        const char* value;
        std::string message;  // how the refusal's message begins; empty: accepted
        char separator = '.';
        const char* stored = nullptr;
    } rows[] = {
        {"", "1", "msg:i:Fill in name and value of the constant."}, {"x", " ", kNotNumber},
        {"x", "1,5", kNotNumber}, {"x", "1,5", "", ',', "1.5"}, {"a=b", "1", kBadName}, {"a\r\nb", "1", kBadName},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.name) + " / " + row.value);
        RecordingToolkit toolkit;
        toolkit.separator = row.separator;
        ConstantEntryDialog query(toolkit, ConstantEntryDialog::Purpose::Add);
        query.setName(row.name);
        query.setValue(row.value);
        query.accept();
        EXPECT_EQ(query.isClosed(), row.message.empty());
        EXPECT_EQ(query.value(), row.stored ? row.stored : row.value);
        EXPECT_EQ(toolkit.events.size(), row.message.empty() ? 0u : 1u);
        for (const std::string& event : toolkit.events) EXPECT_TRUE(event.starts_with(row.message)) << event;
    }
}

}  // namespace
}  // namespace trellum
