#pragma once
// The sound library's seam for tests: they choose the output, make start-up fail, load
// samples, play them and pull the mix as a device would, and count the calls that return
// nothing to look at.
#include <cstdint>
#include <vector>

#include "fsound.h"

namespace FSoundTesting {

struct CallCounts {
    int isPlaying = 0;
    int sampleFree = 0;
    int close = 0;
};

// From the next FSOUND_Init on, the silent output (as on a machine without sound, so that
// only Mix moves the channels), or again the device.
void ChooseSilentOutput(bool isSilent);

// The calls of a start-up that tests can make fail.
enum StartCall { SET_MIN_HARDWARE_CHANNELS, SET_MAX_HARDWARE_CHANNELS, INIT };

// The next such call fails and leaves errorCode for FSOUND_GetError.
void FailNext(StartCall call, int errorCode);

// A sample of 16-bit mono frames; freed by FSOUND_Sample_Free or FSOUND_Close.
FSOUND_SAMPLE* CreateSample(const std::vector<std::int16_t>& frames);

// Starts the sample on the channel from its first frame; it plays until mixed to its end.
// False for no such channel or an empty sample.
bool Play(int channel, FSOUND_SAMPLE* sample);

// Pulls frameCount frames of 16-bit stereo from the mixer.
void Mix(std::int16_t* stereoFrames, int frameCount);

// Calls of FSOUND_IsPlaying, FSOUND_Sample_Free and FSOUND_Close since the last reset.
CallCounts GetCallCounts();
void ResetCallCounts();

}  // namespace FSoundTesting
