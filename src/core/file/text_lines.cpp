#include "file/text_lines.hpp"

namespace korvane {

std::vector<std::string> SplitLines(std::string_view bytes, std::size_t maxLines) {
    std::string buffer(bytes);
    LineReader reader(buffer);
    std::vector<std::string> lines;
    while (lines.size() < maxLines) {
        const std::optional<std::string_view> line = reader.Next();
        if (!line) {
            break;
        }
        lines.emplace_back(*line);
    }
    return lines;
}

} // namespace korvane
