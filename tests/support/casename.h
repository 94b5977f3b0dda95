#pragma once

#include <string>

// A test name from a case's description: letters and digits kept, every other run of characters
// one underscore ("order leaves a part pallet" -> "order_leaves_a_part_pallet").
inline std::string CaseName(const char* description) {
    std::string name;
    for (const char* c = description; *c; ++c) {
        const bool plain =
            (*c >= 'a' && *c <= 'z') || (*c >= 'A' && *c <= 'Z') || (*c >= '0' && *c <= '9');
        if (plain)
            name += *c;
        else if (!name.empty() && name.back() != '_')
            name += '_';
    }
    return name.empty() ? "case" : name;
}

// The name printer for a case table whose rows describe themselves in `name`.
struct NamedCase {
    template <typename Info> std::string operator()(const Info& info) const {
        return CaseName(info.param.name) + "_" + std::to_string(info.index);
    }
};
