#pragma once
#include <cstdint>

// Smooth value noise from a hash of the lattice: the same numbers on every machine and run.
class Noise {
public:
    explicit Noise(std::uint32_t seed) : _seed(seed) {}

    // From 0 to 1, changing smoothly over one unit.
    double At(double x, double y) const;
    // Several octaves added up, still from 0 to 1.
    double Fractal(double x, double y, int octaves) const;
    // A whole-number hash from 0 to 1, for per-item variation.
    double Hash(std::int64_t x, std::int64_t y) const;

private:
    std::uint32_t _seed;
};
