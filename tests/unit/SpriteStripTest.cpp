// Frame counts, the end marker and the advance rule of sprite strips, on the application's
// scripted clock.
#include <gtest/gtest.h>

#include "Engine/Platform/Script/ScriptedPlatform.h"
#include "Engine/TheApplication.h"
#include "Engine/Timer.h"
#include "Game/SpriteStrip.h"
#include "TestSupport.h"

namespace {

// A 32-bit strip, opaque grey, with pure magenta in the given columns of its first row.
void WriteStrip(const std::string& path, int width, int height, std::vector<int> markerColumns = {}) {
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(width) * height * 4, 0x80);
    for (int column : markerColumns) {
        std::uint8_t* bgra = &pixels[static_cast<std::size_t>(column) * 4];
        bgra[0] = 255;
        bgra[1] = 0;
        bgra[2] = 255;
    }
    WriteTga(path, width, height, 32, pixels);
}

// The application's frame time, in seconds from the timer's zero point.
void SetTime(double seconds) {
    Script().counter = static_cast<std::int64_t>(seconds * 1000000);
    theApplication.UpdateFrameTime();
}

class SpriteStripTest : public ::testing::Test {
protected:
    void SetUp() override {
        EnterScratchFolder();
        Script().frequency = 1000000;
        Script().counter = 0;
        Timer::Initialize();
        SetTime(0.0);
    }
};

}  // namespace

TEST_F(SpriteStripTest, CountsSquareFramesUpToTheEndMarker) {
    WriteStrip("four.tga", 256, 64);
    EXPECT_EQ(SpriteStrip("four.tga", 10).GetFrameCount(), 4);
    WriteStrip("two.tga", 256, 64, {130});
    EXPECT_EQ(SpriteStrip("two.tga", 10).GetFrameCount(), 2);
    WriteStrip("none.tga", 256, 64, {5});
    EXPECT_EQ(SpriteStrip("none.tga", 10).GetFrameCount(), 0);
    WriteStrip("one.tga", 64, 64, {5});
    EXPECT_EQ(SpriteStrip("one.tga", 10).GetFrameCount(), 1);
    WriteStrip("tall.tga", 32, 64);
    EXPECT_EQ(SpriteStrip("tall.tga", 10).GetFrameCount(), 0);

    WriteTga("flat.tga", 8, 4, 24, std::vector<std::uint8_t>(96, 0));
    EXPECT_EXIT(SpriteStrip("flat.tga", 10), ::testing::ExitedWithCode(1),
                ContainsText("SpriteStrip : flat.tga has 2 frames but 24 bits per pixel; a strip of several frames "
                             "must be 32-bit\n"));
}

TEST_F(SpriteStripTest, AdvancesAtMostOneFramePerDrawAndLoops) {
    WriteStrip("four.tga", 256, 64);
    SpriteStrip strip("four.tga", 10);
    const int expected[] = {0, 1, 2, 3, 0};
    for (int frame = 0; frame < 5; ++frame) {
        EXPECT_EQ(strip.GetCurrentFrame(), expected[frame]);
        SetTime(0.1001 * (frame + 1));
        strip.Draw(Vec2::ZERO, Vec2::ONE, 0.0f, SpriteStrip::KEEP_FRAME);
        strip.Draw(Vec2::ZERO, Vec2::ONE, 0.0f, SpriteStrip::KEEP_FRAME);  // no time has passed
    }
    SetTime(10.0);  // a long pause moves on by one frame only
    strip.Draw(Vec2::ZERO, Vec2::ONE, 0.0f, SpriteStrip::KEEP_FRAME);
    EXPECT_EQ(strip.GetCurrentFrame(), 2);
    SetTime(10.09);
    strip.Draw(Vec2::ZERO, Vec2::ONE, 0.0f, 0);  // shows frame 0; too early to advance
    EXPECT_EQ(strip.GetCurrentFrame(), 0);
}
