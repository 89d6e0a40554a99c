// SPDX-License-Identifier: MIT
#pragma once

#include <ostream>
#include <string>
#include <string_view>

namespace trellum::testing_support {

// Names a TEST_P row after its `name` field, so a failure says which case broke.
struct RowName {
    template <class Info>
    std::string operator()(const Info& info) const
    {
        return info.param.name;
    }
};

// Prints a table row as its name where GoogleTest would dump the bytes of its
// struct (the test list, a failure). A test file takes it in with
// `using testing_support::PrintTo;` in the namespace of its rows.
template <class Row>
    requires requires(const Row& row) { std::string_view(row.name); }
void PrintTo(const Row& row, std::ostream* out)
{
    *out << row.name;
}

}  // namespace trellum::testing_support
