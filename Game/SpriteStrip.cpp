#include "SpriteStrip.h"

#include "Engine/AssertionFailure.h"
#include "Engine/Image.h"
#include "Engine/Texture.h"
#include "Engine/TheApplication.h"
#include "Engine/TheRenderer.h"

namespace {

constexpr int MARKER_BYTES_PER_PIXEL = 4;

bool IsEndMarker(const std::uint8_t* bgra) { return bgra[0] == 255 && bgra[1] == 0 && bgra[2] == 255; }

}  // namespace

SpriteStrip::SpriteStrip(const std::string& fileName, float framesPerSecond)
    : _framesPerSecond(framesPerSecond), _currentFrame(0), _frameSize(0), _frameCount(0), _lastFrameTime(0.0) {
    const Image image(fileName);
    _texture = std::make_unique<Texture>(image);
    _frameSize = _texture->_height;
    _frameCount = _frameSize > 0 ? _texture->_width / _frameSize : 0;
    _lastFrameTime = theApplication.GetTimeSeconds();
    if (_frameCount > 1) _FindEndMarker(image);
}

SpriteStrip::~SpriteStrip() = default;

// The first frame holding a magenta pixel in the first stored row, and every frame after
// it, are not part of the animation.
void SpriteStrip::_FindEndMarker(const Image& image) {
    if (image._bitsPerPixel != 32) {
        FATAL_ERROR("SpriteStrip : %s has %d frames but %d bits per pixel; a strip of several frames must be 32-bit\n",
                    image._fileName.c_str(), static_cast<int>(_frameCount), static_cast<int>(image._bitsPerPixel));
    }
    for (int frame = 0; frame < _frameCount; ++frame) {
        for (int column = frame * _frameSize; column < (frame + 1) * _frameSize; ++column) {
            if (IsEndMarker(image._pixels + column * MARKER_BYTES_PER_PIXEL)) {
                _frameCount = frame;
                return;
            }
        }
    }
}

void SpriteStrip::Draw(const Vec2& center, const Vec2& scale, float rotationDegrees, int frame) {
    if (frame != KEEP_FRAME) _currentFrame = frame;
    Vec2 texMin = Vec2::ZERO;
    Vec2 texMax = Vec2::ONE;
    if (_frameCount > 1) {
        const float width = _texture->_width;
        const float u0 = static_cast<float>(_currentFrame * _frameSize) / width;
        texMin = Vec2(u0, 0.0f);
        texMax = Vec2(u0 + static_cast<float>(_frameSize) / width, 1.0f);
    }
    const auto side = static_cast<float>(_frameSize);
    theRenderer.DrawSprite(*_texture, center, Vec2(side, side), texMin, texMax, rotationDegrees, scale, Color::WHITE,
                           true);
    _Advance();
}

// At most one frame per draw, however long the pause; always loops.
void SpriteStrip::_Advance() {
    if (_frameCount <= 1) return;
    const double now = theApplication.GetTimeSeconds();
    if (now - _lastFrameTime < 1.0 / _framesPerSecond) return;
    ++_currentFrame;
    if (_currentFrame > _frameCount - 1) _currentFrame = 0;
    _lastFrameTime = now;
}
