#pragma once
#include <string>

// The game's icon in every form the packages install: PNGs laid out as the hicolor icon
// theme ("hicolor/48x48/apps/cribblestorm.png"), a Windows icon file "cribblestorm.ico", and
// the Linux window's icon as bare RGBA rows from the top ("cribblestorm-48.rgba"), which the
// program's build embeds. The game itself never loads them.
class IconSet {
public:
    // False, after saying why on standard error, when a file cannot be made.
    static bool WriteAll(const std::string& folder);
};
