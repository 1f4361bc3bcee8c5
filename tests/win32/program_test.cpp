// Korvane.exe itself: started in a folder with or without language.txt, it opens its window
// and ends when the window is closed, or ends without ever showing it; with /use it does its
// work without a window.
#include "window_test_support.hpp"

#include "../lines_file.hpp"

#include <memory>
#include <string>

using namespace korvane::wintest;
using korvane::testing::CrLfFile;
using korvane::testing::FileLines;

namespace {

using ProgramTest = ProgramFixture;

} // namespace

TEST_F(ProgramTest, OpensItsWindowAndEndsWhenItIsClosed) {
    WriteBytes(workDir + "\\language.txt", kQuietLanguageFile);
    Start();
    HWND main = program->WaitFor(kMainClass, kMainCaption);
    ASSERT_NE(main, nullptr);
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(program->WaitForExit(), 0);
}

TEST_F(ProgramTest, WithoutALanguageFileItShowsTheErrorAndEndsWithoutItsWindow) {
    Start();
    HWND dialog = program->WaitFor(kDialogClass, "Error");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(program->Find(kMainClass, kMainCaption), nullptr);
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(program->WaitForExit(), 0);
    EXPECT_EQ(program->Find(kMainClass, kMainCaption), nullptr);
}

// "/use Gone /quiet" from another folder, with no language file there: nothing shown or
// written, exit code 1; then "/use High": no window, exit code 0, the profile is f1graphics.cfg
// and the file before its backup. An unknown argument shows the usage, exit code 2.
TEST_F(ProgramTest, UseSwitchesTheSetupWithoutAWindowAndAnUnknownArgumentShowsTheUsage) {
    const std::string gameDir = MakeTempDir();
    const std::string game = ReadBytes(DemoConfigPath());
    const std::string high = "1" + game.substr(1);
    WriteBytes(gameDir + "\\f1graphics.cfg", game);
    WriteBytes(gameDir + "\\High.cfg", high);
    Start("/use Gone /quiet /game \"" + gameDir + "\"");
    EXPECT_EQ(program->WaitForExit(), 1);
    EXPECT_EQ(FileNamesIn(gameDir), (std::vector<std::string>{"High.cfg", "f1graphics.cfg"}));
    Start("/use High /game \"" + gameDir + "\"");
    EXPECT_EQ(program->WaitForExit(), 0);
    EXPECT_EQ(ReadBytes(gameDir + "\\f1graphics.cfg"), CrLfFile(FileLines(high)));
    EXPECT_EQ(ReadBytes(gameDir + "\\f1graphics.cfg.bak"), game);
    RemoveTree(gameDir);

    Start("/usee High");
    HWND box = program->WaitFor(kDialogClass, "Korvane");
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(MessageBoxText(box).starts_with("Korvane.exe /use NAME [/quiet]"));
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(program->WaitForExit(), 2);
}
