// A sprite strip's frame count and end-marker search on any picture.
#include "FuzzSupport.h"
#include "Game/SpriteStrip.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ServeFile("strip.tga", std::vector<std::uint8_t>(data, data + size));
    SurviveFailures([] {
        const SpriteStrip strip("strip.tga", 10.0f);
        if (strip.GetFrameCount() < 0 || strip.GetFrameCount() * strip.GetFrameSize() > 65535) __builtin_trap();
    });
    return 0;
}
