// SPDX-License-Identifier: MIT
#pragma once
// A fresh folder for each test under the system's temporary folder, and a
// file's bytes read and written whole. The folder is removed with all it holds,
// write bits given back first: some tests leave files made read-only on purpose.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

namespace trellum::testing_support {

inline std::string readBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void writeBytes(const std::filesystem::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

class TempFolderTest : public ::testing::Test {
protected:
    // Made at construction, so that a fixture's members can name files in it.
    TempFolderTest()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "trellum-test-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("no temporary folder " + pattern);
        m_dir = pattern;
    }
    ~TempFolderTest() override
    {
        std::error_code error;
        namespace fs = std::filesystem;
        for (const auto& entry : fs::recursive_directory_iterator(m_dir, error))
            fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add | fs::perm_options::nofollow,
                            error);
        fs::remove_all(m_dir, error);
    }

    // The names in the folder, sorted.
    std::vector<std::string> folder() const
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(m_dir)) names.push_back(entry.path().filename());
        std::sort(names.begin(), names.end());
        return names;
    }

    std::filesystem::path m_dir;
};

}  // namespace trellum::testing_support
