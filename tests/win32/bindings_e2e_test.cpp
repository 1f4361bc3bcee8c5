// The setting bindings end to end: real clicks, keys, typing and drags on the real controls
// write each control's encoding into the document and, through "Speichern", into the game's
// file; a Load of the real game file shows its values on the controls and saves back every
// line as read.
#include "window_test_support.hpp"

#include "../lines_file.hpp"
#include "../option_lines.hpp"

#include <commctrl.h>

#include <algorithm>
#include <map>
#include <string>
#include <utility>
#include <vector>

using namespace korvane;
using namespace korvane::wintest;
using korvane::testing::FileLines;
using korvane::testing::LinesFile;
using korvane::testing::ReleaseLines;

namespace {

using Values = std::map<int, std::string>;

// What Save writes for a file that was read as `read` (every line of the value-and-tail
// shape): each line ended by CR LF, and the given lines with their new value in front of
// the same tail.
std::string Rewritten(const std::string& read, const Values& changes) {
    std::vector<std::string> lines = FileLines(read);
    for (const auto& [k, value] : changes) {
        std::string& line = lines.at(static_cast<std::size_t>(k));
        line = value + line.substr(line.find_first_not_of("0123456789"));
    }
    return korvane::testing::CrLfFile(lines);
}

// Byte-for-byte equality, reported by the lines that differ (their CRs dropped) rather than
// as two whole files.
::testing::AssertionResult SameBytes(const std::string& actual, const std::string& expected) {
    if (actual == expected) {
        return ::testing::AssertionSuccess();
    }
    const std::vector<std::string> a = FileLines(actual);
    const std::vector<std::string> e = FileLines(expected);
    auto result = ::testing::AssertionFailure();
    result << actual.size() << " bytes in " << a.size() << " lines, expected " << expected.size()
           << " bytes in " << e.size() << " lines";
    int shown = 0;
    for (std::size_t k = 0; k < std::max(a.size(), e.size()) && shown < 5; ++k) {
        const std::string got = k < a.size() ? a[k] : "(none)";
        const std::string want = k < e.size() ? e[k] : "(none)";
        if (got != want) {
            result << "\n  line " << k << ": " << ::testing::PrintToString(got) << ", expected "
                   << ::testing::PrintToString(want);
            ++shown;
        }
    }
    return result;
}

POINT ScreenPoint(HWND hwnd, POINT client) {
    ClientToScreen(hwnd, &client);
    return client;
}

// Records the scroll notifications (WM_HSCROLL codes) one slider sends to its parent.
class ScrollLog {
public:
    ScrollLog(HWND parent, HWND slider) : parent_(parent), slider_(slider) {
        SetWindowSubclass(parent_, Proc, 0, reinterpret_cast<DWORD_PTR>(this));
    }
    ~ScrollLog() { RemoveWindowSubclass(parent_, Proc, 0); }
    ScrollLog(const ScrollLog&) = delete;
    ScrollLog& operator=(const ScrollLog&) = delete;

    std::vector<int> codes;

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                                 DWORD_PTR ref) {
        auto* self = reinterpret_cast<ScrollLog*>(ref);
        if (msg == WM_HSCROLL && reinterpret_cast<HWND>(lp) == self->slider_) {
            self->codes.push_back(LOWORD(wp));
        }
        return DefSubclassProc(hwnd, msg, wp, lp);
    }

    HWND parent_;
    HWND slider_;
};

class BindingsE2ETest : public WindowTest {
protected:
    void LoadFile(const std::string& bytes) {
        WriteBytes(GamePath(), bytes);
        Load();
    }
    // Clicks "Laden" on a window that has loaded before, and waits until Load has run.
    void LoadAgain(const std::string& bytes) {
        WriteBytes(GamePath(), bytes);
        HandlerCounter loads(form->SpeedButton1.onClick);
        MouseClick(Ctl(ids::SpeedButton(1)));
        ASSERT_TRUE(Pump([&] { return loads.count == 1; })) << "Load did not run";
    }

    std::string V(int line) const { return form->document.Value(line); }
    // A setting's lines (the shared table's) with the values given in the lines' order.
    Values Writes(int id, const std::vector<const char*>& values) const {
        const std::vector<int>& lines = ReleaseLines(form->Find(id)->Name());
        EXPECT_EQ(lines.size(), values.size()) << form->Find(id)->Name();
        Values out;
        for (std::size_t i = 0; i < lines.size() && i < values.size(); ++i) {
            out[lines[i]] = values[i];
        }
        return out;
    }
    bool ShownChecked(int box) const {
        return SendMessageA(Ctl(ids::CheckBox(box)), BM_GETCHECK, 0, 0) == BST_CHECKED;
    }
    bool ShownEnabled(int id) const { return IsWindowEnabled(Ctl(id)) != FALSE; }
    // A click on the box itself, left of its caption.
    void ClickBox(int box) { MouseClick(Ctl(ids::CheckBox(box)), POINT{6, 8}); }
    LRESULT ShownItem(int comboId) const { return SendMessageA(Ctl(comboId), CB_GETCURSEL, 0, 0); }
};

} // namespace

// Every check box, clicked once with the mouse, writes its own encoding: flag, inverted
// flag (CheckBox15), filter flag on two lines (CheckBox12), two lines (CheckBox13).
TEST_F(BindingsE2ETest, ClickingEachCheckBoxWritesItsEncodingIntoTheSavedFile) {
    // A file the load writes back unchanged: every box the transfer checks finds its own
    // encoding stored already. CheckBox5 and CheckBox7 are enabled (lines 43 and 60).
    const Values stored = {{3, "1"},  {4, "1"},  {25, "0"}, {34, "1"}, {43, "1"},
                           {60, "1"}, {67, "1"}, {93, "2"}, {94, "2"}, {121, "1"}};
    const std::string file = LinesFile(170, stored);
    LoadFile(file);

    const struct {
        int box;
        bool checkedAfterLoad;
        const char* value; // what the click leaves in the box's lines
    } rows[] = {
        {3, false, "1"},
        {1, true, "0"},
        {2, false, "1"},
        {8, true, "0"},
        {12, true, "0"},
        {17, false, "1"},
        {15, true, "1"},
        {16, true, "0"},
        // CheckBox5 before CheckBox4 (which disables it), CheckBox7 before CheckBox6.
        {5, false, "1"},
        {4, true, "0"},
        {7, true, "0"},
        {6, true, "0"},
        {14, false, "1"},
        {9, false, "1"},
        {10, true, "0"},
        {11, false, "1"},
        {13, false, "1"},
    };
    Values expected;
    for (const auto& row : rows) {
        const std::string name = "CheckBox" + std::to_string(row.box);
        SCOPED_TRACE(name);
        ShowPageOf(ids::CheckBox(row.box));
        ASSERT_EQ(ShownChecked(row.box), row.checkedAfterLoad);
        ClickBox(row.box);
        ASSERT_TRUE(Pump([&] { return ShownChecked(row.box) != row.checkedAfterLoad; }));
        for (const int line : ReleaseLines(name)) {
            EXPECT_EQ(V(line), row.value) << "line " << line;
            expected[line] = row.value;
        }
    }
    Save();
    EXPECT_TRUE(SameBytes(ReadBytes(GamePath()), Rewritten(file, expected)));
}

// CheckBox4 enables and disables CheckBox5, CheckBox6 does CheckBox7; the real controls
// follow, a click on a disabled box does nothing, and a disabled box keeps its check mark.
TEST_F(BindingsE2ETest, MasterBoxesEnableTheirDependantsOnScreen) {
    LoadFile(LinesFile(170, {{43, "0"}, {50, "1"}, {60, "1"}, {67, "1"}}));
    ShowPage(kObjectsPage);
    // Line 43 "0": CheckBox4 cleared, CheckBox5 checked by line 50 and then disabled.
    EXPECT_FALSE(ShownChecked(4));
    EXPECT_TRUE(ShownChecked(5));
    EXPECT_FALSE(ShownEnabled(ids::CheckBox(5)));
    EXPECT_TRUE(ShownEnabled(ids::CheckBox(7)));

    HandlerCounter box5(form->CheckBox5.onClick);
    ClickBox(5);
    // The click on CheckBox4 comes after the one on CheckBox5: once it has arrived, the
    // first one has been dealt with.
    ClickBox(4);
    ASSERT_TRUE(Pump([&] { return ShownChecked(4); }));
    EXPECT_EQ(box5.count, 0);
    EXPECT_TRUE(ShownChecked(5));
    EXPECT_EQ(V(50), "1");
    EXPECT_EQ(V(43), "1");
    EXPECT_TRUE(ShownEnabled(ids::CheckBox(5)));

    ClickBox(4);
    ASSERT_TRUE(Pump([&] { return !ShownChecked(4); }));
    EXPECT_EQ(V(43), "0");
    EXPECT_FALSE(ShownEnabled(ids::CheckBox(5)));
    EXPECT_TRUE(ShownChecked(5)) << "a disabled box keeps its check mark";

    ClickBox(4);
    ASSERT_TRUE(Pump([&] { return ShownChecked(4); }));
    ClickBox(5);
    ASSERT_TRUE(Pump([&] { return !ShownChecked(5); }));
    EXPECT_EQ(box5.count, 1);
    EXPECT_EQ(V(50), "0");

    // Clearing CheckBox6 disables and clears CheckBox7, whose handler writes line 67.
    HandlerCounter box7(form->CheckBox7.onClick);
    ClickBox(6);
    ASSERT_TRUE(Pump([&] { return !ShownChecked(6); }));
    EXPECT_FALSE(ShownEnabled(ids::CheckBox(7)));
    EXPECT_FALSE(ShownChecked(7));
    EXPECT_EQ(V(60), "0");
    EXPECT_EQ(V(67), "0");
    EXPECT_EQ(box7.count, 1);
    ClickBox(7);
    ClickBox(6);
    ASSERT_TRUE(Pump([&] { return ShownChecked(6); }));
    EXPECT_TRUE(ShownEnabled(ids::CheckBox(7)));
    EXPECT_FALSE(ShownChecked(7));
    EXPECT_EQ(box7.count, 1);
    EXPECT_EQ(V(60), "1");
}

// Items picked with the mouse write each drop-down's encoding: width and height, a code
// per item, the raw text (the empty first item of ComboBox2 included), or the item index.
TEST_F(BindingsE2ETest, PickingItemsWithTheMouseWritesTheirEncodings) {
    const std::string file = LinesFile(170, {});
    LoadFile(file);
    const struct {
        int combo;
        int item;
        std::vector<const char*> values; // in the drop-down's lines, in their order
        const char* text;
    } rows[] = {
        {ids::kAufloesung, 2, {"1152", "864"}, "1152x864"},
        {ids::ComboBox(1), 3, {"8"}, "12.5%"},
        {ids::ComboBox(1), 1, {"2"}, "50%"},
        {ids::ComboBox(1), 2, {"4"}, "25%"},
        {ids::ComboBox(2), 3, {"300"}, "300"},
        {ids::ComboBox(2), 0, {""}, ""},
        {ids::ComboBox(3), 1, {"3"}, "Grafikkarte"},
        {ids::ComboBox(3), 0, {"2"}, "Prozessor"},
        {ids::ComboBox(4),
         2,
         {"2"},
         "Immer(au\xdf"
         "er TV-Sicht)"},
        {ids::ComboBox(4), 1, {"1"}, "Nur Arcade"},
        {ids::ComboBox(5), 1, {"1"}, "Immer"},
        {ids::ComboBox(6), 3, {"3"}, "Alle"},
    };
    Values expected;
    for (const auto& row : rows) {
        SCOPED_TRACE(std::to_string(row.combo) + " item " + std::to_string(row.item));
        const Values writes = Writes(row.combo, row.values);
        ShowPageOf(row.combo);
        PickWithMouse(row.combo, row.item);
        ASSERT_TRUE(Pump([&] {
            for (const auto& [line, value] : writes) {
                if (V(line) != value) {
                    return false;
                }
            }
            return true;
        })) << "the pick wrote nothing";
        EXPECT_EQ(ShownItem(row.combo), row.item);
        EXPECT_EQ(Text(row.combo), row.text);
        for (const auto& [line, value] : writes) {
            expected[line] = value;
        }
    }
    Save();
    EXPECT_TRUE(SameBytes(ReadBytes(GamePath()), Rewritten(file, expected)));
}

// The keyboard: the open list with arrow keys and Enter, and arrow keys on a closed list.
TEST_F(BindingsE2ETest, ChoosingItemsWithTheKeyboardWritesTheirCodes) {
    const std::string file = LinesFile(170, {});
    LoadFile(file);

    ShowPage(kGraphicsPage);
    HWND quality = Ctl(ids::ComboBox(1));
    ASSERT_EQ(ShownItem(ids::ComboBox(1)), 0); // "100%", line 23 "0"
    FocusByMouse(quality, POINT{20, 10});
    PressKey(VK_F4);
    ASSERT_TRUE(Pump([&] { return Dropped(ids::ComboBox(1)); }));
    PressKey(VK_DOWN);
    PressKey(VK_DOWN);
    ASSERT_TRUE(Pump([&] { return form->ComboBox1.ItemIndex() == 2; }));
    PressKey(VK_RETURN);
    ASSERT_TRUE(Pump([&] { return !Dropped(ids::ComboBox(1)); }));
    EXPECT_EQ(V(23), "4");
    EXPECT_EQ(Text(ids::ComboBox(1)), "25%");
    EXPECT_TRUE(window->IsOpen());
    // Closed: Up goes back one item.
    PressKey(VK_UP);
    ASSERT_TRUE(Pump([&] { return V(23) == "2"; }));
    EXPECT_EQ(Text(ids::ComboBox(1)), "50%");
    EXPECT_EQ(ShownItem(ids::ComboBox(1)), 1);

    ShowPage(kObjectsPage);
    HWND map = Ctl(ids::ComboBox(4));
    FocusByMouse(map, POINT{20, 10});
    // The click opened the fixed list; close it again.
    PressKey(VK_ESCAPE);
    ASSERT_TRUE(Pump([&] { return !Dropped(ids::ComboBox(4)); }));
    ASSERT_EQ(form->ComboBox4.ItemIndex(), 0);
    PressKey(VK_DOWN);
    ASSERT_TRUE(Pump([&] { return V(51) == "1"; }));
    PressKey(VK_DOWN);
    ASSERT_TRUE(Pump([&] { return V(51) == "2"; }));
    EXPECT_EQ(ShownItem(ids::ComboBox(4)), 2);
    // Open, one up, Enter.
    PressKey(VK_DOWN, {VK_MENU});
    ASSERT_TRUE(Pump([&] { return Dropped(ids::ComboBox(4)); }));
    PressKey(VK_UP);
    PressKey(VK_RETURN);
    ASSERT_TRUE(Pump([&] { return !Dropped(ids::ComboBox(4)); }));
    ASSERT_TRUE(Pump([&] { return V(51) == "1"; }));
    EXPECT_EQ(ShownItem(ids::ComboBox(4)), 1);

    Save();
    EXPECT_TRUE(SameBytes(ReadBytes(GamePath()), Rewritten(file, {{23, "2"}, {51, "1"}})));
}

// Typing into the editable drop-downs: a key that begins an item completes it (the rest
// highlighted) and writes the item's encoding; "10" completes to "1024x768" and writes width
// and height at once; a key that begins no item is typed as it is, and ComboBox2 writes
// that text.
TEST_F(BindingsE2ETest, TypingIntoTheEditableDropDownsWritesWhatTheyShow) {
    const std::string file = LinesFile(170, {{1, "800"}, {2, "600"}, {101, "500"}});
    LoadFile(file);
    const struct {
        int combo;
        const char* typed;
        const char* text;
        DWORD selStart, selEnd; // the highlighted part (or the caret) afterwards
        int runs;
        std::vector<const char*> values; // in the drop-down's lines, in their order
    } rows[] = {
        // The "0" finds the item already selected: the handler runs for the "1" only.
        {ids::kAufloesung, "10", "1024x768", 2, 8, 1, {"1024", "768"}},
        {ids::ComboBox(1), "5", "50%", 1, 3, 1, {"2"}},
        // "2" completes to "200"; "25" begins no item and is typed over the highlighted rest.
        {ids::ComboBox(2), "25", "25", 2, 2, 2, {"25"}},
        {ids::ComboBox(3), "G", "Grafikkarte", 1, 11, 1, {"3"}},
    };
    Values expected;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.typed);
        ShowPageOf(row.combo);
        HWND combo = Ctl(row.combo);
        FocusByMouse(combo, POINT{20, 10});
        // All of the field's text, selected with the keyboard.
        const auto length = static_cast<DWORD>(Text(row.combo).size());
        PressKey(VK_HOME);
        PressKey(VK_END, {VK_SHIFT});
        ASSERT_TRUE(
            Pump([&] { return EditSelection(row.combo) == std::pair<DWORD, DWORD>(0, length); }));
        HandlerCounter runs(dynamic_cast<ComboBox&>(*form->Find(row.combo)).onChange);
        TypeText(row.typed);
        ASSERT_TRUE(Pump([&] {
            return Text(row.combo) == row.text &&
                   EditSelection(row.combo) == std::pair<DWORD, DWORD>(row.selStart, row.selEnd);
        })) << Text(row.combo);
        EXPECT_EQ(runs.count, row.runs);
        for (const auto& [line, value] : Writes(row.combo, row.values)) {
            EXPECT_EQ(V(line), value) << "line " << line;
            expected[line] = value;
        }
    }
    Save();
    EXPECT_TRUE(SameBytes(ReadBytes(GamePath()), Rewritten(file, expected)));
}

// Any resolution: a stored 1280 x 1024 shows as it is; typing 1920x1080 over it writes
// nothing until the last key (the "1" first completes to 1024x768 and writes that), and
// Save writes the two lines and nothing else.
TEST_F(BindingsE2ETest, TypingAResolutionOfOurOwnSavesItsWidthAndHeight) {
    const std::string file = LinesFile(170, {{1, "1280"}, {2, "1024"}});
    LoadFile(file);
    ShowPage(kGraphicsPage);
    EXPECT_EQ(Text(ids::kAufloesung), "1280x1024");
    FocusByMouse(Ctl(ids::kAufloesung), POINT{20, 10});
    PressKey(VK_HOME);
    PressKey(VK_END, {VK_SHIFT});
    ASSERT_TRUE(Pump([&] { return EditSelection(ids::kAufloesung).second == 9; }));
    TypeText("1920x108");
    ASSERT_TRUE(Pump([&] { return Text(ids::kAufloesung) == "1920x108"; }));
    EXPECT_EQ(V(1), "1024") << "the completed 1024x768 of the first key";
    EXPECT_EQ(V(2), "768");
    TypeText("0");
    ASSERT_TRUE(Pump([&] { return V(1) == "1920"; }));
    EXPECT_EQ(V(2), "1080");
    EXPECT_EQ(Text(ids::kAufloesung), "1920x1080");
    Save();
    EXPECT_TRUE(SameBytes(ReadBytes(GamePath()), Rewritten(file, {{1, "1920"}, {2, "1080"}})));
}

// Dragging the thumb of TrackBar1: the handler runs once per scroll notification, Label15
// follows every step, and line 46 ends with the position where the thumb was let go.
TEST_F(BindingsE2ETest, DraggingTheMirrorSliderRunsTheHandlerPerNotification) {
    const std::string file = LinesFile(170, {{46, "16"}});
    LoadFile(file);
    ShowPage(kObjectsPage);
    HWND bar = Ctl(ids::TrackBar(1));
    ASSERT_EQ(SendMessageA(bar, TBM_GETPOS, 0, 0), 16);
    ASSERT_EQ(Text(ids::Label(15)), "16");

    RECT thumb;
    SendMessageA(bar, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    const POINT grip =
        ScreenPoint(bar, POINT{(thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2});
    ScrollLog log(Ctl(ids::Panel(5)), bar);
    HandlerCounter runs(form->TrackBar1.onChange);
    MouseMoveTo(grip);
    MouseButton(true);
    ASSERT_TRUE(Pump([&] { return GetCapture() == bar; })) << "the thumb was not caught";
    LRESULT last = 16;
    for (int step = 1; step <= 4; ++step) {
        SCOPED_TRACE(step);
        const std::size_t before = log.codes.size();
        MouseMoveTo(POINT{grip.x + 12 * step, grip.y});
        ASSERT_TRUE(Pump([&] { return log.codes.size() > before; }));
        const LRESULT position = SendMessageA(bar, TBM_GETPOS, 0, 0);
        EXPECT_GT(position, last);
        last = position;
        EXPECT_EQ(form->TrackBar1.Position(), position);
        EXPECT_EQ(Text(ids::Label(15)), std::to_string(position));
        EXPECT_EQ(V(46), std::to_string(position));
    }
    MouseButton(false);
    ASSERT_TRUE(Pump([&] { return !log.codes.empty() && log.codes.back() == TB_ENDTRACK; }));
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(static_cast<std::size_t>(runs.count), log.codes.size());
    EXPECT_GE(log.codes.size(), 6u) << "four moves, the release and the end of the drag";
    EXPECT_EQ(SendMessageA(bar, TBM_GETPOS, 0, 0), last);
    EXPECT_EQ(Text(ids::Label(15)), std::to_string(last));

    Save();
    EXPECT_TRUE(SameBytes(ReadBytes(GamePath()), Rewritten(file, {{46, std::to_string(last)}})));
}

// Arrow, Page and End keys on TrackBar2: Label36 shows the position with "%".
TEST_F(BindingsE2ETest, KeysOnThePercentSliderShowThePositionWithAPercentSign) {
    const std::string file = LinesFile(170, {{49, "50"}});
    LoadFile(file);
    ShowPage(kObjectsPage);
    HWND bar = Ctl(ids::TrackBar(2));
    EXPECT_EQ(Text(ids::Label(36)), "50%");
    FocusByMouse(bar, POINT{180, 22}); // below the channel
    const struct {
        WORD key;
        int position;
    } steps[] = {{VK_END, 100}, {VK_LEFT, 99}, {VK_PRIOR, 79}, {VK_RIGHT, 80}, {VK_HOME, 0}};
    for (const auto& step : steps) {
        SCOPED_TRACE(step.position);
        PressKey(step.key);
        ASSERT_TRUE(Pump([&] { return form->TrackBar2.Position() == step.position; }));
        EXPECT_EQ(SendMessageA(bar, TBM_GETPOS, 0, 0), step.position);
        EXPECT_EQ(Text(ids::Label(36)), std::to_string(step.position) + "%");
        EXPECT_EQ(V(49), std::to_string(step.position));
    }
    Save();
    EXPECT_TRUE(SameBytes(ReadBytes(GamePath()), Rewritten(file, {{49, "0"}})));
}

// Keys typed into ComboBox4 less than 500 ms apart search as one text; after a longer
// pause a key starts a new search.
TEST_F(BindingsE2ETest, IncrementalSearchInTheTrackMapListFollowsTheTyping) {
    LoadFile(LinesFile(170, {}));
    ShowPage(kObjectsPage);
    HWND combo = Ctl(ids::ComboBox(4));
    FocusByMouse(combo, POINT{20, 10});
    PressKey(VK_ESCAPE);
    ASSERT_TRUE(Pump([&] { return !Dropped(ids::ComboBox(4)); }));
    ASSERT_EQ(form->ComboBox4.ItemIndex(), 0); // "Aus"

    // At once: "Nur A" is the beginning of "Nur Arcade".
    HandlerCounter runs(form->ComboBox4.onChange);
    TypeText("Nur A");
    ASSERT_TRUE(Pump([&] { return form->ComboBox4.SearchText() == "Nur A"; }));
    EXPECT_EQ(form->ComboBox4.ItemIndex(), 1);
    EXPECT_EQ(ShownItem(ids::ComboBox(4)), 1);
    EXPECT_EQ(V(51), "1");
    EXPECT_EQ(runs.count, 1) << "only the first key changed the selection";

    // A pause before the "A": it starts a search of its own and finds "Aus".
    TypeText("Nur ");
    ASSERT_TRUE(Pump([&] { return form->ComboBox4.SearchText() == "Nur "; }));
    const ULONGLONG typed = GetTickCount64();
    Pump([&] { return GetTickCount64() - typed > 600; }, 2000);
    TypeText("A");
    ASSERT_TRUE(Pump([&] { return form->ComboBox4.ItemIndex() == 0; }));
    EXPECT_EQ(form->ComboBox4.SearchText(), "A");
    EXPECT_EQ(ShownItem(ids::ComboBox(4)), 0);
    EXPECT_EQ(V(51), "0");
}

// The real game file is the patched game's: Load shows its values from their own lines,
// and Save without a change writes every line back with CR LF. Only the two boxes that
// write their flag into two lines change the file: line 98 "2" checks CheckBox12, which
// writes "2" into line 99 too; line 107 "1" checks CheckBox13, which writes "1" into line
// 170. Clearing "Enable mirrors" then writes line 44 alone.
TEST_F(BindingsE2ETest, TheRealGameFileIsEditedInItsOwnLines) {
    ASSERT_TRUE(CopyFileA(DemoConfigPath().c_str(), GamePath().c_str(), FALSE)) << DemoConfigPath();
    SetFileAttributesA(GamePath().c_str(), FILE_ATTRIBUTE_NORMAL);
    const std::string read = ReadBytes(GamePath());
    Load();
    ASSERT_EQ(form->document.Count(), 287u);
    ASSERT_EQ(form->folder.File().Layout(), FileLayout::Patched);

    const struct {
        int box;
        bool checked, enabled;
    } boxes[] = {
        {3, false, true}, {1, true, true},  {2, false, true},  {8, false, true}, {5, true, true},
        {4, true, true},  {6, false, true}, {7, false, false}, {9, true, true},  {10, true, true},
        {11, true, true}, {12, true, true}, {13, true, true},  {14, true, true}, {15, true, true},
        {16, true, true}, {17, true, true},
    };
    for (const auto& b : boxes) {
        EXPECT_EQ(ShownChecked(b.box), b.checked) << "CheckBox" << b.box;
        EXPECT_EQ(ShownEnabled(ids::CheckBox(b.box)), b.enabled) << "CheckBox" << b.box;
    }
    const struct {
        int id;
        const char* text;
    } texts[] = {
        {ids::kAufloesung, "800x600"},               // line 1 "800"
        {ids::ComboBox(1), "100%"},                  // line 23 "0"
        {ids::ComboBox(2), "300"},                   // line 106
        {ids::ComboBox(3), "Prozessor"},             // line 54 "2"
        {ids::ComboBox(4), "Nur Arcade"},            // line 52 "1"
        {ids::ComboBox(5), "Immer"},                 // line 122 "1"
        {ids::ComboBox(6), "Nur \"echte\" Kameras"}, // line 128 "1"
        {ids::Label(15), "16"},                      // line 47
        {ids::Label(36), "100%"},                    // line 50
    };
    for (const auto& t : texts) {
        EXPECT_EQ(Text(t.id), t.text) << t.id;
    }
    EXPECT_EQ(SendMessageA(Ctl(ids::TrackBar(1)), TBM_GETPOS, 0, 0), 16);
    EXPECT_EQ(SendMessageA(Ctl(ids::TrackBar(2)), TBM_GETPOS, 0, 0), 100);

    // The tooltip window holds each setting's lines (the quiet language file has no entry
    // 61, so the word is the German one).
    char tip[256] = {};
    TTTOOLINFOA info{};
    info.cbSize = sizeof(info);
    info.hwnd = GetParent(Ctl(ids::CheckBox(4)));
    info.uId = reinterpret_cast<UINT_PTR>(Ctl(ids::CheckBox(4)));
    info.lpszText = tip;
    SendMessageA(window->ToolTipWindow(), TTM_GETTEXTA, sizeof tip,
                 reinterpret_cast<LPARAM>(&info));
    EXPECT_STREQ(tip, "Zeile 44: Enable mirrors");

    // Load then Save writes every line as read.
    Save();
    EXPECT_TRUE(SameBytes(ReadBytes(GamePath()), Rewritten(read, {})));

    ShowPage(kObjectsPage);
    ClickBox(4);
    ASSERT_TRUE(Pump([&] { return !ShownChecked(4); }));
    Save();
    EXPECT_TRUE(SameBytes(ReadBytes(GamePath()), Rewritten(read, {{44, "0"}})));
}

// The typical road: line 5 "1" shows "Vollbildmodus" checked; a click clears it, and Save
// writes "0" into line 5 with every other line as read.
TEST_F(BindingsE2ETest, ClearingFullScreenAfterALoadSavesLineFiveAsZero) {
    const std::string file = LinesFile(170, {{5, "1"}});
    LoadFile(file);
    ShowPage(kGeneralPage);
    EXPECT_TRUE(ShownChecked(2));
    ClickBox(2);
    ASSERT_TRUE(Pump([&] { return !ShownChecked(2); }));
    EXPECT_EQ(V(5), "0");
    Save();
    EXPECT_TRUE(SameBytes(ReadBytes(GamePath()), Rewritten(file, {{5, "0"}})));
}

// A second Load shows the new file as a first Load would: line 60 "0" clears the visor and
// disables the tint, which shows its own line 67; line 46 "40" moves the slider to its end.
// The user's unsaved click is gone, and Save writes the file as read.
TEST_F(BindingsE2ETest, ASecondLoadShowsTheNewFileAsItIsAndSavesItAsRead) {
    LoadFile(LinesFile(170, {{5, "1"}, {43, "1"}, {46, "7"}, {60, "1"}, {67, "1"}}));
    ShowPage(kGeneralPage);
    ClickBox(2);
    ASSERT_TRUE(Pump([&] { return !ShownChecked(2); }));
    ShowPage(kObjectsPage);
    ASSERT_TRUE(ShownChecked(6));
    ASSERT_TRUE(ShownChecked(7));
    ASSERT_EQ(Text(ids::Label(15)), "7");

    const std::string second = LinesFile(170, {{5, "1"}, {46, "40"}, {60, "0"}, {67, "1"}});
    // The click above is a change of the player's: Load asks before it drops it.
    boxesExpected = true;
    boxes->AnswerWithKey('Y');
    LoadAgain(second);
    ASSERT_EQ(boxes->Seen().size(), 1u);
    EXPECT_EQ(boxes->Seen()[0].text, "Ihre \xc4nderungen verwerfen und f1graphics.cfg neu laden?");
    EXPECT_TRUE(Visible(ids::Panel(5))) << "Load keeps the page on show";
    EXPECT_TRUE(ShownChecked(2));
    EXPECT_FALSE(ShownChecked(4));
    EXPECT_FALSE(ShownEnabled(ids::CheckBox(5)));
    EXPECT_FALSE(ShownChecked(6));
    EXPECT_TRUE(ShownChecked(7));
    EXPECT_FALSE(ShownEnabled(ids::CheckBox(7)));
    EXPECT_EQ(SendMessageA(Ctl(ids::TrackBar(1)), TBM_GETPOS, 0, 0), 32);
    EXPECT_EQ(Text(ids::Label(15)), "32");
    Save();
    EXPECT_TRUE(SameBytes(ReadBytes(GamePath()), Rewritten(second, {})));
}

// A file too short for the transfer: the error box names the first line it lacks, the
// controls set before stay on screen, a click that writes past the end shows "Unable to
// insert a line." and keeps its new check mark, and Save writes nothing: the Load did not
// run to its end.
TEST_F(BindingsE2ETest, AShortFileStopsTheTransferAndTheWindowGoesOn) {
    boxesExpected = true;
    const std::string file = LinesFile(60, {{1, "1024"}, {2, "768"}, {5, "1"}});
    LoadFile(file);
    ASSERT_TRUE(Pump([&] { return boxes->Seen().size() == 1; }));
    EXPECT_TRUE(boxes->Seen()[0].text.starts_with("List index out of bounds (101)\r\n"));
    // Steps 1 to 5 ran; step 6 (ComboBox2, line 101) did not.
    EXPECT_EQ(Text(ids::kAufloesung), "1024x768");
    EXPECT_TRUE(ShownChecked(2));
    EXPECT_EQ(Text(ids::ComboBox(1)), "100%");
    EXPECT_EQ(Text(ids::ComboBox(2)), "");

    ShowPage(kObjectsPage);
    ClickBox(9); // line 109
    ASSERT_TRUE(Pump([&] { return boxes->Seen().size() == 2; }));
    EXPECT_EQ(boxes->Seen()[1].text, "Unable to insert a line.");
    EXPECT_TRUE(ShownChecked(9));
    EXPECT_EQ(form->document.Count(), 60u);

    ShowPage(kGeneralPage);
    ClickBox(1); // line 3
    ASSERT_TRUE(Pump([&] { return V(3) == "1"; }));
    Save();
    EXPECT_EQ(ReadBytes(GamePath()), file);
    ASSERT_EQ(boxes->Seen().size(), 3u);
    EXPECT_EQ(boxes->Seen()[2].text,
              "f1graphics.cfg wurde nicht vollst\xe4ndig geladen, darum wurde nichts "
              "gespeichert. Bitte zuerst erfolgreich laden.");
}
