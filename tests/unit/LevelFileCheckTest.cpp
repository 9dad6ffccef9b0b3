#include "LevelFileCheck.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

// An uncompressed true-colour TGA with whole pixels; `change` edits the bytes after.
Bytes Tga(int width, int height, int bits, void (*change)(Bytes&) = nullptr) {
    Bytes file = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    for (const int field : {width, width >> 8, height, height >> 8, bits, 0}) {
        file.push_back(static_cast<std::uint8_t>(field));
    }
    file.resize(file.size() + static_cast<std::size_t>(width) * height * (bits / 8));
    if (change) change(file);
    return file;
}

Bytes Data(void (*change)(Bytes&) = nullptr) { return Tga(1024, 1024, 24, change); }

struct Case {
    const char* name;
    LevelFileCheck::Role role;
    Bytes file;
    LevelFileCheck::Verdict verdict;
    std::string line;  // after the file's name and a space
};

constexpr auto PICTURE = LevelFileCheck::PICTURE;
constexpr auto DATA = LevelFileCheck::DATA_IMAGE;
constexpr auto REFUSED = LevelFileCheck::REFUSED;

TEST(LevelFileCheckTest, SaysInOneLineWhatIsWrongWithAFileAndWhatToDo) {
    const std::string again = "save the image into it again, as an uncompressed 24-bit TGA";
    const Case cases[] = {
        {"picture", PICTURE, Tga(2048, 1024, 32), LevelFileCheck::TAKEN, ""},
        {"data image", DATA, Data(), LevelFileCheck::TAKEN, ""},
        {"empty", DATA, {}, REFUSED, "is empty (0 bytes): " + again},
        {"png", DATA, {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'}, REFUSED,
         "is a PNG image, not a TGA (it starts like one): export it as an uncompressed 24-bit TGA"},
        {"jpeg", PICTURE, {0xFF, 0xD8, 0xFF, 0xE0}, REFUSED,
         "is a JPEG image, not a TGA (it starts like one): export it as an uncompressed 24-bit TGA"},
        {"header cut", DATA, Data([](Bytes& f) { f.resize(15); }), REFUSED,
         "is cut short: it has 15 byte(s), and a TGA's header alone takes 18: " + again},
        {"compressed", DATA, Data([](Bytes& f) { f[2] = 10; }), REFUSED,
         "is run-length compressed (TGA image type 10), which the game cannot read: save it uncompressed (in GIMP, "
         "\"RLE compression\" off)"},
        {"colour-mapped", PICTURE, Data([](Bytes& f) { f[1] = 1, f[2] = 1; }), REFUSED,
         "is colour-mapped (TGA image type 1, a palette): save it as true colour, 24-bit"},
        {"palette beside true colour", PICTURE, Data([](Bytes& f) { f[1] = 1; }), REFUSED,
         "carries a colour map (a palette) beside its true colours, which the game cannot skip: save it without one"},
        {"image ID", DATA, Data([](Bytes& f) { f[0] = 7; }), REFUSED,
         "carries an image ID of 7 byte(s) (a note in its header), which the game cannot skip: save it without one"},
        {"origin offsets", DATA, Data([](Bytes& f) { f[10] = 2; }), REFUSED,
         "has the origin offsets (0, 2) in its header, and the game takes only (0, 0): save it with both 0"},
        {"16 bits", PICTURE, Tga(1024, 1024, 16), REFUSED,
         "has 16 bits per pixel, and the game reads only 24 or 32: save it as 24-bit"},
        {"32-bit data", DATA, Tga(1024, 1024, 32), REFUSED,
         "has 32 bits per pixel, and a level's data image must have 24 (no alpha): save it as 24-bit"},
        {"small data", DATA, Tga(1024, 768, 24), REFUSED,
         "is 1024 x 768 pixels, and a level's data image must be at least 1024 x 1024: make it 1024 x 1024"},
        {"24-bit strip", PICTURE, Tga(2048, 1024, 24), REFUSED,
         "is 2048 x 1024 pixels, 2 frames of 1024 x 1024, with 24 bits per pixel, and a picture of several frames must "
         "have 32: save it as 32-bit"},
        {"too large", PICTURE, Tga(0, 0, 32, [](Bytes& f) { f[12] = f[13] = f[14] = f[15] = 0xFF; }), REFUSED,
         "says it is 65535 x 65535 pixels, more than the game can hold: make it 1024 x 1024"},
        {"pixels cut", DATA, Data([](Bytes& f) { f.pop_back(); }), REFUSED,
         "is cut short: its header promises 1024 x 1024 pixels of 24 bits, 3145728 bytes after the 18 of the header, "
         "and it has only 3145727: " + again},
        {"top row first", DATA, Data([](Bytes& f) { f[17] = 0x20; }), LevelFileCheck::UPSIDE_DOWN,
         "looks upside down: it is flagged as stored top row first (origin at the top left), and the game ignores the "
         "flag and reads its first stored row as the bottom one: flip the image vertically and save it with the origin "
         "at the bottom left"},
    };
    for (const Case& test : cases) {
        const LevelFileCheck check("levels/Room_data.tga", test.role, test.file.data(), test.file.size());
        EXPECT_EQ(check.GetVerdict(), test.verdict) << test.name;
        EXPECT_EQ(check.GetLine(), test.line.empty() ? "" : "levels/Room_data.tga " + test.line) << test.name;
    }
}

}  // namespace
