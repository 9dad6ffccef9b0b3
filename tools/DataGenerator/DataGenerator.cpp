// datagen: draws every picture the game loads, and the game's icon for its packages, from
// nothing but this code, and writes them into the given folders. The same build always
// writes the same bytes. With --crowd it writes a crowd level for the benchmark instead.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "DataSet.h"
#include "IconSet.h"

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "--crowd") == 0 && std::atoi(argv[2]) > 0) {
        return DataSet::WriteCrowd(argv[3], std::atoi(argv[2])) ? 0 : 1;
    }
    if (argc != 3) {
        std::fprintf(stderr, "usage: datagen <data folder> <icon folder>\n       datagen --crowd <babies> <levels folder>\n");
        return 2;
    }
    return DataSet::WriteAll(argv[1]) && IconSet::WriteAll(argv[2]) ? 0 : 1;
}
