// The three views of the patched file's scene settings side by side. The file holds the
// same settings three times, once per view ("[MAIN VIEW]", "[MIRROR VIEW]" and
// "[VIDEOWALL VIEW]" at the start of each line's comment); the grid has one row per setting
// with its line in each view. Which lines pair comes from the comments alone: runs of equal
// length pair by position, others by their comment text without the view tag and the version
// mark (" v2" at the end). A line that does not pair by that rule is left out and counted.
#pragma once

#include "file/config_document.hpp"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

inline constexpr std::size_t kViewCount = 3;
// The comment tags of the views, in the grid's column order: main, mirror, videowall.
inline constexpr std::array<std::string_view, kViewCount> kViewTags = {
    "[MAIN VIEW]", "[MIRROR VIEW]", "[VIDEOWALL VIEW]"};

struct ViewRow {
    std::array<long long, kViewCount> lines{}; // the line of the setting in each view
    bool operator==(const ViewRow&) const = default;
};

struct PairedViews {
    std::vector<ViewRow> rows;
    // Lines whose comment begins with a view tag but that are in no row.
    std::size_t unpaired = 0;
};

// The view whose tag begins the comment, if any.
std::optional<std::size_t> ViewOfComment(std::string_view comment);

// The comment's setting: without its view tag, the blanks around it and a version mark at
// its end (a blank, "v" and digits).
std::string_view SettingText(std::string_view comment);

PairedViews PairViews(const ConfigDocument& document);

// A value to go into a line.
struct LineWrite {
    long long line = -1;
    std::string value;
    bool operator==(const LineWrite&) const = default;
};

// What gives the row's other views the main view's value: the lines that hold another one.
std::vector<LineWrite> CopyAcross(const ConfigDocument& document, const ViewRow& row);

// True when the row's lines do not all hold the same value.
bool ViewsDiffer(const ConfigDocument& document, const ViewRow& row);

} // namespace korvane
