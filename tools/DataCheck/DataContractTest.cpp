// The committed run-time files, read with the game's own loader, against what the game
// needs of them: formats, sizes, animation strips, and a level that can be played.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "Engine/Image.h"

namespace {

constexpr int LEVEL_SIZE = 1024;
constexpr int LEVEL_WIDTH = 1024;
constexpr int LEVEL_HEIGHT = 768;
constexpr int FIRST_LEVEL_ROW = 256;
constexpr std::uint32_t MINE = 0xFF0000;
constexpr std::uint32_t BABY = 0x00FF00;
constexpr std::uint32_t TURRET = 0xFFFF00;
constexpr std::uint32_t FURNITURE = 0xFF00FF;
constexpr std::uint32_t WALL = 0xFFFFFF;
// Babies plan paths that keep this far from anything blocked.
constexpr int BABY_REACH = 20;

std::unique_ptr<Image> Load(const std::string& name) {
    return std::make_unique<Image>(std::string(std::getenv("CRIBBLESTORM_DATA")) + "/" + name);
}

bool IsPowerOfTwo(int value) { return value > 0 && (value & (value - 1)) == 0; }

const std::uint8_t* PixelAt(const Image& image, int x, int row) {
    return image._pixels + (static_cast<std::size_t>(row) * image._width + x) * (image._bitsPerPixel / 8);
}

class LevelData {
public:
    LevelData() : _image(Load("levels/Level02_data.tga")) {}

    std::uint32_t At(int x, int y) const {
        const std::uint8_t* bgr = PixelAt(*_image, x, y + FIRST_LEVEL_ROW);
        return static_cast<std::uint32_t>(bgr[2]) << 16 | static_cast<std::uint32_t>(bgr[1]) << 8 | bgr[0];
    }
    bool IsBlocked(int x, int y) const {
        const std::uint32_t color = At(x, y);
        return color == FURNITURE || color == WALL || color == TURRET;
    }
    int Count(std::uint32_t color) const {
        int count = 0;
        for (int y = 0; y < LEVEL_HEIGHT; ++y) {
            for (int x = 0; x < LEVEL_WIDTH; ++x) count += At(x, y) == color ? 1 : 0;
        }
        return count;
    }
    const Image& GetImage() const { return *_image; }

private:
    std::unique_ptr<Image> _image;
};

void ExpectStrip(const std::string& name, int leastFrames) {
    SCOPED_TRACE(name);
    const auto image = Load(name);
    ASSERT_EQ(32, image->_bitsPerPixel);
    EXPECT_TRUE(IsPowerOfTwo(image->_width) && IsPowerOfTwo(image->_height));
    EXPECT_EQ(0, image->_width % image->_height);
    EXPECT_GE(image->_width / image->_height, leastFrames);
    for (int x = 0; x < image->_width; ++x) {
        const std::uint8_t* bgra = PixelAt(*image, x, 0);
        EXPECT_FALSE(bgra[0] == 255 && bgra[1] == 0 && bgra[2] == 255) << "end marker in column " << x;
    }
}

// Every invisible pixel beside a visible one carries nearly the visible colour, so that
// linear filtering draws no dark fringe.
void ExpectCleanEdges(const std::string& name) {
    SCOPED_TRACE(name);
    const auto image = Load(name);
    for (int row = 1; row + 1 < image->_height; ++row) {
        for (int x = 1; x + 1 < image->_width; ++x) {
            if (PixelAt(*image, x, row)[3] != 0) continue;
            for (const int dx : {-1, 1}) {
                const std::uint8_t* visible = PixelAt(*image, x + dx, row);
                if (visible[3] < 128) continue;
                for (int channel = 0; channel < 3; ++channel) {
                    ASSERT_NEAR(visible[channel], PixelAt(*image, x, row)[channel], 96) << "at " << x << "," << row;
                }
            }
        }
    }
}

}  // namespace

TEST(LevelData, IsA24BitMapOfTheWholeLevelWithEightToTwentyBabiesAndTwoMinesEach) {
    const LevelData data;
    ASSERT_EQ(24, data.GetImage()._bitsPerPixel);
    ASSERT_EQ(LEVEL_SIZE, data.GetImage()._width);
    ASSERT_EQ(LEVEL_SIZE, data.GetImage()._height);
    const int babies = data.Count(BABY);
    EXPECT_GE(babies, 8);
    EXPECT_LE(babies, 20);  // heart rows 32 apart from the top stay above the floor
    EXPECT_GE(data.Count(MINE), 2 * babies);
    EXPECT_GE(data.Count(TURRET), 1);
}

TEST(LevelData, WallsCloseTheLevelAndEveryBabyHasRoomToSetOff) {
    const LevelData data;
    for (int x = 0; x < LEVEL_WIDTH; ++x) {
        EXPECT_TRUE(data.IsBlocked(x, 0) && data.IsBlocked(x, LEVEL_HEIGHT - 1)) << "column " << x;
    }
    for (int y = 0; y < LEVEL_HEIGHT; ++y) {
        EXPECT_TRUE(data.IsBlocked(0, y) && data.IsBlocked(LEVEL_WIDTH - 1, y)) << "row " << y;
    }
    for (int y = 0; y < LEVEL_HEIGHT; ++y) {
        for (int x = 0; x < LEVEL_WIDTH; ++x) {
            if (data.At(x, y) != BABY) continue;
            // The game's contact square: 20 cells below and left, 19 above and right.
            for (int yy = y - BABY_REACH; yy < y + BABY_REACH; ++yy) {
                for (int xx = x - BABY_REACH; xx < x + BABY_REACH; ++xx) {
                    ASSERT_FALSE(data.IsBlocked(xx, yy)) << "baby at " << x << "," << y;
                }
            }
        }
    }
}

TEST(LevelPicture, IsOneFrameTheSizeOfTheDataImage) {
    const auto picture = Load("levels/Level02_image.tga");
    EXPECT_EQ(LEVEL_SIZE, picture->_width);
    EXPECT_EQ(LEVEL_SIZE, picture->_height);
}

TEST(Sprites, AreStripsOfSquareFramesWithoutAnEarlyEndMarkerAndWithCleanEdges) {
    ExpectStrip("Baby/Baby_crawl.tga", 4);
    for (const char* name : {"Baby/Baby_dead.tga", "Baby/RedBabyHeartIcon.tga", "Misc/landmine01.tga",
                             "Turret/turret_base.tga"}) {
        ExpectStrip(name, 1);
    }
    for (const char* name : {"Baby/Baby_crawl.tga", "Baby/Baby_dead.tga", "Baby/RedBabyHeartIcon.tga",
                             "Misc/landmine01.tga", "Turret/turret_base.tga"}) {
        ExpectCleanEdges(name);
    }
    EXPECT_LE(Load("Misc/landmine01.tga")->_height, 32);
}

// The game rings a turret with a circle of radius 10 units and draws the base at half size
// over it: the image must be clear from 20 pixels out.
TEST(Sprites, TurretBaseLeavesItsRingInSight) {
    const auto base = Load("Turret/turret_base.tga");
    const double middle = base->_width / 2.0;
    for (int row = 0; row < base->_height; ++row) {
        for (int x = 0; x < base->_width; ++x) {
            const double dx = x + 0.5 - middle;
            const double dy = row + 0.5 - middle;
            if (dx * dx + dy * dy < 19.0 * 19.0) continue;
            EXPECT_EQ(0, PixelAt(*base, x, row)[3]) << "at " << x << "," << row;
        }
    }
}
