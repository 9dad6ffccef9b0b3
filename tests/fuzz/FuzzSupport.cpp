#include "FuzzSupport.h"

#include <cstdio>

#include "Engine/AssertionFailure.h"
#include "Engine/Platform/Platform.h"
#include "Engine/Platform/Script/ScriptedPlatform.h"

namespace {

struct AssertionFailed {};

const std::vector<std::uint8_t> ONE_PIXEL = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 1, 0, 32, 0, 1, 2, 3, 4};

std::string servedNameEnd;
std::vector<std::uint8_t> servedBytes;

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

}  // namespace

std::FILE* Platform::OpenFile(const char* fileName, const char* mode) {
    const std::vector<std::uint8_t>& bytes = EndsWith(fileName, servedNameEnd) ? servedBytes : ONE_PIXEL;
    if (bytes.empty()) return std::fopen("/dev/null", mode);  // fmemopen refuses an empty buffer
    return fmemopen(const_cast<std::uint8_t*>(bytes.data()), bytes.size(), mode);
}

void ServeFile(const std::string& nameEnd, std::vector<std::uint8_t> bytes) {
    servedNameEnd = nameEnd;
    servedBytes = std::move(bytes);
}

void SurviveFailures(const std::function<void()>& body) {
    // The debugger output and the calls are kept by the script; here they would only pile up.
    Script().isEchoingDebugOutput = false;
    Script().debugOutput.clear();
    Script().calls.clear();
    SetAssertionHook([](const char* /*report*/) { throw AssertionFailed(); });
    try {
        body();
    } catch (const AssertionFailed&) {
    }
}
