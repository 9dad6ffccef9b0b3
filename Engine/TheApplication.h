#pragma once
#include <string>

#include "Platform/Platform.h"

// The spine: starts the services and the game in a fixed order, runs one frame per idle
// turn of the message loop, keeps the frame clock, and stops everything in reverse order.
class TheApplication {
public:
    TheApplication();
    ~TheApplication();

    void Startup();
    void RequestShutdown();
    void ShutdownIfRequested();
    void RunFrame();
    void UpdateFrameTime();
    void ProcessCommandLine();

    void SetEntryArguments(InstanceHandle instanceHandle, const std::string& commandLine);
    void SetName(const std::string& name);
    const std::string& GetName() const;
    InstanceHandle GetInstanceHandle() const { return _instanceHandle; }
    bool IsShutDown() const { return _isShutDown; }

    double GetFrameSeconds() const { return _frameSeconds; }
    double GetTimeSeconds() const { return _timeSeconds; }
    float GetFramesPerSecond() const { return _framesPerSecond; }

    void OnAppActivated();
    void OnAppDeactivated();

private:
    void _Shutdown();
    static std::string& _Name();

    std::string _commandLine;
    InstanceHandle _instanceHandle;
    bool _isShutDown;
    bool _isShutdownRequested;
    double _frameSeconds;
    double _timeSeconds;
    float _framesPerSecond;

    static bool _isInitialized;
};

extern TheApplication theApplication;
