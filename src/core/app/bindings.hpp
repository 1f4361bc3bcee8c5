// The setting controls of the three setting pages, one row each: the lines the control
// edits (by release line number; file_layout.hpp reaches the line of the document's layout)
// in the order its handler writes them, and how the control shows what they hold. The
// transfer, the tooltips and the handlers all read this table.
#pragma once

#include "file/config_document.hpp"
#include "file/file_layout.hpp"

#include <cstddef>
#include <span>

namespace korvane {

// How a control shows its lines.
enum class Shows : unsigned char {
    Flag,       // a check box: checked when the first line holds `checked`
    Resolution, // the resolution drop-down: width and height
    Texture,    // the texture drop-down: its item's code
    Distance,   // the distance drop-down: whole metres, or empty
    Reflection, // the reflection drop-down: "2" or "3" for its two items
    Index,      // a fixed list: its item's index
    Position,   // a slider: its position
};

struct Setting {
    int control; // the control's ID
    Shows shows;
    int lines[2];
    std::size_t count;
    // A check box: what its lines take when checked and when cleared.
    const char* checked = "1";
    const char* cleared = "0";
    // A check box shown checked for any value but `cleared`.
    bool anyButCleared = false;
    // A check box usable only while this box (an ID) is checked and its own line exists;
    // clearedWith: the player's clearing that box clears this one too.
    int enabledBy = 0;
    bool clearedWith = false;
    // A slider: the label that shows its position, and what follows the number there.
    int label = 0;
    const char* unit = "";
};

// In the order the transfer shows them.
std::span<const Setting> Settings();
// The row of a control, or nullptr for a control that edits no line.
const Setting* SettingOf(int controlId);

} // namespace korvane
