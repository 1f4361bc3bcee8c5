// The Views page in the real window on the real file, under real input: every setting's three
// values read from the grid, a mirror value picked from its choices, a row's main value copied
// across, and Save writing exactly those lines.
#include "window_test_support.hpp"

#include "../lines_file.hpp"
#include "core/text.hpp"

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
        LVITEMA item{};
        item.iSubItem = column;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        SendMessageA(Grid(), LVM_GETITEMTEXTA, static_cast<WPARAM>(row),
                     reinterpret_cast<LPARAM>(&item));
        return text;
    }
    // Clicks a cell, scrolled into view first as the user would.
    void ClickCell(int row, int column) {
        SendMessageA(Grid(), LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
        RECT rc{};
        rc.top = column;
        rc.left = LVIR_BOUNDS;
        SendMessageA(Grid(), LVM_GETSUBITEMRECT, static_cast<WPARAM>(row),
                     reinterpret_cast<LPARAM>(&rc));
        MouseClick(Grid(), POINT{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2});
    }
};

// The value of a line as the file holds it: the text before its ';', trimmed.
std::string ValueOf(const std::string& line) {
    return std::string(Trim(std::string_view(line).substr(0, line.find(';'))));
}

} // namespace

TEST_F(ViewsPageE2ETest, AMirrorValuePickedAndAMainValueCopiedAcrossAreAllSaveWrites) {
    const std::vector<std::string> original = FileLines(ReadBytes(GamePath()));
    Load();
    ShowPage(kViewsPage);
    // 63 settings, each with the values of its lines in the main, mirror and videowall views.
    ASSERT_EQ(SendMessageA(Grid(), LVM_GETITEMCOUNT, 0, 0), 63);
    for (int row = 0; row < 63; ++row) {
        for (int view = 0; view < 3; ++view) {
            EXPECT_EQ(Cell(row, view + 1), ValueOf(original[98 + 63 * view + row])) << row;
        }
    }
    EXPECT_EQ(Cell(30, 0), "Draw lens flare (0 => off, 1 => 'real' camera views only, 2 => all "
                           "views but cockpit, 3 => always)");

    // The mirror of "Draw lens flare" (line 191): its choices, one picked with the mouse.
    ClickCell(30, 2);
    ASSERT_TRUE(Pump([&] { return form->ChosenViewLine() == 191; }));
    const int choices = ids::OfName("ViewChoices");
    ASSERT_EQ(SendMessageA(Ctl(choices), CB_GETCOUNT, 0, 0), 4);
    PickWithMouse(choices, 2);
    ASSERT_TRUE(Pump([&] { return Cell(30, 2) == "2"; }));
    EXPECT_EQ(Text(ids::OfName("ViewValue")), "2");

    // "Mipmap bias": the arrow keys move along the row and down it; its main value goes across.
    ClickCell(3, 1);
    ASSERT_TRUE(Pump([&] { return form->ChosenViewLine() == 101; }));
    PressKey(VK_RIGHT);
    PressKey(VK_DOWN);
    ASSERT_TRUE(Pump([&] { return form->ChosenViewLine() == 165; }));
    PressKey(VK_UP);
    ASSERT_TRUE(Pump([&] { return form->ChosenViewLine() == 164; }));
    MouseClick(Ctl(ids::OfName("CopyRow")));
    ASSERT_TRUE(Pump([&] { return Cell(3, 2) == "92" && Cell(3, 3) == "92"; }));

    Save();
    const std::vector<std::string> saved = FileLines(ReadBytes(GamePath()));
    ASSERT_EQ(saved.size(), original.size());
    std::vector<int> changed;
    for (std::size_t k = 0; k < saved.size(); ++k) {
        if (saved[k] != original[k]) {
            changed.push_back(static_cast<int>(k));
        }
    }
    EXPECT_EQ(changed, (std::vector<int>{164, 191, 227}));
    EXPECT_EQ(saved[191].substr(0, 2), "2\t");
    EXPECT_EQ(saved[164].substr(0, 3), "92\t");
    EXPECT_EQ(saved[227].substr(0, 3), "92\t");
}
