// The main window: shows the form model with real child windows, one per control of the
// layout, in the layout's order (which is the tab order). The model is the one source of
// truth: the window mirrors every model change onto the controls while holding back their
// notifications, and turns real user input into the model's "User..." calls, each inside
// the form's error guard.
#pragma once

#include "app/main_form.hpp"
#include "win32/control_view.hpp"
#include "win32/gdi_handles.hpp"
#include "win32/platform_win32.hpp"
#include "win32/tool_tips.hpp"

#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <unordered_map>
#include <vector>

namespace korvane::win32 {

class MainWindow final : public ViewHost {
public:
    struct Options {
        // Ending the message loop when the window is gone; tests that drive the window in
        // their own loop turn it off.
        bool quitWhenClosed = true;
    };

    // Creates the window with every control and runs the creation handler FormCreate
    // inside the error guard. The window stays hidden until Show. Throws when the system
    // cannot create a window. The form and the platform must outlive the window.
    static std::unique_ptr<MainWindow> Create(HINSTANCE instance, MainForm& form,
                                              Win32Platform& platform, Options options);
    static std::unique_ptr<MainWindow> Create(HINSTANCE instance, MainForm& form,
                                              Win32Platform& platform) {
        return Create(instance, form, platform, Options{});
    }
    ~MainWindow() override;

    // The top-level window; nullptr once it is closed.
    HWND Hwnd() const noexcept { return hwnd_; }
    bool IsOpen() const noexcept { return hwnd_ != nullptr; }
    // Shows the window, unless the program was ended while it was being created; false then.
    bool Show(int showCommand) noexcept;
    // The child window of a control ID; nullptr if there is none.
    HWND ControlWindow(int id) const noexcept;
    // The tooltip window of the controls.
    HWND ToolTipWindow() const noexcept { return toolTips_.Hwnd(); }
    // For the message loop: Tab, Shift+Tab, arrows and access keys (Alt and the letter;
    // a plain letter goes to the focused control) within the window, F3 (the next line
    // found), Ctrl+S (Save), Ctrl+Z (undo) and Ctrl+Y or Ctrl+Shift+Z (redo).
    // True when the message was handled.
    bool PreTranslate(MSG& msg) noexcept;

    // ViewHost
    HINSTANCE Instance() const noexcept override { return instance_; }
    void UserInput(const std::function<void()>& work) noexcept override;
    bool Syncing() const noexcept override { return syncDepth_ > 0; }
    bool InInput() const noexcept override { return inputDepth_ > 0; }
    int Dpi() const noexcept override { return dpi_; }
    HFONT Font(const FontDef& def) override;
    HBRUSH Brush(std::uint32_t rgb) override;
    std::uint32_t BackgroundOf(int id) const noexcept override;
    bool Reflect(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) noexcept override;

private:
    MainWindow(HINSTANCE instance, MainForm& form, Win32Platform& platform, Options options);
    static LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) noexcept;
    LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);
    void CreateControls();
    void Observe();
    void OnModelChange(ControlView& view, Property property, std::ptrdiff_t index) noexcept;
    void KeepFocusOnShownControls() noexcept;
    void MoveFocus(WPARAM wp, LPARAM lp);
    void OnNcDestroy() noexcept;
    // The window's outer size for the layout's client area at a dpi.
    SIZE WindowSizeAt(int dpi) const;
    // Shows the window at another dpi: new fonts, every control moved and sized anew.
    void Rescale(int dpi);
    ControlView* ViewOf(HWND child) const noexcept;

    HINSTANCE instance_;
    MainForm& form_;
    Win32Platform& platform_;
    Options options_;
    HWND hwnd_ = nullptr;
    HWND savedFocus_ = nullptr;
    int syncDepth_ = 0;
    int inputDepth_ = 0; // user input running (UserInput, nested in a box's loop)
    int dpi_ = kLayoutDpi;
    std::vector<std::unique_ptr<ControlView>> views_;
    std::unordered_map<HWND, ControlView*> byWindow_;
    std::unordered_map<int, ControlView*> byId_;
    std::map<std::tuple<std::string, int, bool, bool, bool>, FontHandle> fonts_;
    std::map<std::uint32_t, BrushHandle> brushes_;
    ToolTips toolTips_;
};

} // namespace korvane::win32
