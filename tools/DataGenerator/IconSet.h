#pragma once
#include <string>

// The game's icon in every form the packages install: PNGs laid out as the hicolor icon
// theme ("hicolor/48x48/apps/cribblestorm.png") and a Windows icon file "cribblestorm.ico".
// The game itself never loads them.
class IconSet {
public:
    // False, after saying why on standard error, when a file cannot be made.
    static bool WriteAll(const std::string& folder);
};
