#include "win32/tool_tips.hpp"

#include "win32/report.hpp"

#include <commctrl.h>

#include <vector>

namespace korvane::win32 {

namespace {

// Wide enough for a comment of 200 characters to wrap onto a few rows.
constexpr int kMaxTipWidth = 600;
// Long enough to read two rows.
constexpr int kShowMs = 20000;

TTTOOLINFOA ToolInfo(HWND owner, UINT flags, UINT_PTR id) {
    TTTOOLINFOA info{};
    info.cbSize = sizeof(info);
    info.uFlags = flags;
    info.hwnd = owner;
    info.uId = id;
    return info;
}

// The tool of the control's rectangle is known to its parent by the control's ID.
UINT_PTR RectToolId(HWND control) {
    return static_cast<UINT_PTR>(GetDlgCtrlID(control));
}

RECT RectInParent(HWND control) {
    RECT rc{};
    GetWindowRect(control, &rc);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

BOOL CALLBACK CollectChild(HWND child, LPARAM list) noexcept {
    try {
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
        return TRUE;
    } catch (...) {
        ReportCaught("listing the child windows of a control");
        return FALSE;
    }
}

std::vector<HWND> ChildrenOf(HWND control) {
    std::vector<HWND> children;
    EnumChildWindows(control, CollectChild, reinterpret_cast<LPARAM>(&children));
    return children;
}

} // namespace

ToolTips::~ToolTips() {
    if (tips_ && IsWindow(tips_)) {
        DestroyWindow(tips_);
    }
}

void ToolTips::Create(HINSTANCE instance, HWND owner) {
    tips_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                            WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP | TTS_NOFADE | TTS_NOANIMATE,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner,
                            nullptr, instance, nullptr);
    if (tips_) {
        TipsWindow(tips_).SetMaxTipWidth(kMaxTipWidth);
        TipsWindow(tips_).SetShowTime(kShowMs);
    }
}

void ToolTips::Send(ToolMessage message, HWND control, const std::string& text) {
    HWND parent = GetParent(control);
    std::vector<TTTOOLINFOA> tools = {
        ToolInfo(parent, TTF_IDISHWND | TTF_SUBCLASS, reinterpret_cast<UINT_PTR>(control))};
    for (HWND child : ChildrenOf(control)) {
        tools.push_back(
            ToolInfo(control, TTF_IDISHWND | TTF_SUBCLASS, reinterpret_cast<UINT_PTR>(child)));
    }
    tools.push_back(ToolInfo(parent, TTF_SUBCLASS, RectToolId(control)));
    tools.back().rect = RectInParent(control);
    for (TTTOOLINFOA& info : tools) {
        info.lpszText = const_cast<char*>(text.c_str()); // the tooltip copies the text
        (TipsWindow(tips_).*message)(info);
    }
}

void ToolTips::Set(HWND control, const std::string& text) {
    if (!tips_ || !control) {
        return;
    }
    const bool hasTools = withTools_.count(control) != 0;
    if (text.empty()) {
        if (hasTools) {
            Send(&TipsWindow::DeleteTool, control, text);
            withTools_.erase(control);
        }
    } else if (hasTools) {
        // The tools stay; only their text changes (a new Load).
        Send(&TipsWindow::UpdateTipText, control, text);
    } else {
        Send(&TipsWindow::AddTool, control, text);
        withTools_.insert(control);
    }
}

void ToolTips::Moved(HWND control) {
    if (!tips_ || !control) {
        return;
    }
    TTTOOLINFOA info = ToolInfo(GetParent(control), 0, RectToolId(control));
    info.rect = RectInParent(control);
    TipsWindow(tips_).NewToolRect(info);
}

} // namespace korvane::win32
