// Undo and redo in the real window with real keys: two changes on two pages, Ctrl+Z twice,
// Ctrl+Y once, and Save writes the one change left; the buttons in the strip follow.
#include "window_test_support.hpp"

#include "../lines_file.hpp"
#include "app/form_layout.hpp"

using namespace korvane;
using namespace korvane::wintest;
using korvane::testing::CrLfFile;
using korvane::testing::FileLines;

TEST_F(WindowTest, CtrlZUndoesAndCtrlYRedoesFromAnyPage) {
    const int count = ids::OfName("SaveChanges");
    HWND undo = Ctl(ids::OfName("UndoEdit"));
    HWND redo = Ctl(ids::OfName("RedoEdit"));
    const std::string game = ReadBytes(GamePath());
    Load();
    EXPECT_FALSE(IsWindowEnabled(undo) || IsWindowEnabled(redo));

    ShowPage(kGeneralPage);
    MouseClick(Ctl(ids::CheckBox(2)));
    ShowPage(kObjectsPage);
    MouseClick(Ctl(ids::CheckBox(4)));
    ASSERT_TRUE(Pump([&] { return Text(count) == "2 ge\xe4ndert"; }));
    EXPECT_TRUE(IsWindowEnabled(undo));

    PressKey('Z', {VK_CONTROL});
    PressKey('Z', {VK_CONTROL});
    ASSERT_TRUE(Pump([&] { return !IsWindowVisible(Ctl(count)); }));
    EXPECT_EQ(form->document.Write(), CrLfFile(FileLines(game)));
    EXPECT_FALSE(IsWindowEnabled(undo));
    EXPECT_TRUE(IsWindowEnabled(redo));

    PressKey('Y', {VK_CONTROL});
    ASSERT_TRUE(Pump([&] { return Text(count) == "1 ge\xe4ndert"; }));
    EXPECT_EQ(SendMessageA(Ctl(ids::CheckBox(2)), BM_GETCHECK, 0, 0) == BST_CHECKED,
              form->CheckBox2.Checked());
    Save();
    std::vector<std::string> expected = FileLines(game);
    expected[5] = form->document.LineText(5);
    EXPECT_NE(expected[5], FileLines(game)[5]);
    EXPECT_EQ(FileLines(ReadBytes(GamePath())), expected);

    // After Save the buttons still undo: the strip counts what the next Save would change.
    MouseClick(undo);
    ASSERT_TRUE(Pump([&] { return Text(count) == "1 ge\xe4ndert"; }));
    EXPECT_EQ(FileLines(form->document.Write()), FileLines(game));
    MouseClick(redo);
    ASSERT_TRUE(Pump([&] { return !IsWindowVisible(Ctl(count)); }));
}
