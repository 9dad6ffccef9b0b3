#pragma once
#include <string>

// Every run-time file of the game, drawn and written into a folder laid out as the game's
// working folder.
class DataSet {
public:
    // False, after saying why on standard error, when a file cannot be made.
    static bool WriteAll(const std::string& folder);
    // A crowd level (LevelLayout::Crowd) with `babies` babies and four times as many mines,
    // written as <levels folder>/Crowd<babies>_image.tga and _data.tga.
    static bool WriteCrowd(const std::string& levelsFolder, int babies);
};
