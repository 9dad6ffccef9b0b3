#pragma once
#include "Canvas.h"
#include "Painter.h"

// A sprite: square frames of one size side by side in one transparent canvas, as the game
// animates them.
class FrameStrip {
public:
    FrameStrip(int frameSize, int frameCount);

    // Draws in frame `frame` only, origin at the frame's bottom left corner.
    Painter FramePainter(int frame);
    int GetFrameCount() const { return _frameCount; }

    // Bleeds colour into the transparent pixels, for clean edges under linear filtering.
    const Canvas& Finish();
    // Whether the first stored row holds a pixel the game would take for the end of the
    // animation (pure magenta once written as bytes).
    bool HasEndMarker() const;

private:
    int _frameSize;
    int _frameCount;
    Canvas _canvas;
};
