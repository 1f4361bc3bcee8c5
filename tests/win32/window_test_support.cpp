#include "window_test_support.hpp"

#include <algorithm>
#include <cstring>
#include <map>
#include <mutex>

namespace korvane::wintest {

namespace {

std::mutex seenMutex;
std::vector<SeenBox> seenBoxes;
WORD answerKey = 0;
std::vector<std::optional<std::string>> textAnswers;
// The boxes answered with a key, with the ticks of the timer since.
std::map<HWND, int> answeredBoxes;

BOOL CALLBACK CollectStaticText(HWND child, LPARAM lp) {
    auto* text = reinterpret_cast<std::string*>(lp);
    if (ClassOf(child) == "Static") {
        const std::string t = WindowText(child);
        if (t.size() > text->size()) {
            *text = t;
        }
    }
    return TRUE;
}

BOOL CALLBACK CollectButtonAndIcon(HWND child, LPARAM lp) {
    auto* box = reinterpret_cast<SeenBox*>(lp);
    const std::string cls = ClassOf(child);
    if (cls == "Button") {
        box->buttons.push_back(GetDlgCtrlID(child));
    } else if (cls == "Static" && (GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
        box->icon = reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0));
    }
    return TRUE;
}

BOOL CALLBACK CloseBox(HWND hwnd, LPARAM) {
    if (ClassOf(hwnd) != kDialogClass || !IsWindowVisible(hwnd)) {
        return TRUE;
    }
    WORD key = 0;
    std::optional<std::string> typed;
    const bool textDialog = FindWindowExA(hwnd, nullptr, "Edit", nullptr) != nullptr;
    {
        std::lock_guard<std::mutex> lock(seenMutex);
        if (auto answered = answeredBoxes.find(hwnd); answered != answeredBoxes.end()) {
            if (++answered->second == 50) { // the key did not close it
                PostMessageA(hwnd, WM_COMMAND, IDOK, 0);
            }
            return TRUE;
        }
        key = answerKey;
        if (textDialog) {
            key = VK_ESCAPE;
            if (!textAnswers.empty()) {
                typed = textAnswers.front();
                textAnswers.erase(textAnswers.begin());
                key = typed ? VK_RETURN : VK_ESCAPE;
            }
        }
    }
    SeenBox box{WindowText(hwnd), {}, {}, nullptr};
    EnumChildWindows(hwnd, CollectStaticText, reinterpret_cast<LPARAM>(&box.text));
    EnumChildWindows(hwnd, CollectButtonAndIcon, reinterpret_cast<LPARAM>(&box));
    {
        std::lock_guard<std::mutex> lock(seenMutex);
        seenBoxes.push_back(box);
        if (key) {
            answeredBoxes[hwnd] = 0;
        }
    }
    if (key) {
        SetForegroundWindow(hwnd);
        if (typed) {
            TypeText(*typed);
        }
        PressKey(key);
    } else {
        PostMessageA(hwnd, WM_COMMAND, IDOK, 0);
    }
    return TRUE;
}

void CALLBACK CatchBoxes(HWND, UINT, UINT_PTR, DWORD) {
    EnumThreadWindows(GetCurrentThreadId(), CloseBox, 0);
}

INPUT MouseInput(DWORD flags) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = flags;
    return in;
}

INPUT KeyInput(WORD vk, bool up) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.wScan = static_cast<WORD>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return in;
}

// A mouse event at a screen point, in the 0..65535 coordinates of absolute input: rounded
// up, so that the system's mapping back (rounding down) lands on the pixel.
INPUT AbsoluteMouseInput(POINT screen, DWORD flags) {
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    INPUT in = MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | flags);
    in.mi.dx = static_cast<LONG>((screen.x * 65536LL + width - 1) / width);
    in.mi.dy = static_cast<LONG>((screen.y * 65536LL + height - 1) / height);
    return in;
}

void RemoveTreeW(const std::wstring& dir) {
    WIN32_FIND_DATAW found;
    HANDLE find = FindFirstFileW((dir + L"\\*").c_str(), &found);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = found.cFileName;
            if (name == L"." || name == L"..") {
                continue;
            }
            const std::wstring path = dir + L"\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTreeW(path);
            } else {
                SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileW(path.c_str());
            }
        } while (FindNextFileW(find, &found));
        FindClose(find);
    }
    RemoveDirectoryW(dir.c_str());
}

} // namespace

std::string ClassOf(HWND hwnd) {
    char name[64] = {};
    GetClassNameA(hwnd, name, sizeof name);
    return name;
}

std::wstring Wide(const std::string& text) {
    std::wstring out(text.size() * 2 + 1, L'\0');
    const int n = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                                      out.data(), static_cast<int>(out.size()));
    out.resize(static_cast<std::size_t>(n));
    return out;
}

std::string MakeTempDir() {
    char base[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, base);
    static int counter = 0;
    for (;;) {
        std::string dir = std::string(base) + "korvane-test-" +
                          std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter);
        if (CreateDirectoryA(dir.c_str(), nullptr)) {
            return dir;
        }
        if (GetLastError() != ERROR_ALREADY_EXISTS) {
            ADD_FAILURE() << "cannot create " << dir;
            return dir;
        }
    }
}

void RemoveTree(const std::string& dir) {
    if (dir.empty()) {
        return;
    }
    // The "\\?\" form reaches files below paths of any length.
    RemoveTreeW(Wide(dir.rfind("\\\\?\\", 0) == 0 ? dir : "\\\\?\\" + dir));
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    HANDLE file = CreateFileW(Wide(win32::LongPathForm(path)).c_str(), GENERIC_WRITE, 0, nullptr,
                              CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << path;
    DWORD written = 0;
    const BOOL ok =
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    ASSERT_TRUE(ok) << path;
    ASSERT_EQ(written, bytes.size());
}

std::string ReadBytes(const std::string& path) {
    return win32::ReadWholeFile(path);
}

std::string DataPath(const std::string& relative) {
    return std::string("Z:") + KORVANE_DATA_DIR + "/" + relative;
}

std::vector<std::string> FileNamesIn(const std::string& dir) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE find = FindFirstFileA((dir + "\\*").c_str(), &found);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName;
            if (name != "." && name != "..") {
                names.push_back(name);
            }
        } while (FindNextFileA(find, &found));
        FindClose(find);
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string DemoConfigPath() {
    return DataPath("demo/game/f1graphics.cfg");
}

bool PumpUntil(win32::MainWindow* window, const std::function<bool()>& done, int timeoutMs) {
    const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(timeoutMs);
    for (;;) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                continue;
            }
            if (!window || !window->PreTranslate(msg)) {
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            }
        }
        if (done && done()) {
            return true;
        }
        if (GetTickCount64() >= end) {
            return done ? done() : true;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

void Pump(win32::MainWindow* window, int ms) {
    PumpUntil(window, nullptr, ms);
}

void MouseClickAt(POINT screen) {
    SetCursorPos(screen.x, screen.y);
    INPUT in[2] = {MouseInput(MOUSEEVENTF_LEFTDOWN), MouseInput(MOUSEEVENTF_LEFTUP)};
    SendInput(2, in, sizeof(INPUT));
}

void MouseClick(HWND hwnd) {
    RECT rc;
    GetClientRect(hwnd, &rc);
    MouseClick(hwnd, POINT{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2});
}

void MouseClick(HWND hwnd, POINT client) {
    ClientToScreen(hwnd, &client);
    MouseClickAt(client);
}

void PressKey(WORD vk, std::initializer_list<WORD> modifiers) {
    std::vector<INPUT> in;
    for (WORD m : modifiers) {
        in.push_back(KeyInput(m, false));
    }
    in.push_back(KeyInput(vk, false));
    in.push_back(KeyInput(vk, true));
    for (auto it = std::rbegin(modifiers); it != std::rend(modifiers); ++it) {
        in.push_back(KeyInput(*it, true));
    }
    SendInput(static_cast<UINT>(in.size()), in.data(), sizeof(INPUT));
}

void TypeText(const std::string& text) {
    for (char c : text) {
        const SHORT key = VkKeyScanA(c);
        ASSERT_NE(key, -1) << "no key types '" << c << "'";
        const auto vk = static_cast<WORD>(LOBYTE(key));
        if (HIBYTE(key) & 1) {
            PressKey(vk, {VK_SHIFT});
        } else {
            PressKey(vk);
        }
    }
}

void MouseMoveTo(POINT screen) {
    INPUT in = AbsoluteMouseInput(screen, 0);
    SendInput(1, &in, sizeof(INPUT));
}

void MouseClickCarryingPosition(POINT screen) {
    INPUT in[2] = {AbsoluteMouseInput(screen, MOUSEEVENTF_LEFTDOWN),
                   AbsoluteMouseInput(screen, MOUSEEVENTF_LEFTUP)};
    SendInput(2, in, sizeof(INPUT));
}

void MouseWheel(int notches) {
    INPUT in = MouseInput(MOUSEEVENTF_WHEEL);
    in.mi.mouseData = static_cast<DWORD>(notches * WHEEL_DELTA);
    SendInput(1, &in, sizeof(INPUT));
}

void MouseButton(bool down) {
    INPUT in = MouseInput(down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP);
    SendInput(1, &in, sizeof(INPUT));
}

std::string WindowText(HWND hwnd) {
    return win32::WindowTextOf(hwnd);
}

std::string RealisedFace(HFONT font) {
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    char face[LF_FACESIZE] = {};
    GetTextFaceA(dc, LF_FACESIZE, face);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return face;
}

LOGFONTA FontOf(HWND hwnd) {
    LOGFONTA lf{};
    auto font = reinterpret_cast<HFONT>(SendMessageA(hwnd, WM_GETFONT, 0, 0));
    if (font) {
        GetObjectA(font, sizeof lf, &lf);
    }
    return lf;
}

BoxCatcher::BoxCatcher() : timer_(SetTimer(nullptr, 0, 20, CatchBoxes)) {
    std::lock_guard<std::mutex> lock(seenMutex);
    seenBoxes.clear();
    answeredBoxes.clear();
    answerKey = 0;
    textAnswers.clear();
}

void BoxCatcher::AnswerTextDialogs(std::vector<std::optional<std::string>> answers) {
    std::lock_guard<std::mutex> lock(seenMutex);
    textAnswers = std::move(answers);
}

void BoxCatcher::AnswerWithKey(WORD vk) {
    std::lock_guard<std::mutex> lock(seenMutex);
    answerKey = vk;
}

BoxCatcher::~BoxCatcher() {
    KillTimer(nullptr, timer_);
}

std::vector<SeenBox> BoxCatcher::Seen() const {
    std::lock_guard<std::mutex> lock(seenMutex);
    return seenBoxes;
}

std::string ProgramPath() {
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string dir = self;
    dir.erase(dir.find_last_of("\\/"));
    return dir + "\\..\\..\\src\\win32\\Korvane.exe";
}

namespace {

struct TopLevelSearch {
    DWORD process;
    const std::string& className;
    const std::string& caption;
    bool visibleOnly;
    HWND found = nullptr;
};

BOOL CALLBACK FindTopLevel(HWND hwnd, LPARAM lp) {
    auto* search = reinterpret_cast<TopLevelSearch*>(lp);
    DWORD process = 0;
    GetWindowThreadProcessId(hwnd, &process);
    if (process == search->process && (!search->visibleOnly || IsWindowVisible(hwnd)) &&
        _stricmp(ClassOf(hwnd).c_str(), search->className.c_str()) == 0 &&
        (search->caption.empty() || WindowText(hwnd) == search->caption)) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

struct DescendantSearch {
    int id;
    HWND found = nullptr;
};

BOOL CALLBACK FindById(HWND hwnd, LPARAM lp) {
    auto* search = reinterpret_cast<DescendantSearch*>(lp);
    if (GetDlgCtrlID(hwnd) == search->id) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

} // namespace

void ProgramFixture::SetUp() {
    if (GetFileAttributesA(ProgramPath().c_str()) == INVALID_FILE_ATTRIBUTES) {
        GTEST_SKIP() << "Korvane.exe not built: " << ProgramPath();
    }
    workDir = MakeTempDir();
    // Each run is a player's first: no game folder chosen before.
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Korvane");
}

void ProgramFixture::TearDown() {
    program.reset();
    if (!workDir.empty()) {
        RemoveTree(workDir);
    }
}

void ProgramFixture::Start(const std::string& arguments) {
    program = std::make_unique<ProgramRun>(workDir, arguments);
    ASSERT_TRUE(program->Started());
}

ProgramRun::ProgramRun(const std::string& workDir, const std::string& arguments) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    std::string command = "\"" + ProgramPath() + "\"" + (arguments.empty() ? "" : " " + arguments);
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        workDir.c_str(), &startup, &process_)) {
        ADD_FAILURE() << "cannot start " << ProgramPath() << " (error " << GetLastError() << ")";
        process_ = {};
    }
}

ProgramRun::~ProgramRun() {
    if (process_.hProcess) {
        if (Running()) {
            TerminateProcess(process_.hProcess, 99);
            WaitForSingleObject(process_.hProcess, 5000);
        }
        CloseHandle(process_.hProcess);
        CloseHandle(process_.hThread);
    }
}

HWND ProgramRun::Find(const std::string& className, const std::string& caption,
                      bool visibleOnly) const {
    TopLevelSearch search{process_.dwProcessId, className, caption, visibleOnly};
    if (process_.hProcess) {
        EnumWindows(FindTopLevel, reinterpret_cast<LPARAM>(&search));
    }
    return search.found;
}

bool ProgramRun::WaitUntil(const std::function<bool()>& done, int timeoutMs) {
    const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(timeoutMs);
    while (!done()) {
        if (GetTickCount64() >= end) {
            return done();
        }
        Sleep(20);
    }
    return true;
}

HWND ProgramRun::WaitFor(const std::string& className, const std::string& caption,
                         int timeoutMs) const {
    HWND found = nullptr;
    WaitUntil([&] { return (found = Find(className, caption)) != nullptr; }, timeoutMs);
    return found;
}

bool ProgramRun::Running() const {
    return process_.hProcess && WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

long ProgramRun::WaitForExit(int timeoutMs) const {
    if (!process_.hProcess ||
        WaitForSingleObject(process_.hProcess, static_cast<DWORD>(timeoutMs)) != WAIT_OBJECT_0) {
        return -1;
    }
    DWORD code = 0;
    GetExitCodeProcess(process_.hProcess, &code);
    return static_cast<long>(code);
}

ProcessOutput RunCapturingOutput(const std::string& commandLine, int timeoutMs) {
    ProcessOutput result;
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE read = nullptr;
    HANDLE write = nullptr;
    if (!CreatePipe(&read, &write, &inherit, 0)) {
        result.output = "cannot create a pipe";
        return result;
    }
    SetHandleInformation(read, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = write;
    startup.hStdError = write;
    PROCESS_INFORMATION process{};
    std::string command = commandLine;
    const bool started = CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                        nullptr, &startup, &process) != FALSE;
    CloseHandle(write);
    if (!started) {
        result.output = "cannot start " + commandLine;
        CloseHandle(read);
        return result;
    }
    // Read while it runs, so that a full pipe never holds it up.
    const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(timeoutMs);
    for (bool ended = false; !ended;) {
        ended = WaitForSingleObject(process.hProcess, 20) == WAIT_OBJECT_0;
        DWORD available = 0;
        while (PeekNamedPipe(read, nullptr, 0, nullptr, &available, nullptr) && available > 0) {
            char chunk[4096];
            DWORD got = 0;
            if (!ReadFile(read, chunk, sizeof chunk, &got, nullptr) || got == 0) {
                break;
            }
            result.output.append(chunk, got);
        }
        if (!ended && GetTickCount64() > end) {
            TerminateProcess(process.hProcess, 1);
            WaitForSingleObject(process.hProcess, 5000);
            result.output += "\n(ended after " + std::to_string(timeoutMs) + " ms)";
            CloseHandle(process.hThread);
            CloseHandle(process.hProcess);
            CloseHandle(read);
            return result;
        }
    }
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    result.exitCode = static_cast<long>(code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    CloseHandle(read);
    return result;
}

std::string TestProgramPath() {
    char path[MAX_PATH] = {};
    const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    return std::string(path, n < MAX_PATH ? n : 0);
}

HWND FindDescendant(HWND top, int id) {
    DescendantSearch search{id};
    EnumChildWindows(top, FindById, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string MessageBoxText(HWND box) {
    // The text of a message box is the static with ID 0xFFFF; otherwise its longest static.
    HWND text = GetDlgItem(box, 0xFFFF);
    if (text && ClassOf(text) == "Static") {
        return WindowText(text);
    }
    std::string longest;
    EnumChildWindows(box, CollectStaticText, reinterpret_cast<LPARAM>(&longest));
    return longest;
}

std::vector<std::string> ComboItems(HWND combo) {
    // Wide messages: wine hands an ANSI caller of another process the wide text.
    const bool list = ClassOf(combo) == "ListBox";
    std::vector<std::string> items;
    const LRESULT count = SendMessageW(combo, list ? LB_GETCOUNT : CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        const LRESULT length =
            SendMessageW(combo, list ? LB_GETTEXTLEN : CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0);
        std::wstring item(static_cast<std::size_t>(length < 0 ? 0 : length) + 1, L'\0');
        const LRESULT copied =
            SendMessageW(combo, list ? LB_GETTEXT : CB_GETLBTEXT, static_cast<WPARAM>(i),
                         reinterpret_cast<LPARAM>(item.data()));
        item.resize(static_cast<std::size_t>(copied < 0 ? 0 : copied));
        const int size = WideCharToMultiByte(CP_ACP, 0, item.data(), static_cast<int>(item.size()),
                                             nullptr, 0, nullptr, nullptr);
        std::string text(static_cast<std::size_t>(size), '\0');
        WideCharToMultiByte(CP_ACP, 0, item.data(), static_cast<int>(item.size()), text.data(),
                            size, nullptr, nullptr);
        items.push_back(text);
    }
    return items;
}

void WindowTest::SetUp() {
    char cwd[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, cwd);
    originalDir = cwd;
    workDir = MakeTempDir();
    gameDir = MakeTempDir();
    ASSERT_TRUE(CopyFileA(DemoConfigPath().c_str(), GamePath().c_str(), FALSE)) << DemoConfigPath();
    // The bundled file is read-only; the copy is the player's own file.
    SetFileAttributesA(GamePath().c_str(), FILE_ATTRIBUTE_NORMAL);
    platform.installDir = gameDir;
    RegDeleteTreeA(HKEY_CURRENT_USER, kTestSettingsKey);
    SetCurrentDirectoryA(workDir.c_str());
    boxes = std::make_unique<BoxCatcher>();
    if (openInSetUp) {
        Open();
    }
}

void WindowTest::Open() {
    if (!languageFile.empty()) {
        WriteBytes(workDir + "\\language.txt", languageFile);
    }
    form = std::make_unique<MainForm>(platform);
    win32::MainWindow::Options options;
    options.quitWhenClosed = false;
    window = win32::MainWindow::Create(GetModuleHandleA(nullptr), *form, platform, options);
    if (window->Show(SW_SHOWNORMAL)) {
        SetForegroundWindow(window->Hwnd());
        SetActiveWindow(window->Hwnd());
        ::korvane::wintest::Pump(window.get(), 100);
    }
}

void WindowTest::TearDown() {
    window.reset();
    form.reset();
    if (!boxesExpected) {
        for (const SeenBox& box : boxes->Seen()) {
            ADD_FAILURE() << "unexpected message box \"" << box.caption << "\": " << box.text;
        }
    }
    boxes.reset();
    SetCurrentDirectoryA(originalDir.c_str());
    RemoveTree(workDir);
    RemoveTree(gameDir);
}

void WindowTest::Load() {
    MouseClick(Ctl(ids::SpeedButton(1)));
    ASSERT_TRUE(Pump([&] { return Visible(ids::SpeedButton(4)); })) << "Load did not finish";
}

void WindowTest::Save() {
    HandlerCounter saves(form->SpeedButton2.onClick);
    MouseClick(Ctl(ids::SpeedButton(2)));
    ASSERT_TRUE(Pump([&] { return saves.count == 1; })) << "Save did not run";
}

void WindowTest::ShowPage(Page page) {
    if (!Visible(page.panel)) {
        MouseClick(Ctl(page.button));
        ASSERT_TRUE(Pump([&] { return Visible(page.panel); }))
            << "page " << page.panel << " not shown";
    }
}

void WindowTest::ShowPageOf(int controlId) {
    for (const Page& page : kPages) {
        if (IsChild(Ctl(page.panel), Ctl(controlId))) {
            ShowPage(page);
            return;
        }
    }
    FAIL() << "control " << controlId << " is on no page";
}

void WindowTest::PickWithMouse(int comboId, int item) {
    HWND combo = Ctl(comboId);
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    ASSERT_TRUE(GetComboBoxInfo(combo, &info));
    MouseClick(combo, POINT{(info.rcButton.left + info.rcButton.right) / 2,
                            (info.rcButton.top + info.rcButton.bottom) / 2});
    ASSERT_TRUE(Pump([&] { return Dropped(comboId); })) << "the list did not open";
    // The open list shows the selected item; rows above it may be scrolled away, and the
    // user would scroll them back first.
    RECT client;
    GetClientRect(info.hwndList, &client);
    RECT row;
    SendMessageA(info.hwndList, LB_GETITEMRECT, static_cast<WPARAM>(item),
                 reinterpret_cast<LPARAM>(&row));
    if (row.top < client.top || row.bottom > client.bottom) {
        SendMessageA(info.hwndList, LB_SETTOPINDEX, static_cast<WPARAM>(item), 0);
        SendMessageA(info.hwndList, LB_GETITEMRECT, static_cast<WPARAM>(item),
                     reinterpret_cast<LPARAM>(&row));
    }
    MouseClick(info.hwndList, POINT{(row.left + row.right) / 2, (row.top + row.bottom) / 2});
    ASSERT_TRUE(Pump([&] { return !Dropped(comboId); })) << "the list did not close";
}

void WindowTest::FocusByMouse(HWND hwnd, POINT client) {
    MouseClick(hwnd, client);
    ASSERT_TRUE(Pump([&] {
        HWND f = GetFocus();
        return f == hwnd || IsChild(hwnd, f);
    }));
}

} // namespace korvane::wintest
