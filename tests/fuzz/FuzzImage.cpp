// The TGA loader on any bytes: it loads them or fails its assertion, and never reads or
// writes outside its buffers.
#include "Engine/Image.h"
#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ServeFile("fuzz.tga", std::vector<std::uint8_t>(data, data + size));
    SurviveFailures([] {
        const Image image("fuzz.tga");
        // Every pixel byte the header promises is there.
        volatile std::uint8_t sum = 0;
        const std::size_t bytes = std::size_t{image._width} * image._height * (image._bitsPerPixel / 8u);
        for (std::size_t i = 0; i < bytes; ++i) sum = static_cast<std::uint8_t>(sum + image._pixels[i]);
    });
    return 0;
}
