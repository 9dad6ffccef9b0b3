// Every service refuses a second start and destruction while running, with its own texts.
#include <gtest/gtest.h>

#include <functional>

#include "Engine/Platform/Script/ScriptedPlatform.h"
#include "Engine/TheConsole.h"
#include "Engine/TheInputSystem.h"
#include "Engine/TheMessageHandler.h"
#include "Engine/TheRenderer.h"
#include "Engine/TheSoundSystem.h"
#include "TestSupport.h"

namespace {

struct Service {
    const char* label;      // as in the start and stop lines
    const char* className;
    std::function<void()> start;
    std::function<void()> destroy;
};

const std::string NAME = "UNNAMED APPLICATION : Call theApplication.SetName() from PreInit() to set name!";

std::string SourceOf(const Service& service) { return std::string("Engine/") + service.className + ".cpp"; }

std::string StartLines(const Service& service) {
    const std::string label = service.label;
    const bool isConsole = label == "Console";
    return ConsoleLine("::: Initialization : " + label + " (starting)", false) +
           ConsoleLine("::: Initialization : " + label + " (finished)", isConsole);
}

class ServiceGuards : public ::testing::TestWithParam<Service> {};

}  // namespace

TEST_P(ServiceGuards, ASecondStartIsFatal) {
    const Service& service = GetParam();
    const std::string className = service.className;
    const bool isConsole = className == "TheConsole";
    const std::string report = Report(SourceOf(service), "!_isInitialized",
                                      className + " was initialized twice; either a second " + className +
                                          " was started or Startup() was called on an already-running system.");
    EXPECT_EXIT(
        {
            service.start();
            service.start();
        },
        ::testing::ExitedWithCode(1),
        ExactText(StartLines(service) +
                  ConsoleLine(std::string("::: Initialization : ") + service.label + " (starting)", isConsole) +
                  report + FatalBoxes(NAME, report) + ShutdownLines(isConsole)));
}

TEST_P(ServiceGuards, DestructionWhileRunningIsFatal) {
    const Service& service = GetParam();
    const std::string className = service.className;
    const std::string report = Report(SourceOf(service), "!_isInitialized",
                                      className + " was destroyed while running; Shutdown() should be called first!");
    EXPECT_EXIT(
        {
            service.start();
            service.destroy();
        },
        ::testing::ExitedWithCode(1),
        ExactText(StartLines(service) + report + FatalBoxes(NAME, report) +
                  ShutdownLines(className == "TheConsole")));
}

// A fatal error during static construction (the timer's check, in theApplication's
// constructor) shuts down services whose constructors have not run: their storage is zeros.
TEST(ServiceShutdown, IsSafeOnAServiceWhoseConstructorHasNotRun) {
    Script().Reset();
    alignas(TheInputSystem) unsigned char input[sizeof(TheInputSystem)] = {};
    reinterpret_cast<TheInputSystem*>(input)->Shutdown();
    alignas(TheSoundSystem) unsigned char sound[sizeof(TheSoundSystem)] = {};
    reinterpret_cast<TheSoundSystem*>(sound)->Shutdown();
    EXPECT_TRUE(Script().calls.empty());  // no ShowCursor: the engine never hid the cursor
}

INSTANTIATE_TEST_SUITE_P(
    Engine, ServiceGuards,
    ::testing::Values(
        Service{"Console", "TheConsole", [] { theConsole.Startup(); }, [] { theConsole.~TheConsole(); }},
        Service{"Input System", "TheInputSystem", [] { theInputSystem.Startup(); },
                [] { theInputSystem.~TheInputSystem(); }},
        Service{"Message Handler", "TheMessageHandler", [] { theMessageHandler.Startup(); },
                [] { theMessageHandler.~TheMessageHandler(); }},
        Service{"Renderer", "TheRenderer", [] { theRenderer.Startup(); }, [] { theRenderer.~TheRenderer(); }},
        Service{"Sound", "TheSoundSystem", [] { theSoundSystem.Startup(); }, [] { theSoundSystem.~TheSoundSystem(); }}),
    [](const ::testing::TestParamInfo<Service>& parameter) { return std::string(parameter.param.className); });
