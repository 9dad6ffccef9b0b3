// A steady-state frame of the game allocates nothing: counted at the global operator new.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "../unit/GameFiles.h"
#include "../unit/TestSupport.h"
#include "Engine/TheRenderer.h"
#include "Engine/TheVideoSystem.h"
#include "Game/Baby.h"
#include "Game/Game.h"
#include "Game/Level.h"
#include "Game/Mine.h"
#include "RenderFixture.h"

namespace {

std::atomic<long> allocations{0};

}  // namespace

// The sanitizers own operator new in their builds; the count is taken in the others.
#if !defined(__SANITIZE_ADDRESS__)
void* operator new(std::size_t size) {
    ++allocations;
    if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
    throw std::bad_alloc();
}

void operator delete(void* memory) noexcept { std::free(memory); }

void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
#endif

TEST_F(RenderTest, ASteadyGameFrameAllocatesNothing) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "allocations are counted in the builds without sanitizers";
#endif
    EnterScratchFolder();
    WriteSprites();
    // Babies wander and turrets stand, with every overlay shown, but no mine is in reach.
    WriteLevel("Steady", [](int x, int y) {
        if ((x == 300 || x == 700) && y == 400) return 0x00FF00u;
        if (x == 500 && y == 600) return 0xFFFF00u;
        return x == 900 && y == 100 ? 0xFF0000u : 0u;
    });
    theLevel.Load("Steady");
    theRenderer.ToggleFpsDisplay();
    theRenderer.CycleConsoleMode();
    Game game;
    const auto frame = [&game] {
        game.RunFrame();
        theRenderer.RenderOverlays();
        theVideoSystem.SwapBuffers();
        theRenderer.ClearScreen(Color::BLACK);
        theRenderer.BeginFrame();
    };
    for (int warmUp = 0; warmUp < 5; ++warmUp) frame();
    // A mine under the first baby: triggering it, which destroys it, must not allocate either.
    new Mine(Baby::GetBabies().front()->GetPosition());
    const long before = allocations;
    for (int steady = 0; steady < 60; ++steady) frame();
    EXPECT_EQ(allocations - before, 0);
    EXPECT_EQ(Mine::GetMines().size(), 1u);
    theRenderer.ToggleFpsDisplay();
    theRenderer.CycleConsoleMode();
    theRenderer.CycleConsoleMode();
}
