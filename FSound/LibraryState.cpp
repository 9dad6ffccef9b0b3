#include "LibraryState.h"

LibraryState& TheLibraryState() {
    static LibraryState state;
    return state;
}
