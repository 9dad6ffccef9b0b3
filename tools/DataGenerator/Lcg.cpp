#include "Lcg.h"

namespace {

constexpr std::uint32_t MULTIPLIER = 1664525u;
constexpr std::uint32_t INCREMENT = 1013904223u;
constexpr double TWO_TO_THE_24 = 16777216.0;

}  // namespace

double Lcg::NextUnit() {
    _state = _state * MULTIPLIER + INCREMENT;
    return static_cast<double>(_state >> 8) / TWO_TO_THE_24;
}

int Lcg::Below(int count) { return static_cast<int>(NextUnit() * count); }
