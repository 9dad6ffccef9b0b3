// The console's line store and its two paths to the debugger output, and the engine's
// bounded text routines.
#include <gtest/gtest.h>

#include "Engine/AssertionFailure.h"
#include "Engine/Platform/Script/ScriptedPlatform.h"
#include "Engine/TheConsole.h"
#include "TestSupport.h"

namespace {

class ConsoleTest : public ::testing::Test {
protected:
    void SetUp() override { Script().Reset(); }
    void TearDown() override { console.Shutdown(); }

    std::string Lines() const {
        std::string text;
        for (int i = console.GetFirstLineIndex(); i <= console.GetLastLineIndex(); ++i) text += console.GetLine(i) + "|";
        return text;
    }

    TheConsole console;
};

}  // namespace

TEST_F(ConsoleTest, BeforeStartupTextGoesOnlyToTheDebuggerOutput) {
    console.Printf("early %d\n", 1);
    EXPECT_EQ(Script().debugOutput, "CONSOLE (pre-initialization!): early 1\n\n");
    console.Startup();
    EXPECT_EQ(Lines(), "|::: Initialization : Console (finished)|");
    EXPECT_EQ(console.GetFirstLineIndex(), 0);
}

TEST_F(ConsoleTest, ALineIsStoredBeforeItIsEchoed) {
    console.Startup();
    std::string newestWhileEchoed;
    Script().onDebugOutput = [&] { newestWhileEchoed = console.GetLine(console.GetLastLineIndex()); };
    console.Printf("stored first");
    Script().onDebugOutput = nullptr;
    EXPECT_EQ(newestWhileEchoed, "stored first");
}

TEST_F(ConsoleTest, SplitsTextIntoLinesAndEchoesEach) {
    console.Startup();
    Script().debugOutput.clear();
    console.Printf("a\nb\n");
    console.Printf("c\n\nd");
    console.Printf("%s", "");
    console.Printf("\n");
    console.Printf("100%%");
    EXPECT_EQ(Lines(), "|::: Initialization : Console (finished)|a|b|c||d||100%|");
    EXPECT_EQ(Script().debugOutput, "CONSOLE: a\nCONSOLE: b\nCONSOLE: c\nCONSOLE: \nCONSOLE: d\nCONSOLE: \nCONSOLE: 100%\n");
}

TEST_F(ConsoleTest, KeepsTheNewest65536LinesAsARing) {
    console.Startup();
    Script().isEchoingDebugOutput = false;
    for (int line = 2; line < 65537; ++line) console.Printf("%d", line);
    EXPECT_EQ(console.GetFirstLineIndex(), 1);
    EXPECT_EQ(console.GetLastLineIndex(), 65536);
    EXPECT_EQ(console.GetLine(1), "::: Initialization : Console (finished)");
    console.Printf("last");
    EXPECT_EQ(console.GetFirstLineIndex(), 2);
    EXPECT_EQ(console.GetLastLineIndex() - console.GetFirstLineIndex() + 1, 65536);
    EXPECT_EQ(console.GetLine(2), "2");
    EXPECT_EQ(console.GetLine(65537), "last");
}

TEST_F(ConsoleTest, CategoryMasksPassAnyCommonBit) {
    console.Startup();
    console.PrintfCategory(0, "never");
    console.PrintfCategory(0x204, "mode");
    EXPECT_EQ(Lines(), "|::: Initialization : Console (finished)|mode|");
}

TEST_F(ConsoleTest, TextIsCutAt2047Characters) {
    console.Startup();
    const std::string longText(3000, 'x');
    console.Printf("%s", longText.c_str());
    EXPECT_EQ(console.GetLine(console.GetLastLineIndex()), longText.substr(0, 2047));

    Script().debugOutput.clear();
    DebugPrintf("%s", longText.c_str());
    EXPECT_EQ(Script().debugOutput, longText.substr(0, 2047));

    char small[8];
    FormatString(small, sizeof(small), "%s", "truncated");
    EXPECT_STREQ(small, "truncat");
}

TEST(AssertionFailure, ReportsTextUnchangedAndCutsTheReportAsAWhole) {
    const std::string name = "UNNAMED APPLICATION : Call theApplication.SetName() from PreInit() to set name!";
    const std::string percent = "ASSERTION FAILURE:\nsrc%s.cpp(7):  (ALL BUILDS)\nExpression was: ( a%d )\n\n   b 5\n";
    EXPECT_EXIT(AssertionFailure(7, "src%s.cpp", "ALL BUILDS", "a%d", "b %d", 5), ::testing::ExitedWithCode(1),
                ExactText(percent + FatalBoxes(name, percent) + ShutdownLines(false)));

    const std::string empty = "ASSERTION FAILURE:\nf(1):  (ALL BUILDS)\nExpression was: ( e )\n\n   \n";
    EXPECT_EXIT(AssertionFailure(1, "f", "ALL BUILDS", "e", ""), ::testing::ExitedWithCode(1),
                ExactText(empty + FatalBoxes(name, empty) + ShutdownLines(false)));

    const std::string head = "ASSERTION FAILURE:\nf(1):  (ALL BUILDS)\nExpression was: ( e )\n\n   ";
    const std::string cut = head + std::string(2047 - head.size(), 'm');
    EXPECT_EXIT(AssertionFailure(1, "f", "ALL BUILDS", "e", "%s", std::string(3000, 'm').c_str()),
                ::testing::ExitedWithCode(1), ExactText(cut + FatalBoxes(name, cut) + ShutdownLines(false)));
}
