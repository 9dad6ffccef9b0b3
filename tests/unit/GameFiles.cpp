#include "GameFiles.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "TestSupport.h"

namespace {

constexpr int DATA_SIZE = 1024;
constexpr int FIRST_LEVEL_ROW = 256;

std::vector<std::uint8_t> Opaque(int pixels) { return std::vector<std::uint8_t>(static_cast<std::size_t>(pixels) * 4, 0xFF); }

}  // namespace

void WriteSprites() {
    WriteTga("Baby/Baby_crawl.tga", 8, 2, 32, Opaque(16));
    WriteTga("Baby/Baby_dead.tga", 2, 2, 32, Opaque(4));
    WriteTga("Baby/RedBabyHeartIcon.tga", 2, 2, 32, Opaque(4));
    WriteTga("Misc/landmine01.tga", 2, 2, 32, Opaque(4));
    WriteTga("Turret/turret_base.tga", 2, 2, 32, Opaque(4));
}

void WriteLevel(const std::string& name, const std::function<std::uint32_t(int x, int y)>& paint) {
    WriteTga("levels/" + name + "_image.tga", 4, 4, 24, std::vector<std::uint8_t>(48, 0x40));
    std::vector<std::uint8_t> data(static_cast<std::size_t>(DATA_SIZE) * DATA_SIZE * 3, 0);
    for (int y = 0; y < 768; ++y) {
        for (int x = 0; x < DATA_SIZE; ++x) {
            const std::uint32_t color = paint(x, y);
            std::uint8_t* bgr = &data[(static_cast<std::size_t>(y + FIRST_LEVEL_ROW) * DATA_SIZE + x) * 3];
            bgr[0] = static_cast<std::uint8_t>(color);
            bgr[1] = static_cast<std::uint8_t>(color >> 8);
            bgr[2] = static_cast<std::uint8_t>(color >> 16);
        }
    }
    WriteTga("levels/" + name + "_data.tga", DATA_SIZE, DATA_SIZE, 24, data);
}

namespace {

// The child's failed expectations, written where the parent shows them.
void ExitWithVerdict() {
    const ::testing::TestResult* result = ::testing::UnitTest::GetInstance()->current_test_info()->result();
    for (int i = 0; i < result->total_part_count(); ++i) {
        const ::testing::TestPartResult& part = result->GetTestPartResult(i);
        if (part.failed()) std::fprintf(stderr, "%s:%d: %s\n", part.file_name(), part.line_number(), part.message());
    }
    std::exit(result->Failed() ? 1 : 0);
}

}  // namespace

void InFreshProcess(const std::function<void()>& body) {
    EXPECT_EXIT(
        {
            body();
            ExitWithVerdict();
        },
        ::testing::ExitedWithCode(0), "");
}
