// The game folder chosen in the window, as a player without the installer's registry value
// meets it: Korvane.exe itself, real input, the system's folder dialog and the real
// HKEY_CURRENT_USER.
#include "window_test_support.hpp"

#include "file/game_folder.hpp"

#include <algorithm>
#include <string>

using namespace korvane;
using namespace korvane::wintest;

namespace {

constexpr int kTimeoutMs = 10000;

// Brings a window of the program to the front and clicks the middle of one of its controls
// with the mouse.
void ClickInFront(HWND top, HWND control) {
    SetForegroundWindow(top);
    RECT rc;
    GetWindowRect(control, &rc);
    const POINT centre{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
    ASSERT_TRUE(ProgramRun::WaitUntil(
        [&] { return GetForegroundWindow() == top && WindowFromPoint(centre) == control; },
        kTimeoutMs));
    MouseClickCarryingPosition(centre);
}

// The demo game's folder as the folder dialog names it.
std::string DemoFolder() {
    std::string folder = DataPath("demo/game");
    std::replace(folder.begin(), folder.end(), '/', '\\');
    return folder;
}

} // namespace

// No registry value: Load asks whether to choose the folder; Yes opens the folder dialog, the
// demo folder is typed into it, and the pages fill; the next start's Load opens that folder
// without asking, and the folder list offers it, marked as open.
TEST_F(ProgramFixture, WithoutTheRegistryValueLoadAsksAndTheFolderChosenLastsToTheNextStart) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, win32::kInstallDirKey, 0, KEY_READ, &key) ==
        ERROR_SUCCESS) {
        RegCloseKey(key);
        GTEST_SKIP() << "the game's key exists here; left alone";
    }
    WriteBytes(workDir + "\\language.txt", kQuietLanguageFile);
    const std::string folder = DemoFolder();
    const std::string title = std::string(kMainCaption) + " - " + ShortenedPath(folder, 60);

    Start();
    HWND main = program->WaitFor(kMainClass, kMainCaption);
    ASSERT_NE(main, nullptr);
    ClickInFront(main, FindDescendant(main, ids::SpeedButton(1)));
    HWND box = program->WaitFor(kDialogClass, "Korvane");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box).rfind("Der Ordner des Spiels ist nicht bekannt", 0), 0u);
    SetForegroundWindow(box);
    PressKey('Y');
    HWND dialog = program->WaitFor(kDialogClass, "Spielordner");
    ASSERT_NE(dialog, nullptr) << "no folder dialog";
    ASSERT_TRUE(ProgramRun::WaitUntil([&] { return GetForegroundWindow() == dialog; }, kTimeoutMs));
    TypeText(folder);
    PressKey(VK_RETURN);
    ASSERT_TRUE(ProgramRun::WaitUntil([&] { return WindowText(main) == title; }, kTimeoutMs))
        << WindowText(main);
    EXPECT_TRUE(IsWindowVisible(FindDescendant(main, ids::SpeedButton(4))));
    // Every line of the demo file on the manual page.
    EXPECT_EQ(SendMessageA(FindDescendant(main, ids::ListBox(1)), LB_GETCOUNT, 0, 0), 287);
    PostMessageA(main, WM_CLOSE, 0, 0);
    ASSERT_EQ(program->WaitForExit(kTimeoutMs), 0);

    Start();
    main = program->WaitFor(kMainClass, kMainCaption);
    ASSERT_NE(main, nullptr);
    ClickInFront(main, FindDescendant(main, ids::SpeedButton(1)));
    EXPECT_TRUE(ProgramRun::WaitUntil([&] { return WindowText(main) == title; }, kTimeoutMs))
        << WindowText(main);
    EXPECT_EQ(program->Find(kDialogClass), nullptr);
    EXPECT_EQ(ComboItems(FindDescendant(main, ids::OfName("FolderList"))),
              std::vector<std::string>{folder + " (ge\xf6"
                                                "ffnet)"});
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(program->WaitForExit(kTimeoutMs), 0);
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Korvane");
}
