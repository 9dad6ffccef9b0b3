// The named colours, and a colour handed to OpenGL as four floats: red, green, blue, alpha.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "Engine/Color.h"

namespace {

std::vector<float> AsFour(const Color& color) { return std::vector<float>(color.AsArray(), color.AsArray() + 4); }

}  // namespace

TEST(Color, NamedColoursAreOpaqueWithTheirChannels) {
    const std::pair<const Color*, std::vector<float>> colours[] = {
        {&Color::WHITE, {1, 1, 1, 1}},          {&Color::BLACK, {0, 0, 0, 1}},
        {&Color::RED, {1, 0, 0, 1}},            {&Color::GREEN, {0, 1, 0, 1}},
        {&Color::BLUE, {0, 0, 1, 1}},           {&Color::YELLOW, {1, 1, 0, 1}},
        {&Color::MAGENTA, {1, 0, 1, 1}},        {&Color::CYAN, {0, 1, 1, 1}},
        {&Color::ORANGE, {1, 0.5f, 0, 1}},      {&Color::GREY, {0.5f, 0.5f, 0.5f, 1}},
        {&Color::DARK_RED, {0.5f, 0, 0, 1}},    {&Color::DARK_GREEN, {0, 0.5f, 0, 1}},
        {&Color::DARK_BLUE, {0, 0, 0.5f, 1}},   {&Color::DARK_YELLOW, {0.5f, 0.5f, 0, 1}},
        {&Color::DARK_MAGENTA, {0.5f, 0, 0.5f, 1}}, {&Color::DARK_CYAN, {0, 0.5f, 0.5f, 1}},
        {&Color::BROWN, {0.5f, 0.25f, 0, 1}},   {&Color::DARK_GREY, {0.25f, 0.25f, 0.25f, 1}}};
    for (const auto& colour : colours) EXPECT_EQ(AsFour(*colour.first), colour.second);
}

TEST(Color, IsFourContiguousFloatsInTheOrderRedGreenBlueAlpha) {
    static_assert(sizeof(Color) == 4 * sizeof(float), "nothing between the channels");
    const Color color(0.1f, 0.2f, 0.3f, 0.4f);
    float floats[4];
    std::memcpy(floats, &color, sizeof(floats));
    EXPECT_EQ(std::vector<float>(floats, floats + 4), (std::vector<float>{0.1f, 0.2f, 0.3f, 0.4f}));
    EXPECT_EQ(color.AsArray(), reinterpret_cast<const float*>(&color));
}
