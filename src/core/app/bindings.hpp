// The setting controls and the lines they edit, by release line number (file_layout.hpp
// reaches the line of the document's layout).
#pragma once

#include <cstddef>
#include <span>

namespace korvane {

// A setting control and the lines it edits (one or two), in the order its handler writes.
struct BoundOption {
    int control; // the control's ID
    int lines[2];
    std::size_t count;
};

std::span<const BoundOption> BoundOptions();
// The option of a control, or nullptr for a control that edits no line.
const BoundOption* BoundOptionOf(int controlId);

} // namespace korvane
