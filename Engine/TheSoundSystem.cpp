#include "TheSoundSystem.h"

#include "AssertionFailure.h"
#include "TheConsole.h"

bool TheSoundSystem::_isInitialized = false;

TheSoundSystem::~TheSoundSystem() {
    ASSERT_ALL_BUILDS(!_isInitialized, "TheSoundSystem was destroyed while running; Shutdown() should be called first!");
}

void TheSoundSystem::Startup() {
    theConsole.Printf("::: Initialization : Sound (starting)\n");
    ASSERT_ALL_BUILDS(!_isInitialized,
                      "TheSoundSystem was initialized twice; either a second TheSoundSystem was started or Startup() "
                      "was called on an already-running system.");
    _isInitialized = true;
    theConsole.Printf("::: Initialization : Sound (finished)\n");
}

void TheSoundSystem::Shutdown() {
    theConsole.Printf("::: Shutdown : Sound (starting)\n");
    _isInitialized = false;
    theConsole.Printf("::: Shutdown : Sound (finished)\n");
}

void TheSoundSystem::Update() {}
