#include "NearMiss.h"

#include <algorithm>
#include <cstdlib>

#include "Game/Level.h"

namespace {

constexpr NearMiss::Code CODES[] = {{Level::MINE_COLOR, "mine"},      {Level::BABY_COLOR, "baby"},
                                    {Level::SPIN_COLOR, "spin"},      {Level::MARKED_COLOR, "marked"},
                                    {Level::BLOCKED_COLOR, "blocked"}, {Level::TURRET_COLOR, "turret"},
                                    {Level::WALL_COLOR, "wall"}};

int ChannelDifference(std::uint32_t a, std::uint32_t b) {
    int most = 0;
    for (const int shift : {16, 8, 0}) {
        most = std::max(most, std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)));
    }
    return most;
}

}  // namespace

const NearMiss::Code* NearMiss::Of(std::uint32_t color) {
    for (const Code& code : CODES) {
        const int difference = ChannelDifference(color, code.color);
        if (difference == 0) return nullptr;
        if (difference <= MOST_CHANNEL_DIFFERENCE) return &code;
    }
    return nullptr;
}
