#include "file/file_merge.hpp"

#include <algorithm>
#include <string_view>

namespace korvane {

namespace {

// Line k of a version, none past its end.
std::optional<std::string> LineOf(const ConfigDocument& document, std::size_t k) {
    if (k >= document.Count()) {
        return std::nullopt;
    }
    return document.LineText(static_cast<long long>(k));
}

std::optional<std::string> ValueOf(const ConfigDocument& document, std::size_t k) {
    if (k >= document.Count()) {
        return std::nullopt;
    }
    return document.Value(static_cast<long long>(k));
}

} // namespace

MergedFile MergeLines(const ConfigDocument& base, const ConfigDocument& player,
                      const ConfigDocument& game) {
    MergedFile merged;
    const std::size_t count = std::max({base.Count(), player.Count(), game.Count()});
    std::vector<std::optional<std::string>> lines(count);
    for (std::size_t k = 0; k < count; ++k) {
        const std::optional<std::string> b = LineOf(base, k);
        std::optional<std::string> p = LineOf(player, k);
        std::optional<std::string> g = LineOf(game, k);
        if (p == b) {
            lines[k] = std::move(g);
        } else if (g == b) {
            lines[k] = std::move(p);
        } else if (p && g && ValueOf(player, k) == ValueOf(game, k)) {
            lines[k] = std::move(g); // the same value: the game's own way of writing it
        } else {
            merged.conflicts.push_back(
                {static_cast<long long>(k), ValueOf(game, k), ValueOf(player, k)});
            lines[k] = std::move(p);
        }
    }
    // A line the game removed while a later one stays (one the player's profile added, say)
    // is kept as the player has it: lines have no gaps.
    std::size_t end = count;
    while (end > 0 && !lines[end - 1]) {
        --end;
    }
    for (std::size_t k = 0; k < end; ++k) {
        ConfigDocument::WriteLine(lines[k] ? *lines[k] : LineOf(player, k).value_or(""),
                                  merged.bytes);
    }
    return merged;
}

} // namespace korvane
