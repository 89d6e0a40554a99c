#pragma once
// A small settings store with the operations and data forms of the Windows
// registry: keys with paths, typed values (REG_SZ text plus NUL, REG_DWORD
// 32-bit little-endian). It is kept in one text file in the registry export
// format ("REGEDIT4"), so a person can read and edit it; every write replaces
// the file atomically.

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace trellum {

using HKEY = uint32_t;
inline constexpr HKEY HKEY_LOCAL_MACHINE = 0x80000002;
inline constexpr uint32_t REG_SZ = 1;
inline constexpr uint32_t REG_BINARY = 3;
inline constexpr uint32_t REG_DWORD = 4;
inline constexpr uint32_t KEY_ALL_ACCESS_3F = 0x3F;
inline constexpr int32_t ERROR_SUCCESS = 0;
inline constexpr int32_t ERROR_FILE_NOT_FOUND = 2;
inline constexpr int32_t ERROR_INVALID_HANDLE = 6;
inline constexpr int32_t ERROR_INVALID_PARAMETER = 87;
inline constexpr int32_t ERROR_MORE_DATA = 234;

class Registry {
public:
    // An empty path keeps the hive in memory only (used by tests and the runner).
    explicit Registry(std::string hivePath = {});
    ~Registry();

    int32_t RegCreateKeyExA(HKEY root, const std::string& subKey, uint32_t options, uint32_t access,
                            HKEY* result);
    int32_t RegOpenKeyExA(HKEY root, const std::string& subKey, uint32_t options, uint32_t access,
                          HKEY* result);
    // With data null: type and size only. Size in, size out (bytes).
    int32_t RegQueryValueExA(HKEY key, const std::string& valueName, uint32_t* type, uint8_t* data,
                             uint32_t* size);
    int32_t RegSetValueExA(HKEY key, const std::string& valueName, uint32_t type, const uint8_t* data,
                           uint32_t size);
    int32_t RegCloseKey(HKEY key);

    const std::string& HivePath() const { return m_hivePath; }
    // Where an unreadable hive was moved before it was replaced; empty if none was.
    const std::string& SetAsidePath() const { return m_setAside; }

private:
    // The file is read afresh when the first key is opened, and written when the
    // last key is closed after a change; in between, the hive is in memory.
    void loadIfIdle();
    bool save();
    // RegCreateKeyExA (create) and RegOpenKeyExA: the same checks, then make or find the key.
    int32_t openKey(HKEY root, const std::string& subKey, HKEY* result, bool create);

    struct Impl;
    std::string m_hivePath;
    std::string m_setAside;
    std::unique_ptr<Impl> m_impl;
};

// The default hive: $XDG_CONFIG_HOME/trellum/system.reg (or ~/.config/...);
// empty when no home folder can be found.
std::string DefaultHivePath();

}  // namespace trellum
