#pragma once
// The OpenGL 1.1 calls the subset receives, one line each ("glEnable(3553)"), while
// recording: for tests, and for anyone comparing the engine's calls with what it must make.
// Pointed-to data (pixels, bitmaps, list names) is recorded as its size and a hash.
#include <cstddef>
#include <initializer_list>
#include <string>

class GlesCallLog {
public:
    GlesCallLog() : _isRecording(false), _text() {}
    void Start();  // forgets what was recorded
    std::string Stop();
    bool IsRecording() const { return _isRecording; }
    void Add(const char* name, std::initializer_list<double> arguments);

    static double Hash(const void* bytes, std::size_t count);

private:
    bool _isRecording;
    std::string _text;
};
