#pragma once
#include <string>
#include <vector>

#include "Engine/Vec2.h"

// A level loaded into theLevel by the game's own code, from the folder the game would start
// in (levels/NAME_image.tga, levels/NAME_data.tga and the sprite folders), with the places
// where its scan spawned babies and mines, in scan order. A level the game would refuse ends
// the program with the game's own report and exit code 2.
class LoadedLevel {
public:
    static constexpr int REFUSED = 2;

    LoadedLevel(const std::string& folder, const std::string& name);

    const std::string& GetName() const { return _name; }
    const std::vector<Vec2>& GetBabies() const { return _babies; }
    const std::vector<Vec2>& GetMines() const { return _mines; }
    const std::vector<Vec2>& GetTurrets() const { return _turrets; }

private:
    std::string _name;
    std::vector<Vec2> _babies;
    std::vector<Vec2> _mines;
    std::vector<Vec2> _turrets;
};
