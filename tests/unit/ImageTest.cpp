// The TGA loader: what it accepts byte for byte, and every way it turns a file away.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#if defined(__linux__)
#include <sys/resource.h>
#endif

#include "Engine/Image.h"
#include "Engine/Platform/OpenGL.h"
#include "Engine/Platform/Platform.h"
#include "TestSupport.h"

namespace {

const std::string NAME = "UNNAMED APPLICATION : Call theApplication.SetName() from PreInit() to set name!";
const std::vector<std::uint8_t> TRUE_COLOR = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0};

std::vector<std::uint8_t> Counting(std::size_t count) {
    std::vector<std::uint8_t> bytes(count);
    for (std::size_t i = 0; i < count; ++i) bytes[i] = static_cast<std::uint8_t>(i * 7 + 1);
    return bytes;
}

void ExpectRefused(const std::string& expression, const std::string& message) {
    const std::string report = Report("Engine/Image.cpp", expression, message);
    EXPECT_EXIT(Image("levels\\x.tga"), ::testing::ExitedWithCode(1),
                ExactText(report + FatalBoxes(NAME, report) + ShutdownLines(false)));
}

#if defined(__linux__) && !defined(__SANITIZE_ADDRESS__)  // the sanitizers reserve far more
// Lets the process grow by `bytes` only, so that a larger allocation fails.
void LimitAddressSpaceToWhatIsUsedPlus(std::uint64_t bytes) {
    std::ifstream status("/proc/self/status");
    std::string field;
    std::uint64_t usedKiB = 0;
    while (status >> field && field != "VmSize:") {}
    status >> usedKiB;
    const rlimit limit = {usedKiB * 1024 + bytes, usedKiB * 1024 + bytes};
    setrlimit(RLIMIT_AS, &limit);
}
#endif

class ImageTest : public ::testing::Test {
protected:
    void SetUp() override { EnterScratchFolder(); }
};

}  // namespace

TEST_F(ImageTest, KeepsThePixelBlockByteForByteInFileOrder) {
    const std::vector<std::uint8_t> pixels = Counting(3 * 2 * 4);
    std::vector<std::uint8_t> withTrailer = pixels;
    withTrailer.insert(withTrailer.end(), 26, 0xEE);  // a footer the loader never reads
    WriteTga("levels/x.tga", 3, 2, 32, withTrailer);
    const Image image("levels\\x.tga");  // either separator reaches the file
    EXPECT_EQ(image._width, 3);
    EXPECT_EQ(image._height, 2);
    EXPECT_EQ(image._glInternalFormat, static_cast<std::uint32_t>(GL_RGBA));
    EXPECT_EQ(image._glPixelFormat, static_cast<std::uint32_t>(GL_BGRA_EXT));
    EXPECT_EQ(std::vector<std::uint8_t>(image._pixels, image._pixels + pixels.size()), pixels);

    WriteTga("top.tga", 5, 1, 24, Counting(15), TRUE_COLOR);  // descriptor says nothing either way
    const Image rgb("top.tga");
    EXPECT_EQ(rgb._glInternalFormat, static_cast<std::uint32_t>(GL_RGB));
    EXPECT_EQ(rgb._glPixelFormat, static_cast<std::uint32_t>(GL_BGR_EXT));
    EXPECT_EQ(std::vector<std::uint8_t>(rgb._pixels, rgb._pixels + 15), Counting(15));

    WriteTga("empty.tga", 0, 0, 24, {});
    EXPECT_EQ(Image("empty.tga")._width, 0);
}

TEST_F(ImageTest, ATopOriginFileKeepsItsRowsInFileOrder) {
    std::vector<std::uint8_t> file = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 2, 0, 24, 0x20};
    const std::vector<std::uint8_t> rows = {1, 2, 3, 4, 5, 6};
    file.insert(file.end(), rows.begin(), rows.end());
    std::FILE* out = std::fopen("top.tga", "wb");
    std::fwrite(file.data(), 1, file.size(), out);
    std::fclose(out);
    const Image image("top.tga");
    EXPECT_EQ(std::vector<std::uint8_t>(image._pixels, image._pixels + 6), rows);
}

TEST_F(ImageTest, TurnsAwayEveryOtherKindOfFile) {
    ExpectRefused("file", "Image::LoadFromFile : failed to open \"levels\\x.tga\"\n");

    std::filesystem::create_directories("levels");
    std::FILE* truncated = std::fopen("levels/x.tga", "wb");
    std::fwrite(TRUE_COLOR.data(), 1, 11, truncated);
    std::fclose(truncated);
    ExpectRefused("bytesRead == sizeof( primerTGA )", "");

    const std::vector<std::vector<std::uint8_t>> otherKinds = {
        {5, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0},    // an image ID
        {0, 1, 1, 0, 0, 0, 1, 24, 0, 0, 0, 0},   // a colour map
        {0, 0, 10, 0, 0, 0, 0, 0, 0, 0, 0, 0},   // run-length compressed
        {0, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0},    // grey scale
        {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 4, 0}};   // a y origin
    for (const auto& header : otherKinds) {
        WriteTga("levels/x.tga", 1, 1, 24, {1, 2, 3}, header);
        ExpectRefused("!memcmp( primerTGA, _primerTGA_correct, sizeof( primerTGA ) )", "");
    }

    WriteTga("levels/x.tga", 1, 1, 16, {1, 2});
    ExpectRefused("", "Image::_LoadTGAFromFile : levels\\x.tga had unsupported bit-depth of 16 bpp\n");

    WriteTga("levels/x.tga", 4, 4, 24, Counting(47));
    ExpectRefused("bytesRead == pixelBytes", "");

    // The header asks for 16 GiB; nothing is allocated or read for it.
    WriteTga("levels/x.tga", 65535, 65535, 32, Counting(64));
    ExpectRefused("wideByteCount <= LARGEST_PIXEL_BLOCK",
                  "Image::_LoadTGAFromFile : levels\\x.tga is too large (65535 x 65535 pixels)\n");

    // A header that promises more than the file holds is refused before allocating.
    WriteTga("levels/x.tga", 32767, 32767, 32, Counting(64));
    ExpectRefused("bytesRead == pixelBytes", "");
}

// A file of the given size, sparse where the file system allows: one byte at the end.
void WriteSparseFile(const std::string& path, const std::vector<std::uint8_t>& start, std::int64_t size) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    std::fwrite(start.data(), 1, start.size(), file);
#if defined(_WIN32)
    ASSERT_EQ(_fseeki64(file, size - 1, SEEK_SET), 0);
#else
    ASSERT_EQ(fseeko(file, size - 1, SEEK_SET), 0);
#endif
    std::fputc(0, file);
    std::fclose(file);
}

TEST_F(ImageTest, MeasuresWhatIsLeftOfFilesLargerThanAnyLongOnEveryTarget) {
    const std::int64_t size = (std::int64_t{5} << 30) + 7;  // past 2 GiB and past 4 GiB
    WriteSparseFile("huge.bin", {1, 2, 3}, size);
    std::FILE* file = std::fopen("huge.bin", "rb");
    ASSERT_NE(file, nullptr);
    ASSERT_EQ(std::fgetc(file), 1);
    EXPECT_EQ(Platform::FileBytesLeft(file), static_cast<std::uint64_t>(size - 1));
    EXPECT_EQ(std::fgetc(file), 2);  // the position is kept
    std::fclose(file);
    std::filesystem::remove("huge.bin");
}

#if defined(__linux__) && !defined(__SANITIZE_ADDRESS__)
TEST_F(ImageTest, APixelBlockThatCannotBeAllocatedIsReportedWithTheFileAndItsSize) {
    std::vector<std::uint8_t> header = TRUE_COLOR;
    header.insert(header.end(), {0x00, 0x20, 0x00, 0x20, 32, 0});  // 8192 x 8192, 32 bits: 256 MiB
    WriteSparseFile("big.tga", header, 18 + (std::int64_t{256} << 20));
    const std::string report = Report("Engine/Image.cpp", "_pixels",
                                      "Image::_LoadTGAFromFile : cannot allocate 268435456 bytes for the pixels of "
                                      "big.tga\n");
    EXPECT_EXIT(
        {
            LimitAddressSpaceToWhatIsUsedPlus(64 << 20);
            Image("big.tga");
        },
        ::testing::ExitedWithCode(1), ExactText(report + FatalBoxes(NAME, report) + ShutdownLines(false)));
    std::filesystem::remove("big.tga");
}
#endif
