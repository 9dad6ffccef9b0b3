#pragma once
#include <gtest/gtest.h>

#include <cstdint>

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
// left, y up, in the real window of the real video system; pixels are read back from the
// back buffer.
class RenderTest : public ::testing::Test {
protected:
    void SetUp() override;

    // The pixel whose lower-left corner is (x, y), counted from the window's bottom left.
    static Pixel ReadPixel(int x, int y);
    // The half-open column span [first, last + 1) of pixels in row y that are not black.
    static void LitSpanInRow(int y, int* first, int* last);
    static void LitSpanInColumn(int x, int* first, int* last);
};
