#pragma once
#include <string>

#include "LoadedLevel.h"
#include "PreviewImage.h"
#include "Reachability.h"
#include "UnreachedFloor.h"

// The level's picture as the game shows it, with the data image's meaning painted over it:
// blocked and spin cells, where each region's babies go, the floor that check reports as out
// of every baby's reach, stray colours, and the babies, mines and turrets where they spawn.
class LevelPreview {
public:
    LevelPreview(const LoadedLevel& level, const Reachability& reach, const UnreachedFloor& unreached);

    const PreviewImage& GetImage() const { return _image; }
    static const char* Legend();

private:
    void _PaintPicture(const std::string& name);
    void _PaintCells();
    void _PaintReach();
    void _FillCell(int column, int row, PreviewImage::Rgb color, float alpha);
    void _PaintSpawns(const LoadedLevel& level);

    const Reachability& _reach;
    const UnreachedFloor& _unreached;
    PreviewImage _image;
};
