#pragma once
#include "Painter.h"

// A baby seen from above, head towards +y: crawling on all fours, or lying dead on a scorch
// mark after its second mine. Frames are 64 pixels square; the game shows them at half size.
class BabyArt {
public:
    static constexpr int FRAME_SIZE = 64;
    static constexpr int CRAWL_FRAMES = 8;

    // `phase` from 0 to 1 runs through one full crawling stride.
    void PaintCrawling(Painter& painter, double phase) const;
    void PaintDead(Painter& painter) const;

private:
    struct Limb {
        Point from;
        Point bend;
        Point end;
    };

    void _PaintFigure(Painter& painter, const Limb (&limbs)[4], Point body, Point head) const;
    void _PaintLimbs(Painter& painter, const Limb (&limbs)[4], double grow, bool isOutline) const;
    void _PaintBody(Painter& painter, Point center, double grow, bool isOutline) const;
    void _PaintHead(Painter& painter, Point center, double grow, bool isOutline) const;
    void _PaintHair(Painter& painter, Point center) const;
    void _PaintDeadFace(Painter& painter, Point center) const;
    void _PaintScorch(Painter& painter) const;
};
