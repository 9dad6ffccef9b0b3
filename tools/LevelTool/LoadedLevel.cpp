#include "LoadedLevel.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "Engine/Image.h"
#include "Engine/Platform/Headless/HeadlessPlatform.h"
#include "Game/Baby.h"
#include "Game/Level.h"
#include "Game/Mine.h"
#include "Game/Turret.h"
#include "NearMiss.h"

namespace {

// What the game was reading when it gave up, for the refusal's first line.
std::string reading;

// The first message box of a fatal error holds its report; the game would end here.
void ReportRefusal(const char* report) {
    std::fprintf(stderr, "The game refuses this level: %s\n%s", reading.c_str(), report);
    std::fflush(stdout);
    std::_Exit(LoadedLevel::REFUSED);
}

}  // namespace

LoadedLevel::LoadedLevel(const std::string& folder, const std::string& name) : _name(name) {
    std::error_code error;
    std::filesystem::current_path(folder, error);
    if (error) {
        std::fprintf(stderr, "The game refuses this level: there is no folder \"%s\".\n", folder.c_str());
        std::exit(REFUSED);
    }
    const std::string here = std::filesystem::current_path().string();
    Headless().onMessageBox = ReportRefusal;
    _ReadImages();
    reading = "reading its files, and the sprite folders Baby, Misc and Turret, in the folder " + here;
    theLevel.Load(name);
    for (const Baby* baby : Baby::GetBabies()) _babies.push_back(baby->GetPosition());
    for (const Mine* mine : Mine::GetMines()) _mines.push_back(mine->GetPosition());
    for (const Turret* turret : Turret::GetTurrets()) _turrets.push_back(turret->GetPosition());
}

// Both images once on their own, so that a refusal of either names it.
void LoadedLevel::_ReadImages() {
    const std::string file = PictureFile(_name);
    reading = "reading " + (std::filesystem::current_path() / file).string();
    const Image picture(file);
    _pictureWidth = picture._width;
    _pictureHeight = picture._height;
    reading = "reading " + (std::filesystem::current_path() / DataFile(_name)).string();
    const Image data(DataFile(_name));
    _CountCodesBelowLevel(data);
}

void LoadedLevel::_CountCodesBelowLevel(const Image& data) {
    constexpr int FIRST_LEVEL_ROW = 256;
    // The game refuses any other data image when it loads the level, right after this.
    if (data._bitsPerPixel != 24 || data._width < Level::LEVEL_WIDTH || data._height < FIRST_LEVEL_ROW) return;
    for (int row = 0; row < FIRST_LEVEL_ROW; ++row) {
        const std::uint8_t* bgr = data._pixels + static_cast<std::size_t>(row) * data._width * 3;
        for (int x = 0; x < Level::LEVEL_WIDTH; ++x, bgr += 3) {
            const std::uint32_t color = bgr[2] << 16 | bgr[1] << 8 | bgr[0];
            if (color != 0 && !NearMiss::IsStray(color)) ++_codesBelowLevel;
        }
    }
}
