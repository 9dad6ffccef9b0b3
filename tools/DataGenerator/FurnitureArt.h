#pragma once
#include "Materials.h"
#include "Painter.h"
#include "Piece.h"

// The big furniture of the nursery, seen from above: crib, dresser with changing pad,
// bookcase, toy chest and armchair. Each fills its footprint exactly.
class FurnitureArt {
public:
    void PaintCrib(Painter& painter, const Shape& footprint) const;
    void PaintDresser(Painter& painter, const Shape& footprint) const;
    void PaintBookcase(Painter& painter, const Shape& footprint) const;
    void PaintToyChest(Painter& painter, const Shape& footprint) const;
    void PaintArmchair(Painter& painter, const Shape& footprint) const;

private:
    void _PaintCribRails(Painter& painter, const Placement& place, Point half) const;
    void _PaintBlanket(Painter& painter, const Placement& place, Point half) const;
    void _PaintTeddy(Painter& painter, const Placement& place, Point at) const;
    void _PaintChangingPad(Painter& painter, const Placement& place, Point half) const;
    void _PaintLamp(Painter& painter, const Placement& place, Point at) const;
    void _PaintBooks(Painter& painter, const Placement& place, Point half) const;
    void _PaintToys(Painter& painter, const Placement& place, Point half) const;
    void _PaintBall(Painter& painter, const Shape& ball, const Rgba& color) const;

    Materials _materials;
};
