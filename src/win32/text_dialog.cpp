// The small modal dialog that asks for a line of text (a profile's name): a label, the
// field, OK and Cancel. Built from a template in memory, so it needs no resource; the
// dialog manager gives it its keyboard: Enter is OK (the default button), Esc is Cancel,
// Tab moves between field and buttons, the label's access key reaches the field.
#include "win32/control_view.hpp"
#include "win32/platform_win32.hpp"
#include "win32/report.hpp"

#include <cstring>
#include <string_view>
#include <vector>

namespace korvane::win32 {

namespace {

constexpr WORD kLabelId = 100;
constexpr WORD kFieldId = 101;
constexpr WORD kButtonClass = 0x0080;
constexpr WORD kEditClass = 0x0081;
constexpr WORD kStaticClass = 0x0082;

// A dialog template in memory: words, with the items on 4-byte boundaries.
class DialogTemplate {
public:
    DialogTemplate(DWORD style, WORD items, short width, short height) {
        Dword(style);
        Dword(0); // extended style
        words_.push_back(items);
        for (short v : {short{0}, short{0}, width, height}) {
            words_.push_back(static_cast<WORD>(v));
        }
        words_.push_back(0); // no menu
        words_.push_back(0); // the dialog class
        words_.push_back(0); // empty title: set when the dialog starts
        words_.push_back(8); // DS_SETFONT: size and face
        for (const wchar_t c : std::wstring_view(L"MS Shell Dlg")) {
            words_.push_back(static_cast<WORD>(c));
        }
        words_.push_back(0);
    }

    void Item(DWORD style, short x, short y, short width, short height, WORD id, WORD cls) {
        if (words_.size() % 2) {
            words_.push_back(0);
        }
        Dword(style | WS_CHILD | WS_VISIBLE);
        Dword(0);
        for (short v : {x, y, width, height}) {
            words_.push_back(static_cast<WORD>(v));
        }
        words_.push_back(id);
        words_.push_back(0xFFFF);
        words_.push_back(cls);
        words_.push_back(0); // empty text: set when the dialog starts
        words_.push_back(0); // no creation data
    }

    // The template, 4-byte aligned as the system wants it.
    const DLGTEMPLATE* Get() {
        aligned_.assign((words_.size() + 1) / 2, 0);
        std::memcpy(aligned_.data(), words_.data(), words_.size() * sizeof(WORD));
        return reinterpret_cast<const DLGTEMPLATE*>(aligned_.data());
    }

private:
    void Dword(DWORD v) {
        words_.push_back(LOWORD(v));
        words_.push_back(HIWORD(v));
    }
    std::vector<WORD> words_;
    std::vector<DWORD> aligned_;
};

struct DialogState {
    const std::string& caption;
    const std::string& label;
    std::string text;
};

// The word a message box shows on its button (OK, Cancel), in the system's language.
void UseMessageBoxWord(HWND dialog, int id) {
    using Fn = LPCWSTR(WINAPI*)(UINT);
    HMODULE user32 = GetModuleHandleA("user32.dll");
    const auto getString = reinterpret_cast<Fn>(
        reinterpret_cast<void (*)()>(user32 ? GetProcAddress(user32, "MB_GetString") : nullptr));
    LPCWSTR word = getString ? getString(static_cast<UINT>(id - 1)) : nullptr;
    SetDlgItemTextW(dialog, id, word && *word ? word : (id == IDOK ? L"OK" : L"Cancel"));
}

// Over the middle of the window it belongs to, where the player looks (DS_CENTER would put
// it in the middle of the screen).
void CentreOverOwner(HWND dialog) {
    HWND owner = GetWindow(dialog, GW_OWNER);
    RECT o;
    RECT d;
    if (owner && GetWindowRect(owner, &o) && GetWindowRect(dialog, &d)) {
        SetWindowPos(dialog, nullptr, (o.left + o.right - (d.right - d.left)) / 2,
                     (o.top + o.bottom - (d.bottom - d.top)) / 2, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

INT_PTR CALLBACK TextDialogProc(HWND dialog, UINT msg, WPARAM wp, LPARAM lp) noexcept {
    try {
        auto* state = reinterpret_cast<DialogState*>(GetWindowLongPtrA(dialog, DWLP_USER));
        if (msg == WM_INITDIALOG) {
            state = reinterpret_cast<DialogState*>(lp);
            SetWindowLongPtrA(dialog, DWLP_USER, lp);
            SetWindowTextA(dialog, state->caption.c_str());
            SetDlgItemTextA(dialog, kLabelId, state->label.c_str());
            SetDlgItemTextA(dialog, kFieldId, state->text.c_str());
            UseMessageBoxWord(dialog, IDOK);
            UseMessageBoxWord(dialog, IDCANCEL);
            CentreOverOwner(dialog);
            HWND field = GetDlgItem(dialog, kFieldId);
            SendMessageA(field, EM_SETSEL, 0, -1);
            SetFocus(field);
            return FALSE; // the focus is set
        }
        if (msg == WM_COMMAND && state && (LOWORD(wp) == IDOK || LOWORD(wp) == IDCANCEL)) {
            if (LOWORD(wp) == IDOK) {
                state->text = WindowTextOf(GetDlgItem(dialog, kFieldId));
            }
            EndDialog(dialog, LOWORD(wp));
            return TRUE;
        }
    } catch (...) {
        ReportCaught("the text dialog");
        EndDialog(dialog, IDCANCEL);
    }
    return FALSE;
}

} // namespace

std::optional<std::string> Win32Platform::AskText(const std::string& caption,
                                                  const std::string& label,
                                                  const std::string& text) {
    DialogTemplate dialog(
        DS_MODALFRAME | DS_SETFONT | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU, 4, 200, 50);
    dialog.Item(SS_LEFT, 7, 9, 40, 8, kLabelId, kStaticClass);
    dialog.Item(ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 50, 7, 143, 14, kFieldId, kEditClass);
    dialog.Item(BS_DEFPUSHBUTTON | WS_TABSTOP, 89, 29, 50, 14, IDOK, kButtonClass);
    dialog.Item(BS_PUSHBUTTON | WS_TABSTOP, 143, 29, 50, 14, IDCANCEL, kButtonClass);
    DialogState state{caption, label, text};
    const INT_PTR result =
        DialogBoxIndirectParamA(GetModuleHandleA(nullptr), dialog.Get(), Owner(), TextDialogProc,
                                reinterpret_cast<LPARAM>(&state));
    if (result != IDOK) {
        return std::nullopt; // Cancel, or a dialog that could not be shown
    }
    return state.text;
}

} // namespace korvane::win32
