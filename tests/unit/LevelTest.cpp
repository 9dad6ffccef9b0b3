// The level's scan of its data image and the walkability questions babies ask.
#include <gtest/gtest.h>

#include "Engine/Platform/Script/ScriptedPlatform.h"
#include "Game/Baby.h"
#include "Game/Level.h"
#include "Game/Mine.h"
#include "Game/Turret.h"
#include "GameFiles.h"
#include "TestSupport.h"

namespace {

class LevelTest : public ::testing::Test {
protected:
    void SetUp() override {
        EnterScratchFolder();
        WriteSprites();
        Script().Reset();
    }
};

// Paints the given cells, black everywhere else.
std::function<std::uint32_t(int, int)> Cells(std::vector<std::tuple<int, int, std::uint32_t>> cells) {
    return [cells](int x, int y) {
        for (const auto& [cellX, cellY, color] : cells) {
            if (cellX == x && cellY == y) return color;
        }
        return 0u;
    };
}

void ExpectPosition(const Vec2& position, float x, float y) {
    EXPECT_EQ(position.x, x);
    EXPECT_EQ(position.y, y);
}

}  // namespace

TEST_F(LevelTest, TheScanSpawnsInRowOrderAndStoresExactColourMatchesOnly) {
    WriteLevel("Scan", Cells({{10, 5, 0x00FF00}, {3, 6, 0x00FF00}, {40, 6, 0xFF0000}, {41, 6, 0xFF0000},
                              {40, 7, 0xFF0000}, {41, 7, 0xFF0000}, {50, 8, 0xFFFF00}, {51, 8, 0xFFFFFF},
                              {52, 8, 0xFF00FF}, {53, 8, 0x00FFFF}, {54, 8, 0x969600}, {55, 8, 0xFE0000},
                              {56, 8, 0x969601}}));
    InFreshProcess([&] {
        theLevel.Load("Scan");
        EXPECT_EQ(Script().debugOutput,
                  "Spawned baby at (10,5)\nSpawned baby at (3,6)\nSpawned mine at (40,6)\nSpawned mine at (41,6)\n"
                  "Spawned mine at (40,7)\nSpawned mine at (41,7)\n");
        ASSERT_EQ(Baby::GetBabies().size(), 2u);
        EXPECT_EQ(Baby::GetBabies()[1]->GetId(), 2u);
        ExpectPosition(Baby::GetBabies()[1]->GetPosition(), 3.0f, 6.0f);
        ExpectPosition(Mine::GetMines()[3]->GetPosition(), 41.0f, 7.0f);
        EXPECT_EQ(Turret::GetTurrets().size(), 1u);
        const int expected[] = {Level::CELL_BLOCKED, Level::CELL_BLOCKED, Level::CELL_BLOCKED, Level::CELL_SPIN,
                                Level::CELL_MARKED,  Level::CELL_OPEN,    Level::CELL_OPEN};
        for (int x = 50; x <= 56; ++x) EXPECT_EQ(theLevel.GetCell(x, 8), expected[x - 50]) << x;
        EXPECT_EQ(theLevel.GetCell(10, 5), Level::CELL_OPEN);
        EXPECT_EQ(theLevel.GetCellAt(Vec2(53.9f, 8.99f)), Level::CELL_SPIN);
    });
}

TEST_F(LevelTest, OnlyTheLevelsRowsAndColumnsOfTheDataImageAreRead) {
    // A data image wider than the level, with babies painted where the scan must not look.
    std::vector<std::uint8_t> data(1030u * 1024u * 3u, 0);
    for (const int row : {0, 255}) data[(static_cast<std::size_t>(row) * 1030 + 7) * 3 + 1] = 0xFF;
    for (const int column : {1024, 1029}) data[(300u * 1030u + static_cast<std::size_t>(column)) * 3 + 1] = 0xFF;
    data[(1023u * 1030u + 1023u) * 3 + 1] = 0xFF;  // the last cell of the level
    WriteLevel("Wide", [](int, int) { return 0u; });
    WriteTga("levels/Wide_data.tga", 1030, 1024, 24, data);
    InFreshProcess([&] {
        theLevel.Load("Wide");
        EXPECT_EQ(Script().debugOutput, "Spawned baby at (1023,767)\n");
    });
}

TEST_F(LevelTest, AreaAndPathTestsKeepClearOfBlockedCellsAndTheBorder) {
    WriteLevel("Open", Cells({{150, 100, 0xFFFFFF}}));
    InFreshProcess([&] {
        theLevel.Load("Open");
        EXPECT_FALSE(theLevel.IsAreaClear(20, 100, 20.0f));  // column 0 counts as outside
        EXPECT_TRUE(theLevel.IsAreaClear(21, 100, 20.0f));
        EXPECT_TRUE(theLevel.IsAreaClear(-5, -5, 0.5f));  // no cell examined
        // The square reaches 20 cells to the left but only 19 to the right.
        EXPECT_FALSE(theLevel.IsAreaClear(170, 100, 20.0f));
        EXPECT_TRUE(theLevel.IsAreaClear(171, 100, 20.0f));
        EXPECT_TRUE(theLevel.IsAreaClear(130, 100, 20.0f));
        EXPECT_FALSE(theLevel.IsAreaClear(131, 100, 20.0f));
        EXPECT_TRUE(theLevel.IsPathClear(Vec2(300, 300), Vec2(300, 300), 20.0f));
        EXPECT_FALSE(theLevel.IsPathClear(Vec2(100, 100), Vec2(300, 100), 20.0f));
        EXPECT_TRUE(theLevel.IsPathClear(Vec2(100, 300), Vec2(300, 300), 20.0f));
        EXPECT_EQ(theLevel.GetCell(-1, 0), Level::CELL_BLOCKED);
        EXPECT_EQ(theLevel.GetCell(0, 768), Level::CELL_BLOCKED);
        EXPECT_EQ(theLevel.GetCell(1024, 5), Level::CELL_BLOCKED);
    });
}

// The area test counts blocked cells in a table made at load; a plain walk over the square
// must agree with it everywhere, the border included.
TEST_F(LevelTest, AreaTestsAgreeWithAWalkOverEveryCellOfTheSquare) {
    WriteLevel("Scatter", [](int x, int y) { return (x * 7919 + y * 104729) % 97 == 0 ? 0xFF00FFu : 0u; });
    InFreshProcess([&] {
        theLevel.Load("Scatter");
        const auto walk = [](int x, int y, int r) {
            for (int yy = y - r; yy < y + r; ++yy) {
                for (int xx = x - r; xx < x + r; ++xx) {
                    if (xx <= 0 || xx >= 1024 || yy <= 0 || yy >= 768 || theLevel.IsBlocked(xx, yy)) return false;
                }
            }
            return true;
        };
        for (int i = 0; i < 20000; ++i) {
            const int x = (i * 37) % 1040 - 8, y = (i * 53) % 784 - 8, r = i % 7;
            ASSERT_EQ(theLevel.IsAreaClear(x, y, r + 0.5f), walk(x, y, r)) << x << "," << y << " r " << r;
        }
    });
}

TEST_F(LevelTest, ADataImageTheScanCannotReadIsFatal) {
    const std::string name = "UNNAMED APPLICATION : Call theApplication.SetName() from PreInit() to set name!";
    WriteLevel("Deep", [](int, int) { return 0u; });
    WriteTga("levels/Deep_data.tga", 1024, 1024, 32, std::vector<std::uint8_t>(1024u * 1024u * 4u, 0));
    EXPECT_EXIT(theLevel.Load("Deep"), ::testing::ExitedWithCode(1),
                ContainsText(Report("Game/Level.cpp", "",
                                    "Level::Load : levels\\Deep_data.tga has 32 bits per pixel; a level's data "
                                    "image must have 24\n")));
    WriteTga("levels/Deep_data.tga", 1024, 1000, 24, std::vector<std::uint8_t>(1024u * 1000u * 3u, 0));
    EXPECT_EXIT(theLevel.Load("Deep"), ::testing::ExitedWithCode(1),
                ContainsText("levels\\Deep_data.tga is 1024 x 1000 pixels; a level's data image must be at least "
                             "1024 x 1024\n"));
    EXPECT_EXIT(theLevel.Load("Missing"), ::testing::ExitedWithCode(1),
                ContainsText("Image::LoadFromFile : failed to open \"levels\\Missing_image.tga\"\n"));
}
