// The game's random source is the C runtime's rand() of Windows, started with srand(1).
#include <gtest/gtest.h>

#include <cstdlib>

#include "Game/GameRandom.h"

TEST(GameRandomOnWindows, GivesTheFirstThousandNumbersOfMsvcrtRandAfterSrandOne) {
    RestartGameRandom();
    std::srand(1);
    for (int i = 0; i < 1000; ++i) ASSERT_EQ(GameRandom(), std::rand()) << "number " << i;
}
