// Save's merge when another program (the game's menu, its performance test) changed
// f1graphics.cfg since it was last read or written: three versions of the file line by line,
// the file as last read (base), the document (the player's) and the file as it is now (the
// game's). A line only the game changed keeps the game's; a line only the player changed
// takes the player's; a line both changed to different values is a conflict, which the
// player settles: the merge holds the player's value there.
#pragma once

#include "file/config_document.hpp"

#include <optional>
#include <string>
#include <vector>

namespace korvane {

// A line both changed: its number and the two values (none: that version has no such
// line).
struct LineConflict {
    long long line = 0;
    std::optional<std::string> game;
    std::optional<std::string> player;
    bool operator==(const LineConflict&) const = default;
};

struct MergedFile {
    std::string bytes; // the file to write, CR LF after each line
    std::vector<LineConflict> conflicts;
};

MergedFile MergeLines(const ConfigDocument& base, const ConfigDocument& player,
                      const ConfigDocument& game);

} // namespace korvane
