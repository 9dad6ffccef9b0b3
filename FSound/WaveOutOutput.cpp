#include "WaveOutOutput.h"

#include "SoftwareMixer.h"

namespace {

constexpr WORD STEREO = 2;
constexpr WORD BITS_PER_SAMPLE = 16;
constexpr WORD BYTES_PER_FRAME = STEREO * sizeof(std::int16_t);
constexpr int FRAMES_PER_BUFFER = 1024;  // about 23 ms at 44100 Hz

}  // namespace

std::unique_ptr<Output> CreateDeviceOutput() { return std::make_unique<WaveOutOutput>(); }

WaveOutOutput::~WaveOutOutput() {
    if (_feeder.joinable()) {
        _isStopping = true;
        ::SetEvent(_bufferDone);
        _feeder.join();
    }
    if (_device != nullptr) {
        ::waveOutReset(_device);  // hands every queued buffer back
        for (WAVEHDR& header : _headers) ::waveOutUnprepareHeader(_device, &header, sizeof(header));
        ::waveOutClose(_device);
    }
    if (_bufferDone != nullptr) ::CloseHandle(_bufferDone);
}

bool WaveOutOutput::Open(SoftwareMixer& mixer, int mixingRate) {
    _bufferDone = ::CreateEventA(nullptr, FALSE, FALSE, nullptr);
    if (_bufferDone == nullptr) return false;
    WAVEFORMATEX format = {};
    format.wFormatTag = WAVE_FORMAT_PCM;
    format.nChannels = STEREO;
    format.nSamplesPerSec = static_cast<DWORD>(mixingRate);
    format.nAvgBytesPerSec = static_cast<DWORD>(mixingRate) * BYTES_PER_FRAME;
    format.nBlockAlign = BYTES_PER_FRAME;
    format.wBitsPerSample = BITS_PER_SAMPLE;
    if (::waveOutOpen(&_device, WAVE_MAPPER, &format, reinterpret_cast<DWORD_PTR>(_bufferDone), 0, CALLBACK_EVENT) !=
        MMSYSERR_NOERROR) {
        _device = nullptr;
        return false;
    }
    _samples.assign(static_cast<std::size_t>(BUFFER_COUNT) * FRAMES_PER_BUFFER * STEREO, 0);
    for (int i = 0; i < BUFFER_COUNT; ++i) {
        WAVEHDR& header = _headers[i];
        std::int16_t* frames = _samples.data() + static_cast<std::size_t>(i) * FRAMES_PER_BUFFER * STEREO;
        header.lpData = reinterpret_cast<LPSTR>(frames);
        header.dwBufferLength = FRAMES_PER_BUFFER * BYTES_PER_FRAME;
        ::waveOutPrepareHeader(_device, &header, sizeof(header));
        _Refill(header, mixer);
    }
    _feeder = std::thread(&WaveOutOutput::_Feed, this, std::ref(mixer));
    return true;
}

void WaveOutOutput::_Feed(SoftwareMixer& mixer) {
    for (;;) {
        ::WaitForSingleObject(_bufferDone, INFINITE);
        if (_isStopping) return;
        for (WAVEHDR& header : _headers) {
            if ((header.dwFlags & WHDR_DONE) != 0) _Refill(header, mixer);
        }
    }
}

void WaveOutOutput::_Refill(WAVEHDR& header, SoftwareMixer& mixer) {
    mixer.Mix(reinterpret_cast<std::int16_t*>(header.lpData), FRAMES_PER_BUFFER);
    ::waveOutWrite(_device, &header, sizeof(header));
}
