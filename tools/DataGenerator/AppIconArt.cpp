#include "AppIconArt.h"

#include "IconArt.h"
#include "Materials.h"

namespace {

const Rgba SKIN = Rgba::FromHex(0xF6C9A4);
const Rgba SKIN_SHADE = Rgba::FromHex(0xE3A882);
const Rgba OUTLINE = Rgba::FromHex(0x3E2A22);
const Rgba HAIR = Rgba::FromHex(0x9A6440);
const Rgba EYE = Rgba::FromHex(0x2B1D18);
const Rgba CHEEK = Rgba::FromHex(0xF27E86).WithAlpha(0.55);
const Rgba MOUTH = Rgba::FromHex(0x8A2430);
const Rgba GLINT = Rgba::FromHex(0xFFFFFF);

constexpr double DESIGN_SIZE = 256.0;
constexpr double OUTLINE_WIDTH = 7.0;
constexpr double HEAD_RADIUS = 96.0;
const Point HEAD_CENTER{126.0, 140.0};
const Point MINE_CENTER{190.0, 64.0};
constexpr double MINE_SCALE = 4.3;

}  // namespace

void AppIconArt::Paint(Painter& painter, int size) const {
    const double scale = size / DESIGN_SIZE;
    _PaintHead(painter, scale);
    _PaintFace(painter, scale);
    IconArt().PaintMineAt(painter, MINE_CENTER * scale, MINE_SCALE * scale, true);
}

// Ears, the round head and a curl of hair, each over a dark outline.
void AppIconArt::_PaintHead(Painter& painter, double scale) const {
    const Point center = HEAD_CENTER * scale;
    const Shape head = Shape::Circle(center, HEAD_RADIUS * scale);
    painter.Shadow(head.Moved(Point{5.0, -7.0} * scale), 8.0 * scale, 0.35);
    for (const double side : {-1.0, 1.0}) {
        const Shape ear = Shape::Ellipse(center + Point{side * 86.0, -6.0} * scale, 17.0 * scale, 23.0 * scale);
        painter.Fill(ear.Grown(OUTLINE_WIDTH * scale), OUTLINE);
        painter.Fill(ear, SKIN_SHADE);
    }
    painter.Fill(head.Grown(OUTLINE_WIDTH * scale), OUTLINE);
    painter.Fill(head, Materials::Lit(SKIN, center, HEAD_RADIUS * scale, 0.25));
    painter.Fill(Shape::Ellipse(center + Point{0.0, 70.0} * scale, 44.0 * scale, 18.0 * scale), HAIR.WithAlpha(0.45));
    painter.Outline(Shape::Circle(center + Point{6.0, 92.0} * scale, 14.0 * scale), 7.0 * scale, HAIR);
}

// Wide eyes with a glint under worried brows, rosy cheeks and a mouth open in an "oh".
void AppIconArt::_PaintFace(Painter& painter, double scale) const {
    const Point center = HEAD_CENTER * scale;
    for (const double side : {-1.0, 1.0}) {
        const Point eye = center + Point{side * 34.0, 12.0} * scale;
        painter.Fill(Shape::Ellipse(eye, 14.0 * scale, 19.0 * scale), EYE);
        painter.Fill(Shape::Circle(eye + Point{-4.0, 7.0} * scale, 5.5 * scale), GLINT);
        const Point browOuter = eye + Point{side * 13.0, 28.0} * scale;
        painter.Fill(Shape::Capsule(browOuter, eye + Point{-side * 9.0, 35.0} * scale, 3.5 * scale), OUTLINE);
        painter.Fill(Shape::Circle(center + Point{side * 58.0, -22.0} * scale, 16.0 * scale), CHEEK);
    }
    const Shape mouth = Shape::Ellipse(center + Point{0.0, -44.0} * scale, 13.0 * scale, 16.0 * scale);
    painter.Fill(mouth.Grown(3.0 * scale), OUTLINE);
    painter.Fill(mouth, MOUTH);
}
