#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "Engine/Vec2.h"

class Image;
class Texture;

// A row of square animation frames in one texture, drawn centred with scale and rotation,
// advancing by wall-clock time while it is drawn.
class SpriteStrip {
public:
    static constexpr int KEEP_FRAME = -666;

    SpriteStrip(const std::string& fileName, float framesPerSecond);
    ~SpriteStrip();

    void Draw(const Vec2& center, const Vec2& scale, float rotationDegrees, int frame);

    int GetFrameCount() const { return _frameCount; }
    int GetCurrentFrame() const { return _currentFrame; }
    int GetFrameSize() const { return _frameSize; }

private:
    void _FindEndMarker(const Image& image);
    void _Advance();

    float _framesPerSecond;
    std::int32_t _currentFrame;
    std::int32_t _frameSize;
    std::int32_t _frameCount;
    double _lastFrameTime;
    std::unique_ptr<Texture> _texture;
};
