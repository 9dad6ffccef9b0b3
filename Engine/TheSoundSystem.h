#pragma once
#include <cstdint>
#include <map>
#include <set>

#include "FSound/fsound.h"

// FMOD under the engine's service discipline: started with fixed settings, every error a
// fatal assertion with FMOD's text, and a table of loaded samples with the channels that
// play them, whose finished channels are forgotten once a frame.
class TheSoundSystem {
public:
    TheSoundSystem();
    ~TheSoundSystem();

    void Startup();
    void Shutdown();
    void Update();

    // Entries of the table: a loaded sample under its key, then the channels it plays on.
    void AddSample(std::uint32_t key, FSOUND_SAMPLE* sample);
    void AddChannel(std::uint32_t key, std::int32_t channel);
    std::uint8_t GetChannelCount(std::uint32_t key) const;  // 0 without a sample

    static void CheckFmodError();
    static const char* GetFmodErrorText(int code);

private:
    struct ChannelRecord {
        std::int32_t channel;
        bool operator<(const ChannelRecord& other) const { return channel < other.channel; }
    };

    struct SampleEntry {
        FSOUND_SAMPLE* sample;
        std::uint8_t channelCount;
        std::set<ChannelRecord> channels;
    };

    static void _ForgetFinishedChannels(SampleEntry& entry);
    void _FreeSamples();

    std::map<std::uint32_t, SampleEntry> _samples;
    // Set by the constructor. A fatal error during static construction runs Shutdown over
    // this object's zero-filled storage, where the table is no table yet.
    bool _isConstructed;

    static bool _isInitialized;
};

extern TheSoundSystem theSoundSystem;
