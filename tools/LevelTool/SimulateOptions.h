#pragma once
#include <string>

// simulate's options, each given as `--name value` after the level's name.
class SimulateOptions {
public:
    int games = 100;
    int firstGame = 0;
    bool isSteady = false;  // every frame --frame-ms long, instead of frames as in real play
    double frameMs = 1000.0 / 60.0;
    double limitMinutes = 20.0;
    double mostUnendedPercent = 0.0;  // above this share of games that never end, simulate fails

    // False, with `error` saying which option and why, for anything it cannot take.
    bool Read(int count, char** arguments, std::string& error);

private:
    bool _Set(const std::string& option, const std::string& text, std::string& error);
    bool _SetWhole(const std::string& option, const std::string& text, std::string& error);
};
