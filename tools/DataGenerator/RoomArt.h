#pragma once
#include "Materials.h"
#include "Painter.h"

// The room itself: walls with windows and a door, the board that holds the babies' hearts,
// and the steel pads the turrets stand on.
class RoomArt {
public:
    void PaintWall(Painter& painter, const Shape& footprint) const;
    // Skirting, windows and door, over all the walls at once.
    void PaintWallTrim(Painter& painter, const Shape& roomInside) const;
    void PaintHeartBoard(Painter& painter, const Shape& footprint, int rows) const;
    void PaintTurretPad(Painter& painter, const Shape& footprint) const;

private:
    void _PaintWindow(Painter& painter, double left, double right, double bottom, double top) const;
    void _PaintDoor(Painter& painter, double left, double right, double top) const;

    Materials _materials;
};
