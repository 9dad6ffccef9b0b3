// datagen: draws every picture the game loads, and the game's icon for its packages, from
// nothing but this code, and writes them into the given folders. The same build always
// writes the same bytes.
#include <cstdio>

#include "DataSet.h"
#include "IconSet.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: datagen <data folder> <icon folder>\n");
        return 2;
    }
    return DataSet::WriteAll(argv[1]) && IconSet::WriteAll(argv[2]) ? 0 : 1;
}
