// cribblestorm-level: starts a level, checks it, draws a preview of it, plays many of its
// games without a window, or starts the game on it, all with the game's own code.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "GameLengths.h"
#include "GameSimulation.h"
#include "InstalledGame.h"
#include "LevelCheck.h"
#include "LevelPlayer.h"
#include "LevelPreview.h"
#include "LevelTemplate.h"
#include "LoadedLevel.h"
#include "Reachability.h"
#include "SimulateOptions.h"
#include "UnreachedFloor.h"

namespace {

constexpr int PROBLEMS = 1;
constexpr int USAGE = 3;
constexpr double SECONDS_PER_MINUTE = 60.0;

int Usage() {
    std::printf(
        "usage: cribblestorm-level new FOLDER NAME\n"
        "       cribblestorm-level check FOLDER NAME\n"
        "       cribblestorm-level preview FOLDER NAME OUT.png\n"
        "       cribblestorm-level simulate FOLDER NAME [--games N] [--frame-ms MS] [--limit-minutes M]\n"
        "                                              [--most-unended PERCENT]\n"
        "       cribblestorm-level play FOLDER NAME\n"
        "FOLDER is a folder the game can start in: levels/NAME_image.tga, levels/NAME_data.tga and the\n"
        "sprite folders Baby, Misc and Turret (new writes all of them). Exit codes: 0 a clean level,\n"
        "1 problems, 2 a level the game refuses, 3 usage; play ends with the game's own.\n"
        "See man cribblestorm-level.\n");
    return USAGE;
}

int OptionError(const std::string& error) {
    std::printf("cribblestorm-level simulate: %s\n", error.c_str());
    return Usage();
}

int New(const std::string& folder, const std::string& name) {
    if (!LevelTemplate::Write(folder, name, InstalledGame())) return LoadedLevel::REFUSED;
    std::printf("%s: wrote %s and %s in %s, with the sprite folders beside them\n", name.c_str(),
                LoadedLevel::PictureFile(name).c_str(), LoadedLevel::DataFile(name).c_str(),
                std::filesystem::absolute(folder).c_str());
    return 0;
}

int Check(const std::string& folder, const std::string& name) {
    const LoadedLevel level(folder, name);
    const Reachability reach(level.GetBabies());
    return LevelCheck(level, reach, UnreachedFloor(reach, level.GetBabies())).Run() == 0 ? 0 : PROBLEMS;
}

// The picture's path is taken from where the tool was started, before it enters the level's folder.
int Preview(const std::string& folder, const std::string& name, const std::string& picture) {
    const std::string path = std::filesystem::absolute(picture).string();
    const LoadedLevel level(folder, name);
    const Reachability reach(level.GetBabies());
    std::string error;
    if (!LevelPreview(level, reach, UnreachedFloor(reach, level.GetBabies())).GetImage().WritePng(path, error)) {
        std::printf("cannot write %s: %s\n", path.c_str(), error.c_str());
        return PROBLEMS;
    }
    std::printf("%s: %s\n", picture.c_str(), LevelPreview::Legend());
    return 0;
}

int Simulate(const std::string& folder, const std::string& name, const SimulateOptions& options) {
    const LoadedLevel level(folder, name);
    const double limitSeconds = options.limitMinutes * SECONDS_PER_MINUTE;
    GameSimulation simulation(level, options.frameMs / 1000.0, limitSeconds);
    GameLengths lengths;
    for (int game = 0; game < options.games; ++game) lengths.Add(simulation.Play(game));
    char heading[256];
    std::snprintf(heading, sizeof(heading),
                  "%s: %d games, frames of %.3f ms, game n from n x %d numbers into the random sequence; "
                  "lengths in simulated minutes",
                  name.c_str(), options.games, options.frameMs, GameSimulation::RANDOM_STRIDE);
    lengths.Print(heading, limitSeconds);
    if (lengths.UnendedPercent() <= options.mostUnendedPercent) return 0;
    std::printf("%.1f %% of the games never ended, more than the %.1f %% allowed (--most-unended)\n",
                lengths.UnendedPercent(), options.mostUnendedPercent);
    return PROBLEMS;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) return Usage();
    const std::string command = argv[1];
    if (argc == 4 && command == "new") return New(argv[2], argv[3]);
    if (argc == 4 && command == "check") return Check(argv[2], argv[3]);
    if (argc == 5 && command == "preview") return Preview(argv[2], argv[3], argv[4]);
    if (argc == 4 && command == "play") return LevelPlayer(argv[2], argv[3], InstalledGame()).Play();
    if (command != "simulate") return Usage();
    SimulateOptions options;
    std::string error;
    if (!options.Read(argc - 4, argv + 4, error)) return OptionError(error);
    return Simulate(argv[2], argv[3], options);
}
