#include "LoadedLevel.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "Engine/Platform/Headless/HeadlessPlatform.h"
#include "Game/Baby.h"
#include "Game/Level.h"
#include "Game/Mine.h"
#include "Game/Turret.h"

namespace {

// The first message box of a fatal error holds its report; the game would end here.
void ReportRefusal(const char* report) {
    std::printf("The game refuses this level:\n%s", report);
    std::fflush(stdout);
    std::_Exit(LoadedLevel::REFUSED);
}

}  // namespace

LoadedLevel::LoadedLevel(const std::string& folder, const std::string& name) : _name(name) {
    std::error_code error;
    std::filesystem::current_path(folder, error);
    if (error) {
        std::printf("The game refuses this level: there is no folder \"%s\".\n", folder.c_str());
        std::exit(REFUSED);
    }
    Headless().onMessageBox = ReportRefusal;
    theLevel.Load(name);
    for (const Baby* baby : Baby::GetBabies()) _babies.push_back(baby->GetPosition());
    for (const Mine* mine : Mine::GetMines()) _mines.push_back(mine->GetPosition());
    for (const Turret* turret : Turret::GetTurrets()) _turrets.push_back(turret->GetPosition());
}
