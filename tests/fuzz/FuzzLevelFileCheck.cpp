// The level tool's header check on any bytes, as either file of a level: it reads only the
// bytes it is given, and every verdict but "taken" comes with its line naming the file.
#include <cstdlib>

#include "tools/LevelTool/LevelFileCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    for (const LevelFileCheck::Role role : {LevelFileCheck::PICTURE, LevelFileCheck::DATA_IMAGE}) {
        const LevelFileCheck check("fuzz.tga", role, data, size);
        const bool isTaken = check.GetVerdict() == LevelFileCheck::TAKEN;
        if (isTaken != check.GetLine().empty() || (!isTaken && check.GetLine().rfind("fuzz.tga ", 0) != 0)) {
            std::abort();
        }
    }
    return 0;
}
