#pragma once
#include "Painter.h"

// The small pictures of the game: a heart for each of a baby's lives, a landmine with a
// blinking fuse, and the steel base a turret stands on.
class IconArt {
public:
    static constexpr int HEART_SIZE = 64;
    static constexpr int MINE_SIZE = 32;
    static constexpr int MINE_FRAMES = 4;
    static constexpr int TURRET_SIZE = 64;

    void PaintHeart(Painter& painter) const;
    // Round, so that it still reads as a mine however it is turned; frame 0 and 1 show the
    // fuse lit, 2 and 3 dark.
    void PaintMine(Painter& painter, int frame) const;
    // The same mine, `scale` times as large, centred on `center`.
    void PaintMineAt(Painter& painter, Point center, double scale, bool isLit) const;
    // Small enough that the yellow ring the game draws around a turret stays in sight.
    void PaintTurretBase(Painter& painter) const;

private:
    static Shape _HeartShape(Point center, double scale);
    static Shape _Regular(Point center, int corners, double radius, double angleDegrees);
};
