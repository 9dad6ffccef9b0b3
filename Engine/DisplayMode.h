#pragma once
#include <cstdint>

#include "Platform/Platform.h"

// One entry of the video system's mode table.
struct DisplayMode {
    DeviceMode platformRecord;
    std::int32_t fullscreen;  // bit 0 set: a mode the driver reported
};
