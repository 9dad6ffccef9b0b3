#pragma once
#include <memory>
#include <vector>

#include "Output.h"
#include "Sample.h"
#include "SoftwareMixer.h"
#include "fsound_testing.h"

// What the library's calls share: the one mixer, its output, the loaded samples, the last
// error, and what tests asked of it.
struct LibraryState {
    int lastError = FMOD_ERR_NONE;
    bool isInitialized = false;
    SoftwareMixer mixer;
    std::unique_ptr<Output> output;
    std::vector<std::unique_ptr<FSOUND_SAMPLE>> samples;

    bool isSilentOutputChosen = false;
    int nextErrors[3] = {FMOD_ERR_NONE, FMOD_ERR_NONE, FMOD_ERR_NONE};  // by FSoundTesting::StartCall
    FSoundTesting::CallCounts calls;
};

LibraryState& TheLibraryState();
