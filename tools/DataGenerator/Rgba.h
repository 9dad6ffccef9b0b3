#pragma once
#include <cstdint>

// A colour with straight (not premultiplied) alpha, every channel from 0 to 1.
struct Rgba {
    double r;
    double g;
    double b;
    double a;

    // 0xRRGGBB, opaque.
    static Rgba FromHex(std::uint32_t rgb);

    Rgba WithAlpha(double alpha) const;
    Rgba Mixed(const Rgba& other, double amount) const;
    // Darker below 1, lighter above; alpha unchanged.
    Rgba Shaded(double factor) const;

    // A channel as a file stores it: 0 to 255, rounded, clamped.
    static std::uint8_t ToByte(double channel);
};
