// The start-up plaque, drawn on the window before and while its OpenGL context is made:
// with plain X calls on X11, through SDL's window surface on any other video driver.
#include "SdlPlaque.h"

#include <SDL_syswm.h>

#include <cstring>

#include "SdlFontFace.h"
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

Uint32 SurfaceColor(const SDL_Surface* surface, std::uint32_t colorRef) {
    return SDL_MapRGB(surface->format, colorRef & 0xFF, (colorRef >> 8) & 0xFF, (colorRef >> 16) & 0xFF);
}

// One bit a pixel, as GDI writes a font without smoothing.
void DrawGlyph(SDL_Surface* surface, const FT_Bitmap& bitmap, int left, int top, Uint32 color) {
    for (unsigned row = 0; row < bitmap.rows; ++row) {
        const unsigned char* bits = bitmap.buffer + static_cast<std::ptrdiff_t>(row) * bitmap.pitch;
        for (unsigned column = 0; column < bitmap.width; ++column) {
            if ((bits[column / 8] & (0x80 >> (column % 8))) == 0) continue;
            const SDL_Rect pixel = {left + static_cast<int>(column), top + static_cast<int>(row), 1, 1};
            SDL_FillRect(surface, &pixel, color);
        }
    }
}

// The given point is the text's top-left corner.
void WriteOnSurface(SDL_Surface* surface, const PlaqueDescription& plaque) {
    const SdlFontFace font(plaque.font.faceName, plaque.font.height);
    const FT_Face face = font.GetFace();
    if (face == nullptr) return;
    const Uint32 color = SurfaceColor(surface, plaque.textColor);
    const int baseline = plaque.textY + static_cast<int>(face->size->metrics.ascender / 64);
    int penX = plaque.textX;
    for (const char* byte = plaque.text; *byte != '\0'; ++byte) {
        const FT_UInt glyph = FT_Get_Char_Index(face, SdlFontFace::CodePointOfByte(static_cast<unsigned char>(*byte)));
        if (FT_Load_Glyph(face, glyph, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO) != 0) continue;
        DrawGlyph(surface, face->glyph->bitmap, penX + face->glyph->bitmap_left, baseline - face->glyph->bitmap_top,
                  color);
        penX += static_cast<int>(face->glyph->advance.x / 64);
    }
}

}  // namespace

// The surface gives the window a picture of its own before any context exists. SDL may
// show it with a context of its own, so the one current before is made current again.
void DrawPlaqueOnSurface(SDL_Window* window, const PlaqueDescription& plaque) {
    SDL_Window* currentWindow = SDL_GL_GetCurrentWindow();
    SDL_GLContext currentContext = SDL_GL_GetCurrentContext();
    if (SDL_Surface* surface = SDL_GetWindowSurface(window)) {
        const SDL_Rect area = {plaque.area.left, plaque.area.top, plaque.area.right - plaque.area.left,
                               plaque.area.bottom - plaque.area.top};
        SDL_FillRect(surface, &area, SurfaceColor(surface, plaque.backgroundColor));
        WriteOnSurface(surface, plaque);
        SDL_UpdateWindowSurface(window);
    }
    if (currentContext != nullptr) SDL_GL_MakeCurrent(currentWindow, currentContext);
}

void Platform::DrawPlaque(DeviceContextHandle dc, const PlaqueDescription& plaque) {
    SDL_Window* window = SdlWindowOf(dc);
    if (window == nullptr) return;
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (SDL_GetWindowWMInfo(window, &info) && info.subsystem == SDL_SYSWM_X11) {
        DrawOnX11(info.info.x11.display, info.info.x11.window, plaque);
    } else {
        DrawPlaqueOnSurface(window, plaque);
    }
}
