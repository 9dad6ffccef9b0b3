// The game's scene drawn by the real renderer: layers, places and sizes of the level, the
// mines, the babies with their hearts and the turrets, read back pixel by pixel.
#include <gtest/gtest.h>

#include <vector>

#include "../unit/GameFiles.h"
#include "../unit/TestSupport.h"
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

// Baby 1 on a mine's edge, baby 2 under a turret, baby 3 killed by two mines, a mine on
// the level picture and one that baby 4 triggers; loaded once for the whole suite.
class GameDrawingTest : public RenderTest {
protected:
    static void SetUpTestSuite() {
        EnterScratchFolder();
        WritePicture("Baby/Baby_crawl.tga", 16, {CRAWLING});
        WritePicture("Baby/Baby_dead.tga", 16, {DEAD});
        WritePicture("Baby/RedBabyHeartIcon.tga", 16, {HEART});
        WritePicture("Misc/landmine01.tga", 16, {MINE});
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
    EXPECT_EQ(Mine::GetMines().size(), 2u);
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
