// The level's data image and its scan. The input is a TGA header followed by the pixels of
// the rows the scan reads; the rows before them are black, and the pixels the input leaves
// out are black too, so that a small input makes a complete file of any size the header
// names (up to 16 MiB; beyond, the file is as short as the input).
#include <algorithm>

#include "FuzzSupport.h"
#include "Game/Baby.h"
#include "Game/Level.h"
#include "Game/Mine.h"
#include "Game/Turret.h"

namespace {

constexpr std::size_t HEADER_BYTES = 18;
constexpr std::size_t FIRST_SCANNED_ROW = 256;
constexpr std::size_t LARGEST_FILE = 16 << 20;

std::vector<std::uint8_t> DataFile(const std::uint8_t* data, std::size_t size) {
    std::vector<std::uint8_t> file(data, data + std::min(size, HEADER_BYTES));
    if (size < HEADER_BYTES) return file;
    const std::size_t width = data[12] | data[13] << 8;
    const std::size_t height = data[14] | data[15] << 8;
    const std::size_t rowBytes = width * (data[16] / 8u);
    const std::size_t pixelBytes = rowBytes * height;
    const std::size_t total = std::max(HEADER_BYTES + std::min(pixelBytes, FIRST_SCANNED_ROW * rowBytes) +
                                           (size - HEADER_BYTES),
                                       std::min(HEADER_BYTES + pixelBytes, LARGEST_FILE));
    file.resize(std::min(total, HEADER_BYTES + FIRST_SCANNED_ROW * rowBytes), 0);
    file.insert(file.end(), data + HEADER_BYTES, data + size);
    file.resize(std::max(file.size(), total), 0);
    return file;
}

// The entities live until the process ends in the game; here they go with each input.
template <typename Entity>
void DeleteAll(const std::vector<Entity*>& entities) {
    const std::vector<Entity*> all = entities;
    for (Entity* entity : all) delete entity;
    const_cast<std::vector<Entity*>&>(entities).clear();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ServeFile("Fuzz_data.tga", DataFile(data, size));
    SurviveFailures([] {
        Level level;
        level.Load("Fuzz");
        for (int y = 0; y < Level::LEVEL_HEIGHT; y += 97) {
            for (int x = 0; x < Level::LEVEL_WIDTH; x += 89) {
                if (level.GetCell(x, y) < Level::CELL_OPEN || level.GetCell(x, y) > Level::CELL_SPIN) __builtin_trap();
            }
        }
    });
    DeleteAll(Baby::GetBabies());
    DeleteAll(Mine::GetMines());
    DeleteAll(Turret::GetTurrets());
    return 0;
}
