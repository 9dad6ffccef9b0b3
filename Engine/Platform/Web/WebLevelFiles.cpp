// What the page asks of the game's code about a level of the player's own: whether the game
// would take a file as the level's picture or data image, in plain words, before a game is
// started on it; and the end of the game that runs, so that one on the new level can start.
#include <emscripten.h>

#include <cstdint>
#include <string>

#include "../Platform.h"
#include "tools/LevelTool/LevelFileCheck.h"

// The level tool's line for a file the game would refuse, or an empty text; valid until the
// next call. A file flagged as stored top row first is taken, as the game takes it.
extern "C" EMSCRIPTEN_KEEPALIVE const char* CheckLevelFile(const char* name, const std::uint8_t* bytes, int size,
                                                           int isDataImage) {
    static std::string message;
    const LevelFileCheck check(name, isDataImage != 0 ? LevelFileCheck::DATA_IMAGE : LevelFileCheck::PICTURE, bytes,
                               static_cast<std::size_t>(size));
    message = check.GetVerdict() == LevelFileCheck::REFUSED ? check.GetLine() : std::string();
    return message.c_str();
}

// As closing the window would: the game shuts down whole at the end of its next frame.
extern "C" EMSCRIPTEN_KEEPALIVE void QuitGame() { Platform::PostQuitMessage(0); }
