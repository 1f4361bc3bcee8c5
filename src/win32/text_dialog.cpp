// The small modal dialog that asks for a line of text (a profile's name): a label, the
// field, OK and Cancel. It is a Unicode dialog, so that a character the ANSI code page
// cannot hold reaches the program as itself and is refused by name, never replaced. Built from a
// template in memory, so it needs no resource; the dialog manager gives it its keyboard: Enter is
// OK (the default button), Esc is Cancel, Tab moves between field and buttons, the label's access
// key reaches the field.
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
    std::wstring caption;
    std::wstring label;
    std::wstring text;
};

// The text in the ANSI code page, and the characters (each once, in their order, a surrogate
// pair as one) that the code page cannot hold; no best fit ("\x3a9" never becomes "O").
std::string ToAnsi(const std::wstring& text, std::wstring& unheld) {
    std::string ansi;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t n =
            IS_HIGH_SURROGATE(text[i]) && i + 1 < text.size() && IS_LOW_SURROGATE(text[i + 1]) ? 2
                                                                                               : 1;
        const std::wstring_view c(text.data() + i, n);
        char bytes[8];
        BOOL lost = FALSE;
        const int got =
            WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, c.data(), static_cast<int>(n), bytes,
                                sizeof bytes, nullptr, &lost);
        if (got <= 0 || lost) {
            if (unheld.find(c) == std::wstring::npos) {
                unheld += unheld.empty() ? std::wstring(c) : L" " + std::wstring(c);
            }
        } else {
            ansi.append(bytes, static_cast<std::size_t>(got));
        }
        i += n;
    }
    return ansi;
}

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
        auto* state = reinterpret_cast<DialogState*>(GetWindowLongPtrW(dialog, DWLP_USER));
        if (msg == WM_INITDIALOG) {
            state = reinterpret_cast<DialogState*>(lp);
            SetWindowLongPtrW(dialog, DWLP_USER, lp);
            SetWindowTextW(dialog, state->caption.c_str());
            SetDlgItemTextW(dialog, kLabelId, state->label.c_str());
            SetDlgItemTextW(dialog, kFieldId, state->text.c_str());
            UseMessageBoxWord(dialog, IDOK);
            UseMessageBoxWord(dialog, IDCANCEL);
            CentreOverOwner(dialog);
            HWND field = GetDlgItem(dialog, kFieldId);
            SendMessageW(field, EM_SETSEL, 0, -1);
            SetFocus(field);
            return FALSE; // the focus is set
        }
        if (msg == WM_COMMAND && state && (LOWORD(wp) == IDOK || LOWORD(wp) == IDCANCEL)) {
            if (LOWORD(wp) == IDOK) {
                HWND field = GetDlgItem(dialog, kFieldId);
                std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(field)) + 1, L'\0');
                text.resize(static_cast<std::size_t>(
                    GetWindowTextW(field, text.data(), static_cast<int>(text.size()))));
                state->text = std::move(text);
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
                                                  const std::string& label, const std::string& text,
                                                  const std::string& unheldRule) {
    if (quiet_) {
        return std::nullopt;
    }
    DialogTemplate dialog(
        DS_MODALFRAME | DS_SETFONT | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU, 4, 200, 50);
    dialog.Item(SS_LEFT, 7, 9, 40, 8, kLabelId, kStaticClass);
    dialog.Item(ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 50, 7, 143, 14, kFieldId, kEditClass);
    dialog.Item(BS_DEFPUSHBUTTON | WS_TABSTOP, 89, 29, 50, 14, IDOK, kButtonClass);
    dialog.Item(BS_PUSHBUTTON | WS_TABSTOP, 143, 29, 50, 14, IDCANCEL, kButtonClass);
    DialogState state{FromAnsi(caption), FromAnsi(label), FromAnsi(text)};
    // The dialog comes back with what was typed until every character fits the code page.
    for (;;) {
        const INT_PTR result =
            DialogBoxIndirectParamW(GetModuleHandleW(nullptr), dialog.Get(), Owner(),
                                    TextDialogProc, reinterpret_cast<LPARAM>(&state));
        if (result != IDOK) {
            return std::nullopt; // Cancel, or a dialog that could not be shown
        }
        std::wstring unheld;
        std::string typed = ToAnsi(state.text, unheld);
        if (unheld.empty()) {
            return typed;
        }
        const std::size_t mark = unheldRule.find("%1");
        const std::wstring message =
            mark == std::string::npos ? FromAnsi(unheldRule) + L" " + unheld
                                      : FromAnsi(unheldRule.substr(0, mark)) + unheld +
                                            FromAnsi(std::string_view(unheldRule).substr(mark + 2));
        MessageBoxW(Owner(), message.c_str(), FromAnsi(ProgramTitle()).c_str(),
                    MB_ICONERROR | MB_OK);
    }
}

} // namespace korvane::win32
