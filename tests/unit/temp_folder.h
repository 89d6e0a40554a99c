// SPDX-License-Identifier: MIT
#pragma once
// A fresh folder for each test under the system's temporary folder. It is
// removed with all it holds, write bits given back first, since several tests
// leave files or folders that they made read-only or unreadable on purpose.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace trellum::testing_support {

class TempFolderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "trellum-test-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        m_dir = pattern;
    }
    void TearDown() override
    {
        std::error_code error;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(m_dir, error))
            std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                                         std::filesystem::perm_options::add, error);
        std::filesystem::remove_all(m_dir, error);
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
