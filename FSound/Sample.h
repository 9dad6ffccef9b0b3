#pragma once
#include <cstdint>
#include <vector>

#include "fsound.h"

// A loaded sound: 16-bit mono frames at the mixing rate.
struct FSOUND_SAMPLE {
    std::vector<std::int16_t> frames;
};
