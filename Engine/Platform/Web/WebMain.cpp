// The browser's entry point: the engine with an empty command line. Its result leaves
// through the runtime's exit, which hands the exit code to the page: a main that waited for
// the browser on its way (the buffer swap) returns to no one.
#include <cstdlib>

#include "../Platform.h"

int main() { std::exit(EngineMain(nullptr, "")); }
