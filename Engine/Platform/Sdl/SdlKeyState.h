#pragma once
#include <SDL.h>

// What the display says of the keys where SDL's events do not: whether a key is down now, which
// the window's return of the focus needs (SDL then tells of modifiers only). Under X the key
// codes are learnt from the X events behind SDL's key events; other video drivers tell nothing,
// and every key counts as up there. Called once SDL's video has started.
void ListenToKeyCodes();

// Fed every event before it is translated, so that a key event can be paired with the X event
// that it came from.
void NoteKeyEvent(const SDL_Event& event);

// Whether the key is held on the keyboard now, whichever window has the focus.
bool IsKeyDownNow(SDL_Scancode scancode);
