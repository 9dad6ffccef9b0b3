// The timer's conversions and the application's frame clock, over a scripted counter.
#include <gtest/gtest.h>

#include "Engine/Platform/Script/ScriptedPlatform.h"
#include "Engine/TheApplication.h"
#include "Engine/Timer.h"
#include "TestSupport.h"

namespace {

const std::string DEFAULT_NAME = "UNNAMED APPLICATION : Call theApplication.SetName() from PreInit() to set name!";

// The timer's zero point at counter 0, with the given counts per second.
void StartTimer(std::int64_t frequency) {
    Script().frequency = frequency;
    Script().counter = 0;
    Timer::Initialize();
}

}  // namespace

TEST(Timer, ConvertsCountsBySecondsPerCountWithTruncatedMilliseconds) {
    StartTimer(1000000);
    EXPECT_EQ(Timer::GetSeconds(), 0.0);
    Script().counter = 1500000;
    EXPECT_EQ(Timer::GetSeconds(), 1.5);
    EXPECT_EQ(Timer::GetMilliseconds(), 1500u);

    StartTimer(10000000);
    Script().counter = 29999;  // 2.9999 ms
    EXPECT_EQ(Timer::GetMilliseconds(), 2u);

    StartTimer(1000);
    Script().counter = 4294967296LL + 7;  // 49.7 days and 7 ms
    EXPECT_EQ(Timer::GetMilliseconds(), 7u);
    EXPECT_DOUBLE_EQ(Timer::GetSeconds(), 4294967.303);
}

// Today's usual counter. Each product is rounded to a double before it is truncated: kept in
// wider registers, every one of these readings came out a millisecond short.
TEST(Timer, ReadsWholeMillisecondsOfATenMegahertzCounterExactly) {
    StartTimer(10000000);
    for (const std::uint32_t milliseconds : {1u, 3u, 1500u, 10000u}) {
        Script().counter = std::int64_t{milliseconds} * 10000;
        EXPECT_EQ(Timer::GetMilliseconds(), milliseconds);
    }
}

TEST(Timer, AFailingOrZeroFrequencyIsFatal) {
    const std::string failed = Report("Engine/Timer.cpp", "success", "The system performance timer failed to initialize.");
    EXPECT_EXIT(
        {
            Script().isFrequencyKnown = false;
            Timer::Initialize();
        },
        ::testing::ExitedWithCode(1), ExactText(failed + FatalBoxes(DEFAULT_NAME, failed) + ShutdownLines(false)));
    const std::string zero = Report("Engine/Timer.cpp", "queryPerfCountsPerSec.QuadPart",
                                    "The system performance timer reported a frequency of 0.");
    EXPECT_EXIT(StartTimer(0), ::testing::ExitedWithCode(1),
                ExactText(zero + FatalBoxes(DEFAULT_NAME, zero) + ShutdownLines(false)));
}

TEST(FrameClock, ClampsEachFrameAndSmoothsTheRate) {
    StartTimer(1000000);
    TheApplication application;
    EXPECT_EQ(application.GetFrameSeconds(), 0.1);
    EXPECT_EQ(application.GetFramesPerSecond(), 60.0f);

    Script().counter = 5000000;  // a frame of 5 s
    application.UpdateFrameTime();
    EXPECT_EQ(application.GetFrameSeconds(), 1.0);
    EXPECT_EQ(application.GetTimeSeconds(), 5.0);
    EXPECT_FLOAT_EQ(application.GetFramesPerSecond(), 54.1f);

    Script().counter += 100;  // 0.1 ms
    application.UpdateFrameTime();
    EXPECT_EQ(application.GetFrameSeconds(), 0.001);
    EXPECT_FLOAT_EQ(application.GetFramesPerSecond(), 148.69f);

    // A steady 100 frames a second closes a tenth of the gap each frame.
    for (int frame = 0; frame < 3; ++frame) {
        const float before = application.GetFramesPerSecond();
        Script().counter += 10000;
        application.UpdateFrameTime();
        EXPECT_FLOAT_EQ(application.GetFramesPerSecond(), before + (100.0f - before) * 0.1f);
        EXPECT_NEAR(application.GetFrameSeconds(), 0.01, 1e-9);
    }
}
