#include "FurnitureArt.h"

#include <cmath>

#include "Lcg.h"

namespace {

const Rgba OUTLINE = Rgba::FromHex(0x4A3222).WithAlpha(0.55);
const Rgba PAINTED_WOOD = Rgba::FromHex(0xF4EFE6);
const Rgba PAINTED_WOOD_EDGE = Rgba::FromHex(0xC8BBA6);
const Rgba MATTRESS = Rgba::FromHex(0xFFFCF5);
const Rgba BLANKET = Rgba::FromHex(0xF5B3C4);
const Rgba BLANKET_DOT = Rgba::FromHex(0xFFF4F7);
const Rgba PILLOW = Rgba::FromHex(0xFFFFFF);
const Rgba TEDDY = Rgba::FromHex(0xB07A4C);
const Rgba TEDDY_MUZZLE = Rgba::FromHex(0xE9C9A2);
const Rgba DARK_EYE = Rgba::FromHex(0x2B1D14);
const Rgba HONEY_WOOD = Rgba::FromHex(0xC99A68);
const Rgba PAD = Rgba::FromHex(0xBDE2F2);
const Rgba LAMP_SHADE = Rgba::FromHex(0xFFF1B8);
const Rgba WALNUT = Rgba::FromHex(0x7A5238);
const Rgba SHELF_INSIDE = Rgba::FromHex(0x3E2A1E);
const Rgba CHEST_PAINT = Rgba::FromHex(0xD2553F);
const Rgba CHEST_TRIM = Rgba::FromHex(0xF2C14E);
const Rgba CHEST_INSIDE = Rgba::FromHex(0x5A2A20);
const Rgba UPHOLSTERY = Rgba::FromHex(0x7B92CF);
const Rgba BUTTON = Rgba::FromHex(0x4D5F99);
const Rgba KNIT = Rgba::FromHex(0xF2D37A);
const Rgba HIGHLIGHT = Rgba::FromHex(0xFFFFFF).WithAlpha(0.55);

const Rgba BOOK_COLORS[] = {Rgba::FromHex(0xC8483C), Rgba::FromHex(0x3C7DC8), Rgba::FromHex(0xF0C440),
                            Rgba::FromHex(0x5BAA5E), Rgba::FromHex(0x9A62B8), Rgba::FromHex(0xF08C3A),
                            Rgba::FromHex(0xEFE6D2)};
const Rgba TOY_COLORS[] = {Rgba::FromHex(0xE84A4A), Rgba::FromHex(0x3F8FE0), Rgba::FromHex(0xF5D040),
                           Rgba::FromHex(0x53B86A), Rgba::FromHex(0xF08CC0)};

constexpr std::uint32_t BOOKS_SEED = 1701;
constexpr std::uint32_t TOYS_SEED = 4242;
constexpr double RAIL = 8.0;
constexpr double SLAT_PITCH = 11.0;

template <typename Item, std::size_t COUNT>
const Item& Pick(const Item (&items)[COUNT], Lcg& random) {
    return items[random.Below(static_cast<int>(COUNT))];
}

}  // namespace

void FurnitureArt::PaintCrib(Painter& painter, const Shape& footprint) const {
    const Placement place(footprint);
    const Point half = footprint.GetHalfSize();
    painter.Fill(footprint, Materials::Lit(PAINTED_WOOD, footprint.GetCenter(), half.x, 0.08));
    painter.Outline(footprint, 1.5, PAINTED_WOOD_EDGE);
    const Shape mattress = place.Box({0.0, 0.0}, half.x - RAIL, half.y - RAIL, 4.0);
    painter.Fill(mattress, _materials.Fabric(MATTRESS));
    painter.Shadow(mattress.Grown(-1.0), 3.0, 0.12);
    const Shape pillow = place.Box({-half.x * 0.1, half.y - RAIL - 17.0}, 34.0, 12.0, 8.0);
    painter.Shadow(pillow.Moved({1.5, -2.0}), 3.0, 0.18);
    painter.Fill(pillow, Materials::Lit(PILLOW, pillow.GetCenter(), 34.0, 0.05));
    painter.Outline(pillow, 1.0, PAINTED_WOOD_EDGE);
    _PaintBlanket(painter, place, half);
    _PaintTeddy(painter, place, {half.x * 0.5, half.y * 0.35});
    _PaintCribRails(painter, place, half);
}

// Seen from above, the slats of the sides show as a row of knobs along each rail.
void FurnitureArt::_PaintCribRails(Painter& painter, const Placement& place, Point half) const {
    const double railY = half.y - RAIL * 0.5;
    for (double x = -half.x + RAIL + SLAT_PITCH * 0.5; x < half.x - RAIL; x += SLAT_PITCH) {
        for (const double y : {railY, -railY}) painter.Fill(place.Box({x, y}, 2.0, 2.6, 1.0), PAINTED_WOOD_EDGE);
    }
    for (const double sx : {-1.0, 1.0}) {
        for (const double sy : {-1.0, 1.0}) {
            const Shape post = place.Circle({sx * (half.x - RAIL * 0.5), sy * railY}, RAIL * 0.75);
            painter.Fill(post, Materials::Lit(PAINTED_WOOD, post.GetCenter(), RAIL, 0.25));
            painter.Outline(post, 1.0, PAINTED_WOOD_EDGE);
        }
    }
}

void FurnitureArt::_PaintBlanket(Painter& painter, const Placement& place, Point half) const {
    const double top = half.y * 0.15;
    const double bottom = -half.y + RAIL + 1.0;
    const Shape blanket = place.Box({0.0, (top + bottom) * 0.5}, half.x - RAIL - 1.0, (top - bottom) * 0.5, 3.0);
    painter.Shadow(blanket.Moved({0.0, -1.5}), 2.0, 0.15);
    painter.Fill(blanket, _materials.Fabric(BLANKET));
    for (double y = bottom + 7.0; y < top - 8.0; y += 11.0) {
        for (double x = -half.x + RAIL + 8.0; x < half.x - RAIL - 4.0; x += 14.0) {
            const double shift = std::fmod(std::fabs(y - bottom), 22.0) < 11.0 ? 0.0 : 7.0;
            painter.Fill(place.Circle({x + shift, y}, 2.2), BLANKET_DOT);
        }
    }
    const Shape fold = place.Box({0.0, top - 4.0}, half.x - RAIL - 1.0, 4.0, 2.0);
    painter.Fill(fold, BLANKET.Shaded(1.25));
    painter.Outline(blanket, 1.0, BLANKET.Shaded(0.8));
}

void FurnitureArt::_PaintTeddy(Painter& painter, const Placement& place, Point at) const {
    painter.Shadow(place.Circle({at.x + 2.0, at.y - 10.0}, 11.0), 3.0, 0.2);
    painter.Fill(place.Ellipse({at.x, at.y - 9.0}, 9.0, 11.0), TEDDY);
    for (const double side : {-1.0, 1.0}) {
        painter.Fill(place.Circle({at.x + side * 9.0, at.y - 3.0}, 3.5), TEDDY.Shaded(0.9));
        painter.Fill(place.Circle({at.x + side * 6.0, at.y + 9.0}, 3.6), TEDDY.Shaded(0.85));
        painter.Fill(place.Circle({at.x + side * 6.0, at.y + 9.0}, 1.8), TEDDY_MUZZLE);
        painter.Fill(place.Circle({at.x + side * 7.0, at.y - 19.0}, 3.8), TEDDY.Shaded(0.9));
    }
    const Shape head = place.Circle({at.x, at.y + 4.0}, 7.5);
    painter.Fill(head, Materials::Lit(TEDDY, head.GetCenter(), 7.5, 0.25));
    painter.Fill(place.Ellipse({at.x, at.y + 1.5}, 3.4, 2.6), TEDDY_MUZZLE);
    painter.Fill(place.Circle({at.x, at.y + 2.2}, 1.1), DARK_EYE);
    for (const double side : {-1.0, 1.0}) painter.Fill(place.Circle({at.x + side * 2.8, at.y + 5.5}, 1.0), DARK_EYE);
}

void FurnitureArt::PaintDresser(Painter& painter, const Shape& footprint) const {
    const Placement place(footprint);
    const Point half = footprint.GetHalfSize();
    painter.Fill(footprint, _materials.Wood(HONEY_WOOD, place));
    painter.Outline(footprint, 2.0, HONEY_WOOD.Shaded(0.75));
    painter.Outline(footprint.Grown(-2.0), 1.0, HONEY_WOOD.Shaded(1.2));
    _PaintChangingPad(painter, place, half);
    _PaintLamp(painter, place, {half.x - 24.0, 6.0});
    const Shape towels = place.Box({half.x - 58.0, -4.0}, 13.0, 17.0, 3.0, 8.0);
    painter.Shadow(towels.Moved({1.5, -2.0}), 2.5, 0.25);
    painter.Fill(towels, _materials.Fabric(Rgba::FromHex(0xA9DCC8)));
    painter.Fill(place.Box({half.x - 58.0, 2.0}, 13.0, 2.0, 1.0, 8.0), Rgba::FromHex(0x8CC8B2));
    painter.Fill(place.Box({half.x - 58.0, -8.0}, 13.0, 2.0, 1.0, 8.0), Rgba::FromHex(0x8CC8B2));
}

void FurnitureArt::_PaintChangingPad(Painter& painter, const Placement& place, Point half) const {
    const Shape pad = place.Box({-half.x * 0.35, 0.0}, half.x * 0.55, half.y - 6.0, 10.0);
    painter.Shadow(pad.Moved({1.5, -2.0}), 3.0, 0.25);
    painter.Fill(pad, Materials::Lit(PAD, pad.GetCenter(), half.x * 0.55, 0.12));
    painter.Outline(pad, 4.0, PAD.Shaded(1.3));
    painter.Outline(pad, 1.0, PAD.Shaded(0.75));
    for (double x = -half.x * 0.75; x < half.x * 0.1; x += 12.0) {
        painter.Fill(place.Box({x, 0.0}, 0.6, half.y - 12.0), PAD.Shaded(0.88));
    }
}

void FurnitureArt::_PaintLamp(Painter& painter, const Placement& place, Point at) const {
    const Shape shade = place.Circle(at, 14.0);
    painter.Shadow(shade.Moved({2.0, -3.0}), 3.0, 0.3);
    painter.Fill(shade, Materials::Lit(LAMP_SHADE, shade.GetCenter(), 14.0, 0.15));
    painter.Outline(shade, 1.5, LAMP_SHADE.Shaded(0.8));
    painter.Fill(place.Circle(at, 5.0), LAMP_SHADE.Shaded(0.88));
    painter.Fill(place.Circle(at, 2.5), Rgba::FromHex(0xFFFFFF));
}

void FurnitureArt::PaintBookcase(Painter& painter, const Shape& footprint) const {
    const Placement place(footprint);
    const Point half = footprint.GetHalfSize();
    painter.Fill(footprint, _materials.Wood(WALNUT, Placement(footprint.GetCenter(), 90.0)));
    painter.Outline(footprint, 1.5, WALNUT.Shaded(0.6));
    const Shape inside = place.Box({0.0, 0.0}, half.x - 5.0, half.y - 5.0, 1.0);
    painter.Fill(inside, SHELF_INSIDE);
    _PaintBooks(painter, place, half);
    painter.Shadow(inside.Grown(-1.0), 2.0, 0.35);
}

// Books standing side by side, their tops seen from above, one leaning over now and then.
void FurnitureArt::_PaintBooks(Painter& painter, const Placement& place, Point half) const {
    Lcg random(BOOKS_SEED);
    double y = -half.y + 6.0;
    while (true) {
        const double thickness = random.Between(3.0, 6.5);
        if (y + thickness > half.y - 6.0) break;
        const double depth = random.Between(half.x - 12.0, half.x - 6.0);
        const double lean = random.Below(9) == 0 ? random.Between(-14.0, 14.0) : 0.0;
        const Rgba& color = Pick(BOOK_COLORS, random);
        const Shape book = place.Box({-half.x + 5.0 + depth, y + thickness * 0.5}, depth, thickness * 0.5 - 0.3,
                                     0.8, lean);
        painter.Fill(book, Materials::Lit(color, book.GetCenter(), depth, 0.2));
        painter.Fill(place.Box({-half.x + 5.0 + depth, y + thickness * 0.5}, depth - 1.5, 0.5, 0.0, lean),
                     color.Shaded(1.25));
        y += thickness + random.Between(0.2, 1.2) + (random.Below(11) == 0 ? 6.0 : 0.0);
    }
}

void FurnitureArt::PaintToyChest(Painter& painter, const Shape& footprint) const {
    const Placement place(footprint);
    const Point half = footprint.GetHalfSize();
    painter.Fill(footprint, _materials.Wood(CHEST_PAINT, place));
    painter.Outline(footprint, 1.5, CHEST_PAINT.Shaded(0.6));
    painter.Outline(footprint.Grown(-3.0), 2.0, CHEST_TRIM);
    const Shape inside = place.Box({0.0, 0.0}, half.x - 9.0, half.y - 9.0, 2.0);
    painter.Fill(inside, CHEST_INSIDE);
    painter.Shadow(inside.Moved({0.0, -2.0}).Grown(-2.0), 4.0, 0.5);
    _PaintToys(painter, place, half);
}

// A jumble of balls and blocks filling the open chest.
void FurnitureArt::_PaintToys(Painter& painter, const Placement& place, Point half) const {
    Lcg random(TOYS_SEED);
    for (int toy = 0; toy < 14; ++toy) {
        const Point at{random.Between(-half.x + 16.0, half.x - 16.0), random.Between(-half.y + 16.0, half.y - 16.0)};
        const Rgba& color = Pick(TOY_COLORS, random);
        if (toy % 3 == 0) {
            _PaintBall(painter, place.Circle(at, random.Between(6.0, 8.5)), color);
            continue;
        }
        const Shape block = place.Box(at, 6.0, 6.0, 1.2, random.Between(0.0, 90.0));
        painter.Shadow(block.Moved({1.0, -1.5}), 2.0, 0.35);
        painter.Fill(block, Materials::Lit(color, block.GetCenter(), 6.0, 0.2));
        painter.Outline(block, 1.2, color.Shaded(0.7));
        painter.Fill(place.Circle(at, 2.0), color.Shaded(1.35));
    }
}

void FurnitureArt::_PaintBall(Painter& painter, const Shape& ball, const Rgba& color) const {
    const double radius = ball.GetHalfSize().x;
    painter.Shadow(ball.Moved({1.5, -2.0}), 2.0, 0.35);
    painter.Fill(ball, Materials::Lit(color, ball.GetCenter(), radius, 0.35));
    painter.Fill(Shape::Ellipse(ball.GetCenter() + Point{-radius * 0.35, radius * 0.35}, radius * 0.3, radius * 0.2,
                                45.0),
                 HIGHLIGHT);
}

void FurnitureArt::PaintArmchair(Painter& painter, const Shape& footprint) const {
    const Placement place(footprint);
    const Point half = footprint.GetHalfSize();
    painter.Fill(footprint, _materials.Fabric(UPHOLSTERY.Shaded(0.85)));
    painter.Outline(footprint, 1.5, UPHOLSTERY.Shaded(0.55));
    const Shape back = place.Box({0.0, half.y - 11.0}, half.x - 4.0, 9.0, 8.0);
    painter.Fill(back, _materials.Fabric(UPHOLSTERY.Shaded(0.95)));
    for (const double side : {-1.0, 1.0}) {
        const Shape arm = place.Box({side * (half.x - 10.0), -6.0}, 8.0, half.y - 12.0, 7.0);
        painter.Shadow(arm.Moved({side * -1.5, -2.0}), 2.5, 0.25);
        painter.Fill(arm, Materials::Lit(UPHOLSTERY, arm.GetCenter(), half.y, 0.12));
    }
    const Shape seat = place.Box({0.0, -8.0}, half.x - 20.0, half.y - 22.0, 10.0);
    painter.Shadow(seat.Moved({0.0, -1.0}), 3.0, 0.25);
    painter.Fill(seat, _materials.Fabric(UPHOLSTERY.Shaded(1.1)));
    for (const double x : {-10.0, 10.0}) {
        for (const double y : {-18.0, 2.0}) painter.Fill(place.Circle({x, y}, 1.8), BUTTON);
    }
    const Shape throwBlanket = place.Box({half.x - 12.0, -4.0}, 11.0, 22.0, 4.0, -8.0);
    painter.Shadow(throwBlanket.Moved({1.0, -1.5}), 2.0, 0.3);
    painter.Fill(throwBlanket, _materials.Fabric(KNIT));
    for (double y = -22.0; y <= 14.0; y += 6.0) {
        painter.Fill(place.Box({half.x - 12.0, y}, 10.0, 0.7, 0.0, -8.0), KNIT.Shaded(0.85));
    }
}
