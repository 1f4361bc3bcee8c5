// The two layouts of f1graphics.cfg that players have. The game's release file is the one
// the setting handlers are written for: they name its line numbers. The file of the patched
// game has more lines: up to line 37 the two agree, from "Enable mirrors" on every option
// sits 1 to 5 lines later, and the visor-tint line is gone. This table is the one place
// that knows the patched numbers; a handler asks for its release line and gets the line of
// the document's layout.
#pragma once

#include "file/config_document.hpp"

#include <cstddef>
#include <span>
#include <string_view>

namespace korvane {

enum class FileLayout { Release, Patched };

// A line number that a layout does not have.
inline constexpr int kNoLine = -1;

// What a line must hold so that its setting control can show it again. Lines no control
// edits hold any value but an empty one where they had one.
enum class Holds : unsigned char {
    WholeNumber, // a check box's, a slider's or a fixed list's line
    Value,       // a drop-down's line that shows any text: not an empty one
    AnyValue,    // the same, also empty (the distance drop-down's first item)
};

// One line a setting control edits: its number in each layout, how the patched file's
// comment for it begins, and what it holds.
struct BoundLine {
    int release;
    int patched; // kNoLine: the patched file has no such line
    std::string_view comment;
    Holds holds = Holds::WholeNumber;
};

// Every line a setting control edits, in the order of the controls' table.
std::span<const BoundLine> BoundLines();

// The document's line for a release line number: the same number in the release layout,
// the patched number (or kNoLine) in the patched one. Lines no control edits keep their
// number.
int LineIn(FileLayout layout, int releaseLine);

// What the document's line must hold in that layout.
Holds LineHolds(FileLayout layout, long long line);

// The patched layout when every line whose patched number differs from its release number
// exists and its comment begins with the patched file's text for it; otherwise the release
// layout (also for files without the game's comments).
FileLayout RecogniseLayout(const ConfigDocument& document);

} // namespace korvane
