// Korvane.exe started as a process in a working folder, watched from outside: the language
// start-up's dialogs and boxes as the user sees them, their OK pressed with the mouse, and
// the captions of the real controls once the window is open.
#include "window_test_support.hpp"

#include "app/form_layout.hpp"

#include "../lines_file.hpp"

#include <string>
#include <vector>

using namespace korvane;
using namespace korvane::wintest;
using korvane::testing::DataFile;

namespace {

constexpr int kTimeoutMs = 15000;

// The texts of a dialog's buttons.
std::vector<std::string> ButtonTexts(HWND dialog) {
    std::vector<std::string> texts;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (_stricmp(ClassOf(child).c_str(), "Button") == 0 && IsWindowVisible(child)) {
            texts.push_back(WindowText(child));
        }
    }
    return texts;
}

// One caption of the open window, by control ID; drop-down items by index.
struct Shown {
    int id;
    const char* text;
};

struct ShownItems {
    int id;
    std::vector<std::string> items;
};

class LanguageStartTest : public ProgramFixture {
protected:
    void WriteLanguageFile(const std::string& bytes) {
        WriteBytes(workDir + "\\language.txt", bytes);
    }
    HWND MainWindow(bool visibleOnly = true) const {
        return program->Find(kMainClass, kMainCaption, visibleOnly);
    }
    // Waits for the program's one message box; fails if the main window shows first.
    HWND WaitForBoxBeforeTheWindow() {
        HWND box = nullptr;
        const bool seen = ProgramRun::WaitUntil(
            [&] {
                windowShown = windowShown || MainWindow() != nullptr;
                box = program->Find(kDialogClass);
                return box != nullptr || windowShown;
            },
            kTimeoutMs);
        EXPECT_TRUE(seen) << "neither a message box nor the window appeared";
        EXPECT_FALSE(windowShown) << "the main window showed before the message box";
        return box;
    }
    // Clicks the box's OK button with the mouse and waits until the box is gone.
    void ClickOk(HWND box) {
        HWND ok = GetDlgItem(box, IDOK);
        ASSERT_NE(ok, nullptr);
        // The box must be in front and take input where the button is before the click.
        RECT rc;
        GetWindowRect(ok, &rc);
        const POINT centre{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
        ASSERT_TRUE(ProgramRun::WaitUntil(
            [&] {
                return IsWindowEnabled(ok) && GetForegroundWindow() == box &&
                       WindowFromPoint(centre) == ok;
            },
            kTimeoutMs))
            << "the box did not come to the front";
        MouseClickCarryingPosition(centre);
        const bool closed = ProgramRun::WaitUntil(
            [&] { return !IsWindow(box) || !IsWindowVisible(box); }, kTimeoutMs);
        POINT cursor{};
        GetCursorPos(&cursor);
        ASSERT_TRUE(closed) << "the box did not close; clicked at " << centre.x << "," << centre.y
                            << ", the cursor is at " << cursor.x << "," << cursor.y;
    }
    // Waits for the main window; fails on any message box on the way.
    HWND WaitForTheWindowWithoutBoxes() {
        HWND main = nullptr;
        bool boxSeen = false;
        ProgramRun::WaitUntil(
            [&] {
                boxSeen = boxSeen || program->Find(kDialogClass) != nullptr;
                main = MainWindow();
                return main != nullptr || boxSeen;
            },
            kTimeoutMs);
        EXPECT_FALSE(boxSeen) << MessageBoxText(program->Find(kDialogClass));
        EXPECT_NE(main, nullptr) << "the main window did not show";
        return main;
    }
    void ExpectCaptions(HWND main, const std::vector<Shown>& rows,
                        const std::vector<ShownItems>& combos) {
        for (const Shown& row : rows) {
            HWND control = FindDescendant(main, row.id);
            ASSERT_NE(control, nullptr) << row.id;
            EXPECT_EQ(WindowText(control), row.text) << "control " << row.id;
        }
        for (const ShownItems& combo : combos) {
            HWND control = FindDescendant(main, combo.id);
            ASSERT_NE(control, nullptr) << combo.id;
            EXPECT_EQ(ComboItems(control), combo.items) << "drop-down " << combo.id;
        }
    }
    // Closes the window as its close box does and expects a clean end.
    void CloseAndExpectEnd(HWND main) {
        PostMessageA(main, WM_CLOSE, 0, 0);
        EXPECT_EQ(program->WaitForExit(kTimeoutMs), 0);
    }

    bool windowShown = false;
};

// The captions of the form itself, which a file too short for any caption leaves alone.
const std::vector<Shown> kFormCaptions = {
    {ids::SpeedButton(1), "Laden"},
    {ids::SpeedButton(5), "Grafikqualit\xe4t"},
    {ids::CheckBox(8), "Falls verf\xfcgbar, T&&L aktivieren"},
    {ids::CheckBox(13), "CheckBox13"},
    {ids::Label(27), "##"},
    {ids::Label(28), "##"},
    {ids::Label(35), "Label35"},
    {ids::GroupBox(1), "Programm"},
};

// Without a usable language.txt: a missing file, and a folder of that name.
class MissingLanguageFileTest : public LanguageStartTest,
                                public ::testing::WithParamInterface<bool> {};

TEST_P(MissingLanguageFileTest, SaysWhereItLookedAndEndsOnOkWithoutItsWindow) {
    const bool asFolder = GetParam();
    if (asFolder) {
        ASSERT_TRUE(CreateDirectoryA((workDir + "\\language.txt").c_str(), nullptr));
    }
    Start();
    HWND box = WaitForBoxBeforeTheWindow();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(WindowText(box), "Error");
    // The build names no web site: the box says where the file was looked for.
    EXPECT_EQ(
        MessageBoxText(box),
        "Die Datei 'language.txt' wurde nicht gefunden!\r\nGesucht wurde sie hier: " + workDir +
            "\\language.txt\r\nStarten Sie Korvane aus seinem eigenen Ordner oder kopieren "
            "Sie eine Datei aus seinem Ordner languages als language.txt dorthin.");
    EXPECT_EQ(ButtonTexts(box), std::vector<std::string>{"OK"});

    ClickOk(box);
    // Until the process is gone, its main window must never show.
    ProgramRun::WaitUntil(
        [&] {
            windowShown = windowShown || MainWindow() != nullptr;
            return !program->Running();
        },
        kTimeoutMs);
    EXPECT_FALSE(windowShown) << "the main window showed after OK";
    EXPECT_EQ(program->WaitForExit(0), 0);
}

INSTANTIATE_TEST_SUITE_P(LanguageStart, MissingLanguageFileTest, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return info.param ? "AFolderNamedLanguageTxt" : "NoLanguageTxt";
                         });

TEST_F(LanguageStartTest, AnOlderFileShowsTheVersionDialogThenTheWindowWithItsCaptions) {
    // The English file, made for version 0.3.
    std::string file = DataFile("languages/english.txt");
    const std::size_t line2 = file.find("\r\n", file.find("\r\n") + 2) + 2;
    file.replace(line2, file.find("\r\n", line2) - line2, "0.3");
    WriteLanguageFile(file);
    Start();
    HWND box = WaitForBoxBeforeTheWindow();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(WindowText(box), "Error");
    EXPECT_EQ(MessageBoxText(box),
              "Die gefundene 'language.txt' ist nicht mit dieser Programmversion kompatibel!\r\n"
              "Sie k\xf6nnen Korvane zwar verwenden, allerdings sind m\xf6glicherweise nicht alle "
              "Elemente beschriftet/richtig beschriftet!");
    EXPECT_EQ(ButtonTexts(box), std::vector<std::string>{"OK"});

    ClickOk(box);
    HWND main = WaitForTheWindowWithoutBoxes();
    ASSERT_NE(main, nullptr);
    ExpectCaptions(main,
                   {{ids::SpeedButton(1), "&Load"},
                    {ids::Label(27), "English"},
                    {ids::GroupBox(1), "Program"},
                    {ids::Label(24), "0.4"}},
                   {});
    CloseAndExpectEnd(main);
}

// The shipped language files: the program opens without a word, showing their captions.
struct ShippedFile {
    const char* name;
    const char* path;
    std::vector<Shown> captions;
    std::vector<ShownItems> items;
};

class ShippedLanguageFileTest : public LanguageStartTest,
                                public ::testing::WithParamInterface<ShippedFile> {};

TEST_P(ShippedLanguageFileTest, OpensWithoutADialogShowingTheFilesCaptions) {
    const ShippedFile& shipped = GetParam();
    WriteLanguageFile(DataFile(shipped.path));
    Start();
    HWND main = WaitForTheWindowWithoutBoxes();
    ASSERT_NE(main, nullptr);
    ExpectCaptions(main, shipped.captions, shipped.items);
    // The texts the file never touches.
    ExpectCaptions(main, {{ids::Label(24), "0.4"}},
                   {{ids::ComboBox(1), {"100%", "50%", "25%", "12.5%"}}});
    EXPECT_EQ(program->Find(kDialogClass), nullptr);
    CloseAndExpectEnd(main);
}

const ShippedFile kShippedFiles[] = {
    {"English",
     "languages/english.txt",
     {
         {ids::SpeedButton(1), "&Load"},
         {ids::Label(30), "Updates, language packs, help and more at:"},
         {ids::SpeedButton(7), "&Info"},
         {ids::SpeedButton(9), "&Manual edit"},
         {ids::SpeedButton(10), "A&pply"},
         {ids::CheckBox(3), "f1graphics.cfg &controls ALL graphics settings"},
         {ids::CheckBox(8), "Use &hardware T&&L if available"},
         {ids::CheckBox(13), "Displa&y track shadows"},
         {ids::CheckBox(17), "Rotate &wheels via textures"},
         {ids::Label(27), "English"},
         {ids::Label(28), "The Korvane contributors"},
         {ids::Label(3), "Author:"},
         {ids::Label(23), "Author:"},
         {ids::Label(29), "Value:"},
         {ids::Label(35), "Cockpit &zoom:"},
         {ids::Label(9), "If you find a bug or have a suggestion, please get in touch here:"},
         {ids::GroupBox(1), "Program"},
         {ids::GroupBox(2), "Language file"},
     },
     {
         {ids::ComboBox(3), {"Processor", "Graphics card"}},
         {ids::ComboBox(4), {"Off", "Arcade views only", "Always (no TV view)"}},
         {ids::ComboBox(5), {"Cockpit only", "Always"}},
         {ids::ComboBox(6), {"Never", "Only \"real\" cameras", "All but cockpit", "All"}},
     }},
    {"German",
     "languages/deutsch.txt",
     {
         {ids::SpeedButton(1), "&Laden"},
         {ids::SpeedButton(5), "&Grafikqualit\xe4t"},
         {ids::SpeedButton(10), "\xdc"
                                "bern&ehmen"},
         {ids::CheckBox(8), "Hardware-&T&&L verwenden, falls verf\xfcgbar"},
         {ids::CheckBox(13), "Streckens&chatten anzeigen"},
         {ids::CheckBox(17), "&Raddrehung \xfc"
                             "ber Texturen darstellen"},
         {ids::Label(27), "Deutsch"},
         {ids::Label(28), "Das Korvane-Team"},
         {ids::Label(29), "Wert:"},
         {ids::Label(35), "Cockpit-&Zoom:"},
         {ids::Label(8), "VORVERSION"},
         {ids::GroupBox(1), "Programm"},
     },
     {
         {ids::ComboBox(4),
          {"Aus", "Nur Arcade",
           "Immer (au\xdf"
           "er TV-Sicht)"}},
         {ids::ComboBox(6),
          {"Nie",
           "Nur \x84"
           "echte\x93 Kameras",
           "Alle au\xdf"
           "er Cockpit",
           "Alle"}},
     }},
};

INSTANTIATE_TEST_SUITE_P(LanguageStart, ShippedLanguageFileTest, ::testing::ValuesIn(kShippedFiles),
                         [](const ::testing::TestParamInfo<ShippedFile>& info) {
                             return std::string(info.param.name);
                         });

// Files too short for the version entry: the error box during start-up, then the window
// with the form's own captions.
class ShortLanguageFileTest : public LanguageStartTest,
                              public ::testing::WithParamInterface<const char*> {};

TEST_P(ShortLanguageFileTest, ShowsTheIndexErrorThenOpensWithTheFormsCaptions) {
    WriteLanguageFile(GetParam());
    Start();
    HWND box = WaitForBoxBeforeTheWindow();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(WindowText(box), "Korvane");
    EXPECT_EQ(MessageBoxText(box), "List index out of bounds (2)");
    EXPECT_EQ(ButtonTexts(box), std::vector<std::string>{"OK"});

    ClickOk(box);
    HWND main = WaitForTheWindowWithoutBoxes();
    ASSERT_NE(main, nullptr);
    ExpectCaptions(main, kFormCaptions,
                   {{ids::ComboBox(4),
                     {"Aus", "Nur Arcade",
                      "Immer(au\xdf"
                      "er TV-Sicht)"}}});
    CloseAndExpectEnd(main);
}

std::string ShortFileName(const ::testing::TestParamInfo<const char*>& info) {
    const char* const names[] = {"Empty", "TwoLines", "TwoLinesNoEnd"};
    return names[info.index];
}

INSTANTIATE_TEST_SUITE_P(LanguageStart, ShortLanguageFileTest,
                         ::testing::Values("", "Deutsch\r\nTest\r\n", "Deutsch\r\nTest"),
                         ShortFileName);

// The text as the controls draw it, measured by its ink rather than by its advance widths:
// the rightmost column it colours, plus one.
int InkWidth(HFONT font, const std::string& text) {
    constexpr int kWidth = 600, kHeight = 40;
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, kWidth, kHeight);
    ReleaseDC(nullptr, screen);
    HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    HGDIOBJ oldFont = SelectObject(dc, font);
    RECT all{0, 0, kWidth, kHeight};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkMode(dc, TRANSPARENT);
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &all,
              DT_LEFT | DT_SINGLELINE | DT_NOCLIP | DT_EXPANDTABS);
    int ink = 0;
    for (int x = kWidth - 1; x >= 0 && ink == 0; --x) {
        for (int y = 0; y < kHeight; ++y) {
            if (GetPixel(dc, x, y) != RGB(255, 255, 255)) {
                ink = x + 1;
                break;
            }
        }
    }
    SelectObject(dc, oldFont);
    SelectObject(dc, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return ink;
}

// The window in this process with a shipped language file: every caption fits its control.
class ShippedCaptionFitTest : public WindowTest, public ::testing::WithParamInterface<const char*> {
protected:
    ShippedCaptionFitTest() { languageFile = DataFile(GetParam()); }
};

// Also run at 120, 144 and 192 dpi (main_window_dpi_test.cpp).
TEST_P(ShippedCaptionFitTest, EveryCaptionFitsItsControl) {
    // Room a check box keeps for its box left of the text, and a flat button for its frame
    // (at 96 dpi; they grow with the dpi as the controls do).
    const int kCheckMarkRoom = win32::ScaleToDpi(18, window->Dpi());
    const int kButtonFrameRoom = win32::ScaleToDpi(4, window->Dpi());
    int checked = 0;
    for (const ControlDef& def : MainFormLayout()) {
        if (def.kind == ControlKind::Label && def.wordWrap) {
            // The text wrapped at the label's width takes no more lines than it holds.
            HWND label = Ctl(def.id);
            RECT client;
            GetClientRect(label, &client);
            const std::string text = WindowText(label);
            HDC dc = GetDC(label);
            HGDIOBJ old =
                SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(label, WM_GETFONT, 0, 0)));
            RECT wrapped{0, 0, client.right, 0};
            DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &wrapped,
                      DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS);
            SelectObject(dc, old);
            ReleaseDC(label, dc);
            EXPECT_LE(wrapped.bottom, client.bottom)
                << def.name << " cuts off lines of \"" << text << "\"";
            continue;
        }
        const bool fittedLabel = def.kind == ControlKind::Label && !def.centred && !def.wordWrap;
        int room = 0;
        if (fittedLabel) {
            room = 0;
        } else if (def.kind == ControlKind::CheckBox) {
            room = kCheckMarkRoom;
        } else if (def.kind == ControlKind::SpeedButton) {
            room = kButtonFrameRoom;
        } else {
            continue;
        }
        HWND control = Ctl(def.id);
        RECT client;
        GetClientRect(control, &client);
        const auto font = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
        // Widths depend on the face the text is drawn with: Arial, or under wine Liberation
        // Sans with Arial's metrics. Any other stand-in (DejaVu Sans, wider) says so here.
        const std::string face = RealisedFace(font);
        ASSERT_TRUE(face == "Arial" || face == "Liberation Sans")
            << def.name << " is drawn with \"" << face
            << "\", not Arial or Liberation Sans: the install step (tools/common.sh) brings "
               "fonts-liberation for it";
        const std::string text = WindowText(control);
        EXPECT_GE(client.right - room, InkWidth(font, text))
            << def.name << " cuts off \"" << text << "\"";
        ++checked;
    }
    EXPECT_GT(checked, 50);
}

INSTANTIATE_TEST_SUITE_P(LanguageStart, ShippedCaptionFitTest,
                         ::testing::Values("languages/english.txt", "languages/deutsch.txt"));

} // namespace
