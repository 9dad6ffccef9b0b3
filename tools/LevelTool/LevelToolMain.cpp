// cribblestorm-level: checks a level, draws a preview of it, or plays many of its games
// without a window, all with the game's own code.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "GameLengths.h"
#include "GameSimulation.h"
#include "LevelCheck.h"
#include "LevelPreview.h"
#include "LoadedLevel.h"
#include "Reachability.h"

namespace {

constexpr int USAGE = 3;
constexpr double SIXTY_FRAMES_A_SECOND_MS = 1000.0 / 60.0;
constexpr double SECONDS_PER_MINUTE = 60.0;

struct SimulateOptions {
    int games = 100;
    double frameMs = SIXTY_FRAMES_A_SECOND_MS;
    double limitMinutes = 20.0;
};

int Usage() {
    std::printf(
        "usage: cribblestorm-level check LEVEL_DIR NAME\n"
        "       cribblestorm-level preview LEVEL_DIR NAME OUT.png\n"
        "       cribblestorm-level simulate LEVEL_DIR NAME [--games N] [--frame-ms MS] [--limit-minutes M]\n"
        "LEVEL_DIR is the folder the game starts in: levels/NAME_image.tga, levels/NAME_data.tga and the\n"
        "sprite folders. Exit codes: 0 a clean level, 1 problems, 2 a level the game refuses, 3 usage.\n");
    return USAGE;
}

int Check(const std::string& folder, const std::string& name) {
    const LoadedLevel level(folder, name);
    const Reachability reach(level.GetBabies());
    return LevelCheck(level, reach).Run() == 0 ? 0 : 1;
}

// The picture's path is taken from where the tool was started, before it enters the level's folder.
int Preview(const std::string& folder, const std::string& name, const std::string& picture) {
    const std::string path = std::filesystem::absolute(picture).string();
    const LoadedLevel level(folder, name);
    const Reachability reach(level.GetBabies());
    std::string error;
    if (!LevelPreview(level, reach).GetImage().WritePng(path, error)) {
        std::printf("cannot write %s: %s\n", path.c_str(), error.c_str());
        return 1;
    }
    std::printf("%s: %s\n", picture.c_str(), LevelPreview::Legend());
    return 0;
}

// Options after the level's name, each with its value; false for anything else.
bool ReadOptions(int count, char** arguments, SimulateOptions& options) {
    for (int i = 0; i + 1 < count; i += 2) {
        const std::string option = arguments[i];
        char* end = nullptr;
        const double value = std::strtod(arguments[i + 1], &end);
        if (*end != '\0' || !(value > 0.0)) return false;
        if (option == "--games") options.games = static_cast<int>(value);
        else if (option == "--frame-ms") options.frameMs = value;
        else if (option == "--limit-minutes") options.limitMinutes = value;
        else return false;
    }
    return count % 2 == 0 && options.games > 0;
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
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "check") == 0) return Check(argv[2], argv[3]);
    if (argc == 5 && std::strcmp(argv[1], "preview") == 0) return Preview(argv[2], argv[3], argv[4]);
    SimulateOptions options;
    if (argc >= 4 && std::strcmp(argv[1], "simulate") == 0 && ReadOptions(argc - 4, argv + 4, options)) {
        return Simulate(argv[2], argv[3], options);
    }
    return Usage();
}
