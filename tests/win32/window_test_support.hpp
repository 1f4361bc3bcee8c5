// Drives the real main window in-process: a fixture with a temporary working folder (with
// a language file) and game folder, a message pump that waits for conditions, real mouse
// and keyboard input through SendInput, and a catcher for message boxes.
#pragma once

#include "win32/platform_win32.hpp"

#include "app/form_layout.hpp"
#include "app/main_form.hpp"
#include "file/game_folder.hpp"
#include "win32/main_window.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace korvane::wintest {

// The real platform, but the game's folder comes from the test instead of the registry, and
// the folders chosen are kept under a key of the tests' own (emptied by each window test).
inline constexpr const char* kTestSettingsKey = "Software\\Korvane\\WindowTest";
class TestPlatform : public win32::Win32Platform {
public:
    TestPlatform() { UseSettingsKey(kTestSettingsKey); }
    std::string installDir;
    std::string LookupInstallDir() override { return installDir; }
};

// Text of the ANSI code page in UTF-16, for the system's W functions.
std::wstring Wide(const std::string& text);

// A fresh folder under the system's temporary folder.
std::string MakeTempDir();
// Removes a folder (a full path) with everything in it, also where paths pass the limit.
void RemoveTree(const std::string& dir);
// Writes a whole file, also at a path longer than the limit.
void WriteBytes(const std::string& path, const std::string& bytes);
std::string ReadBytes(const std::string& path);
// A file of the repository's data folder, as a path of the program's file system.
std::string DataPath(const std::string& relative);
// The demo game's f1graphics.cfg from the repository.
std::string DemoConfigPath();

// Runs the thread's messages the way the program's loop does (with the window's keyboard
// navigation) for the given time, or until the condition holds; false on timeout.
bool PumpUntil(win32::MainWindow* window, const std::function<bool()>& done, int timeoutMs = 3000);
void Pump(win32::MainWindow* window, int ms = 50);

// Real input.
void MouseClickAt(POINT screen);
// Clicks the middle of a window (or the given client point).
void MouseClick(HWND hwnd);
void MouseClick(HWND hwnd, POINT client);
void PressKey(WORD vk, std::initializer_list<WORD> modifiers = {});
// Types text on the keyboard, one key (with Shift where the layout needs it) per character;
// only characters of the keyboard layout.
void TypeText(const std::string& text);
// The pieces of a drag: the mouse moved to a screen point (a real move, as the user's
// hand makes it), and the left button pressed or let go where the mouse is.
void MouseMoveTo(POINT screen);
void MouseButton(bool down);
// Turns the mouse wheel where the mouse is: notches away from the user (negative: towards).
void MouseWheel(int notches);
// A click whose press and release carry the position themselves, so a late mouse move
// that another process reports from the X server (a window mapped under the pointer)
// cannot shift it.
void MouseClickCarryingPosition(POINT screen);

// The names in a folder, sorted, without "." and "..".
std::vector<std::string> FileNamesIn(const std::string& dir);

std::string WindowText(HWND hwnd);
std::string ClassOf(HWND hwnd);
LOGFONTA FontOf(HWND hwnd);
// The face the system really draws a font with (GetTextFace), which may be a stand-in for
// the face asked for.
std::string RealisedFace(HFONT font);

// A message box or dialog seen by the catcher: its caption, text, the IDs of its buttons
// in their order and its icon (nullptr for none).
struct SeenBox {
    std::string caption;
    std::string text;
    std::vector<int> buttons;
    HICON icon = nullptr;
};

// While alive, every message box of this thread is read and closed as soon as it shows
// (from a timer that runs inside the box's own loop): with OK, or with a key pressed as a
// user would.
class BoxCatcher {
public:
    BoxCatcher();
    ~BoxCatcher();
    BoxCatcher(const BoxCatcher&) = delete;
    BoxCatcher& operator=(const BoxCatcher&) = delete;
    std::vector<SeenBox> Seen() const;
    // The boxes that show from now on are answered with this key as real input (VK_RETURN:
    // the default button; 'Y', 'N': the button of that access key); 0 closes them with OK
    // again. A box that is still there a second after its key is closed with OK, so that a
    // test fails rather than hangs.
    void AnswerWithKey(WORD vk);
    // Dialogs with a text field (not message boxes) are answered in turn, as a user would:
    // the next text typed into the field and Enter, or Esc for nothing; Esc when no answer
    // is left.
    void AnswerTextDialogs(std::vector<std::optional<std::string>> answers);

private:
    UINT_PTR timer_;
};

// The pages of the navigation strip: the button that shows each, and its panel.
struct Page {
    int button;
    int panel;
};
inline constexpr Page kGeneralPage{ids::SpeedButton(4), ids::Panel(1)};
inline constexpr Page kGraphicsPage{ids::SpeedButton(5), ids::Panel(4)};
inline constexpr Page kObjectsPage{ids::SpeedButton(6), ids::Panel(5)};
inline constexpr Page kManualPage{ids::SpeedButton(9), ids::Panel(2)};
inline constexpr Page kInfoPage{ids::SpeedButton(7), ids::Panel(6)};
inline constexpr Page kViewsPage{ids::OfName("ViewsButton"), ids::OfName("ViewsPage")};
inline constexpr Page kPages[] = {kGeneralPage, kGraphicsPage, kObjectsPage,
                                  kManualPage,  kInfoPage,     kViewsPage};

// The program's main window (its class and caption) and the system's dialog class.
inline constexpr const char* kMainClass = "TForm1";
inline constexpr const char* kMainCaption = "VQR Korvane";
inline constexpr const char* kDialogClass = "#32770";
// A language file of three lines: no caption is replaced (the form's German captions stay)
// and the version check passes.
inline constexpr const char* kQuietLanguageFile = "Deutsch\r\nTest\r\n0.4\r\n";

// The window on the demo game, opened with the quiet language file.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Creates and shows the window; SetUp calls it unless openInSetUp is false.
    void Open();

    HWND Ctl(int id) const { return window->ControlWindow(id); }
    std::string Text(int id) const { return WindowText(Ctl(id)); }
    bool Visible(int id) const { return IsWindowVisible(Ctl(id)) != FALSE; }
    // Whether a drop-down's list is open, and the highlighted part (start, end) of its field.
    bool Dropped(int comboId) const {
        return SendMessageA(Ctl(comboId), CB_GETDROPPEDSTATE, 0, 0) != 0;
    }
    std::pair<DWORD, DWORD> EditSelection(int comboId) const {
        DWORD start = 0;
        DWORD end = 0;
        SendMessageA(Ctl(comboId), CB_GETEDITSEL, reinterpret_cast<WPARAM>(&start),
                     reinterpret_cast<LPARAM>(&end));
        return {start, end};
    }
    std::string GamePath() const { return GameFolder::GameFilePath(gameDir); }
    bool Pump(const std::function<bool()>& done, int timeoutMs = 3000) {
        return PumpUntil(window.get(), done, timeoutMs);
    }
    // Clicks "Laden" and waits until the page buttons show.
    void Load();
    // Shows a page: clicks its strip button (unless the page is on show) and waits until
    // it shows; or the page a control sits on.
    void ShowPage(Page page);
    void ShowPageOf(int controlId);
    // Opens a drop-down with the mouse (on its button) and clicks one row of its list.
    void PickWithMouse(int comboId, int item);
    // Gives a control the keyboard focus with a click at a point of its own.
    void FocusByMouse(HWND hwnd, POINT client);
    // Clicks "Speichern" and waits until its handler has run (the catcher answers what it
    // asks meanwhile).
    void Save();

    // Every message box is caught and closed; the test fails on one it did not expect.
    std::unique_ptr<BoxCatcher> boxes;
    bool boxesExpected = false;
    bool openInSetUp = true;
    std::string languageFile = kQuietLanguageFile;
    std::string originalDir;
    std::string workDir;
    std::string gameDir;
    TestPlatform platform;
    std::unique_ptr<MainForm> form;
    std::unique_ptr<win32::MainWindow> window;
};

// Korvane.exe of the same build: <build>/src/win32, beside <build>/tests/win32.
std::string ProgramPath();

// Korvane.exe run as a process of its own in a working folder; ended at destruction if it
// is still running. The waits poll the other process's windows, with a timeout.
class ProgramRun {
public:
    // The arguments follow the program's quoted path on its command line.
    explicit ProgramRun(const std::string& workDir, const std::string& arguments = {});
    ~ProgramRun();
    ProgramRun(const ProgramRun&) = delete;
    ProgramRun& operator=(const ProgramRun&) = delete;

    bool Started() const { return process_.hProcess != nullptr; }
    // A top-level window of the program of that class (and, unless empty, that caption).
    HWND Find(const std::string& className, const std::string& caption = {},
              bool visibleOnly = true) const;
    // Polls until the condition holds; false on timeout.
    static bool WaitUntil(const std::function<bool()>& done, int timeoutMs = 10000);
    // A visible top-level window of that class and caption, waited for; nullptr on timeout.
    HWND WaitFor(const std::string& className, const std::string& caption,
                 int timeoutMs = 10000) const;
    bool Running() const;
    // The exit code, or -1 if the program is still running after the timeout.
    long WaitForExit(int timeoutMs = 10000) const;

private:
    PROCESS_INFORMATION process_{};
};

// Runs Korvane.exe as a process in a fresh temporary working folder; skips when the exe was
// not built.
class ProgramFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Starts the program in workDir, with these arguments.
    void Start(const std::string& arguments = {});

    std::string workDir;
    std::unique_ptr<ProgramRun> program;
};

// A console program run to its end with its output (stdout and stderr together) caught.
struct ProcessOutput {
    long exitCode = -1; // -1: it did not start, or was ended at the timeout
    std::string output;
};
ProcessOutput RunCapturingOutput(const std::string& commandLine, int timeoutMs);
// This test program's own path.
std::string TestProgramPath();

// Any descendant of a window with that control ID; nullptr if there is none.
HWND FindDescendant(HWND top, int id);
// The text of a message box (its static text), also of another process.
std::string MessageBoxText(HWND box);
// The item texts of a drop-down or a list box, also of another process.
std::vector<std::string> ComboItems(HWND combo);

// Counts the runs of a model handler while keeping it.
class HandlerCounter {
public:
    explicit HandlerCounter(std::function<void()>& handler) : handler_(handler) {
        original_ = handler;
        handler = [this] {
            ++count;
            if (original_) {
                original_();
            }
        };
    }
    ~HandlerCounter() { handler_ = original_; }
    HandlerCounter(const HandlerCounter&) = delete;
    HandlerCounter& operator=(const HandlerCounter&) = delete;
    int count = 0;

private:
    std::function<void()>& handler_;
    std::function<void()> original_;
};

} // namespace korvane::wintest
