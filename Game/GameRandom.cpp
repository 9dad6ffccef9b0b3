#include "GameRandom.h"

#include <cstdint>

namespace {

constexpr std::uint32_t FIRST_STATE = 1;
constexpr std::uint32_t MULTIPLIER = 214013;
constexpr std::uint32_t INCREMENT = 2531011;

std::uint32_t state = FIRST_STATE;

}  // namespace

int GameRandom() {
    state = state * MULTIPLIER + INCREMENT;
    return static_cast<int>((state >> 16) & 0x7FFF);
}

void RestartGameRandom() { state = FIRST_STATE; }
