#include "LevelFiles.h"

#include <cstdio>
#include <fstream>
#include <iterator>

#include "LoadedLevel.h"

LevelFiles::LevelFiles(const std::filesystem::path& folder, const std::string& name) {
    _Judge((folder / LoadedLevel::PictureFile(name)).lexically_normal(), LevelFileCheck::PICTURE);
    _Judge((folder / LoadedLevel::DataFile(name)).lexically_normal(), LevelFileCheck::DATA_IMAGE);
}

void LevelFiles::_Judge(const std::filesystem::path& file, LevelFileCheck::Role role) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) {
        _refusals.push_back(file.string() + " does not exist: a level is the two files levels/NAME_image.tga and "
                            "levels/NAME_data.tga in the folder the game starts in");
        return;
    }
    std::ifstream stream(file, std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
    const LevelFileCheck check(file.string(), role, bytes.data(), bytes.size());
    if (check.GetVerdict() == LevelFileCheck::REFUSED) _refusals.push_back(check.GetLine());
    if (check.GetVerdict() == LevelFileCheck::UPSIDE_DOWN) _upsideDown.push_back(check.GetLine());
}

bool LevelFiles::ReportRefusals() const {
    for (const std::string& line : _refusals) std::fprintf(stderr, "%s\n", line.c_str());
    return !_refusals.empty();
}
