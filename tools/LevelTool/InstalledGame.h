#pragma once
#include <filesystem>

// Where the game's program and its data folder lie, found from where this tool lies: beside
// it as the package installs them (PREFIX/games/, PREFIX/lib/games/cribblestorm/,
// PREFIX/share/games/cribblestorm/), or in the build folder and the source tree it was built
// from. Empty paths where neither holds them.
class InstalledGame {
public:
    InstalledGame();

    const std::filesystem::path& GetProgram() const { return _program; }
    const std::filesystem::path& GetDataFolder() const { return _dataFolder; }

private:
    std::filesystem::path _program;
    std::filesystem::path _dataFolder;
};
