// The manual edit page with the real list boxes, edit field and apply button under real
// mouse and keyboard input: the three lists follow each other and bring the chosen row into
// view, Apply and Save change exactly the chosen line on disk, and a setting control's
// write shows in the value list at once.
#include "window_test_support.hpp"

#include "../lines_file.hpp"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

using namespace korvane;
using namespace korvane::wintest;
using korvane::testing::CrLfFile;
using korvane::testing::FileLines;

namespace {

const int kLists[] = {ids::ListBox(5), ids::ListBox(1), ids::ListBox(4)};

// What a window shows in a rectangle of its client area, pixel by pixel (0x00RRGGBB).
std::vector<std::uint32_t> Pixels(HWND hwnd, const RECT& rc) {
    const int width = rc.right - rc.left;
    const int height = rc.bottom - rc.top;
    std::vector<std::uint32_t> pixels;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC screen = GetDC(hwnd);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap && bits) {
        HGDIOBJ old = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, width, height, screen, rc.left, rc.top, SRCCOPY);
        GdiFlush();
        const auto* p = static_cast<const std::uint32_t*>(bits);
        pixels.assign(p, p + static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
        SelectObject(memory, old);
        DeleteObject(bitmap);
    }
    DeleteDC(memory);
    ReleaseDC(hwnd, screen);
    for (std::uint32_t& px : pixels) {
        px &= 0xFFFFFF;
    }
    return pixels;
}

// A system colour as Pixels gives it.
std::uint32_t SysPixel(int index) {
    const COLORREF c = GetSysColor(index);
    return (static_cast<std::uint32_t>(GetRValue(c)) << 16) |
           (static_cast<std::uint32_t>(GetGValue(c)) << 8) | GetBValue(c);
}

class ManualEditE2ETest : public WindowTest {
protected:
    void OpenPage() {
        Load();
        ShowPage(kManualPage);
    }

    HWND List(int id) const { return Ctl(id); }
    int Selection(int id) const {
        return static_cast<int>(SendMessageA(List(id), LB_GETCURSEL, 0, 0));
    }
    int Top(int id) const { return static_cast<int>(SendMessageA(List(id), LB_GETTOPINDEX, 0, 0)); }
    // Whole rows the list shows at once.
    int PageRows(int id) const {
        RECT rc;
        GetClientRect(List(id), &rc);
        const auto height = SendMessageA(List(id), LB_GETITEMHEIGHT, 0, 0);
        return static_cast<int>((rc.bottom - rc.top) / height);
    }
    bool RowInView(int id, int row) const {
        const int top = Top(id);
        return row >= top && row < top + PageRows(id);
    }
    RECT RowRect(int id, int row) const {
        RECT rc{};
        SendMessageA(List(id), LB_GETITEMRECT, static_cast<WPARAM>(row),
                     reinterpret_cast<LPARAM>(&rc));
        return rc;
    }

    // Clicks a row the list shows, and waits until the model has it.
    void ClickRow(int id, int row) {
        ASSERT_TRUE(RowInView(id, row)) << "row " << row << " of " << id << " is not in view";
        const RECT rc = RowRect(id, row);
        MouseClick(List(id), POINT{rc.left + 12, (rc.top + rc.bottom) / 2});
        ASSERT_TRUE(Pump([&] { return ListModel(id).Selected() == row; }))
            << "row " << row << " of " << id;
        Settle();
    }

    // Pages a list down by clicking its scroll bar below the thumb, as a user does; the
    // line-number list, which has none, with the mouse wheel.
    void ScrollPageDown(int id) {
        const int before = Top(id);
        if (!(GetWindowLongA(List(id), GWL_STYLE) & WS_VSCROLL)) {
            SetFocus(List(id));
            RECT rc;
            GetWindowRect(List(id), &rc);
            MouseMoveTo(POINT{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2});
            MouseWheel(-4);
            ASSERT_TRUE(Pump([&] { return Top(id) > before; })) << "list " << id;
            Settle();
            return;
        }
        SCROLLBARINFO info{};
        info.cbSize = sizeof info;
        ASSERT_TRUE(GetScrollBarInfo(List(id), OBJID_VSCROLL, &info));
        const RECT& bar = info.rcScrollBar;
        // Above the arrow button (wine reports less than its height in dxyLineButton).
        const int arrow = std::max<int>(info.dxyLineButton, GetSystemMetrics(SM_CYVSCROLL));
        const int y = bar.bottom - arrow - 4;
        ASSERT_GT(y, bar.top + info.xyThumbBottom);
        MouseClickAt(POINT{(bar.left + bar.right) / 2, y});
        ASSERT_TRUE(Pump([&] { return Top(id) > before; })) << "list " << id << " did not scroll";
        Settle();
    }

    // Clicks into edit1, replaces its text by typing, and waits until the model has it.
    void TypeIntoEdit1(const std::string& text) {
        HWND edit = Ctl(ids::kEdit1);
        MouseClick(edit, POINT{10, 8});
        ASSERT_TRUE(Pump([&] { return GetFocus() == edit; }));
        PressKey(VK_HOME);
        PressKey(VK_END, {VK_SHIFT});
        TypeText(text);
        ASSERT_TRUE(Pump([&] { return form->edit1.Text() == text; }))
            << "edit1 holds \"" << form->edit1.Text() << "\"";
    }

    // Clicks a flat button and waits until its handler has run.
    void ClickButton(int n) {
        HandlerCounter runs(ButtonModel(n).onClick);
        MouseClick(Ctl(ids::SpeedButton(n)));
        ASSERT_TRUE(Pump([&] { return runs.count > 0; })) << "SpeedButton" << n;
    }
    SpeedButton& ButtonModel(int n) const {
        return n == 2 ? form->SpeedButton2 : form->SpeedButton10;
    }

    // Clicks "Speichern" and returns the file's bytes.
    std::string SaveAndRead() {
        ClickButton(2);
        return ReadBytes(GamePath());
    }

    ListBox& ListModel(int id) const {
        switch (id) {
        case ids::ListBox(1):
            return form->ListBox1;
        case ids::ListBox(4):
            return form->ListBox4;
        default:
            return form->ListBox5;
        }
    }

    // What the row shows once every pending paint is done.
    std::vector<std::uint32_t> ShownRow(int id, int row) {
        UpdateWindow(window->Hwnd());
        Pump([&] { return !GetUpdateRect(List(id), nullptr, FALSE); });
        return Pixels(List(id), RowRect(id, row));
    }

    void Settle() { korvane::wintest::Pump(window.get(), 100); }
};

} // namespace

// A click in any of the three lists chooses that row in all of them and shows it in each,
// the lists having scrolled together, with its value and description.
TEST_F(ManualEditE2ETest, ARowClickedInAnyListIsChosenAndShownInAllThree) {
    OpenPage();
    int chosen = 2;
    ClickRow(ids::ListBox(1), chosen);
    for (int id : kLists) {
        SCOPED_TRACE(id);
        for (int other : kLists) {
            ASSERT_EQ(Top(other), 0) << other;
        }
        for (int i = 0; i < 6; ++i) {
            ScrollPageDown(id);
        }
        // Scrolling one list moves the others to the same rows, and no selection.
        for (int other : kLists) {
            EXPECT_EQ(Top(other), Top(id)) << other;
            EXPECT_EQ(Selection(other), chosen) << other;
        }
        const int row = Top(id) + 4;
        ASSERT_GT(row, PageRows(id)) << "the row must lie outside the first page";
        ClickRow(id, row);

        for (int list : kLists) {
            EXPECT_EQ(Selection(list), row) << list;
            EXPECT_EQ(ListModel(list).Selected(), row) << list;
            EXPECT_TRUE(RowInView(list, row)) << list << " shows rows from " << Top(list);
        }
        EXPECT_EQ(Text(ids::kEdit1), form->document.Value(row));
        EXPECT_EQ(Text(ids::kEdit2), std::string(form->document.DescriptionView(row)));
        chosen = row;

        // Every list back at its top for the next one; the selection stays.
        for (int list : kLists) {
            SendMessageA(List(list), LB_SETTOPINDEX, 0, 0);
        }
        Settle();
    }
}

// Down, Up and Page Down in a focused list move the row in all three lists.
TEST_F(ManualEditE2ETest, ArrowKeysInAFocusedListMoveTheRowInAllThree) {
    OpenPage();
    for (int id : kLists) {
        SCOPED_TRACE(id);
        SendMessageA(List(id), LB_SETTOPINDEX, 0, 0);
        Settle();
        ClickRow(id, 2);
        ASSERT_EQ(GetFocus(), List(id));

        const struct {
            WORD key;
            int row;
        } steps[] = {
            {VK_DOWN, 3},
            {VK_DOWN, 4},
            {VK_UP, 3},
            // A page down moves by the rows in view less one.
            {VK_NEXT, 3 + PageRows(id) - 1},
        };
        for (const auto& step : steps) {
            PressKey(step.key);
            ASSERT_TRUE(Pump([&] { return ListModel(id).Selected() == step.row; }))
                << "key " << step.key << ": row " << ListModel(id).Selected();
            Settle();
            EXPECT_EQ(GetFocus(), List(id));
            for (int list : kLists) {
                EXPECT_EQ(Selection(list), step.row) << list;
                EXPECT_TRUE(RowInView(list, step.row)) << list;
            }
            EXPECT_EQ(Text(ids::kEdit1), form->document.Value(step.row));
        }
    }
}

// A value typed into edit1 and applied with the mouse reaches the disk with Save: that one
// line changes (the new value in front of the line's own tail), every other line stays.
TEST_F(ManualEditE2ETest, ApplyAndSaveChangeExactlyTheChosenLine) {
    OpenPage();
    // A save right after the load is the reference: the load itself rewrites some values.
    const std::string original = ReadBytes(GamePath());
    const std::string loaded = SaveAndRead();
    const int line = 9;
    const std::string oldValue = form->document.Value(line);
    ASSERT_EQ(oldValue, "774");

    ClickRow(ids::ListBox(4), line);
    EXPECT_EQ(Text(ids::kEdit1), oldValue);
    const std::string typed = " 2048"; // taken as typed, leading space and all
    TypeIntoEdit1(typed);
    EXPECT_EQ(form->document.Value(line), oldValue) << "typing alone writes nothing";
    ClickButton(10);
    EXPECT_EQ(form->document.Value(line), typed);
    EXPECT_EQ(Selection(ids::ListBox(1)), line);

    const std::string saved = SaveAndRead();
    std::vector<std::string> expected = FileLines(loaded);
    const std::vector<std::string> originalLines = FileLines(original);
    ASSERT_GT(expected.size(), static_cast<std::size_t>(line));
    ASSERT_EQ(originalLines[line].rfind(oldValue, 0), 0u);
    expected[line] = typed + originalLines[line].substr(oldValue.size());
    const std::string expectedBytes = CrLfFile(expected);
    EXPECT_EQ(saved, expectedBytes);
}

// Right after a Load no row is chosen, the fields keep their texts, and Apply writes
// nothing: a Save then writes what the Load read.
TEST_F(ManualEditE2ETest, ApplyRightAfterALoadWritesNothing) {
    OpenPage();
    const std::string loaded = SaveAndRead();
    ClickRow(ids::ListBox(1), 4);
    const std::string description = Text(ids::kEdit2);
    TypeIntoEdit1("99");

    Load();
    ASSERT_TRUE(Visible(ids::Panel(2)));
    for (int list : kLists) {
        EXPECT_EQ(Selection(list), LB_ERR) << list;
        EXPECT_EQ(ListModel(list).Selected(), -1) << list;
    }
    EXPECT_EQ(Text(ids::kEdit1), "99");
    EXPECT_EQ(Text(ids::kEdit2), description);

    const std::size_t count = form->document.Count();
    ClickButton(10);
    EXPECT_EQ(form->document.Count(), count);
    EXPECT_EQ(SaveAndRead(), loaded);
}

// The chosen row is drawn highlighted in all three lists, not only in the one with the
// focus; the rows around it are not.
TEST_F(ManualEditE2ETest, TheChosenRowIsHighlightedInEveryList) {
    OpenPage();
    ClickRow(ids::ListBox(4), 5);
    ASSERT_EQ(GetFocus(), List(ids::ListBox(4)));
    for (int list : kLists) {
        SCOPED_TRACE(list);
        const int width = RowRect(list, 5).right;
        const std::vector<std::uint32_t> chosen = ShownRow(list, 5);
        const std::vector<std::uint32_t> next = ShownRow(list, 6);
        ASSERT_FALSE(chosen.empty());
        // A pixel left of the text, clear of the focus frame: row background.
        const std::size_t middle = static_cast<std::size_t>(7 * width + 1);
        EXPECT_EQ(chosen[middle], SysPixel(COLOR_HIGHLIGHT));
        EXPECT_EQ(next[middle], SysPixel(COLOR_WINDOW));
    }
}

// A setting control that writes a line shows the new value in the value list at once: the
// row is drawn again while the page is on show, and the row stays chosen.
TEST_F(ManualEditE2ETest, ASettingsWriteShowsInTheValueListAtOnce) {
    OpenPage();
    // Line 5 is "Vollbildmodus" (CheckBox2).
    const int line = 5;
    const int values = ids::ListBox(1);
    ClickRow(values, line);
    const std::string before = form->document.Value(line);
    const std::vector<std::uint32_t> drawnBefore = ShownRow(values, line);

    form->CheckBox2.SetChecked(!form->CheckBox2.Checked());
    ASSERT_NE(form->document.Value(line), before);
    const std::vector<std::uint32_t> drawnAfter = ShownRow(values, line);
    EXPECT_NE(drawnAfter, drawnBefore) << "the row was not drawn again";
    InvalidateRect(List(values), nullptr, TRUE);
    EXPECT_EQ(ShownRow(values, line), drawnAfter) << "the row differs from a full repaint";
    EXPECT_EQ(Selection(values), line);
    EXPECT_EQ(form->ListBox1.Selected(), line);

    // The same with a real click on the setting's own page.
    const std::string middle = form->document.Value(line);
    ShowPage(kGeneralPage);
    MouseClick(Ctl(ids::CheckBox(2)), POINT{6, 8});
    ASSERT_TRUE(Pump([&] { return form->document.Value(line) != middle; }));
    ShowPage(kManualPage);
    EXPECT_EQ(form->document.Value(line), before);
    EXPECT_EQ(form->ListBox1.Item(line), before);
    for (int list : kLists) {
        EXPECT_EQ(Selection(list), line) << list;
    }
}

namespace {

// The window with the shipped English language file: its captions carry access keys.
class KeyboardManualEditTest : public ManualEditE2ETest {
protected:
    void SetUp() override {
        languageFile = korvane::testing::DataFile("languages/english.txt");
        ManualEditE2ETest::SetUp();
    }

    // Presses a key with Alt and waits until the condition holds.
    void AltKey(char key, const std::function<bool()>& done, const char* what) {
        PressKey(static_cast<WORD>(key), {VK_MENU});
        ASSERT_TRUE(Pump(done)) << what;
    }

    void TabTo(int id) {
        for (int i = 0; i < 8 && GetFocus() != List(id) && GetFocus() != Ctl(id); ++i) {
            PressKey(VK_TAB);
            korvane::wintest::Pump(window.get(), 40);
        }
        ASSERT_EQ(GetFocus(), Ctl(id)) << "Tab did not reach " << id;
    }
};

} // namespace

// Load, the page, a line, a value, Apply and Save, all from the keyboard.
TEST_F(KeyboardManualEditTest, TheWholeEditWorksWithoutTheMouse) {
    ASSERT_EQ(Text(ids::SpeedButton(10)), "A&pply");
    AltKey(
        'L', [&] { return Visible(ids::SpeedButton(9)); }, "Alt+L loads");
    AltKey(
        'M', [&] { return Visible(ids::Panel(2)); }, "Alt+M shows the manual edit page");
    const std::string loaded = ReadBytes(GamePath());

    TabTo(ids::ListBox(1));
    for (int i = 0; i < 4; ++i) {
        PressKey(VK_DOWN);
    }
    ASSERT_TRUE(Pump([&] { return form->ListBox1.Selected() >= 3; }));
    Settle();
    const int line = form->ListBox1.Selected();
    for (int list : kLists) {
        EXPECT_EQ(Selection(list), line) << list;
    }
    EXPECT_EQ(form->edit1.Text(), form->document.Value(line));

    TabTo(ids::kEdit1);
    // Tab selects the field's text, so typing replaces it.
    TypeText("42");
    ASSERT_TRUE(Pump([&] { return form->edit1.Text() == "42"; })) << form->edit1.Text();
    AltKey(
        'P', [&] { return form->document.Value(line) == "42"; }, "Alt+P applies");
    AltKey(
        'S', [&] { return ReadBytes(GamePath()) != loaded; }, "Alt+S saves");
    const std::vector<std::string> saved = FileLines(ReadBytes(GamePath()));
    ASSERT_GT(saved.size(), static_cast<std::size_t>(line));
    EXPECT_EQ(saved[static_cast<std::size_t>(line)].substr(0, 3), "42\t");
}

namespace {

// A list row's text as a screen reader reads it.
std::string RowText(HWND list, int row) {
    const auto length = SendMessageA(list, LB_GETTEXTLEN, static_cast<WPARAM>(row), 0);
    if (length < 0) {
        return "<no row " + std::to_string(row) + ">";
    }
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const auto copied = SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(row),
                                     reinterpret_cast<LPARAM>(&text[0]));
    text.resize(copied < 0 ? 0 : static_cast<std::size_t>(copied));
    return text;
}

} // namespace

// The three lists hold their rows as text (line number, value, description), so a screen
// reader reads the whole file: after the Load, after a setting's write and after Apply. A
// row written in place keeps every list's selection and the rows it shows.
TEST_F(ManualEditE2ETest, TheListsHoldTheDocumentsRowsAsText) {
    OpenPage();
    const int numbers = ids::ListBox(5);
    const int values = ids::ListBox(1);
    const int descriptions = ids::ListBox(4);
    auto expectRows = [&](const char* when) {
        SCOPED_TRACE(when);
        const auto count = static_cast<LRESULT>(form->document.Count());
        for (int id : kLists) {
            ASSERT_EQ(SendMessageA(List(id), LB_GETCOUNT, 0, 0), count) << id;
        }
        for (int row = 0; row < count; ++row) {
            EXPECT_EQ(RowText(List(numbers), row), std::to_string(row));
            EXPECT_EQ(RowText(List(values), row), form->document.Value(row)) << row;
            EXPECT_EQ(RowText(List(descriptions), row),
                      std::string(form->document.DescriptionView(row)))
                << row;
        }
    };
    expectRows("after the Load");

    // Line 5 is "Vollbildmodus" (CheckBox2); the value list is scrolled away from it.
    const int line = 5;
    ClickRow(values, line);
    ScrollPageDown(values);
    const int tops[] = {Top(numbers), Top(values), Top(descriptions)};
    const std::string before = form->document.Value(line);
    ShowPage(kGeneralPage);
    MouseClick(Ctl(ids::CheckBox(2)), POINT{6, 8});
    ASSERT_TRUE(Pump([&] { return form->document.Value(line) != before; }));
    ShowPage(kManualPage);
    expectRows("after a setting's write");
    EXPECT_NE(RowText(List(values), line), before);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(Selection(kLists[i]), line) << kLists[i];
        EXPECT_EQ(Top(kLists[i]), tops[i]) << kLists[i];
    }

    const int applied = 9;
    // The lists scrolled together: back to the first rows to reach line 9.
    SendMessageA(List(values), LB_SETTOPINDEX, 0, 0);
    Settle();
    ClickRow(descriptions, applied);
    const int topsBeforeApply[] = {Top(numbers), Top(values), Top(descriptions)};
    TypeIntoEdit1("2048");
    ClickButton(10);
    expectRows("after Apply");
    EXPECT_EQ(RowText(List(values), applied), "2048");
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(Selection(kLists[i]), applied) << kLists[i];
        EXPECT_EQ(Top(kLists[i]), topsBeforeApply[i]) << kLists[i];
    }
}
