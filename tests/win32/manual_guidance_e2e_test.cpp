// The manual page's guidance in the real window on the real file, under real input: a line
// found by typing, its choice picked with the mouse and saved, the three lists following the
// mouse wheel on one of them, Enter in the value field and F3.
#include "window_test_support.hpp"

#include "../lines_file.hpp"

#include <string>
#include <vector>

using namespace korvane;
using namespace korvane::wintest;
using korvane::testing::FileLines;

namespace {

const int kLists[] = {ids::ListBox(5), ids::ListBox(1), ids::ListBox(4)};

class ManualGuidanceE2ETest : public WindowTest {
protected:
    int Top(int id) const { return static_cast<int>(SendMessageA(Ctl(id), LB_GETTOPINDEX, 0, 0)); }
    int Selection(int id) const {
        return static_cast<int>(SendMessageA(Ctl(id), LB_GETCURSEL, 0, 0));
    }
};

} // namespace

TEST_F(ManualGuidanceE2ETest, ALineFoundItsChoicePickedAndSavedAndTheListsScrollTogether) {
    const std::vector<std::string> original = FileLines(ReadBytes(GamePath()));
    Load();
    ShowPage(kManualPage);
    // Line numbers of five digits show whole: the number list scrolls with the others and
    // has no scroll bar of its own.
    HWND numbers = Ctl(ids::ListBox(5));
    EXPECT_FALSE(GetWindowLongA(numbers, GWL_STYLE) & WS_VSCROLL);
    RECT client;
    GetClientRect(numbers, &client);
    HDC dc = GetDC(numbers);
    HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(numbers, WM_GETFONT, 0, 0)));
    SIZE digits{};
    GetTextExtentPoint32A(dc, "99999", 5, &digits);
    SelectObject(dc, old);
    ReleaseDC(numbers, dc);
    EXPECT_LE(digits.cx + 2, client.right);
    // Load changes nothing.
    EXPECT_EQ(Text(ids::OfName("ChangedOnly")), "0 Zeilen ge\xe4ndert");

    FocusByMouse(Ctl(ids::OfName("FindLine")), POINT{10, 8});
    TypeText("lens flare");
    ASSERT_TRUE(Pump([&] { return form->ListBox1.Selected() == 128; }));
    korvane::wintest::Pump(window.get(), 100);
    for (int list : kLists) {
        EXPECT_EQ(Selection(list), 128) << list;
        EXPECT_EQ(Top(list), Top(ids::ListBox(4))) << list;
    }
    const int choices = ids::OfName("ValueChoices");
    ASSERT_TRUE(IsWindowEnabled(Ctl(choices)));
    ASSERT_EQ(SendMessageA(Ctl(choices), CB_GETCOUNT, 0, 0), 4);
    PickWithMouse(choices, 2);
    ASSERT_TRUE(Pump([&] { return form->document.Value(128) == "2"; }));
    EXPECT_EQ(Text(choices), "2 \x96 all views but cockpit");
    EXPECT_EQ(Text(ids::kEdit1), "2");
    EXPECT_EQ(Text(ids::OfName("ChangedOnly")), "1 Zeile ge\xe4ndert");

    Save();
    const std::vector<std::string> saved = FileLines(ReadBytes(GamePath()));
    ASSERT_EQ(saved.size(), original.size());
    std::vector<int> changed;
    for (std::size_t k = 0; k < saved.size(); ++k) {
        if (saved[k] != original[k]) {
            changed.push_back(static_cast<int>(k));
        }
    }
    EXPECT_EQ(changed, (std::vector<int>{128}));
    EXPECT_EQ(saved[128].substr(0, 2), "2\t");

    // The wheel on the value list moves all three to the same top row.
    HWND values = Ctl(ids::ListBox(1));
    RECT rc;
    SendMessageA(values, LB_GETITEMRECT, 128, reinterpret_cast<LPARAM>(&rc));
    FocusByMouse(values, POINT{rc.left + 12, (rc.top + rc.bottom) / 2});
    GetWindowRect(values, &rc);
    MouseMoveTo(POINT{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2});
    const int before = Top(ids::ListBox(1));
    MouseWheel(-2);
    ASSERT_TRUE(Pump([&] { return Top(ids::ListBox(1)) != before; }));
    korvane::wintest::Pump(window.get(), 100);
    for (int list : kLists) {
        EXPECT_EQ(Top(list), Top(ids::ListBox(1))) << list;
    }

    // Enter in the value field applies; F3 finds the next line of the search.
    FocusByMouse(Ctl(ids::kEdit1), POINT{10, 8});
    PressKey(VK_HOME);
    PressKey(VK_END, {VK_SHIFT});
    TypeText("3");
    PressKey(VK_RETURN);
    ASSERT_TRUE(Pump([&] { return form->document.Value(128) == "3"; }));
    PressKey(VK_F3);
    ASSERT_TRUE(Pump([&] { return form->ListBox1.Selected() == 191; }));
}
