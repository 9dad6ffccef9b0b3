#include "BabyArt.h"

#include <algorithm>
#include <cmath>

#include "Angles.h"
#include "Materials.h"
#include "Noise.h"

namespace {

const Rgba SKIN = Rgba::FromHex(0xF6C9A4);
const Rgba SKIN_SHADE = Rgba::FromHex(0xE3A882);
const Rgba ONESIE = Rgba::FromHex(0x7FBDEB);
const Rgba ONESIE_LIGHT = Rgba::FromHex(0xB5DBF7);
const Rgba HAIR = Rgba::FromHex(0x9A6440);
const Rgba OUTLINE = Rgba::FromHex(0x3E2A22);
const Rgba SOOT = Rgba::FromHex(0x1E1A18);
const Rgba HALO = Rgba::FromHex(0xFFE680);
const Rgba FACE_MARK = Rgba::FromHex(0x5A3426);

constexpr double OUTLINE_WIDTH = 1.6;
constexpr double ARM_RADIUS = 3.6;
constexpr double LEG_RADIUS = 4.4;
constexpr double HAND_RADIUS = 4.0;
constexpr double FOOT_RADIUS = 4.3;
constexpr double HEAD_RADIUS = 11.5;
constexpr double ARM_SWING = 5.0;
constexpr double KNEE_SWING = 4.0;
constexpr double BODY_SWAY = 0.8;
constexpr double SHADOW_OPACITY = 0.3;
constexpr std::uint32_t SCORCH_SEED = 0xB1A57u;
const Point FRAME_CENTER{32.0, 32.0};

// The outline pass paints every part grown and dark; the colour pass paints it lit.
void FillPart(Painter& painter, const Shape& part, const Rgba& color, bool isOutline, double light) {
    if (isOutline) {
        painter.Fill(part, OUTLINE);
        return;
    }
    const Point half = part.GetHalfSize();
    painter.Fill(part, Materials::Lit(color, part.GetCenter(), std::max(half.x, half.y), light));
}

}  // namespace

// Diagonal gait: the left hand reaches forward with the right knee, then the other pair.
void BabyArt::PaintCrawling(Painter& painter, double phase) const {
    const double swing = std::sin(2.0 * Angles::PI * phase);
    const double sway = BODY_SWAY * swing;
    const Limb limbs[4] = {
        {{23.5 + sway, 36.0}, {17.0 + sway, 40.0 + ARM_SWING * swing * 0.5}, {15.5, 46.5 + ARM_SWING * swing}},
        {{40.5 + sway, 36.0}, {47.0 + sway, 40.0 - ARM_SWING * swing * 0.5}, {48.5, 46.5 - ARM_SWING * swing}},
        {{26.5 + sway, 20.0}, {19.5, 15.0 - KNEE_SWING * swing}, {23.0, 6.0 - KNEE_SWING * swing * 0.5}},
        {{37.5 + sway, 20.0}, {44.5, 15.0 + KNEE_SWING * swing}, {41.0, 6.0 + KNEE_SWING * swing * 0.5}},
    };
    const Point body{32.0 + sway, 28.5};
    const Point head{32.0 + sway * 1.4, 45.5};
    painter.Shadow(Shape::Ellipse({34.0, 27.0}, 15.0, 22.0), 3.0, SHADOW_OPACITY);
    _PaintFigure(painter, limbs, body, head);
    _PaintHair(painter, head);
}

// A dark outline of the whole figure first, then its parts in colour over it.
void BabyArt::_PaintFigure(Painter& painter, const Limb (&limbs)[4], Point body, Point head) const {
    _PaintLimbs(painter, limbs, OUTLINE_WIDTH, true);
    _PaintBody(painter, body, OUTLINE_WIDTH, true);
    _PaintHead(painter, head, OUTLINE_WIDTH, true);
    _PaintLimbs(painter, limbs, 0.0, false);
    _PaintBody(painter, body, 0.0, false);
    _PaintHead(painter, head, 0.0, false);
}

void BabyArt::_PaintLimbs(Painter& painter, const Limb (&limbs)[4], double grow, bool isOutline) const {
    for (int i = 0; i < 4; ++i) {
        const Limb& limb = limbs[i];
        const bool isArm = i < 2;
        const double radius = (isArm ? ARM_RADIUS : LEG_RADIUS) + grow;
        FillPart(painter, Shape::Capsule(limb.bend, limb.end, radius * 0.9), isArm ? SKIN : ONESIE, isOutline, 0.0);
        FillPart(painter, Shape::Capsule(limb.from, limb.bend, radius), ONESIE, isOutline, 0.0);
        const Shape tip = Shape::Circle(limb.end, (isArm ? HAND_RADIUS : FOOT_RADIUS) + grow);
        FillPart(painter, tip, isArm ? SKIN : ONESIE_LIGHT, isOutline, 0.2);
    }
}

void BabyArt::_PaintBody(Painter& painter, Point center, double grow, bool isOutline) const {
    FillPart(painter, Shape::Ellipse(center, 11.5, 13.5).Grown(grow), ONESIE, isOutline, 0.25);
    FillPart(painter, Shape::Ellipse(center + Point{0.0, -8.5}, 9.5, 7.0).Grown(grow), ONESIE_LIGHT, isOutline, 0.2);
    if (isOutline) return;
    painter.Fill(Shape::Capsule(center + Point{0.0, 5.0}, center + Point{0.0, -5.0}, 0.7), ONESIE.Shaded(0.8));
    for (const double y : {3.0, -2.0}) painter.Fill(Shape::Circle(center + Point{1.8, y}, 1.0), ONESIE_LIGHT);
}

void BabyArt::_PaintHead(Painter& painter, Point center, double grow, bool isOutline) const {
    for (const double side : {-1.0, 1.0}) {
        const Shape ear = Shape::Ellipse(center + Point{side * 10.5, -1.0}, 2.8, 3.6).Grown(grow);
        FillPart(painter, ear, SKIN_SHADE, isOutline, 0.0);
    }
    FillPart(painter, Shape::Circle(center, HEAD_RADIUS + grow), SKIN, isOutline, 0.2);
}

// The back of the head from above: a cap of fine hair and one curl at the crown.
void BabyArt::_PaintHair(Painter& painter, Point center) const {
    painter.Fill(Shape::Ellipse(center + Point{0.0, -3.5}, 9.5, 7.5), HAIR.WithAlpha(0.55));
    painter.Fill(Shape::Ellipse(center + Point{0.0, -4.5}, 7.0, 5.0), HAIR.WithAlpha(0.35));
    painter.Outline(Shape::Circle(center + Point{0.5, 2.5}, 2.2), 1.1, HAIR);
    painter.Fill(Shape::Ellipse(center + Point{-4.5, 6.0}, 2.5, 1.5, 30.0), Rgba::FromHex(0xFFFFFF).WithAlpha(0.4));
}

// Flat on its back, arms and legs flung out, eyes crossed out, a halo above.
void BabyArt::PaintDead(Painter& painter) const {
    _PaintScorch(painter);
    const Limb limbs[4] = {
        {{23.0, 36.0}, {15.5, 39.0}, {9.0, 44.0}},
        {{41.0, 36.0}, {48.5, 39.0}, {55.0, 44.0}},
        {{27.0, 20.0}, {20.0, 13.0}, {16.0, 6.5}},
        {{37.0, 20.0}, {44.0, 13.0}, {48.0, 6.5}},
    };
    const Point body{32.0, 28.5};
    const Point head{32.0, 45.5};
    _PaintFigure(painter, limbs, body, head);
    _PaintDeadFace(painter, head);
    painter.Outline(Shape::Ellipse({32.0, 59.0}, 9.5, 3.2), 1.8, HALO);
}

void BabyArt::_PaintDeadFace(Painter& painter, Point center) const {
    for (const double side : {-1.0, 1.0}) {
        const Point eye = center + Point{side * 4.5, 1.5};
        painter.Fill(Shape::Capsule(eye + Point{-2.0, -2.0}, eye + Point{2.0, 2.0}, 0.75), FACE_MARK);
        painter.Fill(Shape::Capsule(eye + Point{-2.0, 2.0}, eye + Point{2.0, -2.0}, 0.75), FACE_MARK);
    }
    painter.Outline(Shape::Ellipse(center + Point{0.0, -5.0}, 2.2, 1.8), 1.0, FACE_MARK);
    painter.Fill(Shape::Circle(center + Point{-7.0, -3.0}, 2.0), Rgba::FromHex(0xF29A9A).WithAlpha(0.6));
    painter.Fill(Shape::Circle(center + Point{7.0, -3.0}, 2.0), Rgba::FromHex(0xF29A9A).WithAlpha(0.6));
}

// A ragged blot of soot, darkest in the middle, spread under the whole body.
void BabyArt::_PaintScorch(Painter& painter) const {
    const Noise noise(SCORCH_SEED);
    painter.Fill(Shape::Circle(FRAME_CENTER, 30.0), [&noise](Point point) {
        const Point offset = point - FRAME_CENTER;
        const double radius = std::sqrt(offset.x * offset.x + offset.y * offset.y);
        const double angle = std::atan2(offset.y, offset.x);
        const double edge = 22.0 + 7.0 * noise.Fractal(std::cos(angle) * 2.0 + 5.0, std::sin(angle) * 2.0 + 5.0, 3);
        const double fade = std::clamp((edge - radius) / 5.0, 0.0, 1.0);
        return SOOT.WithAlpha(0.8 * fade * (0.7 + 0.3 * noise.At(point.x / 3.0, point.y / 3.0)));
    });
}
