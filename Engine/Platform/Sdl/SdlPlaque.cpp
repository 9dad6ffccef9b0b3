// The start-up plaque drawn with plain X calls, which work on the window before and while
// its OpenGL context is made. Other video drivers show no plaque.
#include <SDL_syswm.h>

#include <cstring>

#include "../Platform.h"
#include "SdlState.h"

namespace {

// A core font near the plaque's 20-pixel face; "fixed" is on every X server.
constexpr const char* PLAQUE_FONTS[] = {"-*-helvetica-medium-r-normal--20-*-*-*-*-*-iso8859-1", "fixed"};

// One 8-bit channel scaled into its place in a TrueColor pixel.
unsigned long ChannelPixel(unsigned long value, unsigned long mask) {
    int shift = 0;
    while (mask != 0 && (mask & 1) == 0) {
        mask >>= 1;
        ++shift;
    }
    return (value * mask / 0xFF) << shift;
}

// A COLORREF (red in the low byte) as a pixel of the window's visual.
unsigned long PixelOf(std::uint32_t colorRef, const Visual* visual) {
    return ChannelPixel(colorRef & 0xFF, visual->red_mask) | ChannelPixel((colorRef >> 8) & 0xFF, visual->green_mask) |
           ChannelPixel((colorRef >> 16) & 0xFF, visual->blue_mask);
}

XFontStruct* LoadPlaqueFont(Display* display) {
    for (const char* name : PLAQUE_FONTS) {
        if (XFontStruct* font = XLoadQueryFont(display, name)) return font;
    }
    return nullptr;
}

void DrawOnX11(Display* display, ::Window window, const PlaqueDescription& plaque) {
    XWindowAttributes attributes;
    if (XGetWindowAttributes(display, window, &attributes) == 0) return;
    GC gc = XCreateGC(display, window, 0, nullptr);
    XSetForeground(display, gc, PixelOf(plaque.backgroundColor, attributes.visual));
    XFillRectangle(display, window, gc, plaque.area.left, plaque.area.top,
                   static_cast<unsigned>(plaque.area.right - plaque.area.left),
                   static_cast<unsigned>(plaque.area.bottom - plaque.area.top));
    const int length = static_cast<int>(std::strlen(plaque.text));
    XFontStruct* font = length > 0 ? LoadPlaqueFont(display) : nullptr;
    if (font != nullptr) {
        XSetFont(display, gc, font->fid);
        XSetForeground(display, gc, PixelOf(plaque.textColor, attributes.visual));
        // The given point is the text's top-left corner.
        XDrawString(display, window, gc, plaque.textX, plaque.textY + font->ascent, plaque.text, length);
        XFreeFont(display, font);
    }
    XFreeGC(display, gc);
    XSync(display, False);
}

}  // namespace

void Platform::DrawPlaque(DeviceContextHandle dc, const PlaqueDescription& plaque) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    SDL_Window* window = SdlWindowOf(dc);
    if (window == nullptr || !SDL_GetWindowWMInfo(window, &info)) return;
    if (info.subsystem == SDL_SYSWM_X11) DrawOnX11(info.info.x11.display, info.info.x11.window, plaque);
}
