#pragma once
#include "Painter.h"

// The game's own icon, for menus, launchers and the Windows program file: a baby's face,
// eyes wide open, and under its chin a mine with the fuse lit. Drawn on a square of 256
// units and scaled to the icon's size, so that every size shows the same picture.
class AppIconArt {
public:
    // Paints the whole icon onto a transparent `size` by `size` painter.
    void Paint(Painter& painter, int size) const;

private:
    void _PaintHead(Painter& painter, double scale) const;
    void _PaintFace(Painter& painter, double scale) const;
};
