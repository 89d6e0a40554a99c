#pragma once

#include <string>

namespace trellum::testing_support {

// Names a TEST_P row after its `name` field, so a failure says which case broke.
struct RowName {
    template <class Info>
    std::string operator()(const Info& info) const
    {
        return info.param.name;
    }
};

}  // namespace trellum::testing_support
