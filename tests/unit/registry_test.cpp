#include "storage/registry.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace trellum {
namespace {

namespace fs = std::filesystem;

constexpr const char* kKey = "SOFTWARE\\Quorbel\\Trellum";
using Bytes = std::vector<uint8_t>;

Bytes textBytes(const std::string& text, bool withNul = true)
{
    Bytes bytes(text.begin(), text.end());
    if (withNul) bytes.push_back(0);
    return bytes;
}

std::string readAll(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

HKEY createKey(Registry& registry)
{
    HKEY key = 0;
    EXPECT_EQ(registry.RegCreateKeyExA(HKEY_LOCAL_MACHINE, kKey, 0, KEY_ALL_ACCESS_3F, &key), ERROR_SUCCESS);
    return key;
}

// Reads a value the way callers do: size first, then the data.
std::optional<Bytes> query(Registry& registry, HKEY key, const std::string& name, uint32_t* type = nullptr)
{
    uint32_t size = 0;
    if (registry.RegQueryValueExA(key, name, type, nullptr, &size) != ERROR_SUCCESS) return std::nullopt;
    Bytes data(size);
    if (registry.RegQueryValueExA(key, name, type, data.data(), &size) != ERROR_SUCCESS) return std::nullopt;
    return data;
}

class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "trellum-registry-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        m_dir = pattern;
        m_hive = (m_dir / "trellum" / "system.reg").string();
    }
    void TearDown() override { fs::remove_all(m_dir); }

    void writeHive(const std::string& text)
    {
        fs::create_directories(fs::path(m_hive).parent_path());
        std::ofstream(m_hive, std::ios::binary) << text;
    }
    // One run of a program: open the key, set a value, close (which writes).
    void setValue(const std::string& name, uint32_t type, const Bytes& data)
    {
        Registry registry(m_hive);
        const HKEY key = createKey(registry);
        EXPECT_EQ(registry.RegSetValueExA(key, name, type, data.data(), static_cast<uint32_t>(data.size())),
                  ERROR_SUCCESS);
        registry.RegCloseKey(key);
    }
    std::optional<Bytes> getValue(const std::string& name, uint32_t* type = nullptr)
    {
        Registry registry(m_hive);
        HKEY key = 0;  // left 0, which no query accepts, when the key is missing
        registry.RegOpenKeyExA(HKEY_LOCAL_MACHINE, kKey, 0, KEY_ALL_ACCESS_3F, &key);
        std::optional<Bytes> value = query(registry, key, name, type);
        registry.RegCloseKey(key);
        return value;
    }
    long filesInHiveFolder() const { return std::distance(fs::directory_iterator(fs::path(m_hive).parent_path()), {}); }

    fs::path m_dir;
    std::string m_hive;
};

TEST_F(RegistryTest, KeysAreCreatedWithParentsAndOpenedWithoutRegardToCase)
{
    Registry registry;
    HKEY key = 0;
    ASSERT_EQ(registry.RegCreateKeyExA(HKEY_LOCAL_MACHINE, std::string(kKey) + "\\Memory", 0, 0x3F, &key), 0);
    registry.RegCloseKey(key);
    const std::pair<const char*, int32_t> rows[] = {
        {"software\\quorbel", ERROR_SUCCESS}, {"SOFTWARE\\QUORBEL\\TRELLUM\\memory", ERROR_SUCCESS},
        {"Software", ERROR_SUCCESS}, {"SOFTWARE\\Other", ERROR_FILE_NOT_FOUND},
        {"SOFTWARE\\Quorbel\\Trellum\\Memory\\Deeper", ERROR_FILE_NOT_FOUND},
        {"SOFTWARE\\\\Quorbel", ERROR_FILE_NOT_FOUND}, {"\\SOFTWARE", ERROR_FILE_NOT_FOUND}};
    for (const auto& [path, status] : rows) {
        SCOPED_TRACE(path);
        HKEY opened = 123;
        EXPECT_EQ(registry.RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, 0x3F, &opened), status);
        EXPECT_EQ(opened != 0, status == ERROR_SUCCESS);
        // A failed open hands out no handle that could be closed.
        EXPECT_EQ(registry.RegCloseKey(opened), status == ERROR_SUCCESS ? ERROR_SUCCESS : ERROR_INVALID_HANDLE);
    }
    // An empty name could not be read back from the file, so it is never created.
    HKEY refused = 123;
    EXPECT_EQ(registry.RegCreateKeyExA(HKEY_LOCAL_MACHINE, "A\\\\B", 0, 0x3F, &refused), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(refused, 0u);
    // A closed handle is no handle.
    uint32_t size = 0;
    EXPECT_EQ(registry.RegCloseKey(key), ERROR_INVALID_HANDLE);
    EXPECT_EQ(registry.RegSetValueExA(key, "Top", REG_DWORD, nullptr, 0), ERROR_INVALID_HANDLE);
    EXPECT_EQ(registry.RegQueryValueExA(key, "Top", nullptr, nullptr, &size), ERROR_INVALID_HANDLE);
    EXPECT_EQ(registry.RegOpenKeyExA(key, "Memory", 0, 0x3F, &key), ERROR_INVALID_HANDLE);
}

TEST_F(RegistryTest, QueryReportsTypeAndSizeAndReadsOnlyIntoABufferLargeEnough)
{
    Registry registry;
    const HKEY key = createKey(registry);
    const Bytes onTop = textBytes("True");
    const Bytes top = {0x20, 0x0d, 0, 0};
    registry.RegSetValueExA(key, "OnTop", REG_SZ, onTop.data(), 5);
    registry.RegSetValueExA(key, "Top", REG_DWORD, top.data(), 4);
    struct Row {
        const char* name;
        const char* value;
        uint32_t buffer;  // 0: ask without a buffer
        int32_t status;
        uint32_t type, size;
    };
    const Row rows[] = {
        {"text_size_only", "OnTop", 0, ERROR_SUCCESS, REG_SZ, 5},
        {"text_exact_buffer", "OnTop", 5, ERROR_SUCCESS, REG_SZ, 5},
        {"text_buffer_without_room_for_nul", "OnTop", 4, ERROR_MORE_DATA, REG_SZ, 5},
        {"dword_size_only", "Top", 0, ERROR_SUCCESS, REG_DWORD, 4},
        {"dword_large_buffer", "Top", 16, ERROR_SUCCESS, REG_DWORD, 4},
        {"name_in_other_case", "ontop", 8, ERROR_SUCCESS, REG_SZ, 5},
        {"absent_value", "Left", 8, ERROR_FILE_NOT_FOUND, 99, 8},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        uint32_t type = 99;
        uint32_t size = row.buffer;
        Bytes buffer(row.buffer);
        EXPECT_EQ(registry.RegQueryValueExA(key, row.value, &type, row.buffer ? buffer.data() : nullptr, &size),
                  row.status);
        EXPECT_EQ(type, row.type);
        EXPECT_EQ(size, row.size);
        if (row.status == ERROR_SUCCESS && row.buffer != 0) {
            EXPECT_EQ(Bytes(buffer.begin(), buffer.begin() + size), row.type == REG_SZ ? onTop : top);
        }
    }
}

TEST_F(RegistryTest, HiveIsWrittenInTheExportFormat)
{
    setValue("Top", REG_DWORD, {0x20, 0x0d, 0, 0});
    setValue("OnTop", REG_SZ, textBytes("True"));
    setValue("Path", REG_SZ, textBytes("C:\\say \"hi\""));
    setValue("Blob", REG_BINARY, {0x01, 0xff});
    EXPECT_EQ(readAll(m_hive),
              "REGEDIT4\n\n"
              "[HKEY_LOCAL_MACHINE\\SOFTWARE]\n\n"
              "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Quorbel]\n\n"
              "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Quorbel\\Trellum]\n"
              "\"Top\"=dword:00000d20\n"
              "\"OnTop\"=\"True\"\n"
              "\"Path\"=\"C:\\\\say \\\"hi\\\"\"\n"
              "\"Blob\"=hex:01,ff\n\n");
}

TEST_F(RegistryTest, HandWrittenHiveLoads)
{
    writeHive("REGEDIT4\r\n\r\n; written by hand\r\n"
              "[hkey_local_machine\\Software\\Quorbel\\Trellum]\r\n"
              "\"Top\" = dword:0000FFFF\r\n"
              "\"Mem 1\"=hex(1):31,2e,35,45,2d,30,37,\\\r\n"
              "    00\r\n"
              "@=\"default\"\r\n");
    uint32_t type = 0;
    EXPECT_EQ(getValue("Top", &type), (Bytes{0xff, 0xff, 0, 0}));
    EXPECT_EQ(type, REG_DWORD);
    EXPECT_EQ(getValue("Mem 1", &type), textBytes("1.5E-07"));
    EXPECT_EQ(type, REG_SZ);
    EXPECT_EQ(getValue("", &type), textBytes("default"));
}

TEST_F(RegistryTest, TextBytesSurviveManySavesAndLoadsUnchanged)
{
    std::string latin1, controls;
    for (int c = 0x80; c <= 0xff; ++c) latin1.push_back(static_cast<char>(c));
    for (int c = 1; c < 0x20; ++c) controls.push_back(static_cast<char>(c));
    struct Row {
        const char* name;
        Bytes data;
    };
    const std::vector<Row> rows = {
        {"exponent_text", textBytes("-1.23456789012345E+100")},
        {"blanks_around", textBytes("  3.25  ")},
        {"latin1_high_bytes", textBytes(latin1)},
        {"quotes_backslashes_equals", textBytes("\"a\\b\"=\\\\\"[x]\"=")},
        {"control_characters", textBytes(controls + "\x7f")},
        {"empty_text", textBytes("")},
        {"no_terminating_nul", textBytes("abc", false)},
        {"nul_inside", Bytes{'a', 0, 'b', 0}},
        {"long_text_wrapped", textBytes(std::string(300, '\xe9'))},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        setValue(row.name, REG_SZ, row.data);
        for (int run = 0; run < 10; ++run) {
            uint32_t type = 0;
            const std::optional<Bytes> back = getValue(row.name, &type);
            ASSERT_EQ(back, row.data) << "after run " << run;
            ASSERT_EQ(type, REG_SZ);
            setValue(row.name, REG_SZ, *back);
        }
    }
    for (char c : readAll(m_hive))
        EXPECT_TRUE(c == '\n' || (c >= 0x20 && c < 0x7f)) << "byte " << int(static_cast<unsigned char>(c));
}

TEST_F(RegistryTest, FileIsReadAfreshWhenTheFirstKeyOpensAndWrittenWhenTheLastCloses)
{
    Registry registry(m_hive);
    const HKEY first = createKey(registry);
    HKEY second = 0;
    registry.RegOpenKeyExA(HKEY_LOCAL_MACHINE, kKey, 0, 0x3F, &second);
    const Bytes value = textBytes("1");
    registry.RegSetValueExA(first, "Mode", REG_SZ, value.data(), 2);
    registry.RegCloseKey(first);
    EXPECT_FALSE(fs::exists(m_hive)) << "written while a key was still open";
    registry.RegCloseKey(second);
    EXPECT_EQ(getValue("Mode"), value);

    setValue("Mode", REG_SZ, textBytes("2"));  // another program's run
    HKEY again = 0;
    ASSERT_EQ(registry.RegOpenKeyExA(HKEY_LOCAL_MACHINE, kKey, 0, 0x3F, &again), ERROR_SUCCESS);
    EXPECT_EQ(query(registry, again, "Mode"), textBytes("2"));
    const auto before = fs::last_write_time(m_hive);
    const std::string text = readAll(m_hive);
    registry.RegCloseKey(again);
    EXPECT_EQ(readAll(m_hive), text);
    EXPECT_EQ(fs::last_write_time(m_hive), before) << "rewritten without a change";
}

TEST_F(RegistryTest, UnreadableHiveCountsAsEmptyAndIsSetAsideBeforeAWrite)
{
    const std::string valid = "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Quorbel\\Trellum]\n"
                              "\"Top\"=dword:00000d20\n\"OnTop\"=\"True\"\n\"Mem 1\"=hex(1):41,00\n";
    struct Row {
        const char* name;
        std::string text;
    };
    const Row rows[] = {
        {"wrong_header", "REGEDIT5\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Quorbel\\Trellum]\n"},
        {"unicode_export_header", "Windows Registry Editor Version 5.00\n"},
        {"empty_file", ""},
        {"binary_junk", std::string("\x00\xff\x12REGEDIT4", 11)},
        {"value_before_any_section", "REGEDIT4\n\"Top\"=dword:00000001\n"},
        {"other_root", "REGEDIT4\n[HKEY_CURRENT_USER\\SOFTWARE\\Quorbel\\Trellum]\n"},
        {"unknown_escape", valid + "\"Bad\"=\"a\\nb\"\n"},
        {"garbage_line", valid + "Top=3\n"},
        {"dangling_continuation", valid + "\"X\"=hex:01,\\\n"},
        // A file cut in the middle of a line, wherever the cut falls.
        {"truncated_in_dword", valid.substr(0, valid.find("d20"))},
        {"truncated_in_hex_byte", valid.substr(0, valid.find(",00") + 2)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        fs::remove_all(fs::path(m_hive).parent_path());
        writeHive(row.text);
        EXPECT_EQ(getValue("Top"), std::nullopt);
        EXPECT_EQ(readAll(m_hive), row.text) << "touched by a read";

        Registry registry(m_hive);
        registry.RegCloseKey(createKey(registry));
        ASSERT_FALSE(registry.SetAsidePath().empty());
        EXPECT_EQ(readAll(registry.SetAsidePath()), row.text);
        EXPECT_TRUE(readAll(m_hive).starts_with("REGEDIT4\n"));
        EXPECT_EQ(filesInHiveFolder(), 2);
    }
}

TEST_F(RegistryTest, EveryPrefixOfAHiveIsReadWithoutHarm)
{
    setValue("Top", REG_DWORD, {0x20, 0x0d, 0, 0});
    setValue("Mem 1", REG_SZ, textBytes(std::string(70, '\xe9') + "\"\\"));
    setValue("@", 0x2a, {});
    const std::string whole = readAll(m_hive);
    for (std::size_t cut = 0; cut < whole.size(); ++cut) {
        writeHive(whole.substr(0, cut));
        getValue("Mem 1");
        ASSERT_EQ(readAll(m_hive), whole.substr(0, cut)) << "cut at " << cut;
    }
}

TEST_F(RegistryTest, WriteKilledBeforeTheRenameLeavesTheOldHive)
{
    setValue("Top", REG_DWORD, {1, 0, 0, 0});
    // What a process killed between writing its temporary file and renaming it leaves.
    std::ofstream(m_hive + ".tmp-Ab12Cd", std::ios::binary)
        << "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Quorbel\\Trel";
    EXPECT_EQ(getValue("Top"), (Bytes{1, 0, 0, 0}));
    setValue("Top", REG_DWORD, {2, 0, 0, 0});
    EXPECT_EQ(getValue("Top"), (Bytes{2, 0, 0, 0}));
}

TEST_F(RegistryTest, OfTwoProgramsTheOneThatEndsLastWins)
{
    Registry first(m_hive), second(m_hive);
    const HKEY a = createKey(first), b = createKey(second);
    const uint8_t one[4] = {1, 0, 0, 0}, two[4] = {2, 0, 0, 0};
    first.RegSetValueExA(a, "Top", REG_DWORD, one, 4);
    second.RegSetValueExA(b, "Top", REG_DWORD, two, 4);
    first.RegCloseKey(a);
    second.RegCloseKey(b);
    EXPECT_EQ(getValue("Top"), (Bytes{2, 0, 0, 0}));
    EXPECT_EQ(filesInHiveFolder(), 1) << "a temporary file was left behind";
}

TEST_F(RegistryTest, WriteThatCannotReachTheDiskIsDroppedQuietly)
{
    std::ofstream(m_dir / "plain-file") << "x";
    Registry registry((m_dir / "plain-file" / "system.reg").string());
    EXPECT_EQ(registry.RegCloseKey(createKey(registry)), ERROR_SUCCESS);
    HKEY key = 0;
    EXPECT_EQ(registry.RegOpenKeyExA(HKEY_LOCAL_MACHINE, kKey, 0, 0x3F, &key), ERROR_FILE_NOT_FOUND);
}

TEST(DefaultHivePathTest, FollowsTheUserConfigurationFolder)
{
    const auto setEnv = [](const char* name, const char* value) {
        if (value) ::setenv(name, value, 1);
        else ::unsetenv(name);
    };
    const char* names[] = {"XDG_CONFIG_HOME", "HOME"};
    std::optional<std::string> saved[2];
    for (int i = 0; i < 2; ++i)
        if (const char* value = std::getenv(names[i])) saved[i] = value;
    // XDG_CONFIG_HOME counts only when it is an absolute path (null: unset).
    const std::string home = "/home/someone/.config/trellum/system.reg";
    const std::pair<const char*, std::string> rows[] = {
        {"/cfg/x", "/cfg/x/trellum/system.reg"}, {nullptr, home}, {"", home}, {"cfg", home}};
    setEnv("HOME", "/home/someone");
    for (const auto& [xdg, expected] : rows) {
        SCOPED_TRACE(xdg ? xdg : "unset");
        setEnv("XDG_CONFIG_HOME", xdg);
        EXPECT_EQ(DefaultHivePath(), expected);
    }
    for (int i = 0; i < 2; ++i) setEnv(names[i], saved[i] ? saved[i]->c_str() : nullptr);
}

}  // namespace
}  // namespace trellum
