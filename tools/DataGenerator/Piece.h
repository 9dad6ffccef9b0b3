#pragma once
#include "Shape.h"

// One thing standing on the nursery floor. Its footprint is exactly the ground it blocks.
struct Piece {
    enum class Kind { WALL, HEART_BOARD, CRIB, DRESSER, BOOKCASE, TOY_CHEST, PLAY_TABLE, ARMCHAIR, PLANT, BEANBAG,
                      ROCKING_HORSE, TURRET_PAD, PLAY_TUNNEL };

    Kind kind;
    Shape footprint;
};
