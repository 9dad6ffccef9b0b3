#pragma once
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <vector>

#include "Sample.h"

// The software channels and their sum. The output pulls the sum from its own thread while
// the library starts, stops and asks about channels from the caller's, hence the lock.
class SoftwareMixer {
public:
    void Start(int channelCount);
    void Stop();

    bool HasChannel(int channel) const;
    bool IsPlaying(int channel) const;
    bool Play(int channel, const FSOUND_SAMPLE* sample);
    void StopSample(const FSOUND_SAMPLE* sample);

    // Fills frameCount frames of 16-bit stereo with the playing channels' sum, advancing each.
    void Mix(std::int16_t* stereoFrames, int frameCount);

private:
    struct Channel {
        const FSOUND_SAMPLE* sample = nullptr;  // none once the channel has finished
        std::size_t position = 0;
    };

    static void _AddChannel(Channel& channel, std::int16_t* stereoFrames, std::size_t frameCount);

    mutable std::mutex _lock;
    std::vector<Channel> _channels;
};
