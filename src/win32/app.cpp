#include "win32/app.hpp"

#include "core/main_form.hpp"
#include "win32/main_window.hpp"

#include <commctrl.h>

#include <exception>

namespace korvane::win32 {

int RunApplication(HINSTANCE instance, int show) noexcept {
    try {
        INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
        InitCommonControlsEx(&icc);
        Win32Platform platform;
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
