// What the page asks of the game's code about a level of the player's own: whether the game
// would take a file as the level's picture or data image, in plain words, before a game is
// started on it; and the end of the game that runs, so that one on the new level can start.
#include <emscripten.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "../Platform.h"

namespace {

constexpr std::size_t HEADER_SIZE = 18;
constexpr int DATA_IMAGE_SIDE = 1024;

int Word(const std::uint8_t* bytes) { return bytes[0] | (bytes[1] << 8); }

// The header checks the game's image loader and level make, as sentences about the file.
std::string Refusal(const std::string& name, const std::uint8_t* bytes, std::size_t size, bool isDataImage) {
    static const std::uint8_t PNG[] = {0x89, 'P', 'N', 'G'};
    static const std::uint8_t UNCOMPRESSED_TRUE_COLOUR[12] = {0, 0, 2};
    if (size >= sizeof(PNG) && std::memcmp(bytes, PNG, sizeof(PNG)) == 0)
        return name + " is a PNG picture with a .tga name. Save it as a TGA file (uncompressed true-colour).";
    if (size < HEADER_SIZE) return name + " is too short to be a TGA picture.";
    if (bytes[2] == 10) return name + " is a run-length compressed TGA. Save it without RLE compression.";
    if (std::memcmp(bytes, UNCOMPRESSED_TRUE_COLOUR, sizeof(UNCOMPRESSED_TRUE_COLOUR)) != 0)
        return name + " is not an uncompressed true-colour TGA (with no colour map, no image ID, origin 0).";
    const int width = Word(bytes + 12);
    const int height = Word(bytes + 14);
    const int bits = bytes[16];
    if (bits != 24 && bits != 32) return name + " has " + std::to_string(bits) + " bits per pixel; the game takes 24 or 32.";
    if (isDataImage && bits != 24) return name + " has 32 bits per pixel; a data image must have 24.";
    if (isDataImage && (width < DATA_IMAGE_SIDE || height < DATA_IMAGE_SIDE))
        return name + " is " + std::to_string(width) + " x " + std::to_string(height) +
               " pixels; a data image must be at least 1024 x 1024.";
    if (size - HEADER_SIZE < std::size_t{bits / 8u} * width * height)
        return name + " ends before the " + std::to_string(width) + " x " + std::to_string(height) +
               " pixels its header promises.";
    return "";
}

}  // namespace

// The plain message for a file the game would refuse, or an empty text; valid until the next call.
extern "C" EMSCRIPTEN_KEEPALIVE const char* CheckLevelFile(const char* name, const std::uint8_t* bytes, int size,
                                                           int isDataImage) {
    static std::string message;
    message = Refusal(name, bytes, static_cast<std::size_t>(size), isDataImage != 0);
    return message.c_str();
}

// As closing the window would: the game shuts down whole at the end of its next frame.
extern "C" EMSCRIPTEN_KEEPALIVE void QuitGame() { Platform::PostQuitMessage(0); }
