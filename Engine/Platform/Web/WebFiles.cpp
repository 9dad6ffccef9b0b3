// Resource files come from the page's file system, which holds the packed data folder.
// Loading them is most of the start's work, so the start gives the browser its turns there.
#include "../Platform.h"
#include "../SlashedPaths.h"
#include "WebState.h"

std::FILE* Platform::OpenFile(const char* fileName, const char* mode) {
    KeepStartResponsive();
    return OpenSlashedPath(fileName, mode);
}
