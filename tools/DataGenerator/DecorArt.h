#pragma once
#include "Materials.h"
#include "Painter.h"

// The smaller things in the room, seen from above: the play table, a potted plant, a
// beanbag, a rocking horse and the rails of the play tunnels. Each fills its footprint exactly.
class DecorArt {
public:
    void PaintPlayTable(Painter& painter, const Shape& footprint) const;
    void PaintPlant(Painter& painter, const Shape& footprint) const;
    void PaintBeanbag(Painter& painter, const Shape& footprint) const;
    void PaintRockingHorse(Painter& painter, const Shape& footprint) const;
    void PaintTunnelRail(Painter& painter, const Shape& footprint) const;

private:
    void _PaintDrawing(Painter& painter, const Placement& place) const;
    void _PaintCrayons(Painter& painter, const Placement& place) const;
    void _PaintHorseHead(Painter& painter, const Placement& place, Point half) const;

    Materials _materials;
};
