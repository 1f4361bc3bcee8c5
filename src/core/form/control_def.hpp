// What every control of a form is made of: its kind, its ID family, its font, colours and
// range, and the part of its row that the control's model takes at start.
#pragma once

#include <cstdint>
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
    Shape,    // a vertical line
    ListView, // a grid of rows and columns with a header
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

// A slider's range and the step between its tick marks.
struct SliderRange {
    int min = 0;
    int max = 0;
    int tickFrequency = 1;
};

// What a control's model takes from its row at start.
struct ControlStart {
    ControlKind kind = ControlKind::Panel;
    std::string_view name = {};
    int id = 0;
    bool visible = true;
    std::string_view caption = {};
    std::vector<std::string_view> items = {};
    bool bold = false;
    bool italic = false;
    SliderRange range = {};
};

} // namespace korvane
