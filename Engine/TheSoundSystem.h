#pragma once

// Placeholder until the sound library stands: the start and stop lines and the guards.
class TheSoundSystem {
public:
    ~TheSoundSystem();

    void Startup();
    void Shutdown();
    void Update();

private:
    static bool _isInitialized;
};

extern TheSoundSystem theSoundSystem;
