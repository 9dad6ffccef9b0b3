#include "Materials.h"

#include <cmath>

namespace {

constexpr std::uint32_t MATERIALS_SEED = 0x5EED0B5u;
constexpr double GRAIN_DEPTH = 0.12;
constexpr double WEAVE_DEPTH = 0.05;
constexpr double MOTTLE_DEPTH = 0.08;

}  // namespace

Materials::Materials() : _noise(MATERIALS_SEED) {}

Painter::Shader Materials::Wood(const Rgba& base, const Placement& placement) const {
    const Point origin = placement.ToPicture({0.0, 0.0});
    const Point along = placement.ToPicture({1.0, 0.0}) - origin;
    return [this, base, origin, along](Point point) {
        const Point offset = point - origin;
        const double u = offset.x * along.x + offset.y * along.y;
        const double v = -offset.x * along.y + offset.y * along.x;
        const double grain = _noise.Fractal(u / 70.0, v / 2.2, 3);
        const double ring = 0.5 + 0.5 * std::sin(v * 0.8 + grain * 10.0);
        return base.Shaded(1.0 - GRAIN_DEPTH * ring * grain);
    };
}

Painter::Shader Materials::Fabric(const Rgba& base) const {
    return [this, base](Point point) {
        const double weave = std::sin(point.x * 2.1) * std::sin(point.y * 2.1);
        const double mottle = _noise.Fractal(point.x / 14.0, point.y / 14.0, 2) - 0.5;
        return base.Shaded(1.0 + WEAVE_DEPTH * weave + MOTTLE_DEPTH * mottle);
    };
}

Painter::Shader Materials::Lit(const Rgba& base, Point center, double radius, double strength) {
    return [base, center, radius, strength](Point point) {
        const double towardLight = ((center.x - point.x) + (point.y - center.y)) / (2.0 * radius);
        return base.Shaded(1.0 + strength * towardLight);
    };
}
