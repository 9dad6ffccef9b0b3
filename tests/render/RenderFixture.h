#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "Engine/Color.h"

struct Pixel {
    int red;
    int green;
    int blue;
    bool operator==(const Pixel& other) const {
        return red == other.red && green == other.green && blue == other.blue;
    }
};

void PrintTo(const Pixel& pixel, std::ostream* stream);

// Each render test starts on a cleared black frame with a pixel projection, origin bottom
// left, y up, and ordinary alpha blending, in the real window of the real video system;
// pixels are read back from the back buffer.
class RenderTest : public ::testing::Test {
public:
    static int startupBlendSource;  // as the renderer's start-up left them
    static int startupBlendDestination;
    static std::string startupState;  // the fixed state, as FixedState() describes it

protected:
    void SetUp() override;
};

void FillScreen(const Color& color);

// The fixed GL state the renderer sets at start-up, in words, for comparing.
std::string FixedState();

// The pixels of a rectangle, three bytes each, rows from the bottom up, from the read
// buffer (the back buffer unless a test chooses another).
std::vector<std::uint8_t> ReadRect(int x, int y, int width, int height);

// The pixel whose lower-left corner is (x, y), counted from the window's bottom left.
Pixel ReadPixel(int x, int y);

// The bounds of the pixels of one colour in a region, in rows counted from the top and
// columns from the left; all -1 when there are none.
struct Bounds {
    int left;
    int top;
    int right;
    int bottom;
};
Bounds BoundsOf(const Pixel& colour, int left, int top, int right, int bottom);

// The first and last pixel of row y (column x) that are not black; -1 for none.
void LitSpanInRow(int y, int* first, int* last);
void LitSpanInColumn(int x, int* first, int* last);
