#pragma once

#include <cstdio>
#include <cstdlib>

// A property of a fuzz target that failed: says which one, then aborts, so libFuzzer keeps the
// input and the log tells what broke.
inline void FuzzCheck(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "check failed: %s\n", what);
        std::abort();
    }
}
