#include "fsound.h"

#include <algorithm>

#include "LibraryState.h"
#include "SilentOutput.h"
#include "fsound_testing.h"

namespace {

constexpr signed char FSOUND_TRUE = 1;
constexpr signed char FSOUND_FALSE = 0;
constexpr int MAX_SOFTWARE_CHANNELS = 1024;

// Every call but FSOUND_GetError leaves its own outcome for FSOUND_GetError.
signed char Succeed() {
    TheLibraryState().lastError = FMOD_ERR_NONE;
    return FSOUND_TRUE;
}

signed char Fail(int error) {
    TheLibraryState().lastError = error;
    return FSOUND_FALSE;
}

// The error a test asked the call to fail with, taken once; FMOD_ERR_NONE for none.
int TakeScriptedError(FSoundTesting::StartCall call) {
    int& error = TheLibraryState().nextErrors[call];
    const int taken = error;
    error = FMOD_ERR_NONE;
    return taken;
}

// There are no hardware voices: counts matter only for being allowed.
signed char CheckHardwareChannels(FSoundTesting::StartCall call, int count) {
    if (const int error = TakeScriptedError(call)) return Fail(error);
    if (TheLibraryState().isInitialized) return Fail(FMOD_ERR_BUSY);
    if (count < 0) return Fail(FMOD_ERR_INVALID_PARAM);
    return Succeed();
}

// The device where one opens, else the silent output, so that a machine without sound
// still runs.
std::unique_ptr<Output> OpenOutput(SoftwareMixer& mixer, int mixingRate) {
    if (!TheLibraryState().isSilentOutputChosen) {
        std::unique_ptr<Output> device = CreateDeviceOutput();
        if (device->Open(mixer, mixingRate)) return device;
    }
    std::unique_ptr<Output> silent = std::make_unique<SilentOutput>();
    silent->Open(mixer, mixingRate);
    return silent;
}

}  // namespace

signed char FSOUND_SetMinHardwareChannels(int min) {
    return CheckHardwareChannels(FSoundTesting::SET_MIN_HARDWARE_CHANNELS, min);
}

signed char FSOUND_SetMaxHardwareChannels(int max) {
    return CheckHardwareChannels(FSoundTesting::SET_MAX_HARDWARE_CHANNELS, max);
}

signed char FSOUND_Init(int mixrate, int maxsoftwarechannels, unsigned int /*flags*/) {
    LibraryState& library = TheLibraryState();
    if (library.isInitialized) return Fail(FMOD_ERR_BUSY);
    if (mixrate <= 0 || maxsoftwarechannels < 0 || maxsoftwarechannels > MAX_SOFTWARE_CHANNELS) {
        return Fail(FMOD_ERR_INVALID_PARAM);
    }
    if (const int error = TakeScriptedError(FSoundTesting::INIT)) return Fail(error);
    library.mixer.Start(maxsoftwarechannels);
    library.output = OpenOutput(library.mixer, mixrate);
    library.isInitialized = true;
    return Succeed();
}

int FSOUND_GetError(void) { return TheLibraryState().lastError; }

signed char FSOUND_IsPlaying(int channel) {
    LibraryState& library = TheLibraryState();
    ++library.calls.isPlaying;
    if (!library.isInitialized) return Fail(FMOD_ERR_UNINITIALIZED);
    if (!library.mixer.HasChannel(channel)) return Fail(FMOD_ERR_INVALID_PARAM);
    Succeed();
    return library.mixer.IsPlaying(channel) ? FSOUND_TRUE : FSOUND_FALSE;
}

void FSOUND_Sample_Free(FSOUND_SAMPLE* sptr) {
    LibraryState& library = TheLibraryState();
    ++library.calls.sampleFree;
    const auto isThatSample = [sptr](const std::unique_ptr<FSOUND_SAMPLE>& sample) { return sample.get() == sptr; };
    const auto found = std::find_if(library.samples.begin(), library.samples.end(), isThatSample);
    if (found == library.samples.end()) {
        Fail(FMOD_ERR_INVALID_PARAM);
        return;
    }
    library.mixer.StopSample(sptr);
    library.samples.erase(found);
    Succeed();
}

void FSOUND_Close(void) {
    LibraryState& library = TheLibraryState();
    ++library.calls.close;
    library.output.reset();  // stops pulling before the channels go
    library.mixer.Stop();
    library.samples.clear();
    library.isInitialized = false;
    Succeed();
}
