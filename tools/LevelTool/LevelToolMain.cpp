// cribblestorm-level: starts a level, checks it, draws a preview of it, plays many of its
// games without a window, or starts the game on it, all with the game's own code.
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "FrameTimes.h"
#include "GameLengths.h"
#include "GameSimulation.h"
#include "InstalledGame.h"
#include "LevelCheck.h"
#include "LevelFiles.h"
#include "LevelPlayer.h"
#include "LevelPreview.h"
#include "LevelTemplate.h"
#include "LoadedLevel.h"
#include "Reachability.h"
#include "ReplayNotes.h"
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
        "       cribblestorm-level simulate FOLDER NAME [--games N] [--first-game N] [--frames real|steady]\n"
        "                                              [--frame-ms MS] [--limit-minutes M] [--most-unended PERCENT]\n"
        "       cribblestorm-level play FOLDER NAME\n"
        "FOLDER is a folder the game can start in: levels/NAME_image.tga, levels/NAME_data.tga and the\n"
        "sprite folders Baby, Misc and Turret (new writes all of them). Exit codes: 0 a clean level,\n"
        "1 problems, 2 a level the game refuses, 3 usage; play ends with the game's own.\n"
        "See man cribblestorm-level.\n");
    return USAGE;
}

// A name that makes the same file names on every system the game runs on, Windows included.
bool IsLevelName(const std::string& name) {
    return !name.empty() && std::all_of(name.begin(), name.end(), [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '-';
    });
}

// What a known command still needs, before the usage.
int Missing(const std::string& command, int given) {
    const bool isKnown = command == "new" || command == "check" || command == "preview" || command == "simulate" ||
                         command == "play";
    const char* const missing[] = {"FOLDER and NAME are", "the level's NAME is", "OUT.png, the preview's file, is"};
    if (isKnown) std::printf("cribblestorm-level %s: %s missing\n", command.c_str(), missing[given]);
    return Usage();
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
    const LevelFiles files(folder, name);
    if (files.ReportRefusals()) return LoadedLevel::REFUSED;
    const LoadedLevel level(folder, name);
    const Reachability reach(level.GetBabies());
    return LevelCheck(files, level, reach, UnreachedFloor(reach, level.GetBabies())).Run() == 0 ? 0 : PROBLEMS;
}

// The picture's path is taken from where the tool was started, before it enters the level's folder.
int Preview(const std::string& folder, const std::string& name, const std::string& picture) {
    const std::string path = std::filesystem::absolute(picture).string();
    if (LevelFiles(folder, name).ReportRefusals()) return LoadedLevel::REFUSED;
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
    if (LevelFiles(folder, name).ReportRefusals()) return LoadedLevel::REFUSED;
    const LoadedLevel level(folder, name);
    const double limitSeconds = options.limitMinutes * SECONDS_PER_MINUTE;
    FrameTimes frames(options.frameMs / 1000.0, options.isSteady);
    GameSimulation simulation(level, frames, limitSeconds);
    GameLengths lengths;
    ReplayNotes notes;
    for (int game = options.firstGame; game < options.firstGame + options.games; ++game) {
        const double seconds = simulation.Play(game);
        lengths.Add(seconds);
        notes.Add(game, seconds, frames.GetFirstSeconds(), simulation.GetCrossings());
    }
    char heading[320];
    std::snprintf(heading, sizeof(heading),
                  "%s: %d games, %s %.3f ms, game n from n x %d numbers into the random sequence; lengths in "
                  "simulated minutes",
                  name.c_str(), options.games,
                  options.isSteady ? "frames of" : "a first frame of up to 1 s (the start-up), then frames around",
                  options.frameMs, GameSimulation::RANDOM_STRIDE);
    lengths.Print(heading, limitSeconds);
    notes.Print();
    if (lengths.UnendedPercent() <= options.mostUnendedPercent) return 0;
    std::printf("%.1f %% of the games never ended, more than the %.1f %% allowed (--most-unended)\n",
                lengths.UnendedPercent(), options.mostUnendedPercent);
    return PROBLEMS;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return Usage();
    const std::string command = argv[1];
    if (argc < 4 || (argc == 4 && command == "preview")) return Missing(command, argc - 2);
    if (!IsLevelName(argv[3])) {
        std::printf("cribblestorm-level %s: \"%s\" is no level name: a name holds letters, digits, _ and - only\n",
                    command.c_str(), argv[3]);
        return Usage();
    }
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
