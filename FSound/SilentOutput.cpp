#include "SilentOutput.h"

bool SilentOutput::Open(SoftwareMixer& /*mixer*/, int /*mixingRate*/) { return true; }
