#pragma once
#include <cstdint>

#include "AssertionFailure.h"
#include "Color.h"
#include "Vec2.h"

class Texture;

// The engine's drawing service over OpenGL 1.1 in immediate mode: fixed state, projections,
// quads, sprites, circles, bitmap text and the two overlays.
class TheRenderer {
public:
    TheRenderer();
    ~TheRenderer();

    void Startup();
    void Shutdown();

    void SetProjection(const Vec2& minCorner, const Vec2& maxCorner);
    void ClearScreen(const Color& color);
    void BeginFrame();
    void RenderOverlays();
    void CycleConsoleMode();
    void ToggleFpsDisplay();

    void SetColor(const Color& color);
    void BindTexture(int textureName, bool force);
    void DrawQuad(int textureName, const Vec2& minCorner, const Vec2& maxCorner, const Vec2& texMin,
                  const Vec2& texMax, float rotationDegrees, const Vec2& scale, const Color& color, bool textured);
    void DrawQuadCentered(int textureName, const Vec2& center, const Vec2& size, const Vec2& texMin,
                          const Vec2& texMax, float rotationDegrees, const Vec2& scale, const Color& color,
                          bool textured);
    void DrawSprite(const Texture& texture, const Vec2& center, const Vec2& size, const Vec2& texMin,
                    const Vec2& texMax, float rotationDegrees, const Vec2& scale, const Color& color, bool textured);
    void DrawCircle(const Vec2& center, float radius, const Color& color, int segments);

    void DrawText(const Vec2& position, const Color& color, const char* text, int length);
    void DrawTextf(float x, float y, const char* format, ...) ENGINE_PRINTF_FORMAT(4, 5);
    void DrawTextf(float x, float y, const Color& color, const char* format, ...) ENGINE_PRINTF_FORMAT(5, 6);

    int GetConsoleMode() const { return _consoleMode; }
    bool IsFpsShown() const { return _showFps; }
    int GetBoundTexture() const { return _boundTexture; }

private:
    void _SetFixedState();
    void _BuildFont();
    void _SetOverlayProjection();
    void _RenderConsole();
    void _RenderFps();

    float _clearDepth;
    std::uint32_t _fontListBase;
    std::int32_t _consoleMode;
    bool _showFps;
    std::int32_t _consoleShortLines;
    std::int32_t _boundTexture;

    static bool _isInitialized;
};

extern TheRenderer theRenderer;
