#include "TheApplication.h"

#include "AssertionFailure.h"
#include "Color.h"
#include "TheConsole.h"
#include "TheGameInterfaceAbstract.h"
#include "TheInputSystem.h"
#include "TheMessageHandler.h"
#include "TheRenderer.h"
#include "TheSoundSystem.h"
#include "TheVideoSystem.h"
#include "Timer.h"

bool TheApplication::_isInitialized = false;

namespace {

constexpr double LONGEST_FRAME_SECONDS = 1.0;
constexpr double SHORTEST_FRAME_SECONDS = 0.001;
constexpr double FRAME_RATE_KEPT = 0.9;
constexpr double FRAME_RATE_TAKEN = 0.1;

}  // namespace

TheApplication::TheApplication()
    : _instanceHandle(nullptr),
      _isShutDown(false),
      _isShutdownRequested(false),
      _frameSeconds(0.1),
      _timeSeconds(Timer::GetSeconds()),
      _framesPerSecond(60.0f) {}

TheApplication::~TheApplication() {
    ASSERT_ALL_BUILDS(!_isInitialized,
                      "TheApplication was destroyed while running; RequestShutdown() should be called first!");
}

// Built on first use, so that a failure during static construction can already name it,
// and never destroyed, so that a failure during static destruction still can.
std::string& TheApplication::_Name() {
    static std::string& name =
        *new std::string("UNNAMED APPLICATION : Call theApplication.SetName() from PreInit() to set name!");
    return name;
}

void TheApplication::SetName(const std::string& name) { _Name() = name; }

const std::string& TheApplication::GetName() const { return _Name(); }

void TheApplication::SetEntryArguments(InstanceHandle instanceHandle, const std::string& commandLine) {
    _instanceHandle = instanceHandle;
    _commandLine = commandLine;
}

void TheApplication::Startup() {
    theConsole.Printf("::: Initialization : Application (starting)\n");
    ASSERT_ALL_BUILDS(!_isInitialized,
                      "TheApplication was initialized twice; either a second TheApplication was started or "
                      "Startup() was called on an already-running system.");
    ASSERT_ALL_BUILDS(TheGameInterfaceAbstract::IsGamePresent(),
                      "ENGINE USAGE ERROR:\n"
                      "  You must create a static instance of a class derived from TheGameInterfaceAbstract.\n"
                      "  This derived class - typically named TheGameInterface - serves as the main interface"
                      "    by which the engine can call into game code.\n"
                      "  See TheGameInterfaceAbstract and engine documentation for more details.\n");
    ProcessCommandLine();
    _isInitialized = true;
    TheGameInterfaceAbstract::GetInstance()->PreInit();

    theConsole.Startup();
    theInputSystem.Startup();
    theMessageHandler.Startup();
    theVideoSystem.Startup();
    theSoundSystem.Startup();
    theRenderer.Startup();

    TheGameInterfaceAbstract::GetInstance()->PostInit();
    theConsole.Printf("::: Initialization : Application (finished)\n");
}

void TheApplication::ProcessCommandLine() {
    std::string commandLine = _commandLine;
    TheGameInterfaceAbstract::GetInstance()->ProcessCommandLine(commandLine);
}

void TheApplication::RequestShutdown() { _isShutdownRequested = true; }

void TheApplication::ShutdownIfRequested() {
    if (_isShutdownRequested) _Shutdown();
}

void TheApplication::_Shutdown() {
    theConsole.Printf("::: _Shutdown : Application (starting)\n");
    _isShutDown = true;
    if (TheGameInterfaceAbstract::IsGamePresent()) TheGameInterfaceAbstract::GetInstance()->Shutdown();

    theRenderer.Shutdown();
    theSoundSystem.Shutdown();
    theVideoSystem.Shutdown();
    theMessageHandler.Shutdown();
    theInputSystem.Shutdown();
    theConsole.Shutdown();

    _isInitialized = false;
    theConsole.Printf("::: _Shutdown : Application (finished)\n");
}

void TheApplication::RunFrame() {
    if (_isShutDown) return;
    UpdateFrameTime();
    theSoundSystem.Update();
    theInputSystem.Update();
    TheGameInterfaceAbstract::GetInstance()->RunFrame();
    theRenderer.RenderOverlays();
    theVideoSystem.SwapBuffers();
    theRenderer.ClearScreen(Color::BLACK);
    theRenderer.BeginFrame();
    ShutdownIfRequested();
}

void TheApplication::UpdateFrameTime() {
    const double now = Timer::GetSeconds();
    double delta = now - _timeSeconds;
    _timeSeconds = now;
    if (delta > LONGEST_FRAME_SECONDS) {
        delta = LONGEST_FRAME_SECONDS;
    } else if (delta < SHORTEST_FRAME_SECONDS) {
        delta = SHORTEST_FRAME_SECONDS;
    }
    _frameSeconds = delta;
    _framesPerSecond = static_cast<float>(_framesPerSecond * FRAME_RATE_KEPT + (1.0 / delta) * FRAME_RATE_TAKEN);
}

void TheApplication::OnAppActivated() { theInputSystem.ResumeMouseTracking(); }

void TheApplication::OnAppDeactivated() { theInputSystem.SuspendMouseTracking(); }
