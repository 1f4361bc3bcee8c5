// Korvane.exe itself: started in a folder with or without language.txt, it opens its window
// and ends when the window is closed, or ends without ever showing it.
#include "window_test_support.hpp"

#include <memory>
#include <string>

using namespace korvane::wintest;

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
