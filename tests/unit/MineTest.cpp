// Which mine a point reaches: the strict reach, the earliest-created mine winning, and the
// mine lookup against a walk of the whole list on random levels.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "Game/Mine.h"
#include "GameFiles.h"
#include "TestSupport.h"

namespace {

constexpr float INF = std::numeric_limits<float>::infinity();
constexpr float NAN_ = std::numeric_limits<float>::quiet_NaN();

class MineTest : public ::testing::Test {
protected:
    void SetUp() override {
        EnterScratchFolder();
        WriteSprites();
    }
};

Mine* FirstInReachByWalk(const Vec2& point, float radius) {
    for (Mine* mine : Mine::GetMines()) {
        if (mine->IsNear(point, radius)) return mine;
    }
    return nullptr;
}

float Uniform(std::mt19937& random, float low, float high) { return std::uniform_real_distribution<float>(low, high)(random); }

// Cell corners, a third of them crowded into one corner of the level, and a few outside it on
// one axis or both, some in the column or row just past the cells (x from 1056, y from 800).
Vec2 RandomMinePlace(std::mt19937& random) {
    const float odd[] = {-1.0f, -300.5f, 1024.0f, 1025.0f, 1060.0f, 810.0f, 5000.0f, -1e9f, 1e30f, INF, NAN_};
    const int kind = static_cast<int>(random() % 20);
    if (kind == 0) return Vec2(odd[random() % 11], odd[random() % 11]);
    if (kind == 1) return Vec2(odd[random() % 11], std::floor(Uniform(random, 0, 768)));
    if (kind == 2) return Vec2(std::floor(Uniform(random, 0, 1024)), odd[random() % 11]);
    const float size = kind < 8 ? 129.0f : 1025.0f;
    return Vec2(std::floor(Uniform(random, 0, size)), std::floor(Uniform(random, 0, size * 0.75f)));
}

}  // namespace

TEST_F(MineTest, ReachIsStrictAndTheEarliestCreatedMineWins) {
    InFreshProcess([&] {
        EXPECT_EQ(Mine::FindMineNear(Vec2(100, 100), 20), nullptr);
        Mine* first = new Mine(Vec2(100, 100));
        EXPECT_TRUE(first->IsNear(Vec2(129.9f, 100), 20));
        EXPECT_FALSE(first->IsNear(Vec2(130, 100), 20));
        EXPECT_TRUE(first->IsNear(Vec2(100, 100), 0));
        Mine* nearer = new Mine(Vec2(128, 128));  // nearer, but created later
        EXPECT_EQ(Mine::FindMineNear(Vec2(115, 115), 20), first);
        Mine* third = new Mine(Vec2(60, 100));
        delete nearer;
        EXPECT_EQ(Mine::GetMines(), (std::vector<Mine*>{first, third}));
        EXPECT_EQ(Mine::FindMineNear(Vec2(60, 70.1f), 20), third);
        EXPECT_EQ(Mine::FindMineNear(Vec2(128, 128), 20), nullptr);
    });
}

TEST_F(MineTest, TheLookupFindsWhatAWalkOfTheListFindsOnRandomLevels) {
    InFreshProcess([&] {
        std::mt19937 random(26);
        const float radii[] = {20.0f, 20.0f, 0.0f, 5.5f, 150.0f, 2000.0f, -10.0f, INF, NAN_};
        int found[2] = {0, 0};
        for (int level = 0; level < 4; ++level) {
            while (Mine::GetMines().size() < 400) new Mine(RandomMinePlace(random));
            while (!Mine::GetMines().empty()) {
                for (int query = 0; query < 300; ++query) {
                    // Near a random mine, every other time just inside or outside its reach, or anywhere.
                    const float radius = radii[query % 3 ? 0 : query / 3 % 9];
                    const float edge = std::nextafter(radius + Mine::MINE_RADIUS, query % 4 == 1 ? 0.0f : INF);
                    const float distance = query % 2 ? edge : Uniform(random, 0, 60);
                    const float angle = Uniform(random, 0, 6.2832f);
                    Vec2 point = Mine::GetMines()[random() % Mine::GetMines().size()]->GetPosition() +
                                 distance * Vec2(std::cos(angle), std::sin(angle));
                    if (query % 10 == 0) point = Vec2(Uniform(random, -200, 1200), Uniform(random, -200, 1000));
                    Mine* expected = FirstInReachByWalk(point, radius);
                    ASSERT_EQ(Mine::FindMineNear(point, radius), expected) << point.x << ", " << point.y << " r " << radius;
                    ++found[expected != nullptr];
                }
                for (int destroyed = 0; destroyed < 60 && !Mine::GetMines().empty(); ++destroyed) {
                    delete Mine::GetMines()[random() % Mine::GetMines().size()];
                }
            }
        }
        EXPECT_GT(found[0], 2500);  // both answers are common
        EXPECT_GT(found[1], 2500);
    });
}
