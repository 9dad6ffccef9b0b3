// The game's scene drawn by the real renderer: layers, places and sizes of the level, the
// mines, the babies with their hearts and the turrets, read back pixel by pixel.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <thread>
#include <vector>

#include "../unit/GameFiles.h"
#include "../unit/TestSupport.h"
#include "Engine/TheApplication.h"
#include "Game/Baby.h"
#include "Game/Game.h"
#include "Game/Level.h"
#include "Game/Mine.h"
#include "Game/SpriteStrip.h"
#include "Game/Turret.h"
#include "RenderFixture.h"

namespace {

const Pixel LEVEL{64, 64, 64};
const Pixel CRAWLING{0, 255, 0};
const Pixel DEAD{0, 0, 255};
const Pixel HEART{255, 0, 0};
const Pixel MINE{0, 255, 255};
const Pixel MINE_MARK{255, 0, 255};  // one corner of the mine's picture, beyond its inscribed circle
const Pixel TURRET{255, 255, 255};
const Pixel RING{255, 255, 0};
const Pixel NOTHING{0, 0, 0};

// A 32-bit picture of one colour per frame, each frame size x size.
void WritePicture(const std::string& path, int size, const std::vector<Pixel>& frames) {
    std::vector<std::uint8_t> pixels;
    for (int row = 0; row < size; ++row) {
        for (const Pixel& frame : frames) {
            for (int column = 0; column < size; ++column) {
                pixels.insert(pixels.end(), {static_cast<std::uint8_t>(frame.blue), static_cast<std::uint8_t>(frame.green),
                                             static_cast<std::uint8_t>(frame.red), 255});
            }
        }
    }
    WriteTga(path, size * static_cast<int>(frames.size()), size, 32, pixels);
}

// The mine's picture, with its mark where it never turns over what the other tests read.
void WriteMinePicture() {
    constexpr int SIZE = 16;
    std::vector<std::uint8_t> pixels;
    for (int row = 0; row < SIZE; ++row) {
        for (int column = 0; column < SIZE; ++column) {
            const float dx = column - 7.5f;
            const float dy = row - 7.5f;
            const Pixel& pixel = dx > 0 && dy > 0 && dx * dx + dy * dy > 64 ? MINE_MARK : MINE;
            pixels.insert(pixels.end(), {static_cast<std::uint8_t>(pixel.blue), static_cast<std::uint8_t>(pixel.green),
                                         static_cast<std::uint8_t>(pixel.red), 255});
        }
    }
    WriteTga("Misc/landmine01.tga", SIZE, SIZE, 32, pixels);
}

// Where a picture's mark shows around centre (pixels counted from the bottom left): its
// direction in degrees counter-clockwise from +x, 0 to 360.
double MarkDegrees(int centreX, int centreY) {
    const std::vector<std::uint8_t> pixels = ReadRect(centreX - 16, centreY - 16, 32, 32);
    double sumX = 0;
    double sumY = 0;
    for (int i = 0; i < 32 * 32; ++i) {
        const std::uint8_t* rgb = &pixels[static_cast<std::size_t>(i) * 3];
        if (rgb[0] < 128 || rgb[1] > 128 || rgb[2] < 128) continue;  // not magenta
        sumX += i % 32 - 16 + 0.5;
        sumY += i / 32 - 16 + 0.5;
    }
    const double degrees = std::atan2(sumY, sumX) * 180.0 / 3.14159265358979;
    return degrees < 0 ? degrees + 360 : degrees;
}

// How far apart two directions are, 0 to 180 degrees.
double DegreesApart(double a, double b) {
    const double apart = std::fmod(std::fabs(a - b), 360.0);
    return apart > 180 ? 360 - apart : apart;
}

// Baby 1 on a mine's edge, baby 2 under a turret, baby 3 killed by two mines, a mine on
// the level picture, one that baby 4 triggers and two on their own; loaded once for the
// whole suite.
class GameDrawingTest : public RenderTest {
protected:
    static void SetUpTestSuite() {
        EnterScratchFolder();
        WritePicture("Baby/Baby_crawl.tga", 16, {CRAWLING});
        WritePicture("Baby/Baby_dead.tga", 16, {DEAD});
        WritePicture("Baby/RedBabyHeartIcon.tga", 16, {HEART});
        WriteMinePicture();
        WritePicture("Turret/turret_base.tga", 16, {TURRET});
        WriteLevel("Scene", [](int, int) { return 0u; });
        WritePicture("levels/Scene_image.tga", 64, {LEVEL});
        theLevel.Load("Scene");
        new Mine(Vec2(206, 300));
        new Baby(Vec2(200, 300), 90.0f);
        new Baby(Vec2(300, 300), 90.0f);
        new Turret(Vec2(300, 300));
        Baby* dying = new Baby(Vec2(400, 300), 90.0f);
        new Mine(Vec2(420, 300));
        new Mine(Vec2(380, 300));
        dying->CheckMines();
        dying->CheckMines();
        new Mine(Vec2(512, 256));
        Baby* stepping = new Baby(Vec2(600, 300), 90.0f);
        new Mine(Vec2(600, 320));
        stepping->CheckMines();
        new Mine(Vec2(800, 600));
        new Mine(Vec2(900, 600));
    }
    void SetUp() override {
        RenderTest::SetUp();
        Game().DrawScene();
    }
};

}  // namespace

TEST_F(GameDrawingTest, LayersLevelThenMinesThenBabiesThenTurrets) {
    EXPECT_EQ(ReadPixel(512, 256), MINE);      // a mine over the level picture
    EXPECT_EQ(ReadPixel(200, 300), CRAWLING);  // a baby over a mine
    EXPECT_EQ(ReadPixel(212, 300), MINE);      // the mine beyond the baby's half size
    EXPECT_EQ(ReadPixel(300, 300), TURRET);    // a turret over a baby
}

TEST_F(GameDrawingTest, TheLevelPictureIsCentredAt512By256) {
    EXPECT_EQ(ReadPixel(481, 226), LEVEL);
    EXPECT_EQ(ReadPixel(542, 286), LEVEL);
    EXPECT_EQ(ReadPixel(479, 256), NOTHING);
    EXPECT_EQ(ReadPixel(544, 256), NOTHING);
    EXPECT_EQ(ReadPixel(512, 223), NOTHING);
    EXPECT_EQ(ReadPixel(512, 288), NOTHING);
}

// Baby n's hearts in row 768 - 32n, 64 apart from x = 32, at half size; none once dead.
TEST_F(GameDrawingTest, HeartsRunAlongEachBabysRowAtHalfSize) {
    EXPECT_EQ(BoundsOf(HEART, 0, 0, 200, 47).left, 28);
    EXPECT_EQ(BoundsOf(HEART, 0, 0, 200, 47).right, 99);
    EXPECT_EQ(BoundsOf(HEART, 0, 0, 63, 47).right, 35);
    EXPECT_EQ(BoundsOf(HEART, 0, 0, 200, 47).top, 28);
    EXPECT_EQ(BoundsOf(HEART, 0, 0, 200, 47).bottom, 35);
    EXPECT_EQ(BoundsOf(HEART, 0, 48, 200, 79).top, 60);        // baby 2
    EXPECT_EQ(BoundsOf(HEART, 0, 80, 200, 111).left, -1);      // baby 3 is dead
    EXPECT_EQ(BoundsOf(HEART, 0, 112, 200, 143).right, 35);    // baby 4 has one heart left
}

TEST_F(GameDrawingTest, ADeadBabyShowsItsPictureAndATriggeredMineIsGone) {
    EXPECT_EQ(ReadPixel(400, 300), DEAD);
    EXPECT_EQ(ReadPixel(420, 300), NOTHING);
    EXPECT_EQ(ReadPixel(600, 300), CRAWLING);
    EXPECT_EQ(ReadPixel(600, 320), NOTHING);
    EXPECT_EQ(Mine::GetMines().size(), 4u);
}

// A yellow ring of radius 10 about the turret, then its base of half size over it.
TEST_F(GameDrawingTest, ATurretIsARingAndItsBase) {
    const Bounds ring = BoundsOf(RING, 280, 768 - 320, 320, 768 - 280);
    EXPECT_NEAR(ring.left, 290, 1);
    EXPECT_NEAR(ring.right, 310, 1);
    EXPECT_EQ(BoundsOf(TURRET, 280, 768 - 320, 320, 768 - 280).left, 296);
    EXPECT_EQ(BoundsOf(TURRET, 280, 768 - 320, 320, 768 - 280).right, 303);
}

TEST_F(GameDrawingTest, AStripFrameIsItsColumnsOfTheTexture) {
    WritePicture("strip.tga", 16, {HEART, CRAWLING, DEAD, TURRET});
    SpriteStrip strip("strip.tga", 10.0f);
    strip.Draw(Vec2(800, 100), Vec2::ONE, 0.0f, 2);
    EXPECT_EQ(BoundsOf(DEAD, 700, 768 - 200, 900, 768 - 1).left, 792);
    EXPECT_EQ(BoundsOf(DEAD, 700, 768 - 200, 900, 768 - 1).right, 807);
    EXPECT_EQ(BoundsOf(CRAWLING, 700, 768 - 200, 900, 768 - 1).left, -1);
    EXPECT_EQ(BoundsOf(TURRET, 700, 768 - 200, 900, 768 - 1).left, -1);
}

// Every mine turns counter-clockwise at 300 degrees a second of the application's time, all
// at one angle: measured against the picture drawn unturned, at two times half a second apart.
TEST_F(GameDrawingTest, EveryMineTurnsCounterClockwiseAt300DegreesASecond) {
    FillScreen(Color::BLACK);
    SpriteStrip("Misc/landmine01.tga", 5.0f).Draw(Vec2(100, 600), Vec2::ONE, 0.0f, SpriteStrip::KEEP_FRAME);
    const double unturned = MarkDegrees(100, 600);
    for (int time = 0; time < 2; ++time) {
        if (time > 0) std::this_thread::sleep_for(std::chrono::milliseconds(500));
        theApplication.UpdateFrameTime();
        const double seconds = theApplication.GetTimeSeconds();
        FillScreen(Color::BLACK);
        Mine::DrawAll();
        EXPECT_LT(DegreesApart(MarkDegrees(800, 600), unturned + 300.0 * seconds), 8) << seconds;
        EXPECT_LT(DegreesApart(MarkDegrees(900, 600), MarkDegrees(800, 600)), 2) << seconds;
    }
}
