// The sound library's Windows output: a device that opens plays channels to their end; where
// no device opens the library still starts, silent, and channels stand still. Which case a
// run sees is chosen by its Wine environment (see WindowsTests.cmake).
#include <gtest/gtest.h>

#include <chrono>
#include <thread>
#include <vector>

#include "FSound/fsound.h"
#include "FSound/fsound_testing.h"

namespace {

constexpr int MIXING_RATE = 44100;
constexpr int CHANNEL = 0;

// Starts the library with the device output and plays a tenth of a second; returns whether
// the channel finished within the given time.
bool PlaysToTheEndWithin(std::chrono::seconds bound) {
    FSoundTesting::ChooseSilentOutput(false);
    EXPECT_TRUE(FSOUND_Init(MIXING_RATE, 4, 0));
    EXPECT_EQ(FSOUND_GetError(), FMOD_ERR_NONE);
    FSOUND_SAMPLE* sample = FSoundTesting::CreateSample(std::vector<std::int16_t>(MIXING_RATE / 10, 1000));
    EXPECT_TRUE(FSoundTesting::Play(CHANNEL, sample));
    const auto deadline = std::chrono::steady_clock::now() + bound;
    while (FSOUND_IsPlaying(CHANNEL) && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    const bool isFinished = !FSOUND_IsPlaying(CHANNEL);
    FSOUND_Close();
    return isFinished;
}

}  // namespace

// A device plays the tenth of a second in about that time; the bound is only for a device that
// never pulls, generous so that a busy machine's slow start is not mistaken for one.
TEST(WaveOutDevice, PullsTheMixSoThatChannelsPlayToTheirEnd) {
    EXPECT_TRUE(PlaysToTheEndWithin(std::chrono::seconds(30)));
    EXPECT_TRUE(PlaysToTheEndWithin(std::chrono::seconds(30))) << "the device opens again after it was closed";
}

// Twenty times the sound's length passes without the channel moving.
TEST(WaveOutWithoutDevice, StartsSilentWithChannelsStandingStill) {
    EXPECT_FALSE(PlaysToTheEndWithin(std::chrono::seconds(2)));
}
