// The sound library stand-in and the sound system over it.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "Engine/TheSoundSystem.h"
#include "FSound/fsound_testing.h"
#include "TestSupport.h"

namespace {

using Frames = std::vector<std::int16_t>;

const std::string NAME = "UNNAMED APPLICATION : Call theApplication.SetName() from PreInit() to set name!";

struct FailedStart {
    int code;
    const char* text;
};

class SoundStartFailure : public ::testing::TestWithParam<FailedStart> {};

std::string FatalStartOutput(const std::string& message) {
    const std::string report = Report("Engine/TheSoundSystem.cpp", "FMOD_ERR_NONE == fmodError", message);
    return ConsoleLine("::: Initialization : Sound (starting)", false) + report + FatalBoxes(NAME, report) +
           ShutdownLines(false);
}

void StartSilently() {
    FSoundTesting::ChooseSilentOutput(true);
    theSoundSystem.Startup();
    FSoundTesting::ResetCallCounts();
}

void ExpectCalls(int isPlaying, int sampleFree, int close) {
    const FSoundTesting::CallCounts calls = FSoundTesting::GetCallCounts();
    EXPECT_EQ(calls.isPlaying, isPlaying);
    EXPECT_EQ(calls.sampleFree, sampleFree);
    EXPECT_EQ(calls.close, close);
}

}  // namespace

TEST(FSound, ReportsMisuseAndMixesChannelsUntilTheirSamplesEnd) {
    EXPECT_EQ(FSOUND_IsPlaying(0), 0);
    EXPECT_EQ(FSOUND_GetError(), FMOD_ERR_UNINITIALIZED);
    FSoundTesting::ChooseSilentOutput(true);
    EXPECT_EQ(FSOUND_Init(44100, 4, 0), 1);
    EXPECT_EQ(FSOUND_GetError(), FMOD_ERR_NONE);
    EXPECT_EQ(FSOUND_SetMaxHardwareChannels(0), 0);
    EXPECT_EQ(FSOUND_GetError(), FMOD_ERR_BUSY);
    EXPECT_EQ(FSOUND_IsPlaying(4), 0);
    EXPECT_EQ(FSOUND_GetError(), FMOD_ERR_INVALID_PARAM);

    FSOUND_SAMPLE* shortSample = FSoundTesting::CreateSample({1000, 20000});
    FSOUND_SAMPLE* longSample = FSoundTesting::CreateSample({30000, 20000, -7, 5});
    ASSERT_TRUE(FSoundTesting::Play(0, shortSample) && FSoundTesting::Play(2, longSample));
    Frames mixed(6);
    FSoundTesting::Mix(mixed.data(), 3);
    EXPECT_EQ(mixed, Frames({31000, 31000, 32767, 32767, -7, -7}));
    EXPECT_EQ(FSOUND_IsPlaying(0), 0);
    EXPECT_EQ(FSOUND_IsPlaying(2), 1);
    EXPECT_EQ(FSOUND_GetError(), FMOD_ERR_NONE);

    FSOUND_Sample_Free(longSample);
    EXPECT_EQ(FSOUND_IsPlaying(2), 0);
    FSOUND_Sample_Free(longSample);
    EXPECT_EQ(FSOUND_GetError(), FMOD_ERR_INVALID_PARAM);
    FSOUND_Close();
    EXPECT_EQ(FSOUND_GetError(), FMOD_ERR_NONE);
    FSoundTesting::ChooseSilentOutput(false);
}

// Whatever the machine's audio: the device where one opens, the silent output elsewhere,
// and not a word from the libraries that look for a device.
TEST(FSound, StartsOnAnyMachineWithoutWritingToStandardError) {
    ::testing::internal::CaptureStderr();
    const signed char isStarted = FSOUND_Init(44100, 1023, 1);
    const int error = FSOUND_GetError();
    FSOUND_Close();
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(isStarted, 1);
    EXPECT_EQ(error, FMOD_ERR_NONE);
}

TEST_P(SoundStartFailure, ReportsTheTextOfTheCodeTheCheckReads) {
    EXPECT_EXIT(
        {
            FSoundTesting::FailNext(FSoundTesting::INIT, GetParam().code);
            theSoundSystem.Startup();
        },
        ::testing::ExitedWithCode(1), ExactText(FatalStartOutput(GetParam().text)));
}

INSTANTIATE_TEST_SUITE_P(Sound, SoundStartFailure,
                         ::testing::Values(FailedStart{FMOD_ERR_INIT, "Error initializing output device."},
                                           FailedStart{19, "Unknown error"}, FailedStart{-1, "Unknown error"}));

TEST(SoundSystem, AFailureAtEachStartupCallIsFatal) {
    for (FSoundTesting::StartCall call :
         {FSoundTesting::SET_MIN_HARDWARE_CHANNELS, FSoundTesting::SET_MAX_HARDWARE_CHANNELS, FSoundTesting::INIT}) {
        EXPECT_EXIT(
            {
                FSoundTesting::FailNext(call, FMOD_ERR_INIT);
                theSoundSystem.Startup();
            },
            ::testing::ExitedWithCode(1), ExactText(FatalStartOutput("Error initializing output device.")))
            << call;
    }
}

TEST(SoundSystem, ReportsEveryErrorCodeWithItsText) {
    const char* const texts[] = {
        "No errors",
        "Cannot call this command after FSOUND_Init.  Call FSOUND_Close first.",
        "This command failed because FSOUND_Init was not called",
        "Error initializing output device.",
        "The output device is already in use and cannot be reused.",
        "Playing the sound failed.",
        "Soundcard does not support the features needed for this soundsystem (16bit stereo output)",
        "Error setting cooperative level for hardware.",
        "Error creating hardware sound buffer.",
        "File not found",
        "Unknown file format",
        "Error loading file",
        "Not enough memory ",
        "The version number of this file format is not supported",
        "An invalid parameter was passed to this function",
        "Tried to use an EAX command on a non EAX enabled channel or output.",
        "Failed to allocate a new channel",
        "Recording not supported on this device",
        "Required Mediaplayer codec is not installed",
    };
    for (int code = 0; code < 19; ++code) EXPECT_STREQ(TheSoundSystem::GetFmodErrorText(code), texts[code]) << code;
    for (int code : {19, -1, 1000}) EXPECT_STREQ(TheSoundSystem::GetFmodErrorText(code), "Unknown error");
}

TEST(SoundSystem, StartupStopsAtTheFirstErrorOfTheLibrary) {
    EXPECT_EXIT(
        {
            FSOUND_Init(44100, 1, 0);
            theSoundSystem.Startup();
        },
        ::testing::ExitedWithCode(1),
        ExactText(FatalStartOutput("Cannot call this command after FSOUND_Init.  Call FSOUND_Close first.")));
}

TEST(SoundSystem, UpdateForgetsFinishedChannelsUpToTheFirstOneStillPlaying) {
    StartSilently();
    theSoundSystem.Update();
    ExpectCalls(0, 0, 0);

    FSOUND_SAMPLE* blip = FSoundTesting::CreateSample({1});
    FSOUND_SAMPLE* tone = FSoundTesting::CreateSample(Frames(100, 1));
    theSoundSystem.AddSample(7, blip);
    theSoundSystem.AddSample(3, tone);
    for (int channel : {1, 2, 3, 4, 5}) theSoundSystem.AddChannel(channel <= 3 ? 7 : 3, channel);
    // Sound 7: channels 1 and 2 finish, 3 plays on. Sound 3: channel 4 plays on, 5 finishes.
    for (int channel : {1, 2, 5}) FSoundTesting::Play(channel, blip);
    for (int channel : {3, 4}) FSoundTesting::Play(channel, tone);
    Frames mixed(2);
    FSoundTesting::Mix(mixed.data(), 1);

    theSoundSystem.Update();
    EXPECT_EQ(theSoundSystem.GetChannelCount(7), 1);
    EXPECT_EQ(theSoundSystem.GetChannelCount(3), 2);
    ExpectCalls(4, 0, 0);  // channel 4 ends the look at sound 3

    theSoundSystem.Shutdown();
    ExpectCalls(4, 2, 1);
    EXPECT_EQ(theSoundSystem.GetChannelCount(7), 0);
    StartSilently();
    theSoundSystem.Shutdown();
    ExpectCalls(0, 0, 1);
    FSoundTesting::ChooseSilentOutput(false);
}
