// datagen: draws every picture the game loads, from nothing but this code, and writes them
// into the given folder. The same build always writes the same bytes.
#include <cstdio>

#include "DataSet.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: datagen <output folder>\n");
        return 2;
    }
    return DataSet::WriteAll(argv[1]) ? 0 : 1;
}
