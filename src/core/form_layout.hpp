// The form of the main window as data: every control with its kind, parent, place, size,
// font, colours and its German form caption or items. The window walks this table to
// create its child windows; the form model takes captions and items from it.
//
// Rows are in creation order, which is also the keyboard tab order within each container.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace korvane {

enum class ControlKind : std::uint8_t {
    Panel,
    Label,
    CheckBox,
    ComboEditable,
    ComboFixed,
    TrackBar,
    ListBox,
    SpeedButton,
    Edit, // single-line
    Memo, // multi-line, word wrap, no scroll bars
    GroupBox,
    Shape, // a vertical line
};

// Control IDs: every control is a real child window with a fixed ID.
namespace ids {
constexpr int kForm = 0;
constexpr int CheckBox(int n) {
    return 1000 + n;
}
constexpr int kAufloesung = 1100;
constexpr int ComboBox(int n) {
    return 1100 + n;
}
constexpr int TrackBar(int n) {
    return 1200 + n;
}
constexpr int ListBox(int n) {
    return 1300 + n;
}
constexpr int SpeedButton(int n) {
    return 1400 + n;
}
constexpr int Panel(int n) {
    return 1500 + n;
}
constexpr int Label(int n) {
    return 1600 + n;
}
constexpr int GroupBox(int n) {
    return 1700 + n;
}
constexpr int kEdit1 = 1801;
constexpr int kEdit2 = 1802;
constexpr int kShape1 = 1901;
} // namespace ids

// Colours as 0xRRGGBB; kDefaultColour means the system colour of the control kind.
constexpr std::uint32_t kDefaultColour = 0xFFFFFFFFu;
constexpr std::uint32_t kSkyBlue = 0xA6CAF0;
constexpr std::uint32_t kMoneyGreen = 0xC0DCC0;
constexpr std::uint32_t kNavy = 0x000080;

struct FontDef {
    std::string_view face = "Arial";
    int height = 11; // character height in pixels at 96 dpi
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

struct ControlDef {
    ControlKind kind;
    std::string_view name;
    int id;
    int parent;                   // the parent's ID; ids::kForm for the window itself
    int left, top, width, height; // width or height -1: sized to the text
    std::string_view caption;     // form caption (text for edits)
    std::vector<std::string_view> items = {};
    FontDef font = {};
    std::uint32_t background = kDefaultColour;
    std::uint32_t foreground = kDefaultColour;
    bool visible = true;   // at start
    bool centred = false;  // labels: centred text
    bool wordWrap = false; // labels: wrap
    bool border = false;   // list boxes and edits: a flat frame
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
inline constexpr std::string_view kContactMail = "korvane@example.org";
inline constexpr std::string_view kContactMessenger = "000 000 000";
inline constexpr std::string_view kWebAddress = "http://www.example.org/korvane/";
inline constexpr std::string_view kShortWebAddress = "example.org/korvane";
inline constexpr std::string_view kLanguagePageAddress =
    "http://www.example.org/korvane/language.htm";

} // namespace korvane
