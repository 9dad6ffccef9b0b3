#pragma once

// The game's one source of random numbers: 0 to 32767, the same sequence in every run
// (state from 1, never seeded).
int GameRandom();

// Starts the sequence again from its first number, for tests and for tools that play many games.
void RestartGameRandom();
