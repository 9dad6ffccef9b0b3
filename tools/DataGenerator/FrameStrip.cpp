#include "FrameStrip.h"

#include <cmath>

namespace {

const Rgba TRANSPARENT{1.0, 1.0, 1.0, 0.0};

bool RoundsToByte(double channel, int value) { return static_cast<int>(std::floor(channel * 255.0 + 0.5)) == value; }

}  // namespace

FrameStrip::FrameStrip(int frameSize, int frameCount)
    : _frameSize(frameSize), _frameCount(frameCount), _canvas(frameSize * frameCount, frameSize, TRANSPARENT) {}

Painter FrameStrip::FramePainter(int frame) {
    const double left = static_cast<double>(frame) * _frameSize;
    return Painter(_canvas, {left, 0.0}, {left, 0.0, left + _frameSize, static_cast<double>(_frameSize)});
}

const Canvas& FrameStrip::Finish() {
    _canvas.BleedIntoTransparent();
    return _canvas;
}

bool FrameStrip::HasEndMarker() const {
    for (int x = 0; x < _canvas.Width(); ++x) {
        const Rgba& color = _canvas.At(x, 0);
        if (RoundsToByte(color.r, 255) && RoundsToByte(color.g, 0) && RoundsToByte(color.b, 255)) return true;
    }
    return false;
}
