// Whole engine runs over the scripted platform, each in a child process, so that every run
// starts from freshly constructed services.
#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>

#include "Engine/AssertionFailure.h"
#include "Engine/Platform/Script/ScriptedPlatform.h"
#include "Engine/Platform/WindowsConstants.h"
#include "Engine/TheApplication.h"
#include "Engine/TheInputSystem.h"
#include "Engine/TheVideoSystem.h"
#include "TestGame.h"
#include "TestSupport.h"

namespace {

using ::testing::ExitedWithCode;

const std::string NAME = "Cribblestorm";
const std::string STARTUP_CALLS =
    "game ProcessCommandLine() | game PreInit | ShowCursor(0) | RegisterClassA(OpenGL GameEngine Window Class) | "
    "CreateWindowExA(Cribblestorm, 0xC80000, 0, 0, 1030, 794) | ShowWindow(5) | SetForegroundWindow | SetFocus | "
    "DrawPlaque(\"Choosing a pixel format...\" at 408, 384) | ChoosePixelFormat(32) | "
    "DrawPlaque(\"Setting the pixel format...\" at 404, 384) | "
    "DrawPlaque(\"Creating a rendering context...\" at 388, 384) | "
    "DrawPlaque(\"Making rendering context current...\" at 372, 384) | DrawPlaque(\"\" at 512, 384) | "
    "CreateFontIndirectA(Trebuchet MS) | SelectObject(font) | UseFontBitmaps(0, 255) | SelectObject(previous) | "
    "DeleteObject | game PostInit | ";
const std::string FRAME_CALLS = "Sleep(0) | SetCursorPos(160, 120) | game RunFrame | SwapBuffers | ";
const std::string SHUTDOWN_CALLS = "game Shutdown | ChangeDisplaySettingsA(null) | ShowWindow(0) | ShowCursor(1) | ";

std::string StartupLines() {
    std::string text = ConsoleLine("::: Initialization : Application (starting)", false) +
                       ConsoleLine("::: Initialization : Console (starting)", false) +
                       ConsoleLine("::: Initialization : Console (finished)", true);
    for (const char* service : {"Input System", "Message Handler"}) {
        text += ConsoleLine(std::string("::: Initialization : ") + service + " (starting)", true);
        text += ConsoleLine(std::string("::: Initialization : ") + service + " (finished)", true);
    }
    text += "CONSOLE: ::: Initialization : Video System (starting)\nCONSOLE: VideoSystem : found 10 display mode(s):\n";
    const char* const windowed[] = {" 320 x  240", " 400 x  300", " 512 x  384", " 640 x  480", " 800 x  600",
                                    "1024 x  768", "1152 x  864", "1280 x  960", "1600 x 1200"};
    for (int i = 0; i < 9; ++i) {
        text += "CONSOLE:   MODE   " + std::to_string(i) + " :  " + windowed[i] + " ( 32 bpp, ??? Hz, windowed)\n";
    }
    return text + "CONSOLE:   MODE   9 :  1024 x  768 ( 24 bpp,  60 Hz, fullscreen)\n"
                  "CONSOLE: VideoSystem : found 10 available display mode(s)\n"
                  "CONSOLE: VideoSystem : Setting current display mode #5: 1024 x 768 x 32 bpp (windowed)\n"
                  "CONSOLE: VideoSystem : Creating a rendering window for mode: 1024 x 768 x 32 bpp (windowed)\n"
                  "CONSOLE: GDI Plaque : Choosing a pixel format...\n"
                  "CONSOLE: GDI Plaque : Setting the pixel format...\n"
                  "CONSOLE: GDI Plaque : Creating a rendering context...\n"
                  "CONSOLE: GDI Plaque : Making rendering context current...\n"
                  "CONSOLE: VideoSystem : Successfully created a rendering window.\n"
                  "CONSOLE: ::: Initialization : Video System (finished)\n"
                  "CONSOLE: ::: Initialization : Sound (starting)\nCONSOLE: ::: Initialization : Sound (finished)\n"
                  "CONSOLE: ::: Initialization : Renderer (starting)\n"
                  "CONSOLE: ::: Initialization : Renderer (finished)\n"
                  "CONSOLE: ::: Initialization : Application (finished)\n";
}

std::string Joined(const std::vector<std::string>& calls) {
    std::string text;
    for (const std::string& call : calls) text += call + " | ";
    return text;
}

int CountOf(const std::string& call) {
    int count = 0;
    for (const std::string& logged : Script().calls) count += logged == call;
    return count;
}

// The game names itself and hides the cursor, so that each frame's input update shows in
// the call log between the yield and the game's frame.
void PrepareGame() {
    Script().driverModes = {ScriptedPlatform::DriverMode(1024, 768, 24, 60)};
    theTestGame.onPreInit = [] {
        theApplication.SetName(NAME);
        theVideoSystem.SetDesiredDisplayMode(1024, 768, 32, 85, false);
        theInputSystem.SetCursorVisible(false);
    };
}

// The call log, written last to standard error when the child ends through exit().
void PrintCallsAtExit() {
    std::atexit([] { std::cerr << "calls: " << Joined(Script().calls) << "\n"; });
}

void FrameThatFails() {
    if (CountOf("game RunFrame") == 2) FATAL_ERROR("game %s", "over");
}

}  // namespace

TEST(EngineLifecycle, StartsRunsFramesAndStopsInTheFixedOrder) {
    // The quit arrives between frames: one more whole frame runs, and nothing after it.
    EXPECT_EXIT(
        {
            PrepareGame();
            PrintCallsAtExit();
            Script().queue.push_back(Message{nullptr, WM_CLOSE, 0, 0});
            EngineMain(nullptr, "");
            theApplication.RunFrame();
            std::exit(0);
        },
        ExitedWithCode(0),
        ExactText(StartupLines() + ShutdownLines(true) + "calls: " + STARTUP_CALLS +
                  "PostQuitMessage(0) | DefWindowProcA(16) | " + FRAME_CALLS + SHUTDOWN_CALLS + "\n"));
}

TEST(EngineLifecycle, AStopRequestedInsideAFrameEndsThatFrame) {
    EXPECT_EXIT(
        {
            PrepareGame();
            theTestGame.onRunFrame = [] {
                if (CountOf("game RunFrame") == 3) theApplication.RequestShutdown();
            };
            EngineMain(nullptr, "");
            std::exit(CountOf("game RunFrame") == 3 && CountOf("SwapBuffers") == 3 ? 0 : 2);
        },
        ExitedWithCode(0), "");
}

TEST(EngineLifecycle, TheCommandLineReachesTheGameWholeBeforeAnyServiceStarts) {
    EXPECT_EXIT(
        {
            Script().queue.push_back(Message{nullptr, WM_CLOSE, 0, 0});
            EngineMain(nullptr, " -windowed  \"two words\" ");
            const auto& calls = Script().calls;
            std::exit(calls[0] == "game ProcessCommandLine( -windowed  \"two words\" )" && calls[1] == "game PreInit" &&
                              calls[2] == "RegisterClassA(OpenGL GameEngine Window Class)"
                          ? 0
                          : 2);
        },
        ExitedWithCode(0), "");
}

TEST(EngineLifecycle, AFatalErrorReportsLeavesFullScreenHidesShowsTwoBoxesAndShutsDown) {
    const std::string report = Report("tests/unit/EngineLifecycleTest.cpp", "", "game over");
    EXPECT_EXIT(
        {
            PrepareGame();
            PrintCallsAtExit();
            theTestGame.onRunFrame = FrameThatFails;
            EngineMain(nullptr, "");
        },
        ExitedWithCode(1),
        ExactText(StartupLines() + report + FatalBoxes(NAME, report, true) + ShutdownLines(true) + "calls: " +
                  STARTUP_CALLS + FRAME_CALLS + "Sleep(0) | SetCursorPos(160, 120) | game RunFrame | " +
                  "ChangeDisplaySettingsA(null) | ShowWindow(0) | MessageBoxA | MessageBoxA | " + SHUTDOWN_CALLS +
                  "\n"));
}

TEST(EngineLifecycle, ASecondFailureDuringTheShutdownEndsTheProcessAtOnce) {
    const std::string report = Report("tests/unit/EngineLifecycleTest.cpp", "", "game over");
    EXPECT_EXIT(
        {
            PrepareGame();
            PrintCallsAtExit();
            theTestGame.onRunFrame = FrameThatFails;
            theTestGame.onShutdown = [] { ASSERT_ALL_BUILDS(false, "second"); };
            EngineMain(nullptr, "");
        },
        ExitedWithCode(1),
        ExactText(StartupLines() + report + FatalBoxes(NAME, report, true) +
                  "CONSOLE: ::: _Shutdown : Application (starting)\n"));
}

TEST(EngineLifecycle, StartingWithoutAGameReportsTheUsageErrorAndCallsNoGame) {
    const std::string report = Report(
        "Engine/TheApplication.cpp", "TheGameInterfaceAbstract::IsGamePresent()",
        "ENGINE USAGE ERROR:\n  You must create a static instance of a class derived from TheGameInterfaceAbstract.\n"
        "  This derived class - typically named TheGameInterface - serves as the main interface    by which the "
        "engine can call into game code.\n  See TheGameInterfaceAbstract and engine documentation for more details.\n");
    const std::string name = "UNNAMED APPLICATION : Call theApplication.SetName() from PreInit() to set name!";
    EXPECT_EXIT(
        {
            PrintCallsAtExit();
            theTestGame.~TestGame();
            theApplication.Startup();
        },
        ExitedWithCode(1),
        ExactText(ConsoleLine("::: Initialization : Application (starting)", false) + report +
                  FatalBoxes(name, report) + ShutdownLines(false) +
                  "calls: ChangeDisplaySettingsA(null) | MessageBoxA | MessageBoxA | ChangeDisplaySettingsA(null) | \n"));
}

TEST(EngineLifecycle, ASecondGameObjectIsRefusedAndTheFirstGameStillShutsDown) {
    const std::string report = Report("Engine/TheGameInterfaceAbstract.cpp", "!_isConstructed",
                                      "TheGameInterfaceAbstract was already constructed once - cannot have multiple "
                                      "instances!");
    const std::string name = "UNNAMED APPLICATION : Call theApplication.SetName() from PreInit() to set name!";
    EXPECT_EXIT(
        {
            PrintCallsAtExit();
            TestGame second;
        },
        ExitedWithCode(1),
        ExactText(report + FatalBoxes(name, report) + ShutdownLines(false) +
                  "calls: ChangeDisplaySettingsA(null) | MessageBoxA | MessageBoxA | game Shutdown | "
                  "ChangeDisplaySettingsA(null) | \n"));
}

TEST(EngineLifecycle, StartingTwiceOrDestroyingWhileRunningIsFatal) {
    const std::string twice = Report("Engine/TheApplication.cpp", "!_isInitialized",
                                     "TheApplication was initialized twice; either a second TheApplication was "
                                     "started or Startup() was called on an already-running system.");
    EXPECT_EXIT(
        {
            PrepareGame();
            theApplication.Startup();
            theApplication.Startup();
        },
        ExitedWithCode(1),
        ExactText(StartupLines() + ConsoleLine("::: Initialization : Application (starting)", true) + twice +
                  FatalBoxes(NAME, twice, true) + ShutdownLines(true)));

    const std::string destroyed = Report("Engine/TheApplication.cpp", "!_isInitialized",
                                         "TheApplication was destroyed while running; RequestShutdown() should be "
                                         "called first!");
    EXPECT_EXIT(
        {
            PrepareGame();
            theApplication.Startup();
            theApplication.~TheApplication();
        },
        ExitedWithCode(1), ExactText(StartupLines() + destroyed + FatalBoxes(NAME, destroyed, true) + ShutdownLines(true)));
}

// Xlib's exit, or any library's: the services are destroyed while running, and the first
// destructor's failure reports without boxes or a shutdown, whose objects may be gone.
TEST(EngineLifecycle, AFailureAfterTheRuntimesExitBeganOnlyReports) {
    const std::string report = Report("Engine/TheRenderer.cpp", "!_isInitialized",
                                      "TheRenderer was destroyed while running; Shutdown() should be called first!");
    EXPECT_EXIT(
        {
            PrepareGame();
            InstallFailureHooks();
            theApplication.Startup();
            std::exit(0);
        },
        ExitedWithCode(1), ExactText(StartupLines() + report));
}
