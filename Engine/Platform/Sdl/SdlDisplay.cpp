#include "../Platform.h"
#include "../WindowsConstants.h"
#include "SdlState.h"

namespace {

constexpr int PRIMARY_DISPLAY = 0;

}  // namespace

bool Platform::EnumDisplaySettingsA(std::uint32_t modeNumber, DeviceMode* mode) {
    if (!EnsureSdlVideo()) return false;
    SDL_DisplayMode driverMode;
    if (SDL_GetDisplayMode(PRIMARY_DISPLAY, static_cast<int>(modeNumber), &driverMode) != 0) return false;
    mode->dmSize = DEVMODE_SIZE;
    mode->dmFields = DM_BITSPERPEL | DM_PELSWIDTH | DM_PELSHEIGHT | DM_DISPLAYFREQUENCY;
    mode->dmBitsPerPel = SDL_BITSPERPIXEL(driverMode.format);
    mode->dmPelsWidth = static_cast<std::uint32_t>(driverMode.w);
    mode->dmPelsHeight = static_cast<std::uint32_t>(driverMode.h);
    mode->dmDisplayFrequency = static_cast<std::uint32_t>(driverMode.refresh_rate);
    mode->driverModeNumber = static_cast<std::int32_t>(modeNumber);
    return true;
}

// SDL switches a window, not the display: a full-screen mode is remembered here and taken
// on by the window that CreateWindowExA makes next; no mode leaves full screen.
std::int32_t Platform::ChangeDisplaySettingsA(const DeviceMode* mode, std::uint32_t /*flags*/) {
    SdlState& state = TheSdlState();
    if (mode == nullptr) {
        if (state.window != nullptr) SDL_SetWindowFullscreen(state.window, 0);
        state.pendingFullscreenMode = -1;
        return DISP_CHANGE_SUCCESSFUL;
    }
    SDL_DisplayMode driverMode;
    if (!EnsureSdlVideo() || SDL_GetDisplayMode(PRIMARY_DISPLAY, mode->driverModeNumber, &driverMode) != 0) {
        return DISP_CHANGE_FAILED;
    }
    state.pendingFullscreenMode = mode->driverModeNumber;
    return DISP_CHANGE_SUCCESSFUL;
}

bool Platform::GetDesktopWindowRect(Rect* rect) {
    SDL_Rect bounds;
    if (!EnsureSdlVideo() || SDL_GetDisplayBounds(PRIMARY_DISPLAY, &bounds) != 0) return false;
    *rect = Rect{bounds.x, bounds.y, bounds.x + bounds.w, bounds.y + bounds.h};
    return true;
}
