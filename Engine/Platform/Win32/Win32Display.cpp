#include "../Platform.h"
#include "Win32Api.h"

namespace {

bool ReadDriverMode(DWORD modeNumber, DEVMODEA* mode) {
    *mode = {};
    mode->dmSize = sizeof(DEVMODEA);
    return ::EnumDisplaySettingsA(nullptr, modeNumber, mode) != FALSE;
}

}  // namespace

bool Platform::EnumDisplaySettingsA(std::uint32_t modeNumber, DeviceMode* mode) {
    DEVMODEA native;
    if (!ReadDriverMode(modeNumber, &native)) return false;
    mode->dmSize = native.dmSize;
    mode->dmFields = native.dmFields;
    mode->dmBitsPerPel = native.dmBitsPerPel;
    mode->dmPelsWidth = native.dmPelsWidth;
    mode->dmPelsHeight = native.dmPelsHeight;
    mode->dmDisplayFrequency = native.dmDisplayFrequency;
    mode->driverModeNumber = static_cast<std::int32_t>(modeNumber);
    return true;
}

// A driver mode is switched to with the whole record the driver reports for its number; a
// mode the engine made up has no such record.
std::int32_t Platform::ChangeDisplaySettingsA(const DeviceMode* mode, std::uint32_t flags) {
    if (mode == nullptr) return ::ChangeDisplaySettingsA(nullptr, flags);
    DEVMODEA native;
    if (mode->driverModeNumber < 0 || !ReadDriverMode(static_cast<DWORD>(mode->driverModeNumber), &native)) {
        return DISP_CHANGE_BADMODE;
    }
    return ::ChangeDisplaySettingsA(&native, flags);
}

bool Platform::GetDesktopWindowRect(Rect* rect) {
    RECT native = {};
    const BOOL success = ::GetWindowRect(::GetDesktopWindow(), &native);
    *rect = Rect{native.left, native.top, native.right, native.bottom};
    return success != FALSE;
}
