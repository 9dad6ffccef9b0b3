// The browser's entry point: the engine with an empty command line. Its exit code reaches
// the page through the runtime's exit.
#include "../Platform.h"

int main() { return EngineMain(nullptr, ""); }
