#include "DataSet.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "BabyArt.h"
#include "FrameStrip.h"
#include "IconArt.h"
#include "LevelDataImage.h"
#include "LevelLayout.h"
#include "LevelPicture.h"
#include "OutputFile.h"
#include "TgaWriter.h"

namespace {

constexpr int OPAQUE_BITS = 24;
constexpr int SPRITE_BITS = 32;
constexpr double BABY_CLEARANCE = 20.0;
constexpr double MINE_CLEARANCE = 16.0;

bool WriteFile(const Canvas& canvas, const std::filesystem::path& path, int bitsPerPixel) {
    return OutputFile::Write(path, TgaWriter::Encode(canvas, bitsPerPixel));
}

bool WriteStrip(FrameStrip& strip, const std::filesystem::path& path) {
    const Canvas& canvas = strip.Finish();
    if (strip.GetFrameCount() > 1 && strip.HasEndMarker()) {
        std::fprintf(stderr, "datagen: %s would end its animation early\n", path.string().c_str());
        return false;
    }
    return WriteFile(canvas, path, SPRITE_BITS);
}

template <typename PaintFrame>
bool WriteSprite(const std::filesystem::path& path, int frameSize, int frameCount, PaintFrame paintFrame) {
    FrameStrip strip(frameSize, frameCount);
    for (int frame = 0; frame < frameCount; ++frame) {
        Painter painter = strip.FramePainter(frame);
        paintFrame(painter, frame);
    }
    return WriteStrip(strip, path);
}

// A baby must be able to set off in some direction (the game keeps paths 20 units off
// anything blocked), and a mine must lie on open floor where it is seen whole.
bool IsPlayable(const LevelLayout& layout) {
    const auto isClear = [&layout](double clearance) {
        return [&layout, clearance](const Point& place) { return layout.IsClearAround(place, clearance); };
    };
    const std::vector<Point>& babies = layout.GetBabies();
    const std::vector<Point>& mines = layout.GetMines();
    if (std::all_of(babies.begin(), babies.end(), isClear(BABY_CLEARANCE)) &&
        std::all_of(mines.begin(), mines.end(), isClear(MINE_CLEARANCE))) {
        return true;
    }
    std::fprintf(stderr, "datagen: a baby or a mine of the level stands too close to furniture or a rug\n");
    return false;
}

bool WriteLevel(const LevelLayout& layout, const std::filesystem::path& levels, const std::string& name) {
    return IsPlayable(layout) &&
           WriteFile(LevelPicture(layout).GetCanvas(), levels / (name + "_image.tga"), OPAQUE_BITS) &&
           WriteFile(LevelDataImage(layout).GetCanvas(), levels / (name + "_data.tga"), OPAQUE_BITS);
}

bool WriteBabies(const std::filesystem::path& folder) {
    const BabyArt baby;
    const IconArt icons;
    return WriteSprite(folder / "Baby_crawl.tga", BabyArt::FRAME_SIZE, BabyArt::CRAWL_FRAMES,
                       [&](Painter& painter, int frame) {
                           baby.PaintCrawling(painter, static_cast<double>(frame) / BabyArt::CRAWL_FRAMES);
                       }) &&
           WriteSprite(folder / "Baby_dead.tga", BabyArt::FRAME_SIZE, 1,
                       [&](Painter& painter, int) { baby.PaintDead(painter); }) &&
           WriteSprite(folder / "RedBabyHeartIcon.tga", IconArt::HEART_SIZE, 1,
                       [&](Painter& painter, int) { icons.PaintHeart(painter); });
}

}  // namespace

bool DataSet::WriteAll(const std::string& folder) {
    const std::filesystem::path root(folder);
    const IconArt icons;
    return WriteLevel(LevelLayout::Level02(), root / "levels", "Level02") && WriteBabies(root / "Baby") &&
           WriteSprite(root / "Misc" / "landmine01.tga", IconArt::MINE_SIZE, IconArt::MINE_FRAMES,
                       [&](Painter& painter, int frame) { icons.PaintMine(painter, frame); }) &&
           WriteSprite(root / "Turret" / "turret_base.tga", IconArt::TURRET_SIZE, 1,
                       [&](Painter& painter, int) { icons.PaintTurretBase(painter); });
}

bool DataSet::WriteCrowd(const std::string& levelsFolder, int babies) {
    constexpr int MINES_PER_BABY = 4;
    return WriteLevel(LevelLayout::Crowd(babies, MINES_PER_BABY * babies), levelsFolder,
                      "Crowd" + std::to_string(babies));
}
