#include "DataSet.h"

#include <cstdio>
#include <filesystem>

#include "BabyArt.h"
#include "FrameStrip.h"
#include "IconArt.h"
#include "LevelDataImage.h"
#include "LevelLayout.h"
#include "LevelPicture.h"
#include "TgaWriter.h"

namespace {

constexpr int OPAQUE_BITS = 24;
constexpr int SPRITE_BITS = 32;

bool WriteFile(const Canvas& canvas, const std::filesystem::path& path, int bitsPerPixel) {
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    if (TgaWriter::Write(canvas, path.string(), bitsPerPixel)) return true;
    std::fprintf(stderr, "datagen: cannot write %s\n", path.string().c_str());
    return false;
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

bool WriteLevel(const std::filesystem::path& levels) {
    const LevelLayout layout = LevelLayout::Level02();
    return WriteFile(LevelPicture(layout).GetCanvas(), levels / "Level02_image.tga", OPAQUE_BITS) &&
           WriteFile(LevelDataImage(layout).GetCanvas(), levels / "Level02_data.tga", OPAQUE_BITS);
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
    return WriteLevel(root / "levels") && WriteBabies(root / "Baby") &&
           WriteSprite(root / "Misc" / "landmine01.tga", IconArt::MINE_SIZE, IconArt::MINE_FRAMES,
                       [&](Painter& painter, int frame) { icons.PaintMine(painter, frame); }) &&
           WriteSprite(root / "Turret" / "turret_base.tga", IconArt::TURRET_SIZE, 1,
                       [&](Painter& painter, int) { icons.PaintTurretBase(painter); });
}
