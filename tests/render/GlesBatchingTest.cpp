// Batching is the subset's own business: a frame of Level02, drawn with each glEnd drawn at
// once and then batched, receives the same OpenGL 1.1 calls and gives the same pixels, in
// far fewer ES draws: sprites share pages, mines of one strip share one image, a line of text
// is one draw.
#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "Engine/Platform/OpenGL.h"
#include "Engine/TheApplication.h"
#include "Engine/TheRenderer.h"
#include "Game/Game.h"
#include "Game/Level.h"
#include "RenderFixture.h"

namespace {

struct DrawnFrame {
    std::string calls;
    std::vector<std::uint8_t> pixels;
    long draws;
};

DrawnFrame DrawFrame(Game& game, bool isBatching) {
    SetFastPaths(isBatching ? GlesFastPaths::ALL : GlesFastPaths::ALL & ~GlesFastPaths::BATCHING);
    const long drawsBefore = DrawsIssued();
    RecordCalls();
    theRenderer.ClearScreen(Color::BLACK);
    theRenderer.BeginFrame();
    game.SetScreenProjection();
    game.DrawScene();
    theRenderer.RenderOverlays();
    const std::string calls = StopRecordingCalls();
    std::vector<std::uint8_t> pixels = ReadRect(0, 0, 1024, 768);
    SetFastPaths(GlesFastPaths::ALL);
    return DrawnFrame{calls, pixels, DrawsIssued() - drawsBefore};
}

}  // namespace

TEST_F(RenderTest, AFramesCallsAndPixelsAreTheSameWithAndWithoutBatching) {
    ASSERT_EQ(chdir(CRIBBLESTORM_DATA), 0);
    theLevel.Load("Level02");
    theRenderer.ToggleFpsDisplay();
    theRenderer.CycleConsoleMode();
    Game game;
    for (int frame = 0; frame < 3; ++frame) {  // babies choose their headings, mines turn
        theApplication.UpdateFrameTime();
        game.RunFrame();
    }
    const DrawnFrame unbatched = DrawFrame(game, false);
    const DrawnFrame batched = DrawFrame(game, true);
    EXPECT_GT(unbatched.calls.size(), 10000u);
    EXPECT_EQ(batched.calls, unbatched.calls);
    EXPECT_TRUE(batched.pixels == unbatched.pixels);
    EXPECT_LT(batched.draws * 5, unbatched.draws);
    std::printf("ES draws: %ld unbatched, %ld batched\n", unbatched.draws, batched.draws);
}
