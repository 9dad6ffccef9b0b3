#include "GlesFastPaths.h"

#include <cstring>

namespace {

constexpr const char* NAMES[] = {"batching",     "mapped", "nearest", "cut",
                                 "blending-off", "white",  "twins",   "depth-clear"};

}  // namespace

unsigned GlesFastPaths::_on = GlesFastPaths::ALL;

unsigned GlesFastPaths::Named(const char* name) {
    for (unsigned i = 0; i < sizeof(NAMES) / sizeof(NAMES[0]); ++i) {
        if (std::strcmp(NAMES[i], name) == 0) return 1u << i;
    }
    return 0;
}

const char* GlesFastPaths::NameOf(Path path) {
    for (unsigned i = 0; i < sizeof(NAMES) / sizeof(NAMES[0]); ++i) {
        if (path == (1u << i)) return NAMES[i];
    }
    return "";
}
