#include "LevelFileCheck.h"

#include <cstring>

namespace {

// Header fields by offset.
constexpr std::size_t ID_LENGTH = 0;
constexpr std::size_t COLOR_MAP_TYPE = 1;
constexpr std::size_t IMAGE_TYPE = 2;
constexpr std::size_t COLOR_MAP_FIELDS = 3;
constexpr std::size_t COLOR_MAP_FIELD_BYTES = 5;
constexpr std::size_t X_ORIGIN = 8;
constexpr std::size_t Y_ORIGIN = 10;
constexpr std::size_t WIDTH = 12;
constexpr std::size_t HEIGHT = 14;
constexpr std::size_t BITS_PER_PIXEL = 16;
constexpr std::size_t DESCRIPTOR = 17;

constexpr int TRUE_COLOR = 2;
constexpr std::uint8_t TOP_ROW_FIRST = 0x20;  // descriptor bit 5: the origin at the top left
constexpr int DATA_SIDE = 1024;
constexpr int DATA_BITS = 24;
constexpr int STRIP_BITS = 32;
constexpr std::uint64_t LARGEST_PIXEL_BLOCK = 0xFFFFFFFFu;  // the game counts pixel bytes in 32 bits

const char* const SAVE_AGAIN = "save the image into it again, as an uncompressed 24-bit TGA";

struct Signature {
    const char* bytes;
    std::size_t length;
    const char* kind;
};

// How other image files start; a TGA has no signature of its own.
const Signature SIGNATURES[] = {{"\x89PNG", 4, "a PNG"}, {"\xFF\xD8\xFF", 3, "a JPEG"}, {"GIF8", 4, "a GIF"},
                                {"BM", 2, "a BMP"}};

int Word(const std::uint8_t* bytes, std::size_t offset) { return bytes[offset] | bytes[offset + 1] << 8; }

std::string Number(std::uint64_t value) { return std::to_string(value); }

// What each TGA image type other than uncompressed true colour is, and what to do about it.
std::string TypeProblem(int type) {
    switch (type) {
        case 10: return "is run-length compressed (TGA image type 10), which the game cannot read: save it "
                        "uncompressed (in GIMP, \"RLE compression\" off)";
        case 1: return "is colour-mapped (TGA image type 1, a palette): save it as true colour, 24-bit";
        case 9: return "is colour-mapped and run-length compressed (TGA image type 9): save it uncompressed, as "
                       "true colour, 24-bit";
        case 3:
        case 11: return "is greyscale (TGA image type " + Number(type) + "): save it uncompressed, as true colour, "
                        "24-bit";
        default: return "is no TGA the game reads (its image type byte is " + Number(type) +
                        ", and the game reads only type 2, uncompressed true colour): " + SAVE_AGAIN;
    }
}

}  // namespace

LevelFileCheck::LevelFileCheck(const std::string& fileName, Role role, const std::uint8_t* bytes, std::size_t size)
    : _fileName(fileName), _role(role) {
    if (!_CheckKind(bytes, size) || !_CheckLayout(bytes) || !_CheckPixels(bytes, size)) return;
    if ((bytes[DESCRIPTOR] & TOP_ROW_FIRST) == 0) return;
    _verdict = UPSIDE_DOWN;
    _line = _fileName + " looks upside down: it is flagged as stored top row first (origin at the top left), "
            "and the game ignores the flag and reads its first stored row as the bottom one: flip the image "
            "vertically and save it with the origin at the bottom left";
}

void LevelFileCheck::_Refuse(const std::string& problem) {
    _verdict = REFUSED;
    _line = _fileName + " " + problem;
}

// The first 12 bytes, which the game compares whole with those of an uncompressed true-colour
// TGA without an image ID, colour map or origin offsets.
bool LevelFileCheck::_CheckKind(const std::uint8_t* bytes, std::size_t size) {
    if (size == 0) {
        _Refuse(std::string("is empty (0 bytes): ") + SAVE_AGAIN);
        return false;
    }
    for (const Signature& signature : SIGNATURES) {
        if (size < signature.length || std::memcmp(bytes, signature.bytes, signature.length) != 0) continue;
        _Refuse("is " + std::string(signature.kind) + " image, not a TGA (it starts like one): export it as an "
                "uncompressed 24-bit TGA");
        return false;
    }
    if (size < HEADER_BYTES) {
        _Refuse("is cut short: it has " + Number(size) + " byte(s), and a TGA's header alone takes " +
                Number(HEADER_BYTES) + ": " + SAVE_AGAIN);
        return false;
    }
    if (bytes[IMAGE_TYPE] != TRUE_COLOR) {
        _Refuse(TypeProblem(bytes[IMAGE_TYPE]));
    } else if (bytes[COLOR_MAP_TYPE] != 0) {
        _Refuse("carries a colour map (a palette) beside its true colours, which the game cannot skip: save it "
                "without one");
    } else if (bytes[ID_LENGTH] != 0) {
        _Refuse("carries an image ID of " + Number(bytes[ID_LENGTH]) + " byte(s) (a note in its header), which the "
                "game cannot skip: save it without one");
    } else if (std::memcmp(bytes + COLOR_MAP_FIELDS, "\0\0\0\0\0", COLOR_MAP_FIELD_BYTES) != 0) {
        _Refuse("has colour-map fields set in its header although it has no colour map: " + std::string(SAVE_AGAIN));
    } else if (Word(bytes, X_ORIGIN) != 0 || Word(bytes, Y_ORIGIN) != 0) {
        _Refuse("has the origin offsets (" + Number(Word(bytes, X_ORIGIN)) + ", " + Number(Word(bytes, Y_ORIGIN)) +
                ") in its header, and the game takes only (0, 0): save it with both 0");
    }
    return _verdict == TAKEN;
}

// Depth and size: what the game asks of any image, of the level's data image and of an
// animated picture.
bool LevelFileCheck::_CheckLayout(const std::uint8_t* bytes) {
    const int width = Word(bytes, WIDTH);
    const int height = Word(bytes, HEIGHT);
    const int bits = bytes[BITS_PER_PIXEL];
    const std::string size = Number(width) + " x " + Number(height) + " pixels";
    if (_role == DATA_IMAGE && bits != DATA_BITS) {
        _Refuse("has " + Number(bits) + " bits per pixel, and a level's data image must have 24 (no alpha): save it "
                "as 24-bit");
    } else if (bits != DATA_BITS && bits != STRIP_BITS) {
        _Refuse("has " + Number(bits) + " bits per pixel, and the game reads only 24 or 32: save it as 24-bit");
    } else if (_role == DATA_IMAGE && (width < DATA_SIDE || height < DATA_SIDE)) {
        _Refuse("is " + size + ", and a level's data image must be at least 1024 x 1024: make it 1024 x 1024");
    } else if (_role == PICTURE && height > 0 && width / height > 1 && bits != STRIP_BITS) {
        _Refuse("is " + size + ", " + Number(width / height) + " frames of " + Number(height) + " x " +
                Number(height) + ", with 24 bits per pixel, and a picture of several frames must have 32: save it "
                "as 32-bit");
    }
    return _verdict == TAKEN;
}

bool LevelFileCheck::_CheckPixels(const std::uint8_t* bytes, std::size_t size) {
    const int width = Word(bytes, WIDTH);
    const int height = Word(bytes, HEIGHT);
    const int bits = bytes[BITS_PER_PIXEL];
    const std::uint64_t needed = std::uint64_t{static_cast<unsigned>(bits) / 8u} * width * height;
    if (needed > LARGEST_PIXEL_BLOCK) {
        _Refuse("says it is " + Number(width) + " x " + Number(height) + " pixels, more than the game can hold: make "
                "it 1024 x 1024");
    } else if (size - HEADER_BYTES < needed) {
        _Refuse("is cut short: its header promises " + Number(width) + " x " + Number(height) + " pixels of " +
                Number(bits) + " bits, " + Number(needed) + " bytes after the 18 of the header, and it has only " +
                Number(size - HEADER_BYTES) + ": " + SAVE_AGAIN);
    }
    return _verdict == TAKEN;
}
