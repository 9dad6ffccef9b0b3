#pragma once
#include <string>
#include <vector>

#include "Engine/Vec2.h"

class Image;

// A level loaded into theLevel by the game's own code, from the folder the game would start
// in (levels/NAME_image.tga, levels/NAME_data.tga and the sprite folders), with the places
// where its scan spawned babies and mines, in scan order. A level the game would refuse ends
// the program with the game's own report, the folder and the file it was reading, on
// standard error, and exit code 2.
class LoadedLevel {
public:
    static constexpr int REFUSED = 2;

    LoadedLevel(const std::string& folder, const std::string& name);

    const std::string& GetName() const { return _name; }
    int GetPictureWidth() const { return _pictureWidth; }
    int GetPictureHeight() const { return _pictureHeight; }
    const std::vector<Vec2>& GetBabies() const { return _babies; }
    const std::vector<Vec2>& GetMines() const { return _mines; }
    const std::vector<Vec2>& GetTurrets() const { return _turrets; }
    // Cells of the data image's colour codes in the stored rows below the level's, which the
    // game never reads: there only when the image is upside down.
    int GetCodesBelowLevel() const { return _codesBelowLevel; }

    static std::string PictureFile(const std::string& name) { return "levels/" + name + "_image.tga"; }
    static std::string DataFile(const std::string& name) { return "levels/" + name + "_data.tga"; }

private:
    void _ReadImages();
    void _CountCodesBelowLevel(const Image& data);

    std::string _name;
    int _pictureWidth = 0;
    int _pictureHeight = 0;
    int _codesBelowLevel = 0;
    std::vector<Vec2> _babies;
    std::vector<Vec2> _mines;
    std::vector<Vec2> _turrets;
};
