#include "Noise.h"

#include <cmath>

namespace {

constexpr double HASH_SCALE = 1.0 / 4294967295.0;

double Smooth(double t) { return t * t * (3.0 - 2.0 * t); }

double Lerp(double a, double b, double t) { return a + (b - a) * t; }

}  // namespace

double Noise::Hash(std::int64_t x, std::int64_t y) const {
    std::uint32_t h = _seed ^ static_cast<std::uint32_t>(x) * 0x27D4EB2Du ^ static_cast<std::uint32_t>(y) * 0x165667B1u;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    return static_cast<double>(h) * HASH_SCALE;
}

double Noise::At(double x, double y) const {
    const double cellX = std::floor(x);
    const double cellY = std::floor(y);
    const auto ix = static_cast<std::int64_t>(cellX);
    const auto iy = static_cast<std::int64_t>(cellY);
    const double tx = Smooth(x - cellX);
    const double ty = Smooth(y - cellY);
    const double bottom = Lerp(Hash(ix, iy), Hash(ix + 1, iy), tx);
    const double top = Lerp(Hash(ix, iy + 1), Hash(ix + 1, iy + 1), tx);
    return Lerp(bottom, top, ty);
}

double Noise::Fractal(double x, double y, int octaves) const {
    double sum = 0.0;
    double weight = 0.5;
    double total = 0.0;
    for (int octave = 0; octave < octaves; ++octave) {
        sum += At(x, y) * weight;
        total += weight;
        x *= 2.0;
        y *= 2.0;
        weight *= 0.5;
    }
    return sum / total;
}
