#include "InstalledGame.h"

namespace {

std::filesystem::path Existing(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::exists(path, error) ? path : std::filesystem::path();
}

}  // namespace

InstalledGame::InstalledGame() {
    std::error_code error;
    const std::filesystem::path here = std::filesystem::read_symlink("/proc/self/exe", error).parent_path();
    const std::filesystem::path prefix = here.parent_path();
    _program = Existing(prefix / "lib/games/cribblestorm/cribblestorm");
    _dataFolder = Existing(prefix / "share/games/cribblestorm");
    if (_program.empty()) _program = Existing(prefix / "cribblestorm");
    if (_dataFolder.empty()) _dataFolder = Existing(CRIBBLESTORM_SOURCE_DATA);
}
