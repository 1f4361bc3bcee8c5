// The tooltips of the window's controls: one tooltip window, and for each control with a
// text a tool on the control itself, on its child windows (the field of an editable
// drop-down) and on the control's rectangle in its parent. The last one shows the text
// while the control is disabled, when the mouse's messages go to the parent instead.
#pragma once

#include "win32/control_messages.hpp"

#include <windows.h>

#include <set>
#include <string>

namespace korvane::win32 {

class ToolTips {
public:
    ToolTips() = default;
    ToolTips(const ToolTips&) = delete;
    ToolTips& operator=(const ToolTips&) = delete;
    ~ToolTips();

    // Creates the tooltip window, owned by the top-level window.
    void Create(HINSTANCE instance, HWND owner);
    // The control's text; empty removes its tooltip. Rows are separated by CR LF.
    void Set(HWND control, const std::string& text);
    // The control moved or changed its size: its rectangle in the parent follows.
    void Moved(HWND control);
    HWND Hwnd() const noexcept { return tips_; }

private:
    // Sends a tool message for each of the control's tools (itself, its children, its
    // rectangle in the parent).
    using ToolMessage = void (TipsWindow::*)(const TTTOOLINFOA&) const noexcept;
    void Send(ToolMessage message, HWND control, const std::string& text);

    HWND tips_ = nullptr;
    std::set<HWND> withTools_;
};

} // namespace korvane::win32
