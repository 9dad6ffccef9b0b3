#pragma once
#include <cstdint>
#include <filesystem>
#include <string>

#include "InstalledGame.h"

// A starting level for `new`: a walled room with a rug, a turret on its base, three babies
// and eight mines, written as the game reads it (both images 1024 x 1024, 24 bits, bottom row
// first, the screen in the top 768 rows) into a folder that the game can start in, with the
// sprite folders copied from the game's own data.
class LevelTemplate {
public:
    // False, after saying why, when the level exists already or cannot be written.
    static bool Write(const std::filesystem::path& folder, const std::string& name, const InstalledGame& game);

private:
    // The level's cell (x, y), y up, as the data image's colour.
    static std::uint32_t _DataColor(int x, int y);
    // What the picture shows over a cell of that colour.
    static std::uint32_t _PictureColor(std::uint32_t dataColor);
    static bool _WriteImage(const std::filesystem::path& path, bool isPicture);
    static bool _CopySprites(const std::filesystem::path& folder, const InstalledGame& game);
};
