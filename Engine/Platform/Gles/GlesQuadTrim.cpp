#include "GlesQuadTrim.h"

#include <algorithm>
#include <cmath>

#include "GlesAlphaMap.h"

namespace {

// How far a rasteriser may move an edge, or a texture coordinate, by rounding, in pixels:
// reckoned generously (they snap to 1/256 of a pixel or finer).
constexpr double ROUNDING = 1.0 / 16.0;
// How far a parallelogram's fourth corner may lie from where the other three put it, in clip
// coordinates: the float rounding of a turned sprite's corners, far below ROUNDING.
constexpr double SLACK = 1.0 / 65536.0;

bool IsSameColor(const GlesVertex& a, const GlesVertex& b) {
    return a.red == b.red && a.green == b.green && a.blue == b.blue && a.alpha == b.alpha;
}

// The texels that linear filtering takes for coordinates from `low` to `high` on one axis.
void Taps(double low, double high, int* first, int* last) {
    *first = static_cast<int>(std::floor(low - 0.5));
    *last = static_cast<int>(std::floor(high - 0.5)) + 1;
}

GlesTexelBox TapsOf(double u0, double v0, double u1, double v1) {
    GlesTexelBox box = {};
    Taps(u0, u1, &box.x0, &box.x1);
    Taps(v0, v1, &box.y0, &box.y1);
    return box;
}

// A quad that is a parallelogram in clip coordinates (w 1, inside the depth range), of one
// colour, whose texel coordinates run along its sides: point = corner 0 + a * side A + b * side B.
struct Shape {
    const GlesVertex* corner[4];
    double texel[4][2];  // of the corners, in the bordered image
    double low[2], high[2];
    bool isSAlongA;      // s changes along side A (corner 0 to 1), t along side B (corner 0 to 3)
};

// Corners in order round the quad, w 1 and inside the depth range, as a Shape needs them.
bool IsOneColourParallelogram(const GlesVertex* const c[4]) {
    for (int i = 0; i < 4; ++i) {
        if (c[i]->w != 1.0f || std::fabs(c[i]->z) > 1.0f || !IsSameColor(*c[i], *c[0])) return false;
    }
    const auto isClosed = [&](float GlesVertex::*field) {
        return std::fabs(static_cast<double>(c[0]->*field) + c[2]->*field - c[1]->*field - c[3]->*field) <= SLACK;
    };
    return isClosed(&GlesVertex::x) && isClosed(&GlesVertex::y) && isClosed(&GlesVertex::z);
}

bool ShapeOf(const GlesVertex quad[4], const GlesSampling& sampling, Shape* shape) {
    const GlesVertex* const c[4] = {&quad[0], &quad[1], &quad[2], &quad[3]};
    if (!IsOneColourParallelogram(c)) return false;
    for (int i = 0; i < 4; ++i) {
        shape->corner[i] = c[i];
        shape->texel[i][0] = static_cast<double>(c[i]->s) * sampling.textureWidth - sampling.x;
        shape->texel[i][1] = static_cast<double>(c[i]->t) * sampling.textureHeight - sampling.y;
    }
    const double(*t)[2] = shape->texel;
    shape->isSAlongA = t[1][1] == t[0][1] && t[3][0] == t[0][0] && t[2][0] == t[1][0] && t[2][1] == t[3][1];
    const bool isTAlongA = t[1][0] == t[0][0] && t[3][1] == t[0][1] && t[2][1] == t[1][1] && t[2][0] == t[3][0];
    for (int axis = 0; axis < 2; ++axis) {
        shape->low[axis] = std::min({t[0][axis], t[1][axis], t[2][axis]});
        shape->high[axis] = std::max({t[0][axis], t[1][axis], t[2][axis]});
    }
    return (shape->isSAlongA || isTAlongA) && shape->low[0] < shape->high[0] && shape->low[1] < shape->high[1];
}

// Texels per pixel along the quad's sides, at least one: ROUNDING in texels.
double Margin(const Shape& shape, const GLint viewport[4]) {
    double most = 1.0;
    for (int corner : {1, 3}) {
        const GlesVertex& from = *shape.corner[0];
        const GlesVertex& to = *shape.corner[corner];
        const double pixels = std::hypot((static_cast<double>(to.x) - from.x) * 0.5 * viewport[2],
                                         (static_cast<double>(to.y) - from.y) * 0.5 * viewport[3]);
        const double texels = std::hypot(shape.texel[corner][0] - shape.texel[0][0],
                                         shape.texel[corner][1] - shape.texel[0][1]);
        if (pixels > 0.0) most = std::max(most, texels / pixels);
    }
    return ROUNDING * most;
}

// Whether every texel that a pixel within `margin` of an edge could take is transparent.
bool AreEdgesClear(const Shape& shape, const GlesAlphaMap& alpha, double margin) {
    const double* low = shape.low;
    const double* high = shape.high;
    const double m = margin;
    return alpha.IsClear(TapsOf(low[0] - m, low[1] - m, low[0] + m, high[1] + m)) &&
           alpha.IsClear(TapsOf(high[0] - m, low[1] - m, high[0] + m, high[1] + m)) &&
           alpha.IsClear(TapsOf(low[0] - m, low[1] - m, high[0] + m, low[1] + m)) &&
           alpha.IsClear(TapsOf(low[0] - m, high[1] - m, high[0] + m, high[1] + m));
}

// The corner of the cut quad where `original` was: its texel coordinates moved to the cut
// rectangle, its place and depth where those coordinates lie.
GlesVertex CutCorner(const Shape& shape, int corner, const double low[2], const double high[2],
                     const GlesSampling& sampling) {
    const double* texel = shape.texel[corner];
    const double moved[2] = {texel[0] == shape.low[0] ? low[0] : high[0], texel[1] == shape.low[1] ? low[1] : high[1]};
    const double* origin = shape.texel[0];
    const int axisA = shape.isSAlongA ? 0 : 1;
    const double a = (moved[axisA] - origin[axisA]) / (shape.texel[1][axisA] - origin[axisA]);
    const double b = (moved[1 - axisA] - origin[1 - axisA]) / (shape.texel[3][1 - axisA] - origin[1 - axisA]);
    const GlesVertex& c0 = *shape.corner[0];
    const GlesVertex& c1 = *shape.corner[1];
    const GlesVertex& c3 = *shape.corner[3];
    const auto at = [&](float GlesVertex::*field) {
        return static_cast<float>(c0.*field + a * (static_cast<double>(c1.*field) - c0.*field) +
                                  b * (static_cast<double>(c3.*field) - c0.*field));
    };
    GlesVertex cut = *shape.corner[corner];
    cut.x = at(&GlesVertex::x);
    cut.y = at(&GlesVertex::y);
    cut.z = at(&GlesVertex::z);
    cut.s = static_cast<float>((moved[0] + sampling.x) / sampling.textureWidth);
    cut.t = static_cast<float>((moved[1] + sampling.y) / sampling.textureHeight);
    return cut;
}

}  // namespace

// A pixel at texel coordinate u takes the texels floor(u - 0.5) and the one after: left of
// (first seen texel - 0.5), or right of (last seen texel + 1.5), it takes transparent ones only.
bool GlesQuadTrim::Trim(const GlesSampling& sampling, const GLint viewport[4], GlesVertex quad[4]) {
    Shape shape;
    if (sampling.alpha == nullptr || !ShapeOf(quad, sampling, &shape)) return true;
    const GlesAlphaMap& alpha = *sampling.alpha;
    const double m = Margin(shape, viewport);
    if (!AreEdgesClear(shape, alpha, m)) return true;
    GlesTexelBox seen = {};
    if (!alpha.SeenBox(TapsOf(shape.low[0], shape.low[1], shape.high[0], shape.high[1]), &seen)) return false;
    const double low[2] = {std::max(shape.low[0], seen.x0 - 0.5 - m), std::max(shape.low[1], seen.y0 - 0.5 - m)};
    const double high[2] = {std::min(shape.high[0], seen.x1 + 1.5 + m), std::min(shape.high[1], seen.y1 + 1.5 + m)};
    if (low[0] == shape.low[0] && low[1] == shape.low[1] && high[0] == shape.high[0] && high[1] == shape.high[1]) {
        return true;
    }
    GlesVertex cut[4];
    for (int corner = 0; corner < 4; ++corner) cut[corner] = CutCorner(shape, corner, low, high, sampling);
    for (int corner = 0; corner < 4; ++corner) quad[corner] = cut[corner];
    return true;
}
