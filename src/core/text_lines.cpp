#include "core/text_lines.hpp"

namespace korvane {

std::vector<std::string> SplitLines(std::string_view bytes, std::size_t maxLines) {
    std::vector<std::string> lines;
    std::size_t r = 0;
    while (r < bytes.size() && lines.size() < maxLines) {
        if (bytes[r] == '\x1a') {
            break; // Ctrl-Z where a line begins ends the file
        }
        std::size_t end = bytes.find('\n', r);
        const std::size_t next = end == std::string_view::npos ? bytes.size() : end + 1;
        if (end == std::string_view::npos) {
            end = bytes.size();
        }
        std::string line;
        line.reserve(end - r);
        for (std::size_t i = r; i < end; ++i) {
            if (bytes[i] != '\r') {
                line += bytes[i];
            }
        }
        lines.push_back(std::move(line));
        r = next;
    }
    return lines;
}

} // namespace korvane
