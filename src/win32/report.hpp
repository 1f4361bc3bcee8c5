// Where the program reports a failure that no box can show: inside a window procedure, while
// painting or mirroring the model. Nothing is swallowed silently; each catch-all of the
// window code says what it caught here, as a line of debug output.
#pragma once

#include <string_view>

namespace korvane::win32 {

// A line of debug output (OutputDebugString), "Korvane: " in front.
void ReportLine(std::string_view text) noexcept;

// What a catch-all caught: the place (with the control's name, if any) and the exception's
// message. Call it in a catch block.
void ReportCaught(std::string_view where, std::string_view control = {}) noexcept;

} // namespace korvane::win32
