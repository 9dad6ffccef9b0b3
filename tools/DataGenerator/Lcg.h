#pragma once
#include <cstdint>

// A linear congruential generator with a fixed seed: the same numbers on every run.
class Lcg {
public:
    explicit Lcg(std::uint32_t seed) : _state(seed) {}

    // From 0 up to but excluding 1.
    double NextUnit();
    double Between(double low, double high) { return low + (high - low) * NextUnit(); }
    // A whole number from 0 to count - 1.
    int Below(int count);

private:
    std::uint32_t _state;
};
