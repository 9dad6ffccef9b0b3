#include "TheSoundSystem.h"

#include "AssertionFailure.h"
#include "TheConsole.h"

bool TheSoundSystem::_isInitialized = false;

namespace {

constexpr int MIXING_RATE = 44100;
constexpr int SOFTWARE_CHANNELS = 1023;
constexpr int HARDWARE_CHANNELS = 0;  // all mixing is in software
constexpr unsigned int INIT_FLAGS = 1;

constexpr const char* FMOD_ERROR_TEXTS[] = {
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
constexpr int FMOD_ERROR_COUNT = sizeof(FMOD_ERROR_TEXTS) / sizeof(FMOD_ERROR_TEXTS[0]);

}  // namespace

TheSoundSystem::TheSoundSystem() : _isConstructed(true) {}

TheSoundSystem::~TheSoundSystem() {
    ASSERT_ALL_BUILDS(!_isInitialized,
                      "TheSoundSystem was destroyed while running; Shutdown() should be called first!");
}

void TheSoundSystem::Startup() {
    theConsole.Printf("::: Initialization : Sound (starting)\n");
    ASSERT_ALL_BUILDS(!_isInitialized,
                      "TheSoundSystem was initialized twice; either a second TheSoundSystem was started or Startup() "
                      "was called on an already-running system.");
    FSOUND_SetMinHardwareChannels(HARDWARE_CHANNELS);
    CheckFmodError();
    FSOUND_SetMaxHardwareChannels(HARDWARE_CHANNELS);
    CheckFmodError();
    FSOUND_Init(MIXING_RATE, SOFTWARE_CHANNELS, INIT_FLAGS);  // judged by the error check alone
    CheckFmodError();
    _isInitialized = true;
    theConsole.Printf("::: Initialization : Sound (finished)\n");
}

void TheSoundSystem::Shutdown() {
    theConsole.Printf("::: Shutdown : Sound (starting)\n");
    if (_isConstructed) _FreeSamples();
    FSOUND_Close();
    _isInitialized = false;
    theConsole.Printf("::: Shutdown : Sound (finished)\n");
}

void TheSoundSystem::_FreeSamples() {
    while (!_samples.empty()) {
        const auto first = _samples.begin();
        FSOUND_Sample_Free(first->second.sample);
        _samples.erase(first);
    }
}

void TheSoundSystem::Update() {
    for (auto& keyAndEntry : _samples) _ForgetFinishedChannels(keyAndEntry.second);
}

// Channels listed earlier end no later than those after them, so the first one still
// playing ends the search.
void TheSoundSystem::_ForgetFinishedChannels(SampleEntry& entry) {
    while (!entry.channels.empty()) {
        const auto first = entry.channels.begin();
        if (FSOUND_IsPlaying(first->channel)) return;
        entry.channels.erase(first);
        --entry.channelCount;
    }
}

void TheSoundSystem::AddSample(std::uint32_t key, FSOUND_SAMPLE* sample) {
    const bool isAdded = _samples.emplace(key, SampleEntry{sample, 0, {}}).second;
    ASSERT_ALL_BUILDS(isAdded, "TheSoundSystem already holds a sample for sound %u.", static_cast<unsigned>(key));
}

void TheSoundSystem::AddChannel(std::uint32_t key, std::int32_t channel) {
    const auto found = _samples.find(key);
    ASSERT_ALL_BUILDS(found != _samples.end(), "TheSoundSystem holds no sample for sound %u.",
                      static_cast<unsigned>(key));
    SampleEntry& entry = found->second;
    if (entry.channels.insert(ChannelRecord{channel}).second) ++entry.channelCount;
}

std::uint8_t TheSoundSystem::GetChannelCount(std::uint32_t key) const {
    const auto found = _samples.find(key);
    return found == _samples.end() ? 0 : found->second.channelCount;
}

void TheSoundSystem::CheckFmodError() {
    const int fmodError = FSOUND_GetError();
    ASSERT_ALL_BUILDS(FMOD_ERR_NONE == fmodError, "%s", GetFmodErrorText(fmodError));
}

const char* TheSoundSystem::GetFmodErrorText(int code) {
    if (code < 0 || code >= FMOD_ERROR_COUNT) return "Unknown error";
    return FMOD_ERROR_TEXTS[code];
}
