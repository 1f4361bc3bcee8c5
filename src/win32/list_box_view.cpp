// List boxes without their own copy of the rows: the window knows only the row count and
// asks the model for a row's text when it draws it, so a file of ten thousand lines shows
// at once. Rows are 14 pixels high.
#include "win32/control_view.hpp"

#include <string>

namespace korvane::win32 {

namespace {

constexpr UINT kRowHeight = 14;

class ListBoxView : public ControlView {
public:
    ListBoxView(ViewHost& host, ListBox& model, const ControlDef& def) noexcept
        : ControlView(host, model, def), list_(model) {}

    void Create(HWND parent) override {
        DWORD style = LBS_NODATA | LBS_OWNERDRAWFIXED | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT |
                      WS_VSCROLL | WS_TABSTOP;
        if (Def().border) {
            style |= WS_BORDER;
        }
        HWND hwnd = CreateChild("LISTBOX", style, 0, parent);
        SendMessageA(hwnd, LB_SETITEMHEIGHT, 0, kRowHeight);
        ShowRows();
    }

    UINT ItemHeight() const noexcept override { return kRowHeight; }
    HBRUSH OnCtlColor(UINT, HDC) override { return nullptr; } // the system's colours

    void Mirror(Property property, std::ptrdiff_t index) override {
        switch (property) {
        case Property::Items:
            ShowRows();
            break;
        case Property::Item:
            RedrawRow(index);
            break;
        case Property::Selection:
            ShowSelection();
            break;
        case Property::Caption:
            break;
        default:
            ControlView::Mirror(property, index);
            break;
        }
    }

    void OnCommand(UINT code) override {
        if (code == LBN_SELCHANGE) {
            const int row = static_cast<int>(SendMessageA(Hwnd(), LB_GETCURSEL, 0, 0));
            Host().UserInput([this, row] { list_.UserSelect(row); });
        }
    }

    void OnDrawItem(const DRAWITEMSTRUCT& item) override {
        const bool selected = (item.itemState & ODS_SELECTED) != 0;
        RECT rc = item.rcItem;
        FillRect(item.hDC, &rc, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
        if (item.itemID != static_cast<UINT>(-1)) {
            std::string text;
            try {
                text = list_.Item(static_cast<long long>(item.itemID));
            } catch (...) {
                // A row the model does not have (yet) shows empty.
                ReportCaught("drawing a row", Def().name);
            }
            SetBkMode(item.hDC, TRANSPARENT);
            SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
            RECT textRect = rc;
            textRect.left += 2;
            DrawTextA(item.hDC, text.c_str(), static_cast<int>(text.size()), &textRect,
                      DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        }
        if (item.itemState & ODS_FOCUS) {
            DrawFocusRect(item.hDC, &rc);
        }
    }

private:
    void ShowRows() {
        if (!Hwnd()) {
            return;
        }
        SendMessageA(Hwnd(), LB_SETCOUNT, list_.Count(), 0);
        ShowSelection();
        InvalidateRect(Hwnd(), nullptr, TRUE);
    }

    void ShowSelection() {
        if (Hwnd()) {
            // Also brings the row into view.
            SendMessageA(Hwnd(), LB_SETCURSEL, static_cast<WPARAM>(list_.Selected()), 0);
        }
    }

    void RedrawRow(std::ptrdiff_t row) {
        RECT rc;
        if (Hwnd() && row >= 0 &&
            SendMessageA(Hwnd(), LB_GETITEMRECT, static_cast<WPARAM>(row),
                         reinterpret_cast<LPARAM>(&rc)) != LB_ERR) {
            InvalidateRect(Hwnd(), &rc, TRUE);
        }
    }

    ListBox& list_;
};

} // namespace

std::unique_ptr<ControlView> MakeListBoxView(ViewHost& host, ListBox& model,
                                             const ControlDef& def) {
    return std::make_unique<ListBoxView>(host, model, def);
}

} // namespace korvane::win32
