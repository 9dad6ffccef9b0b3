#pragma once
#include <filesystem>
#include <string>
#include <vector>

#include "LevelFileCheck.h"

// A level's two files in the folder the game would start in, each judged by LevelFileCheck
// before the game reads it, and named as its maker knows it: the folder as given, then
// levels/NAME_image.tga or levels/NAME_data.tga.
class LevelFiles {
public:
    LevelFiles(const std::filesystem::path& folder, const std::string& name);

    // The lines of the files the game would refuse, printed on standard error; true when there
    // were any.
    bool ReportRefusals() const;
    // One line for each file the game reads upside down.
    const std::vector<std::string>& GetUpsideDown() const { return _upsideDown; }

private:
    void _Judge(const std::filesystem::path& file, LevelFileCheck::Role role);

    std::vector<std::string> _refusals;
    std::vector<std::string> _upsideDown;
};
