#pragma once
#include <functional>
#include <string>

// Levels and sprites written by the tests into the current folder.

// The five sprite files every baby, mine and turret loads: small, one frame each but the
// crawl strip of four.
void WriteSprites();

// levels/<name>_image.tga (4 x 4) and levels/<name>_data.tga (1024 x 1024, 24-bit, black
// but for the cells painted): paint(x, y) gives the colour of level cell (x, y) as
// red * 65536 + green * 256 + blue.
void WriteLevel(const std::string& name, const std::function<std::uint32_t(int x, int y)>& paint);

// Runs body in a child process, so that it starts with empty entity lists; the test fails
// when any expectation inside fails.
void InFreshProcess(const std::function<void()>& body);
