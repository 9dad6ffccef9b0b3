#include "NearMiss.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>

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

bool NearMiss::IsStray(std::uint32_t color) {
    constexpr std::uint32_t FLOOR_COLOR = 0x000000;
    return color != FLOOR_COLOR && std::none_of(std::begin(CODES), std::end(CODES), [color](const Code& code) {
        return code.color == color;
    });
}

// A scan meets the same colour many times in a row, so the last answer is kept.
const NearMiss::Code* NearMiss::Of(std::uint32_t color) {
    static std::uint32_t lastColor = 0xFFFFFFFF;  // no 24-bit colour
    static const Code* lastCode = nullptr;
    if (color == lastColor) return lastCode;
    lastColor = color;
    lastCode = nullptr;
    for (const Code& code : CODES) {
        const int difference = ChannelDifference(color, code.color);
        if (difference == 0) break;
        if (difference <= MOST_CHANNEL_DIFFERENCE) {
            lastCode = &code;
            break;
        }
    }
    return lastCode;
}
