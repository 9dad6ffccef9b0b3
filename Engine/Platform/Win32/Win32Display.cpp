#include <cstring>

#include "../Platform.h"
#include "Win32Api.h"

static_assert(sizeof(DeviceMode) == sizeof(DEVMODEA), "the engine keeps the driver's whole record");

bool Platform::EnumDisplaySettingsA(std::uint32_t modeNumber, DeviceMode* mode) {
    DEVMODEA native = {};
    native.dmSize = sizeof(DEVMODEA);
    if (!::EnumDisplaySettingsA(nullptr, modeNumber, &native)) return false;
    std::memcpy(mode, &native, sizeof(native));
    return true;
}

// The record goes to the driver as it filled it.
std::int32_t Platform::ChangeDisplaySettingsA(const DeviceMode* mode, std::uint32_t flags) {
    if (mode == nullptr) return ::ChangeDisplaySettingsA(nullptr, flags);
    DEVMODEA native;
    std::memcpy(&native, mode, sizeof(native));
    return ::ChangeDisplaySettingsA(&native, flags);
}

bool Platform::GetDesktopWindowRect(Rect* rect) {
    RECT native = {};
    const BOOL success = ::GetWindowRect(::GetDesktopWindow(), &native);
    *rect = Rect{native.left, native.top, native.right, native.bottom};
    return success != FALSE;
}
