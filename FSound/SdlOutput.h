#pragma once
#include <SDL.h>

#include "Output.h"

// The Linux output: an SDL audio device that pulls 16-bit stereo from the mixer.
class SdlOutput : public Output {
public:
    ~SdlOutput() override;

    bool Open(SoftwareMixer& mixer, int mixingRate) override;

private:
    static void SDLCALL _Pull(void* mixer, Uint8* stream, int byteCount);

    SDL_AudioDeviceID _device = 0;
    bool _isAudioStarted = false;
};
