// The Views page in the real window on the real file, under real input: a setting's three
// values read from the grid, a mirror value picked from its choices, a row's main value copied
// across, and Save writing exactly those lines; then every row's main value copied across.
#include "window_test_support.hpp"

#include "../lines_file.hpp"

#include <commctrl.h>

#include <string>
#include <vector>

using namespace korvane;
using namespace korvane::wintest;
using korvane::testing::FileLines;

namespace {

class ViewsPageE2ETest : public WindowTest {
protected:
    HWND Grid() const { return Ctl(ids::OfName("ViewGrid")); }
    std::string Cell(int row, int column) const {
        char text[512] = {};
        ListView_GetItemText(Grid(), row, column, text, sizeof text);
        return text;
    }
    // Clicks a cell, scrolled into view first as the user would.
    void ClickCell(int row, int column) {
        ListView_EnsureVisible(Grid(), row, FALSE);
        RECT rc{};
        ListView_GetSubItemRect(Grid(), row, column, LVIR_BOUNDS, &rc);
        MouseClick(Grid(), POINT{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2});
    }
};

} // namespace

TEST_F(ViewsPageE2ETest, AMirrorValuePickedAndAMainValueCopiedAcrossAreAllSaveWrites) {
    const std::vector<std::string> original = FileLines(ReadBytes(GamePath()));
    Load();
    ShowPage(kViewsPage);
    // 63 settings, each with the values of its main, mirror and videowall lines.
    ASSERT_EQ(SendMessageA(Grid(), LVM_GETITEMCOUNT, 0, 0), 63);
    EXPECT_EQ((std::vector<std::string>{Cell(3, 1), Cell(3, 2), Cell(3, 3)}),
              (std::vector<std::string>{"92", "115", "115"}));

    // The mirror of "Draw lens flare" (line 191): its choices, one picked with the mouse.
    ClickCell(30, 2);
    ASSERT_TRUE(Pump([&] { return form->views.ChosenViewLine() == 191; }));
    PickWithMouse(ids::OfName("ViewChoices"), 2);
    ASSERT_TRUE(Pump([&] { return Cell(30, 2) == "2"; }));

    // "Mipmap bias": the arrow keys move along the row and down it; its main value goes across.
    ClickCell(3, 1);
    ASSERT_TRUE(Pump([&] { return form->views.ChosenViewLine() == 101; }));
    PressKey(VK_RIGHT);
    PressKey(VK_DOWN);
    ASSERT_TRUE(Pump([&] { return form->views.ChosenViewLine() == 165; }));
    PressKey(VK_UP);
    ASSERT_TRUE(Pump([&] { return form->views.ChosenViewLine() == 164; }));
    MouseClick(Ctl(ids::OfName("CopyRow")));
    ASSERT_TRUE(Pump([&] { return Cell(3, 2) == "92" && Cell(3, 3) == "92"; }));

    Save();
    std::vector<std::string> expected = original;
    for (const auto& [line, value] : {std::pair{164, "92"}, {191, "2"}, {227, "92"}}) {
        expected[line] = value + original[line].substr(original[line].find('\t'));
    }
    EXPECT_EQ(FileLines(ReadBytes(GamePath())), expected);

    // Every row's main value across, 57 lines in one step: the grid and the manual page's
    // value list show them all once the click is done.
    MouseClick(Ctl(ids::OfName("CopyAll")));
    ASSERT_TRUE(Pump([&] { return !IsWindowEnabled(Ctl(ids::OfName("CopyAll"))); }));
    for (int row = 0; row < 63; ++row) {
        EXPECT_EQ(Cell(row, 2) + Cell(row, 3), Cell(row, 1) + Cell(row, 1)) << row;
    }
    std::vector<std::string> values;
    for (std::size_t k = 0; k < form->document.Count(); ++k) {
        values.push_back(form->document.Value(static_cast<long long>(k)));
    }
    EXPECT_EQ(ComboItems(Ctl(ids::ListBox(1))), values);
}
