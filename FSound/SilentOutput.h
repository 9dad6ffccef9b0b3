#pragma once
#include "Output.h"

// The output of a machine without sound: it always opens and never pulls, as a no-sound
// driver does, so channels stand still.
class SilentOutput : public Output {
public:
    bool Open(SoftwareMixer& mixer, int mixingRate) override;
};
