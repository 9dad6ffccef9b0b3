#include "../Platform.h"
#include "../WindowsConstants.h"
#include "SdlState.h"
#include "SdlWindowMaker.h"

namespace {

constexpr int PRIMARY_DISPLAY = 0;

bool IsDescribedBy(const SDL_DisplayMode& driverMode, const DeviceMode& mode) {
    return static_cast<std::uint32_t>(driverMode.w) == mode.dmPelsWidth &&
           static_cast<std::uint32_t>(driverMode.h) == mode.dmPelsHeight &&
           SDL_BITSPERPIXEL(driverMode.format) == mode.dmBitsPerPel &&
           static_cast<std::uint32_t>(driverMode.refresh_rate) == mode.dmDisplayFrequency;
}

// The driver's mode that a record from EnumDisplaySettingsA describes.
bool FindDriverMode(const DeviceMode& mode, SDL_DisplayMode* driverMode) {
    const int count = SDL_GetNumDisplayModes(PRIMARY_DISPLAY);
    for (int modeNumber = 0; modeNumber < count; ++modeNumber) {
        if (SDL_GetDisplayMode(PRIMARY_DISPLAY, modeNumber, driverMode) == 0 && IsDescribedBy(*driverMode, mode)) {
            return true;
        }
    }
    return false;
}

}  // namespace

bool Platform::EnumDisplaySettingsA(std::uint32_t modeNumber, DeviceMode* mode) {
    if (!EnsureSdlVideo()) return false;
    SDL_DisplayMode driverMode;
    if (SDL_GetDisplayMode(PRIMARY_DISPLAY, static_cast<int>(modeNumber), &driverMode) != 0) return false;
    *mode = DeviceMode{};
    mode->dmSize = DEVMODE_SIZE;
    mode->dmFields = DM_BITSPERPEL | DM_PELSWIDTH | DM_PELSHEIGHT | DM_DISPLAYFREQUENCY;
    mode->dmBitsPerPel = SDL_BITSPERPIXEL(driverMode.format);
    mode->dmPelsWidth = static_cast<std::uint32_t>(driverMode.w);
    mode->dmPelsHeight = static_cast<std::uint32_t>(driverMode.h);
    mode->dmDisplayFrequency = static_cast<std::uint32_t>(driverMode.refresh_rate);
    return true;
}

// SDL switches a window, not the display: the switch makes the program's window, shown
// full screen on the mode, and CreateWindowExA takes it over. No mode leaves full screen.
std::int32_t Platform::ChangeDisplaySettingsA(const DeviceMode* mode, std::uint32_t /*flags*/) {
    SdlState& state = TheSdlState();
    if (mode == nullptr) {
        if (state.window != nullptr) SDL_SetWindowFullscreen(state.window, 0);
        return DISP_CHANGE_SUCCESSFUL;
    }
    SDL_DisplayMode driverMode;
    if (!EnsureSdlVideo() || !FindDriverMode(*mode, &driverMode)) return DISP_CHANGE_BADMODE;
    SDL_Rect display;
    SDL_GetDisplayBounds(PRIMARY_DISPLAY, &display);
    const SDL_Rect area = {display.x, display.y, driverMode.w, driverMode.h};
    const bool isMadeHere = state.window == nullptr;
    if (isMadeHere && !MakeSdlWindow("", area, SDL_WINDOW_BORDERLESS | SDL_WINDOW_SHOWN, USUAL_PIXEL_FORMAT)) {
        return DISP_CHANGE_FAILED;
    }
    if (EnterFullscreenMode(state.window, driverMode) == 0) return DISP_CHANGE_SUCCESSFUL;
    // The engine has no handle of this window yet, so its fatal path cannot hide it.
    if (isMadeHere) SDL_HideWindow(state.window);
    return DISP_CHANGE_FAILED;
}

bool Platform::GetDesktopWindowRect(Rect* rect) {
    SDL_Rect bounds;
    if (!EnsureSdlVideo() || SDL_GetDisplayBounds(PRIMARY_DISPLAY, &bounds) != 0) return false;
    *rect = Rect{bounds.x, bounds.y, bounds.x + bounds.w, bounds.y + bounds.h};
    return true;
}
