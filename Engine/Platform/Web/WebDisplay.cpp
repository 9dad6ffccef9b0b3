// The page's display is its canvas: one mode, the canvas's size, which a page cannot
// change; there is no full screen to enter or leave.
#include <emscripten/html5.h>

#include "../Platform.h"
#include "../WindowsConstants.h"

namespace {

constexpr std::uint32_t CANVAS_BITS_PER_PIXEL = 32;
constexpr std::uint32_t ANIMATION_FRAMES_PER_SECOND = 60;

bool CanvasSize(int* width, int* height) {
    return emscripten_get_canvas_element_size("#canvas", width, height) == EMSCRIPTEN_RESULT_SUCCESS;
}

}  // namespace

bool Platform::EnumDisplaySettingsA(std::uint32_t modeNumber, DeviceMode* mode) {
    int width = 0;
    int height = 0;
    if (modeNumber != 0 || !CanvasSize(&width, &height)) return false;
    *mode = DeviceMode{};
    mode->dmSize = DEVMODE_SIZE;
    mode->dmFields = DM_BITSPERPEL | DM_PELSWIDTH | DM_PELSHEIGHT | DM_DISPLAYFREQUENCY;
    mode->dmBitsPerPel = CANVAS_BITS_PER_PIXEL;
    mode->dmPelsWidth = static_cast<std::uint32_t>(width);
    mode->dmPelsHeight = static_cast<std::uint32_t>(height);
    mode->dmDisplayFrequency = ANIMATION_FRAMES_PER_SECOND;
    return true;
}

std::int32_t Platform::ChangeDisplaySettingsA(const DeviceMode* mode, std::uint32_t /*flags*/) {
    return mode == nullptr ? DISP_CHANGE_SUCCESSFUL : DISP_CHANGE_FAILED;
}

bool Platform::GetDesktopWindowRect(Rect* rect) {
    int width = 0;
    int height = 0;
    if (!CanvasSize(&width, &height)) return false;
    *rect = Rect{0, 0, width, height};
    return true;
}
