// SPDX-License-Identifier: MIT
#pragma once
// A file's bytes read and written whole, with no line-end translation.

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

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

}  // namespace trellum::testing_support
