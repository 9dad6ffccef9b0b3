#include "Output.h"
#include "SilentOutput.h"

// A build of the logic alone has no sound device: it plays into the silent output.
std::unique_ptr<Output> CreateDeviceOutput() { return std::make_unique<SilentOutput>(); }
