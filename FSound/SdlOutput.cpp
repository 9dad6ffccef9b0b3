#include "SdlOutput.h"

#include <cstdint>

#include "QuietStandardError.h"
#include "SoftwareMixer.h"
#include "SoundDeviceSigns.h"

namespace {

constexpr Uint8 STEREO = 2;
constexpr int BYTES_PER_FRAME = STEREO * sizeof(std::int16_t);
constexpr Uint16 FRAMES_PER_PULL = 1024;  // about 23 ms at 44100 Hz
constexpr int NO_FORMAT_CHANGES = 0;      // SDL converts our frames to whatever the device wants
constexpr int UNPAUSED = 0;

}  // namespace

std::unique_ptr<Output> CreateDeviceOutput() { return std::make_unique<SdlOutput>(); }

SdlOutput::~SdlOutput() {
    QuietStandardError quiet;
    if (_device != 0) SDL_CloseAudioDevice(_device);
    if (_isAudioStarted) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SdlOutput::Open(SoftwareMixer& mixer, int mixingRate) {
    if (!SoundDeviceSigns::AreThere()) return false;  // the silent output, at once
    QuietStandardError quiet;
    _isAudioStarted = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    if (!_isAudioStarted) return false;
    SDL_AudioSpec wanted{};
    wanted.freq = mixingRate;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = STEREO;
    wanted.samples = FRAMES_PER_PULL;
    wanted.callback = &SdlOutput::_Pull;
    wanted.userdata = &mixer;
    _device = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, NO_FORMAT_CHANGES);
    if (_device == 0) return false;
    SDL_PauseAudioDevice(_device, UNPAUSED);
    return true;
}

void SDLCALL SdlOutput::_Pull(void* mixer, Uint8* stream, int byteCount) {
    static_cast<SoftwareMixer*>(mixer)->Mix(reinterpret_cast<std::int16_t*>(stream), byteCount / BYTES_PER_FRAME);
}
