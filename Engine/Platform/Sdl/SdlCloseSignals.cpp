#include "SdlCloseSignals.h"

#include <csignal>

namespace {

volatile std::sig_atomic_t closeSignals = 0;

void OnCloseSignal(int /*signal*/) { closeSignals = 1; }

}  // namespace

void InstallCloseSignals() {
    std::signal(SIGINT, OnCloseSignal);
    std::signal(SIGTERM, OnCloseSignal);
}

bool TakeCloseSignal() {
    if (closeSignals == 0) return false;
    closeSignals = 0;
    return true;
}
