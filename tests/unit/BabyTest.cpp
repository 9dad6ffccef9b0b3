// A baby's steps with a scripted clock and frame time, the mines it triggers, and the
// game's lose rule.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "Engine/Platform/Script/ScriptedPlatform.h"
#include "Engine/TheApplication.h"
#include "Engine/TheVideoSystem.h"
#include "Engine/Timer.h"
#include "Game/Baby.h"
#include "Game/Game.h"
#include "Game/GameRandom.h"
#include "Game/Level.h"
#include "Game/Mine.h"
#include "GameFiles.h"
#include "TestSupport.h"

namespace {

constexpr float PI = 3.14159265f;

class BabyTest : public ::testing::Test {
protected:
    void SetUp() override {
        EnterScratchFolder();
        WriteSprites();
        WriteLevel("Nursery", [](int x, int y) { return x == 500 && y == 400 ? 0x00FF00u : 0u; });
    }
};

// A millisecond clock at `now`, after a frame of `frameMs`.
void Advance(std::int64_t now, std::int64_t frameMs) {
    Script().counter = now - frameMs;
    theApplication.UpdateFrameTime();
    Script().counter = now;
    theApplication.UpdateFrameTime();
}

Baby& LoadNursery(const std::string& name = "Nursery") {
    Script().frequency = 1000;
    Script().counter = 0;
    Timer::Initialize();
    RestartGameRandom();
    theLevel.Load(name);
    return *Baby::GetBabies().front();
}

float Distance(const Vec2& a, const Vec2& b) { return (a - b).Length(); }

}  // namespace

TEST(GameRandom, RepeatsTheSameSequenceInEveryRun) {
    RestartGameRandom();
    for (int expected : {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464}) {
        EXPECT_EQ(GameRandom(), expected);
    }
}

TEST_F(BabyTest, ChoosesAReachableTargetOnItsFirstUpdateAndCrawlsThere) {
    InFreshProcess([&] {
        Baby& baby = LoadNursery();
        EXPECT_EQ(baby.GetHealth(), 2u);
        EXPECT_EQ(baby.GetSpeed(), 50.0f);
        Advance(16, 100);  // 5 units an update: the 40th step lands on the target
        baby.Update();
        const float angle = 41 * 3.0518509e-05f * 360.0f;  // the first random draw
        EXPECT_FLOAT_EQ(baby.GetHeadingDegrees(), angle);
        EXPECT_NEAR(baby.GetTarget().x, 500 + 200 * std::cos(angle * PI / 180), 1e-3);
        EXPECT_NEAR(baby.GetTarget().y, 400 + 200 * std::sin(angle * PI / 180), 1e-3);
        EXPECT_NEAR(baby.GetVelocity().Length(), 5, 1e-5);
        EXPECT_EQ(baby.GetNextThinkMs(), 10016u);

        Advance(5000, 16);  // later frames keep the velocity fixed at the choice
        for (int update = 0; update < 50 && baby.GetNextThinkMs() != 0; ++update) baby.Update();
        EXPECT_EQ(baby.GetNextThinkMs(), 0u);
        EXPECT_NEAR(Distance(baby.GetPosition(), baby.GetTarget()), 0, 0.01);

        const Vec2 arrived = baby.GetPosition();
        Advance(6000, 100);
        baby.Update();  // chooses at once, with this frame's time: 50 x 0.1
        EXPECT_EQ(baby.GetNextThinkMs(), 16000u);
        EXPECT_NEAR(Distance(baby.GetTarget(), arrived), 200, 1e-3);
        EXPECT_NEAR(Distance(baby.GetPosition(), arrived), 5, 1e-4);
    });
}

// A level with one baby, at (x, y), and nothing else.
Baby& LoadBabyAt(int babyX, int babyY) {
    WriteLevel("One", [=](int x, int y) { return x == babyX && y == babyY ? 0x00FF00u : 0u; });
    return LoadNursery("One");
}

// 4.5 units an update steps over the arrival square: the baby crawls on, every step the
// whole velocity, until its next think, and the level's edges hold it: at 0, and on the far
// side of the last column and row, which still lie inside the level.
TEST_F(BabyTest, ABabyThatPassesItsTargetCrawlsOnAndIsHeldAtTheLevelsEdges) {
    const float farX = std::nextafter(1024.0f, 0.0f);
    const float farY = std::nextafter(768.0f, 0.0f);
    InFreshProcess([&] {
        Baby& baby = LoadBabyAt(500, 400);  // the first draw, 0.45 degrees, towards the right edge
        Advance(16, 90);
        baby.Update();
        const Vec2 velocity = baby.GetVelocity();
        EXPECT_NEAR(velocity.Length(), 4.5, 1e-5);
        for (int update = 1; update < 50; ++update) baby.Update();
        EXPECT_EQ(baby.GetNextThinkMs(), 10016u);
        EXPECT_NEAR(baby.GetPosition().x, 500 + 50 * velocity.x, 0.01);
        EXPECT_NEAR(baby.GetPosition().y, 400 + 50 * velocity.y, 0.01);
        for (int update = 0; update < 100; ++update) baby.Update();
        EXPECT_EQ(baby.GetPosition().x, farX);
        EXPECT_NEAR(baby.GetPosition().y, 400 + 150 * velocity.y, 0.01);
    });
    InFreshProcess([&] {
        Baby& baby = LoadBabyAt(900, 60);  // the third draw, 69.6 degrees: up and right
        Advance(16, 90);
        for (int update = 0; update < 200; ++update) baby.Update();
        EXPECT_EQ(baby.GetNextThinkMs(), 10016u);
        EXPECT_EQ(baby.GetPosition().x, farX);
        EXPECT_EQ(baby.GetPosition().y, farY);
        EXPECT_EQ(theLevel.GetCellAt(baby.GetPosition()), theLevel.GetCell(1023, 767));
    });
    InFreshProcess([&] {
        Baby& baby = LoadBabyAt(900, 400);  // the second draw, 202.9 degrees: down and left
        Advance(16, 90);
        for (int update = 0; update < 250; ++update) baby.Update();
        EXPECT_EQ(baby.GetNextThinkMs(), 10016u);
        EXPECT_EQ(baby.GetPosition().x, 0.0f);
        EXPECT_EQ(baby.GetPosition().y, 0.0f);
    });
}

// From x = 824 the first draw aims at x = 1023.994; at 0.8 units a step the 249th lands in
// the last column, at 1023.19, and is taken whole: the baby arrives from there.
TEST_F(BabyTest, AStepIntoTheLastColumnIsTakenWhole) {
    InFreshProcess([&] {
        Baby& baby = LoadBabyAt(824, 400);
        Advance(16, 16);
        baby.Update();
        const float stepX = baby.GetVelocity().x;
        EXPECT_NEAR(baby.GetTarget().x, 1023.994, 1e-3);
        int updates = 1;
        for (; updates < 300 && baby.GetNextThinkMs() != 0; ++updates) baby.Update();
        EXPECT_EQ(updates, 250);  // 249 steps, then the update that arrives
        float x = 824.0f;
        for (int step = 0; step < 249; ++step) x += stepX;
        EXPECT_EQ(baby.GetPosition().x, x);
        EXPECT_NEAR(x, 1023.19, 0.01);
    });
}

// The first draws head out of the level (0.45 degrees from x = 900) and into a blocked
// cell (from x = 500); the second draw, 202.9 degrees, is taken.
TEST_F(BabyTest, RejectsTargetsOutsideTheLevelOrWithoutAClearPath) {
    WriteLevel("Edge", [](int x, int y) { return x == 900 && y == 400 ? 0x00FF00u : 0u; });
    WriteLevel("Wall", [](int x, int y) {
        if (x == 500 && y == 400) return 0x00FF00u;
        return x == 600 && y == 401 ? 0xFF00FFu : 0u;
    });
    for (const char* level : {"Edge", "Wall"}) {
        InFreshProcess([&] {
            Baby& baby = LoadNursery(level);
            Advance(16, 16);
            baby.Update();
            EXPECT_FLOAT_EQ(baby.GetHeadingDegrees(), 18467 * 3.0518509e-05f * 360.0f) << level;
            EXPECT_EQ(GameRandom(), 6334);
        });
    }
}

// Boxed in, no direction lets it through: after 256 candidates it keeps its old target
// and velocity until its next think.
TEST_F(BabyTest, GivesUpAfter256CandidatesAndKeepsItsTarget) {
    WriteLevel("Box", [](int x, int y) {
        if (x == 500 && y == 400) return 0x00FF00u;
        return std::abs(x - 500) <= 40 && std::abs(y - 400) <= 40 ? 0xFF00FFu : 0u;
    });
    InFreshProcess([&] {
        RestartGameRandom();
        for (int draw = 0; draw < 256; ++draw) GameRandom();
        const int next = GameRandom();
        Baby& baby = LoadNursery("Box");
        Advance(16, 16);
        baby.Update();
        EXPECT_EQ(GameRandom(), next);
        EXPECT_EQ(baby.GetVelocity().Length(), 0.0f);
        EXPECT_EQ(baby.GetPosition().x, 500.0f);
        EXPECT_EQ(baby.GetNextThinkMs(), 10016u);
    });
}

// Stranded where no path starts (the first column or row, as a step held at the level's edge
// leaves it, or a blocked cell that a step past the target went into): after 256 candidates
// it crawls out towards the last one inside the level.
TEST_F(BabyTest, AStrandedBabyAimsAtTheLastCandidateInsideTheLevel) {
    WriteLevel("Walled", [](int x, int y) {
        if (x == 100 && y == 100) return 0x00FF00u;
        return std::abs(x - 500) <= 50 && std::abs(y - 400) <= 50 ? 0xFF00FFu : 0u;
    });
    const struct {
        const char* level;
        Vec2 place;
    } cases[] = {{"Nursery", Vec2(0.0f, 400.0f)}, {"Nursery", Vec2(500.0f, 0.0f)}, {"Walled", Vec2(500.0f, 400.0f)}};
    for (const auto& stranded : cases) {
        InFreshProcess([&] {
            RestartGameRandom();
            Vec2 lastInside = stranded.place;
            for (int draw = 0; draw < 256; ++draw) {
                const Vec2 candidate = Baby::WanderTarget(stranded.place, Baby::DegreesOf(GameRandom()));
                if (Baby::IsInsideLevel(candidate)) lastInside = candidate;
            }
            const int next = GameRandom();
            LoadNursery(stranded.level);
            while (!Baby::GetBabies().empty()) delete Baby::GetBabies().back();
            Baby& baby = *new Baby(stranded.place, 0.0f);
            RestartGameRandom();
            Advance(16, 16);
            baby.Update();
            EXPECT_EQ(GameRandom(), next) << stranded.place.x << "," << stranded.place.y;
            EXPECT_EQ(baby.GetTarget(), lastInside) << stranded.place.x << "," << stranded.place.y;
            EXPECT_NE(baby.GetVelocity().Length(), 0.0f) << stranded.place.x << "," << stranded.place.y;
        });
    }
}

TEST_F(BabyTest, ChoosesAgainAfterTenSecondsWithoutArriving) {
    InFreshProcess([&] {
        Baby& baby = LoadNursery();
        Advance(16, 16);
        baby.Update();
        Advance(10016, 16);
        baby.Update();
        EXPECT_EQ(baby.GetNextThinkMs(), 10016u);
        Advance(10017, 1);  // a frame of 1 ms: the next velocity is 50 x 0.001
        baby.Update();
        EXPECT_EQ(baby.GetNextThinkMs(), 20017u);
        EXPECT_NEAR(baby.GetVelocity().Length(), 0.05, 1e-6);
    });
}

TEST_F(BabyTest, MinesCostAHeartAndSpeedAndTheSecondKills) {
    InFreshProcess([&] {
        Baby& baby = LoadNursery();
        Mine* far = new Mine(Vec2(530.0f, 400.0f));    // 30 units: out of reach
        Mine* first = new Mine(Vec2(500.0f, 429.9f));
        Mine* second = new Mine(Vec2(470.1f, 400.0f));
        baby.CheckMines();
        EXPECT_EQ(baby.GetHealth(), 1u);
        EXPECT_FLOAT_EQ(baby.GetSpeed(), 42.5f);
        ASSERT_EQ(Mine::GetMines().size(), 2u);  // only the earlier of the two in reach
        EXPECT_EQ(Mine::GetMines()[0], far);
        EXPECT_EQ(Mine::GetMines()[1], second);
        EXPECT_FALSE(Baby::AllBabiesDead());
        baby.CheckMines();
        EXPECT_TRUE(baby.IsDead());
        EXPECT_TRUE(Baby::AllBabiesDead());
        ASSERT_EQ(Mine::GetMines().size(), 1u);
        (void)first;
    });
}

TEST_F(BabyTest, TheLastDeathIsStillAPlayingFrameAndNothingMovesAfterIt) {
    WriteLevel("Boxed", [](int x, int y) {
        if (x == 500 && y == 400) return 0x00FF00u;
        return (x == 505 && y == 400) || (x == 495 && y == 400) ? 0xFF0000u : 0u;
    });
    InFreshProcess([&] {
        Script().frequency = 1000;
        Script().counter = 0;
        Timer::Initialize();
        Script().counter = 50;
        theVideoSystem._EnumerateDisplayModes();  // the game's projection reads the mode's size
        Game game;
        theLevel.Load("Boxed");
        EXPECT_FALSE(Baby::AllBabiesDead());
        game.RunFrame();  // first mine
        EXPECT_FALSE(Baby::AllBabiesDead());
        game.RunFrame();  // the second mine: the baby dies in a playing frame
        EXPECT_TRUE(Baby::AllBabiesDead());
        EXPECT_EQ(Mine::GetMines().size(), 0u);
    });
}

TEST_F(BabyTest, ASpinCellDrawsOneRandomAnglePerFrame) {
    WriteLevel("Spin", [](int x, int y) { return std::abs(x - 500) < 3 && std::abs(y - 400) < 3 ? 0x00FFFFu : 0u; });
    InFreshProcess([&] {
        theLevel.Load("Spin");
        new Baby(Vec2(501.5f, 400.5f), 0.0f);
        RestartGameRandom();
        Baby::DrawAll();
        Baby::DrawAll();
        EXPECT_EQ(GameRandom(), 6334);  // the third number of the run
    });
}

// Tools play games without drawing them: such a frame must leave the game as a drawn one does,
// the spin angles' random numbers included.
TEST_F(BabyTest, AnUndrawnFrameChangesTheGameAsADrawnOneDoes) {
    WriteLevel("Rug", [](int x, int y) { return std::abs(x - 530) < 60 && std::abs(y - 400) < 60 ? 0x00FFFFu : 0u; });
    InFreshProcess([&] {
        Script().frequency = 1000;
        theVideoSystem._EnumerateDisplayModes();
        theLevel.Load("Rug");
        std::string states[2];
        for (const bool isDrawn : {true, false}) {
            while (!Baby::GetBabies().empty()) delete Baby::GetBabies().back();
            theLevel.SpawnBaby(500, 400);
            theLevel.SpawnBaby(560, 420);
            RestartGameRandom();
            Script().counter = 0;
            Timer::Initialize();
            theApplication.UpdateFrameTime();
            Game game;
            for (int frame = 1; frame <= 900; ++frame) {
                Script().counter = frame * 16;
                theApplication.UpdateFrameTime();
                isDrawn ? game.RunFrame() : game.PlayUndrawnFrame();
            }
            std::string& state = states[isDrawn ? 0 : 1];
            state = std::to_string(GameRandom());
            for (const Baby* baby : Baby::GetBabies()) {
                state += " " + std::to_string(baby->GetPosition().x) + "," + std::to_string(baby->GetPosition().y);
            }
        }
        EXPECT_EQ(states[0], states[1]);
    });
}
