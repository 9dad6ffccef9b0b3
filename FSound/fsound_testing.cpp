#include "fsound_testing.h"

#include "LibraryState.h"

namespace FSoundTesting {

void ChooseSilentOutput(bool isSilent) { TheLibraryState().isSilentOutputChosen = isSilent; }

void FailNext(StartCall call, int errorCode) { TheLibraryState().nextErrors[call] = errorCode; }

FSOUND_SAMPLE* CreateSample(const std::vector<std::int16_t>& frames) {
    TheLibraryState().samples.push_back(std::make_unique<FSOUND_SAMPLE>(FSOUND_SAMPLE{frames}));
    return TheLibraryState().samples.back().get();
}

bool Play(int channel, FSOUND_SAMPLE* sample) { return TheLibraryState().mixer.Play(channel, sample); }

void Mix(std::int16_t* stereoFrames, int frameCount) { TheLibraryState().mixer.Mix(stereoFrames, frameCount); }

CallCounts GetCallCounts() { return TheLibraryState().calls; }

void ResetCallCounts() { TheLibraryState().calls = CallCounts{}; }

}  // namespace FSoundTesting
