#include "win32/report.hpp"

#include "file/errors.hpp"

#include <windows.h>

#include <string>

namespace korvane::win32 {

void ReportLine(std::string_view text) noexcept {
    try {
        OutputDebugStringA(("Korvane: " + std::string(text) + "\n").c_str());
    } catch (...) {
        OutputDebugStringA("Korvane: a failure could not be reported (out of memory)\n");
    }
}

void ReportCaught(std::string_view where, std::string_view control) noexcept {
    try {
        std::string line(where);
        if (!control.empty()) {
            line += " of ";
            line += control;
        }
        ReportLine(line + ": " + CaughtText());
    } catch (...) {
        ReportLine(where);
    }
}

} // namespace korvane::win32
