// The real main window under wine: its start-up state, the pages, Load, Save and Quit with
// real mouse clicks, the error box, and start-up failures.
#include "window_test_support.hpp"

#include "file/text.hpp"

#include <commctrl.h>

#include <algorithm>
#include <cstring>

using namespace korvane;
using namespace korvane::wintest;

namespace {

using MainWindowTest = WindowTest;

// The window class each kind of control is made of.
bool IsClassOf(ControlKind kind, const std::string& cls) {
    auto is = [&](const char* name) { return _stricmp(cls.c_str(), name) == 0; };
    switch (kind) {
    case ControlKind::Panel:
    case ControlKind::GroupBox:
        return is("KorvanePanel");
    case ControlKind::SpeedButton:
        return is("KorvaneSpeedButton");
    case ControlKind::Label:
    case ControlKind::Shape:
        return is("Static");
    case ControlKind::CheckBox:
        return is("Button");
    case ControlKind::ComboEditable:
    case ControlKind::ComboFixed:
        return is("ComboBox");
    case ControlKind::TrackBar:
        return is("msctls_trackbar32");
    case ControlKind::ListBox:
        return is("ListBox");
    case ControlKind::Edit:
    case ControlKind::Memo:
        return is("Edit");
    case ControlKind::ListView:
        return is("SysListView32");
    }
    return false;
}

} // namespace

TEST_F(MainWindowTest, HasTheFormsSizePlaceCaptionAndFixedBorder) {
    RECT client;
    GetClientRect(window->Hwnd(), &client);
    EXPECT_EQ(client.right - client.left, 587);
    EXPECT_EQ(client.bottom - client.top, 277);
    POINT origin{0, 0};
    ClientToScreen(window->Hwnd(), &origin);
    RECT outer;
    GetWindowRect(window->Hwnd(), &outer);
    EXPECT_EQ(outer.left, 293);
    EXPECT_EQ(outer.top, 202);
    EXPECT_EQ(WindowText(window->Hwnd()), kMainCaption);
    const LONG style = GetWindowLongA(window->Hwnd(), GWL_STYLE);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME);
}

// Every row of the layout is a real child window with its ID, class and place.
TEST_F(MainWindowTest, EveryLayoutRowIsAChildWindowAtItsPlace) {
    for (const ControlDef& def : MainFormLayout()) {
        SCOPED_TRACE(std::string(def.name));
        HWND hwnd = Ctl(def.id);
        ASSERT_NE(hwnd, nullptr);
        EXPECT_EQ(GetDlgCtrlID(hwnd), def.id);
        EXPECT_TRUE(IsClassOf(def.kind, ClassOf(hwnd))) << ClassOf(hwnd);
        HWND parent = GetParent(hwnd);
        EXPECT_EQ(parent, def.parent == ids::kForm ? window->Hwnd() : Ctl(def.parent));
        RECT rc;
        GetWindowRect(hwnd, &rc);
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rc), 2);
        EXPECT_EQ(rc.left, def.left);
        EXPECT_EQ(rc.top, def.top);
        const bool sizedByText = def.kind == ControlKind::Label && !def.centred && !def.wordWrap;
        if (!sizedByText) {
            EXPECT_EQ(rc.right - rc.left, def.width);
        }
        // A drop-down's window is as high as its closed field.
        if (!sizedByText) {
            EXPECT_EQ(rc.bottom - rc.top, def.height);
        }
    }
}

TEST_F(MainWindowTest, OpensOnTheInfoPageWithOnlyInfoLoadSaveQuit) {
    for (const Page& page : kPages) {
        EXPECT_EQ(Visible(page.panel), page.panel == ids::Panel(6)) << page.panel;
    }
    for (int n : {1, 2, 3, 7}) {
        EXPECT_TRUE(Visible(ids::SpeedButton(n))) << n;
    }
    for (int n : {4, 5, 6, 9}) {
        EXPECT_FALSE(Visible(ids::SpeedButton(n))) << n;
    }
    EXPECT_FALSE(IsWindowVisible(Ctl(ids::ListBox(2))));
    EXPECT_FALSE(IsWindowVisible(Ctl(ids::ListBox(3))));
}

TEST_F(MainWindowTest, ShowsTheFormsGermanCaptionsAndItems) {
    const struct {
        int id;
        const char* text;
    } rows[] = {
        {ids::SpeedButton(5), "Grafikqualit\xe4t"},
        {ids::SpeedButton(9), "Manuell bearbeiten"},
        {ids::CheckBox(8), "Falls verf\xfcgbar, T&&L aktivieren"},
        {ids::Label(1), "Aufl\xf6sung:"},
        {ids::Label(24), "0.4"},
        {ids::GroupBox(2), "Sprachdatei"},
        {ids::Label(15), ""},
        {ids::kEdit1, ""},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(Text(row.id), row.text) << row.id;
    }
    HWND combo = Ctl(ids::ComboBox(4));
    ASSERT_EQ(SendMessageA(combo, CB_GETCOUNT, 0, 0), 3);
    char item[64] = {};
    SendMessageA(combo, CB_GETLBTEXT, 2, reinterpret_cast<LPARAM>(item));
    EXPECT_STREQ(item, "Immer(au\xdf"
                       "er TV-Sicht)");
    EXPECT_EQ(SendMessageA(Ctl(ids::ComboBox(2)), CB_GETCOUNT, 0, 0), 19);
    EXPECT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), CB_ERR);
    EXPECT_EQ(SendMessageA(Ctl(ids::TrackBar(1)), TBM_GETPOS, 0, 0), 1);
    EXPECT_EQ(SendMessageA(Ctl(ids::TrackBar(2)), TBM_GETRANGEMAX, 0, 0), 100);
}

TEST_F(MainWindowTest, ControlsUseTheLayoutsFonts) {
    const struct {
        int id;
        const char* face;
        LONG height;
        bool bold, italic, underline;
    } rows[] = {
        {ids::CheckBox(3), "Arial", -11, false, false, false},
        {ids::ComboBox(4), "Arial", -11, false, false, false},
        {ids::Label(8), "Arial", -27, false, false, false},
        {ids::Label(30), "Arial", -11, false, true, true},
        {ids::Label(7), "MS Sans Serif", -11, false, false, true},
        {ids::SpeedButton(4), "Arial", -11, true, false, false},
        {ids::SpeedButton(7), "Arial", -11, false, true, false},
        {ids::SpeedButton(1), "Arial", -11, false, false, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.id);
        const LOGFONTA lf = FontOf(Ctl(row.id));
        EXPECT_STREQ(lf.lfFaceName, row.face);
        EXPECT_EQ(lf.lfHeight, row.height);
        EXPECT_EQ(lf.lfWeight >= FW_BOLD, row.bold);
        EXPECT_EQ(lf.lfItalic != 0, row.italic);
        EXPECT_EQ(lf.lfUnderline != 0, row.underline);
    }
}

TEST_F(MainWindowTest, LoadRevealsThePageButtonsAndFillsTheControls) {
    Load();
    for (int n : {4, 5, 6, 9}) {
        EXPECT_TRUE(Visible(ids::SpeedButton(n))) << n;
    }
    // The page on show does not change.
    EXPECT_TRUE(Visible(ids::Panel(6)));
    // The demo file: line 3 is "1" (32-bit colour), line 1 is "800".
    EXPECT_EQ(SendMessageA(Ctl(ids::CheckBox(1)), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(Text(ids::kAufloesung), "800x600");
    EXPECT_EQ(SendMessageA(Ctl(ids::ListBox(1)), LB_GETCOUNT, 0, 0),
              static_cast<LRESULT>(form->document.Count()));
}

TEST_F(MainWindowTest, ClickingAllgemeinShowsPanel1AloneAndMarksItsButton) {
    Load();
    ShowPage(kGeneralPage);
    for (const Page& page : kPages) {
        EXPECT_EQ(Visible(page.panel), page.panel == ids::Panel(1)) << page.panel;
    }
    const struct {
        int button;
        bool bold, italic;
    } styles[] = {
        {4, true, true}, {5, true, false}, {6, true, false}, {7, false, false}, {9, false, false},
    };
    for (const auto& s : styles) {
        const LOGFONTA lf = FontOf(Ctl(ids::SpeedButton(s.button)));
        EXPECT_EQ(lf.lfWeight >= FW_BOLD, s.bold) << s.button;
        EXPECT_EQ(lf.lfItalic != 0, s.italic) << s.button;
    }
    // Clicking the button of the page on show changes nothing.
    MouseClick(Ctl(ids::SpeedButton(4)));
    korvane::wintest::Pump(window.get(), 200);
    for (const Page& page : kPages) {
        EXPECT_EQ(Visible(page.panel), page.panel == ids::Panel(1)) << page.panel;
    }
}

TEST_F(MainWindowTest, EachPageButtonShowsItsPage) {
    Load();
    for (const Page& page :
         {kGraphicsPage, kObjectsPage, kManualPage, kViewsPage, kInfoPage, kGeneralPage}) {
        ShowPage(page);
        for (const Page& other : kPages) {
            EXPECT_EQ(Visible(other.panel), other.panel == page.panel) << page.button;
        }
    }
}

TEST_F(MainWindowTest, SaveWritesTheChangedFile) {
    Load();
    ShowPage(kGeneralPage);
    const std::string before = ReadBytes(GamePath());
    // "Vollbildmodus" is line 5.
    const bool wasChecked = form->CheckBox2.Checked();
    MouseClick(Ctl(ids::CheckBox(2)));
    ASSERT_TRUE(Pump([&] { return form->CheckBox2.Checked() != wasChecked; }));
    MouseClick(Ctl(ids::SpeedButton(2)));
    ASSERT_TRUE(Pump([&] { return ReadBytes(GamePath()) != before; }));
    ConfigDocument saved;
    saved.Append(ReadBytes(GamePath()));
    EXPECT_EQ(saved.Value(5), wasChecked ? "0" : "1");
}

TEST_F(MainWindowTest, QuitClosesTheWindowWithoutWritingTheFile) {
    Load();
    ShowPage(kGeneralPage);
    const std::string before = ReadBytes(GamePath());
    const bool wasChecked = form->CheckBox2.Checked();
    MouseClick(Ctl(ids::CheckBox(2)));
    ASSERT_TRUE(Pump([&] { return form->CheckBox2.Checked() != wasChecked; }));
    // With that change Alt+F4 asks first: Escape (Cancel) keeps the window; then Quit, and
    // N (No) closes it without saving.
    boxesExpected = true;
    boxes->AnswerWithKey(VK_ESCAPE);
    PressKey(VK_F4, {VK_MENU});
    ASSERT_TRUE(Pump([&] { return boxes->Seen().size() == 1; }));
    EXPECT_EQ(boxes->Seen()[0].text, "\xc4nderungen an f1graphics.cfg speichern?");
    EXPECT_EQ(boxes->Seen()[0].buttons, (std::vector<int>{IDYES, IDNO, IDCANCEL}));
    Pump([] { return false; }, 200);
    ASSERT_TRUE(window->IsOpen());
    boxes->AnswerWithKey('N');
    MouseClick(Ctl(ids::SpeedButton(3)));
    ASSERT_TRUE(Pump([&] { return !window->IsOpen(); }));
    EXPECT_EQ(boxes->Seen().size(), 2u);
    EXPECT_EQ(ReadBytes(GamePath()), before);
}

// A logoff or shutdown with a change asks as Quit does: Cancel asks the system to wait, Yes
// saves and lets it go on.
TEST_F(MainWindowTest, ALogoffAsksLikeQuit) {
    Load();
    ShowPage(kGeneralPage);
    const std::string before = ReadBytes(GamePath());
    MouseClick(Ctl(ids::CheckBox(2)));
    ASSERT_TRUE(Pump([&] { return form->folder.File().HasChanges(); }));
    boxesExpected = true;
    boxes->AnswerWithKey(VK_ESCAPE);
    EXPECT_EQ(SendMessageA(window->Hwnd(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), FALSE);
    boxes->AnswerWithKey('Y');
    EXPECT_EQ(SendMessageA(window->Hwnd(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), TRUE);
    EXPECT_EQ(boxes->Seen().size(), 2u);
    EXPECT_NE(ReadBytes(GamePath()), before);
}

TEST_F(MainWindowTest, TheCloseBoxEndsWithoutAsking) {
    PostMessageA(window->Hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(Pump([&] { return !window->IsOpen(); }));
    EXPECT_TRUE(boxes->Seen().empty());
}

TEST_F(MainWindowTest, AMissingFileShowsTheErrorBoxAndTheWindowGoesOn) {
    DeleteFileA(GamePath().c_str());
    boxesExpected = true;
    MouseClick(Ctl(ids::SpeedButton(1)));
    ASSERT_TRUE(Pump([&] { return !boxes->Seen().empty(); }));
    ASSERT_EQ(boxes->Seen().size(), 1u);
    EXPECT_TRUE(boxes->Seen()[0].text.starts_with("File not found.\r\n" + GamePath() + " "))
        << boxes->Seen()[0].text;
    char exe[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    EXPECT_EQ(boxes->Seen()[0].caption, ApplicationTitle(exe));
    // The page buttons stay hidden, and the window keeps working.
    korvane::wintest::Pump(window.get(), 100);
    EXPECT_FALSE(Visible(ids::SpeedButton(4)));
    EXPECT_TRUE(window->IsOpen());
    CopyFileA(DemoConfigPath().c_str(), GamePath().c_str(), FALSE);
    Load();
}

// FormCreate's failures: a language file too short for the version check.
TEST_F(MainWindowTest, AnErrorWhileCreatingIsShownAndTheWindowStillOpens) {
    window.reset();
    form.reset();
    languageFile = "Deutsch\r\nTest\r\n";
    boxesExpected = true;
    Open();
    ASSERT_TRUE(window->IsOpen());
    EXPECT_TRUE(IsWindowVisible(window->Hwnd()));
    ASSERT_EQ(boxes->Seen().size(), 1u);
    EXPECT_EQ(boxes->Seen()[0].text, "List index out of bounds (2)");
    EXPECT_EQ(Text(ids::SpeedButton(1)), "Laden");
}

TEST_F(MainWindowTest, WithoutALanguageFileTheWindowNeverOpens) {
    window.reset();
    form.reset();
    DeleteFileA((workDir + "\\language.txt").c_str());
    languageFile.clear();
    boxesExpected = true;
    Open();
    korvane::wintest::Pump(window.get(), 100);
    EXPECT_FALSE(window->IsOpen());
    ASSERT_EQ(boxes->Seen().size(), 1u);
    EXPECT_EQ(boxes->Seen()[0].caption, "Error");
    EXPECT_EQ(boxes->Seen()[0].text.rfind("Die Datei 'language.txt' wurde nicht gefunden!", 0), 0u)
        << boxes->Seen()[0].text;
}

TEST_F(MainWindowTest, TheLanguageFileReplacesTheCaptionsOnScreen) {
    window.reset();
    form.reset();
    languageFile = std::string(kQuietLanguageFile) + "&Load\r\nSa&ve\r\n";
    Open();
    EXPECT_EQ(Text(ids::SpeedButton(1)), "&Load");
    EXPECT_EQ(Text(ids::SpeedButton(2)), "Sa&ve");
    EXPECT_EQ(Text(ids::SpeedButton(3)), "Beenden");
}
