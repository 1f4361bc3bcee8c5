// Korvane.exe itself: started in a folder with or without language.txt, it opens its window
// and ends when the window is closed, or ends without ever showing it.
#include "window_test_support.hpp"

#include <string>

using namespace korvane::wintest;

namespace {

// Korvane.exe of the same build: <build>/src/win32, beside <build>/tests/win32.
std::string ProgramPath() {
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string dir = self;
    dir.erase(dir.find_last_of("\\/"));
    return dir + "\\..\\..\\src\\win32\\Korvane.exe";
}

struct WindowSearch {
    DWORD process;
    std::string caption;
    HWND found = nullptr;
};

BOOL CALLBACK FindProcessWindow(HWND hwnd, LPARAM lp) {
    auto* search = reinterpret_cast<WindowSearch*>(lp);
    DWORD process = 0;
    GetWindowThreadProcessId(hwnd, &process);
    if (process == search->process && IsWindowVisible(hwnd) &&
        WindowText(hwnd) == search->caption) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (GetFileAttributesA(ProgramPath().c_str()) == INVALID_FILE_ATTRIBUTES) {
            GTEST_SKIP() << "Korvane.exe not built: " << ProgramPath();
        }
        workDir = MakeTempDir();
    }
    void TearDown() override {
        if (process.hProcess) {
            TerminateProcess(process.hProcess, 99);
            CloseHandle(process.hProcess);
            CloseHandle(process.hThread);
        }
        RemoveTree(workDir);
    }

    void Start() {
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        std::string command = "\"" + ProgramPath() + "\"";
        ASSERT_TRUE(CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                   workDir.c_str(), &startup, &process));
    }

    // A visible top-level window of the program with that caption, waited for.
    HWND WaitForWindow(const std::string& caption, int timeoutMs = 10000) {
        const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(timeoutMs);
        while (GetTickCount64() < end) {
            WindowSearch search{process.dwProcessId, caption};
            EnumWindows(FindProcessWindow, reinterpret_cast<LPARAM>(&search));
            if (search.found) {
                return search.found;
            }
            Sleep(50);
        }
        return nullptr;
    }

    // The exit code, or -1 if the program is still running after the timeout.
    long WaitForExit(int timeoutMs = 10000) {
        if (WaitForSingleObject(process.hProcess, static_cast<DWORD>(timeoutMs)) != WAIT_OBJECT_0) {
            return -1;
        }
        DWORD code = 0;
        GetExitCodeProcess(process.hProcess, &code);
        return static_cast<long>(code);
    }

    std::string workDir;
    PROCESS_INFORMATION process{};
};

} // namespace

TEST_F(ProgramTest, OpensItsWindowAndEndsWhenItIsClosed) {
    WriteBytes(workDir + "\\language.txt", "Deutsch\r\nTest\r\n0.4\r\n");
    Start();
    HWND main = WaitForWindow("VQR Korvane");
    ASSERT_NE(main, nullptr);
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForExit(), 0);
}

TEST_F(ProgramTest, WithoutALanguageFileItShowsTheErrorAndEndsWithoutItsWindow) {
    Start();
    HWND dialog = WaitForWindow("Error");
    ASSERT_NE(dialog, nullptr);
    WindowSearch main{process.dwProcessId, "VQR Korvane"};
    EnumWindows(FindProcessWindow, reinterpret_cast<LPARAM>(&main));
    EXPECT_EQ(main.found, nullptr);
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(WaitForExit(), 0);
    main.found = nullptr;
    EnumWindows(FindProcessWindow, reinterpret_cast<LPARAM>(&main));
    EXPECT_EQ(main.found, nullptr);
}
