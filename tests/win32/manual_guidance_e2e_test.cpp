// The manual page's guidance in the real window on the real file, under real input: a line
// found by typing, its choice picked with the mouse and saved, the three lists following the
// mouse wheel on one of them, Enter in the value field and F3; a value a setting cannot show
// loaded, mended by hand and saved.
#include "window_test_support.hpp"

#include "../lines_file.hpp"

#include <commctrl.h>

#include <string>
#include <vector>

using namespace korvane;
using namespace korvane::wintest;
using korvane::testing::CrLfFile;
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
    EXPECT_EQ(Text(ids::OfName("ChangedOnly")), "0 Zeilen ge\xe4n&dert");

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
    EXPECT_EQ(Text(ids::OfName("ChangedOnly")), "1 Zeile ge\xe4n&dert");

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

// A file from elsewhere holds "abc" in the mirror slider's line (47). Load names the line, the
// file and the remedy and loads it whole: the slider stands at its end, its label says "abc",
// and the manual page says what belongs in the line. Mended there by hand, the slider shows the
// number at once, and Save writes the file a next Load shows without a word.
TEST_F(ManualGuidanceE2ETest, AValueASliderCannotShowLoadsAndIsMendedByHand) {
    std::vector<std::string> lines = FileLines(ReadBytes(GamePath()));
    ASSERT_TRUE(lines[47].starts_with("16\t"));
    lines[47].replace(0, 2, "abc");
    WriteBytes(GamePath(), CrLfFile(lines));
    boxesExpected = true;
    Load();
    ASSERT_EQ(boxes->Seen().size(), 1u);
    EXPECT_EQ(boxes->Seen()[0].text, "'abc' is not a valid integer value.\r\nZeile 47 von " +
                                         GamePath() +
                                         " enth\xe4lt 'abc', wo eine ganze Zahl hingeh\xf6rt. "
                                         "Korrigieren Sie sie auf der Seite Manuell bearbeiten.");
    ShowPageOf(ids::TrackBar(1));
    EXPECT_EQ(SendMessageA(Ctl(ids::TrackBar(1)), TBM_GETPOS, 0, 0), 1);
    EXPECT_EQ(Text(ids::Label(15)), "abc");

    ShowPage(kManualPage);
    FocusByMouse(Ctl(ids::OfName("FindLine")), POINT{10, 8});
    TypeText("47");
    ASSERT_TRUE(Pump([&] { return form->ListBox1.Selected() == 47; }));
    EXPECT_TRUE(
        Text(ids::OfName("ValueHint")).starts_with("In Zeile 47 geh\xf6rt nur eine ganze Zahl"))
        << Text(ids::OfName("ValueHint"));
    FocusByMouse(Ctl(ids::kEdit1), POINT{10, 8});
    PressKey(VK_HOME);
    PressKey(VK_END, {VK_SHIFT});
    TypeText("20");
    PressKey(VK_RETURN);
    ASSERT_TRUE(Pump([&] { return form->document.Value(47) == "20"; }));
    EXPECT_EQ(SendMessageA(Ctl(ids::TrackBar(1)), TBM_GETPOS, 0, 0), 20);
    EXPECT_EQ(Text(ids::Label(15)), "20");

    Save();
    EXPECT_EQ(boxes->Seen().size(), 1u);
    lines[47].replace(0, 3, "20");
    EXPECT_EQ(ReadBytes(GamePath()), CrLfFile(lines));
    Load();
    EXPECT_EQ(boxes->Seen().size(), 1u) << boxes->Seen().back().text;
}
