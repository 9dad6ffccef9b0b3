#pragma once
#include <windows.h>
#include <mmsystem.h>

#include <atomic>
#include <cstdint>
#include <thread>
#include <vector>

#include "Output.h"

// The Windows output: a waveOut device of 16-bit stereo. A feeder thread of its own refills
// each buffer the device hands back with the mixer's sum and queues it again.
class WaveOutOutput : public Output {
public:
    ~WaveOutOutput() override;

    bool Open(SoftwareMixer& mixer, int mixingRate) override;

private:
    static constexpr int BUFFER_COUNT = 4;

    void _Feed(SoftwareMixer& mixer);
    void _Refill(WAVEHDR& header, SoftwareMixer& mixer);

    HWAVEOUT _device = nullptr;
    HANDLE _bufferDone = nullptr;  // signalled by the device whenever it finishes a buffer
    std::vector<std::int16_t> _samples;
    WAVEHDR _headers[BUFFER_COUNT] = {};
    std::atomic<bool> _isStopping{false};
    std::thread _feeder;
};
