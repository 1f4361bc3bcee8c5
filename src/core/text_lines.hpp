// The line rules of the text files the program reads: LF ends a line, a CR is never part
// of a line (CR LF ends it, a lone CR simply vanishes), a Ctrl-Z where a line would begin
// ends the file, and the last line needs no line end.
#pragma once

#include <cstddef>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

// The first maxLines lines of a file's bytes; the rest is not looked at.
std::vector<std::string> SplitLines(std::string_view bytes,
                                    std::size_t maxLines = std::numeric_limits<std::size_t>::max());

} // namespace korvane
