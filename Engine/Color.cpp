#include "Color.h"

// Constant-initialised, so they hold their values before any static constructor runs.
constexpr Color Color::WHITE(1.0f, 1.0f, 1.0f, 1.0f);
constexpr Color Color::BLACK(0.0f, 0.0f, 0.0f, 1.0f);
constexpr Color Color::RED(1.0f, 0.0f, 0.0f, 1.0f);
constexpr Color Color::GREEN(0.0f, 1.0f, 0.0f, 1.0f);
constexpr Color Color::BLUE(0.0f, 0.0f, 1.0f, 1.0f);
constexpr Color Color::YELLOW(1.0f, 1.0f, 0.0f, 1.0f);
constexpr Color Color::MAGENTA(1.0f, 0.0f, 1.0f, 1.0f);
constexpr Color Color::CYAN(0.0f, 1.0f, 1.0f, 1.0f);
constexpr Color Color::ORANGE(1.0f, 0.5f, 0.0f, 1.0f);
constexpr Color Color::GREY(0.5f, 0.5f, 0.5f, 1.0f);
constexpr Color Color::DARK_RED(0.5f, 0.0f, 0.0f, 1.0f);
constexpr Color Color::DARK_GREEN(0.0f, 0.5f, 0.0f, 1.0f);
constexpr Color Color::DARK_BLUE(0.0f, 0.0f, 0.5f, 1.0f);
constexpr Color Color::DARK_YELLOW(0.5f, 0.5f, 0.0f, 1.0f);
constexpr Color Color::DARK_MAGENTA(0.5f, 0.0f, 0.5f, 1.0f);
constexpr Color Color::DARK_CYAN(0.0f, 0.5f, 0.5f, 1.0f);
constexpr Color Color::BROWN(0.5f, 0.25f, 0.0f, 1.0f);
constexpr Color Color::DARK_GREY(0.25f, 0.25f, 0.25f, 1.0f);
