#include "ReplayNotes.h"

#include <cstdio>

#include "Game/Baby.h"
#include "Game/Level.h"

namespace {

std::string At(const Vec2& point) {
    return "(" + std::to_string(static_cast<int>(point.x)) + "," + std::to_string(static_cast<int>(point.y)) + ")";
}

// A baby where the game left it, and the first blocked cells it crossed.
std::string Left(int baby, const std::vector<GameSimulation::Crossing>& crossings) {
    std::string text = "baby " + std::to_string(baby) + " at " + At(Baby::GetBabies()[baby - 1]->GetPosition());
    for (const GameSimulation::Crossing& crossing : crossings) {
        if (crossing.baby != baby) continue;
        char when[32];
        std::snprintf(when, sizeof(when), "%.1f", crossing.seconds);
        text += ", over blocked cells at " + At(crossing.cell) + " " + when + " s in";
    }
    return text;
}

void PrintList(const char* heading, const std::vector<std::string>& games) {
    if (games.empty()) return;
    std::printf("%s (play one again with --first-game N --games 1):\n", heading);
    constexpr std::size_t MOST = ReplayNotes::MOST_SHOWN;
    for (std::size_t i = 0; i < games.size() && i < MOST; ++i) std::printf("  %s\n", games[i].c_str());
    if (games.size() > MOST) std::printf("  ... and %zu more\n", games.size() - MOST);
}

}  // namespace

void ReplayNotes::Add(int game, double seconds, double firstFrameSeconds,
                      const std::vector<GameSimulation::Crossing>& crossings) {
    char name[64];
    std::snprintf(name, sizeof(name), "game %d (first frame %.0f ms):", game, firstFrameSeconds * 1000.0);
    std::string left;
    const auto& babies = Baby::GetBabies();
    for (std::size_t i = 0; i < babies.size(); ++i) {
        const Vec2& at = babies[i]->GetPosition();
        const bool isInside = theLevel.IsBlocked(static_cast<int>(at.x), static_cast<int>(at.y));
        if (seconds < 0.0 ? babies[i]->IsDead() : !isInside) continue;
        left += (left.empty() ? " " : "; ") + Left(static_cast<int>(i) + 1, crossings);
    }
    if (seconds < 0.0) _unended.push_back(name + left);
    else if (!left.empty()) _diedInside.push_back(name + left);
}

void ReplayNotes::Print() const {
    PrintList("games that never ended, with the babies still alive", _unended);
    PrintList("games in which a baby died on blocked cells", _diedInside);
}
