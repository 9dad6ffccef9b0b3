// The display-mode table, its choice of mode and the window's place, over scripted driver
// modes, and every way the window's start-up can fail.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "Engine/Platform/Script/ScriptedPlatform.h"
#include "Engine/TheConsole.h"
#include "Engine/TheVideoSystem.h"
#include "GameFiles.h"
#include "TestSupport.h"

namespace {

constexpr bool WINDOWED = false;
constexpr bool FULLSCREEN = true;

class VideoModes : public ::testing::Test {
protected:
    void SetUp() override { Script().Reset(); }

    void Enumerate(const std::vector<DeviceMode>& driverModes) {
        Script().driverModes = driverModes;
        video._EnumerateDisplayModes();
        Script().debugOutput.clear();
    }

    TheVideoSystem video;
};

}  // namespace

TEST_F(VideoModes, ListsTheNineWindowedEntriesThenTheDriversModes) {
    Script().driverModes = {ScriptedPlatform::DriverMode(800, 600, 16, 75), ScriptedPlatform::DriverMode(640, 480, 8, 0)};
    EXPECT_EQ(video._EnumerateDisplayModes(), 11u);
    const std::string listing = Script().debugOutput;
    const std::string head =
        "CONSOLE: VideoSystem : found 11 display mode(s):\nCONSOLE:   MODE   0 :   320 x  240 ( 32 bpp, ??? Hz, windowed)\n";
    EXPECT_EQ(listing.substr(0, head.size()), head);
    EXPECT_NE(listing.find("CONSOLE:   MODE   8 :  1600 x 1200 ( 32 bpp, ??? Hz, windowed)\n"
                           "CONSOLE:   MODE   9 :   800 x  600 ( 16 bpp,  75 Hz, fullscreen)\n"
                           "CONSOLE:   MODE  10 :   640 x  480 (  8 bpp, ??? Hz, fullscreen)\n"
                           "CONSOLE: VideoSystem : found 11 available display mode(s)\n"),
              std::string::npos);
    EXPECT_EQ(video.GetDisplayModeDescription(5), "1024 x 768 x 32 bpp (windowed)");
    EXPECT_EQ(video.GetDisplayModeDescription(9), "800 x 600 x 16 bpp, 75 hz (fullscreen)");
    EXPECT_EQ(video.GetDisplayModeDescription(10), "640 x 480 x 8 bpp, 0 hz (fullscreen)");
}

TEST_F(VideoModes, ScoresKindThenWidthThenHeightThenDepthThenRefreshRate) {
    Enumerate({ScriptedPlatform::DriverMode(1024, 768, 16, 60), ScriptedPlatform::DriverMode(1024, 768, 32, 560),
               ScriptedPlatform::DriverMode(1024, 768, 32, 559), ScriptedPlatform::DriverMode(800, 600, 32, 85)});
    EXPECT_EQ(video.FindClosestDisplayMode(1024, 768, 32, 85, WINDOWED), 5u);
    EXPECT_EQ(video.FindClosestDisplayMode(700, 500, 16, 0, WINDOWED), 3u);   // 640 x 480: 10*60 + 20
    EXPECT_EQ(video.FindClosestDisplayMode(800, 600, 16, 60, FULLSCREEN), 12u);
    // Right depth 500 Hz further off loses to the wrong depth; 499 Hz further off wins.
    EXPECT_EQ(video.FindClosestDisplayMode(1024, 768, 32, 60, FULLSCREEN), 11u);
    EXPECT_EQ(video.FindClosestDisplayMode(1024, 768, 32, 0, FULLSCREEN), 11u);  // 0 counts as 60
    Enumerate({ScriptedPlatform::DriverMode(1024, 768, 16, 60), ScriptedPlatform::DriverMode(1024, 768, 32, 560)});
    EXPECT_EQ(video.FindClosestDisplayMode(1024, 768, 32, 60, FULLSCREEN), 9u);  // a tie: the earlier entry
    // Nothing scores above 0: entry 0, which is current already, so nothing is printed.
    EXPECT_EQ(video.SetDisplayMode(100000, 100000, 32, 60, WINDOWED), 0u);
    EXPECT_EQ(Script().debugOutput, "");
    EXPECT_EQ(video.SetDisplayMode(1024, 768, 32, 85, WINDOWED), 5u);
    EXPECT_EQ(Script().debugOutput,
              "CONSOLE: VideoSystem : Setting current display mode #5: 1024 x 768 x 32 bpp (windowed)\n");
}

TEST_F(VideoModes, ATableFilledByTheDriverIsFatal) {
    const std::string name = "UNNAMED APPLICATION : Call theApplication.SetName() from PreInit() to set name!";
    const std::string report = Report("Engine/TheVideoSystem.cpp", "_numVidModes < MAX_VID_MODES", "");
    EXPECT_EXIT(Enumerate(std::vector<DeviceMode>(1015, ScriptedPlatform::DriverMode(640, 480, 32, 60))),
                ::testing::ExitedWithCode(1), ContainsText(report));
}

// Starts the video system in an 800 x 600 full-screen mode on a larger desktop and ends the
// child with 0 when the display was switched, with the record as the driver filled it,
// before a popup window of the mode's size was made at the origin.
void StartFullScreen() {
    Script().Reset();
    DeviceMode driverMode = ScriptedPlatform::DriverMode(800, 600, 32, 60);
    std::strcpy(driverMode.dmDeviceName, "Scripted display");
    driverMode.dmDisplayFlags = 0x5A5A;
    Script().driverModes = {driverMode};
    Script().desktop = Rect{0, 0, 1920, 1080};
    theVideoSystem.SetDesiredDisplayMode(800, 600, 32, 60, FULLSCREEN);
    theVideoSystem.Startup();
    const auto& calls = Script().calls;
    const bool ok = calls[1] == "ChangeDisplaySettingsA(4)" &&
                    std::memcmp(&Script().switchedTo, &driverMode, sizeof(driverMode)) == 0 &&
                    calls[2] == "CreateWindowExA(UNNAMED APPLICATION : Call theApplication.SetName() from PreInit() "
                                "to set name!, 0x80000000, 0, 0, 800, 600)";
    theVideoSystem.Shutdown();
    std::exit(ok ? 0 : 2);
}

TEST(VideoWindow, AFullScreenModeGetsAPopupWindowOfItsOwnSizeAtTheOrigin) {
    EXPECT_EXIT(StartFullScreen(), ::testing::ExitedWithCode(0), "");
}

TEST(VideoWindow, AsksForTheFixedPixelFormatAndFitsTheWindowOntoADesktopAnywhere) {
    struct Fit {
        Rect desktop;
        const char* place;  // of the 1030 x 794 window the scripted frame makes
    };
    const Fit fits[] = {{{100, 50, 1380, 1074}, "100, 50"},       // smaller: at the top-left corner
                        {{-1000, -2000, 2000, 600}, "-3, -194"},  // up from below the bottom
                        {{-2000, -1000, 900, 1000}, "-130, -23"},  // left from beyond the right edge
                        {{-200, -100, 600, 500}, "-200, -100"}};  // larger: the top-left corner wins
    for (const Fit& fit : fits) {
        InFreshProcess([&] {
            Script().Reset();
            Script().desktop = fit.desktop;
            theVideoSystem.SetDesiredDisplayMode(1024, 768, 32, 85, WINDOWED);
            theVideoSystem.Startup();
            EXPECT_NE(std::find(Script().calls.begin(), Script().calls.end(),
                                "CreateWindowExA(UNNAMED APPLICATION : Call theApplication.SetName() from PreInit() to "
                                "set name!, 0xC80000, " + std::string(fit.place) + ", 1030, 794)"),
                      Script().calls.end());
            const PixelFormatDescriptor& format = Script().pixelFormat;
            EXPECT_EQ(format.nSize, 40);
            EXPECT_EQ(format.nVersion, 1);
            EXPECT_EQ(format.dwFlags, 0x25u);  // draw to window, OpenGL, double buffer
            EXPECT_EQ(format.iPixelType, 0);   // RGBA
            EXPECT_EQ(format.cColorBits, 32);
            EXPECT_EQ(format.cAccumBits, 0);
            EXPECT_EQ(format.cDepthBits, 16);
            EXPECT_EQ(format.cStencilBits, 0);
            EXPECT_EQ(format.iLayerType, 0);  // main plane
            theVideoSystem.Shutdown();
        });
    }
}

TEST(VideoWindow, RefusesASecondStartAndDestructionWhileRunning) {
    const std::string twice = "TheVideoSystem was initialized twice; either a second TheVideoSystem was started or "
                              "Startup() was called on an already-running system.";
    EXPECT_EXIT(
        {
            Script().Reset();
            theVideoSystem.Startup();
            theVideoSystem.Startup();
        },
        ::testing::ExitedWithCode(1), ContainsText(Report("Engine/TheVideoSystem.cpp", "!_isInitialized", twice)));
    EXPECT_EXIT(
        {
            Script().Reset();
            theVideoSystem.Startup();
            theVideoSystem.~TheVideoSystem();
        },
        ::testing::ExitedWithCode(1),
        ContainsText(Report("Engine/TheVideoSystem.cpp", "!_isInitialized",
                            "TheVideoSystem was destroyed while running; Shutdown() should be called first!")));
}

TEST(VideoWindow, EveryFailedStepOfTheStartupIsFatal) {
    struct Step {
        const char* failing;
        const char* expression;
        const char* message;
    };
    const Step steps[] = {
        {"GetWindowRect", "success", "TheVideoSystem::_GetDesktopCharacteristics : GetWindowRect() failed!"},
        {"RegisterClassA", "atom != 0", "VideoSystem : RegisterClass() failed!"},
        {"CreateWindowExA", "_hWnd != NULL", "TheVideoSystem::_CreateRenderingWindow : CreateWindowEx() failed!"},
        {"GetDC", "_hDC != NULL", "TheVideoSystem::_CreateRenderingContextForWindow : GetDC() failed!"},
        {"ChoosePixelFormat", "pixelFormatNum != 0",
         "TheVideoSystem::_CreateRenderingContextForWindow : ChoosePixelFormat() failed!"},
        {"SetPixelFormat", "success", "TheVideoSystem::_CreateRenderingContextForWindow : SetPixelFormat() failed!"},
        {"wglCreateContext", "_hRC != NULL",
         "TheVideoSystem::_CreateRenderingContextForWindow : wglCreateContext() failed!"},
        {"wglMakeCurrent", "_hRC != NULL", "TheVideoSystem::_CreateRenderingContextForWindow : wglMakeCurrent() failed!"},
        {"ChangeDisplaySettingsA", "result == DISP_CHANGE_SUCCESSFUL",
         "TheVideoSystem : failed to create a fullscreen mode matching \"800 x 600 x 32 bpp, 60 hz (fullscreen)\""}};
    for (const Step& step : steps) {
        EXPECT_EXIT(
            {
                Script().Reset();
                Script().failing = {step.failing};
                Script().driverModes = {ScriptedPlatform::DriverMode(800, 600, 32, 60)};
                theVideoSystem.SetDesiredDisplayMode(800, 600, 32, 60, step.failing == std::string("ChangeDisplaySettingsA"));
                theVideoSystem.Startup();
            },
            ::testing::ExitedWithCode(1),
            ContainsText(Report("Engine/TheVideoSystem.cpp", step.expression, step.message)))
            << step.failing;
    }
}

TEST(VideoWindow, TheModeCannotChangeOnceRunning) {
    EXPECT_EXIT(
        {
            Script().Reset();
            theVideoSystem.Startup();
            theVideoSystem.SetDisplayMode(800, 600, 32, 60, WINDOWED);
        },
        ::testing::ExitedWithCode(1),
        ContainsText("CONSOLE: VideoSystem : Setting current display mode #4: 800 x 600 x 32 bpp (windowed)\n" +
                     Report("Engine/TheVideoSystem.cpp", "",
                            "We're sorry, but the engine does not currently support run-time alteration of video "
                            "mode.\n")));
    EXPECT_EXIT(theVideoSystem._SetCurrentDisplayMode(99, false), ::testing::ExitedWithCode(1),
                ContainsText(Report("Engine/TheVideoSystem.cpp", "vidMode < _numVidModes",
                                    "TheVideoSystem : vidMode 99 out of range [0,-1]!")));
}
