#include "Rgba.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double BYTE_MAX = 255.0;

double ChannelOf(std::uint32_t rgb, int shift) { return static_cast<double>((rgb >> shift) & 0xFFu) / BYTE_MAX; }

}  // namespace

Rgba Rgba::FromHex(std::uint32_t rgb) { return {ChannelOf(rgb, 16), ChannelOf(rgb, 8), ChannelOf(rgb, 0), 1.0}; }

Rgba Rgba::WithAlpha(double alpha) const { return {r, g, b, alpha}; }

Rgba Rgba::Mixed(const Rgba& other, double amount) const {
    const double keep = 1.0 - amount;
    return {r * keep + other.r * amount, g * keep + other.g * amount, b * keep + other.b * amount,
            a * keep + other.a * amount};
}

Rgba Rgba::Shaded(double factor) const {
    if (factor <= 1.0) return {r * factor, g * factor, b * factor, a};
    const double toWhite = std::min(factor - 1.0, 1.0);
    return {r + (1.0 - r) * toWhite, g + (1.0 - g) * toWhite, b + (1.0 - b) * toWhite, a};
}

std::uint8_t Rgba::ToByte(double channel) {
    return static_cast<std::uint8_t>(std::floor(std::clamp(channel, 0.0, 1.0) * BYTE_MAX + 0.5));
}
