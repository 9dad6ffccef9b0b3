#include "IconSet.h"

#include <filesystem>
#include <vector>

#include "AppIconArt.h"
#include "IcoWriter.h"
#include "OutputFile.h"
#include "PngWriter.h"

namespace {

const int THEME_SIZES[] = {16, 32, 48, 64, 128, 256};
const int WINDOWS_SIZES[] = {16, 32, 48, 256};
const int LINUX_WINDOW_SIZE = 48;
const Rgba TRANSPARENT{0.0, 0.0, 0.0, 0.0};

Canvas IconOfSize(int size) {
    Canvas canvas(size, size, TRANSPARENT);
    Painter painter(canvas, {0.0, 0.0}, {0.0, 0.0, static_cast<double>(size), static_cast<double>(size)});
    AppIconArt().Paint(painter, size);
    return canvas;
}

}  // namespace

bool IconSet::WriteAll(const std::string& folder) {
    const std::filesystem::path root(folder);
    for (const int size : THEME_SIZES) {
        const std::filesystem::path theme = std::to_string(size) + "x" + std::to_string(size);
        const std::filesystem::path path = root / "hicolor" / theme / "apps" / "cribblestorm.png";
        if (!OutputFile::Write(path, PngWriter::Encode(IconOfSize(size)))) return false;
    }
    // The Linux program's window icon, bare pixels that its build embeds.
    const std::string window = "cribblestorm-" + std::to_string(LINUX_WINDOW_SIZE) + ".rgba";
    if (!OutputFile::Write(root / window, PngWriter::Rows(IconOfSize(LINUX_WINDOW_SIZE)))) return false;
    std::vector<Canvas> windowsImages;
    for (const int size : WINDOWS_SIZES) windowsImages.push_back(IconOfSize(size));
    return OutputFile::Write(root / "cribblestorm.ico", IcoWriter::Encode(windowsImages));
}
