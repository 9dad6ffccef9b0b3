#pragma once
#include <filesystem>
#include <string>

#include "InstalledGame.h"
#include "LevelFiles.h"

// `play`: the game started on a level of a folder, as if it were the level the game loads,
// after its files have passed the checks of their headers (a refusal is one line each on
// standard error and exit code 2, without a game).
// A working folder of its own, made for the run and removed after it, links the level's two
// images under the game's level name and the sprite folders (the level folder's own, or the
// game's where it has none); the game runs there and its exit code is the answer.
class LevelPlayer {
public:
    static constexpr int REFUSED = 2;
    static constexpr int GAME_FAILED = 1;  // the game's exit code after a fatal error

    LevelPlayer(const std::filesystem::path& folder, const std::string& name, const InstalledGame& game);

    int Play();

private:
    bool _Prepare(const std::filesystem::path& work) const;
    int _Run(const std::filesystem::path& work) const;
    std::string _Own(const std::string& file) const;

    std::filesystem::path _given;
    std::filesystem::path _folder;
    std::string _name;
    const InstalledGame& _game;
    LevelFiles _files;
};
