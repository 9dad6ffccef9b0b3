#pragma once
// A platform that tests script: a counter they set, a message queue they fill, a cursor
// they move, driver modes they choose, calls that fail on demand, and a log of the calls
// made. Debugger output and message boxes go to standard error, so death tests see them.
#include <deque>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "../Platform.h"

struct ScriptedPlatform {
    // Clock.
    bool isFrequencyKnown = true;
    std::int64_t frequency = 1000000;
    std::int64_t counter = 0;

    // Message queue; the quit message is seen before anything queued.
    std::deque<Message> queue;
    bool isQuitPosted = false;

    // Display.
    std::vector<DeviceMode> driverModes;
    Rect desktop = {0, 0, 1024, 768};
    DeviceMode switchedTo = {};  // the last record handed to ChangeDisplaySettingsA
    PixelFormatDescriptor pixelFormat = {};  // the last descriptor handed to ChoosePixelFormat

    // Cursor.
    Point cursor = {0, 0};
    int cursorDisplayCount = 0;

    // Operations named here report failure.
    std::set<std::string> failing;

    // Every call that has an effect outside the engine, in order, and the debugger output.
    std::vector<std::string> calls;
    std::string debugOutput;
    bool isEchoingDebugOutput = true;  // to standard error as well
    std::function<void()> onDebugOutput;  // called as each text is written

    void Reset() { *this = ScriptedPlatform(); }
    bool Fails(const char* operation) const { return failing.count(operation) != 0; }
    void Log(const std::string& call) { calls.push_back(call); }

    // A driver mode as EnumDisplaySettingsA would report it.
    static DeviceMode DriverMode(int width, int height, int bitsPerPixel, int refreshRate);
};

// The one script, made on first use: the timer reads it during static construction.
ScriptedPlatform& Script();
