#include "win32/app.hpp"

#include "app/command_line.hpp"
#include "app/main_form.hpp"
#include "win32/main_window.hpp"
#include "win32/platform_win32.hpp"

#include <commctrl.h>
#include <shellapi.h>

#include <exception>
#include <string>
#include <vector>

namespace korvane::win32 {

namespace {

// The arguments after the program's name, split as the system splits them.
std::vector<std::string> ProgramArguments() {
    int count = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> args;
    for (int i = 1; argv && i < count; ++i) {
        args.push_back(Narrow(argv[i]));
    }
    LocalFree(argv);
    return args;
}

// A folder as a full path without a separator at its end (the game file's name is put after
// a separator): relative to the working folder where the program starts.
std::string FullFolderPath(const std::string& folder) {
    std::string full(MAX_PATH, '\0');
    for (;;) {
        const DWORD n =
            GetFullPathNameA(folder.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
        if (n == 0) {
            full = folder;
            break;
        }
        if (n < full.size()) {
            full.resize(n);
            break;
        }
        full.resize(n);
    }
    while (!full.empty() && (full.back() == '\\' || full.back() == '/')) {
        full.pop_back();
    }
    return full;
}

// The folder of the program file.
std::string ProgramFolder() {
    const std::string exe = ProgramPath();
    return exe.substr(0, exe.find_last_of("\\/"));
}

} // namespace

int RunApplication(HINSTANCE instance, int show) noexcept {
    try {
        const Arguments args = ParseArguments(ProgramArguments());
        Win32Platform platform;
        if (args.game) {
            platform.UseGameFolder(FullFolderPath(*args.game));
        }
        if (args.mode != Arguments::Mode::Window) {
            // No window: the texts come from language.txt where the command runs, else
            // beside the program, else the built-in ones.
            platform.SetQuiet(args.quiet);
            return RunWithoutWindow(platform, args,
                                    {"language.txt", ProgramFolder() + "\\language.txt"});
        }
        INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
        InitCommonControlsEx(&icc);
        MainForm form(platform);
        std::unique_ptr<MainWindow> window = MainWindow::Create(instance, form, platform);
        if (!window->Show(show)) {
            return 0; // ended while it was being created
        }
        MSG msg{};
        while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
            if (!window->PreTranslate(msg)) {
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            }
        }
        return static_cast<int>(msg.wParam);
    } catch (const std::exception& e) {
        MessageBoxA(nullptr, e.what(), "Korvane", MB_ICONERROR | MB_OK);
    } catch (...) {
        MessageBoxA(nullptr, "Unknown error", "Korvane", MB_ICONERROR | MB_OK);
    }
    return 1;
}

} // namespace korvane::win32
