#include "FrameTimes.h"

#include <cmath>

void FrameTimes::Start(int game, double firstSeconds) {
    _state = static_cast<std::uint64_t>(game) + 1;
    _isFirst = true;
    _firstSeconds = firstSeconds > 0.0 ? firstSeconds
                    : _isSteady       ? _usualSeconds
                                      : _Between(_usualSeconds, LONGEST_SECONDS);
}

double FrameTimes::Next() {
    if (_isFirst) {
        _isFirst = false;
        return _firstSeconds;
    }
    if (_isSteady) return _usualSeconds;
    constexpr double LEAST_SHARE = 0.5;
    constexpr double MOST_SHARE = 1.5;
    if (_Uniform() * HITCH_EVERY < 1.0) return _Between(_usualSeconds, HITCH_MOST_SECONDS);
    return _usualSeconds * (LEAST_SHARE + (MOST_SHARE - LEAST_SHARE) * _Uniform());
}

// splitmix64, to 53 bits in [0, 1): the same numbers on every machine.
double FrameTimes::_Uniform() {
    std::uint64_t z = (_state += 0x9E3779B97F4A7C15u);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
    z ^= z >> 31;
    return static_cast<double>(z >> 11) * 0x1.0p-53;
}

// Spread evenly over the logarithm: as many between 20 and 40 ms as between 400 and 800.
double FrameTimes::_Between(double shortest, double longest) {
    if (longest <= shortest) return shortest;
    return shortest * std::exp(std::log(longest / shortest) * _Uniform());
}
