#pragma once
#include <memory>

class SoftwareMixer;

// Where the mixed sound goes. An output pulls the mixer's sum from the moment Open succeeds
// until it is destroyed.
class Output {
public:
    virtual ~Output() = default;

    // Starts pulling stereo frames at mixingRate Hz; false if this output cannot play here.
    virtual bool Open(SoftwareMixer& mixer, int mixingRate) = 0;
};

// The target's sound device; each target's build compiles exactly one file that defines it.
std::unique_ptr<Output> CreateDeviceOutput();
