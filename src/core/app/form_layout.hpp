// The form of the main window as data: every control with its kind, parent, place, size,
// font, colours and its German form caption or items. The window walks this table to
// create its child windows; the form model takes captions and items from it.
//
// Rows are in creation order, which is also the keyboard tab order within each container.
#pragma once

#include "form/control_def.hpp"
#include "form/controls.hpp"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace korvane {

class MainForm;

namespace ids {
// Controls beyond the form, by name: the manual page's guidance and what Save will change
// (2001-2009), the profiles (2011-2019), the Views page (2021-2029), the Info page without
// contacts (2031-2039), the game folder (2041-2049), the history of the game file
// (2051-2059) and undo and redo (2061-2069).
struct NamedId {
    std::string_view name;
    int id;
};
inline constexpr NamedId kNamedControls[] = {
    {"ValueChoices", 2001},  {"ValueHint", 2002},     {"RestoreValue", 2004}, {"FindLine", 2005},
    {"SaveChanges", 2006},   {"ChangedOnly", 2007},   {"ProfileList", 2011},  {"ProfileUse", 2012},
    {"ProfileSaveAs", 2013}, {"ProfileShown", 2014},  {"ProfileLabel", 2015}, {"ViewsButton", 2021},
    {"ViewsPage", 2022},     {"ViewGrid", 2023},      {"ViewValue", 2024},    {"ViewChoices", 2025},
    {"ViewRestore", 2026},   {"CopyRow", 2027},       {"CopyAll", 2028},      {"ViewNote", 2029},
    {"InfoReadme", 2031},    {"ChooseFolder", 2041},  {"FolderList", 2042},   {"HistoryList", 2051},
    {"HistoryShow", 2052},   {"HistorySaveAs", 2053}, {"HistoryLabel", 2054}, {"UndoEdit", 2061},
    {"RedoEdit", 2062},
};

// The ID of a control by its designer name: the family's base plus the name's number.
constexpr int OfName(std::string_view name) {
    if (name == "aufloesung") {
        return kAufloesung;
    }
    for (const NamedId& named : kNamedControls) {
        if (name == named.name) {
            return named.id;
        }
    }
    constexpr struct {
        std::string_view family;
        int base;
    } kFamilies[] = {{"CheckBox", 1000}, {"ComboBox", 1100},    {"TrackBar", 1200},
                     {"ListBox", 1300},  {"SpeedButton", 1400}, {"Panel", 1500},
                     {"Label", 1600},    {"GroupBox", 1700},    {"edit", 1800},
                     {"Shape", 1900}};
    for (const auto& f : kFamilies) {
        if (name.size() > f.family.size() && name.substr(0, f.family.size()) == f.family) {
            int n = 0;
            for (char c : name.substr(f.family.size())) {
                if (c < '0' || c > '9') {
                    return -1;
                }
                n = n * 10 + (c - '0');
            }
            return f.base + n;
        }
    }
    return -1;
}
static_assert(OfName("CheckBox17") == CheckBox(17) && OfName("edit2") == kEdit2 &&
              OfName("aufloesung") == kAufloesung && OfName("Shape1") == kShape1 &&
              OfName("Checkbox3") == -1 && OfName("FindLine") == 2005 &&
              OfName("ProfileShown") == 2014);
} // namespace ids

// The member of MainForm that holds a control, typed by its class: the typed way from a
// row of the layout to its control.
using ControlMember = std::variant<Panel MainForm::*, Label MainForm::*, CheckBox MainForm::*,
                                   ComboBox MainForm::*, TrackBar MainForm::*, ListBox MainForm::*,
                                   SpeedButton MainForm::*, Edit MainForm::*, ListView MainForm::*>;
using Handler = void (MainForm::*)();

// One control of the form. The rows are written in form_controls.inc; kind, name, ID and
// member come from the row's declaration there, the rest from its designated initialisers.
struct ControlDef {
    ControlKind kind = ControlKind::Panel;
    std::string_view name = {};
    int id = 0;
    int parent = ids::kForm; // the parent's ID; ids::kForm for the window itself
    int left = 0, top = 0;
    int width = -1, height = -1;   // -1: sized to the text
    std::string_view caption = {}; // form caption (text for edits)
    std::vector<std::string_view> items = {};
    FontDef font = {};
    std::uint32_t background = kDefaultColour;
    std::uint32_t foreground = kDefaultColour;
    bool visible = true;   // at start
    bool centred = false;  // labels: centred text
    bool wordWrap = false; // labels: wrap
    bool border = false;   // list boxes and edits: a flat frame
    bool scrollBar = true; // list boxes: a vertical scroll bar
    bool readOnly = false; // edits: shown, selectable, but not typed into
    bool tabStop = false;  // flat buttons: reached by Tab (the form's own are not)
    SliderRange range = {};
    Handler handler = nullptr; // the event handler the control runs, if any
    ControlMember member = {};
    // What the control's model takes from the row.
    ControlStart Start() const {
        return {kind, name, id, visible, caption, items, font.bold, font.italic, range};
    }
};

struct FormDef {
    std::string_view caption;
    int left, top, clientWidth, clientHeight;
};

const FormDef& MainFormDef();
std::span<const ControlDef> MainFormLayout();
// The row of a control, or nullptr.
const ControlDef* FindControlDef(int id);

// The page panel of the area right of the navigation strip.
constexpr int kPageLeft = 129;
constexpr int kPageWidth = 587 - kPageLeft;

// Texts that the program shows and that are ours to choose.
inline constexpr std::string_view kAuthorName = "Korvane team";

// The Info page's contacts as the build was configured (the CMake cache variables
// KORVANE_CONTACT_MAIL, KORVANE_CONTACT_MESSENGER, KORVANE_WEB_ADDRESS and
// KORVANE_SHORT_WEB_ADDRESS): empty where none was set, and then the page shows no row for it.
struct Contacts {
    std::string_view mail;
    std::string_view messenger;
    std::string_view web;
    std::string_view shortWeb;
    bool Any() const noexcept {
        return !mail.empty() || !messenger.empty() || !web.empty() || !shortWeb.empty();
    }
};
const Contacts& BuildContacts();
// The page language.htm of the web address; empty without one.
std::string LanguagePageAddress(const Contacts& contacts);

} // namespace korvane
