#include "file/view_grid.hpp"

#include "file/text.hpp"

#include <map>

namespace korvane {

std::optional<std::size_t> ViewOfComment(std::string_view comment) {
    for (std::size_t v = 0; v < kViewCount; ++v) {
        if (comment.starts_with(kViewTags[v])) {
            return v;
        }
    }
    return std::nullopt;
}

std::string_view SettingText(std::string_view comment) {
    if (const auto view = ViewOfComment(comment)) {
        comment.remove_prefix(kViewTags[*view].size());
    }
    comment = Trim(comment);
    std::size_t digits = comment.size();
    while (digits > 0 && comment[digits - 1] >= '0' && comment[digits - 1] <= '9') {
        --digits;
    }
    if (digits < comment.size() && digits >= 2 && comment[digits - 1] == 'v' &&
        IsBlank(comment[digits - 2])) {
        comment = Trim(comment.substr(0, digits - 1));
    }
    return comment;
}

PairedViews PairViews(const ConfigDocument& document) {
    // Each view's lines in file order.
    std::array<std::vector<long long>, kViewCount> lines;
    for (long long k = 0; k < static_cast<long long>(document.Count()); ++k) {
        if (const auto view = ViewOfComment(document.CommentView(k))) {
            lines[*view].push_back(k);
        }
    }
    const std::size_t tagged = lines[0].size() + lines[1].size() + lines[2].size();
    PairedViews grid;
    if (lines[0].size() == lines[1].size() && lines[0].size() == lines[2].size()) {
        for (std::size_t i = 0; i < lines[0].size(); ++i) {
            grid.rows.push_back(ViewRow{{lines[0][i], lines[1][i], lines[2][i]}});
        }
    } else {
        // A setting pairs when its text stands exactly once in every view: a text found twice
        // in a view could be either line, and nothing is guessed.
        std::map<std::string_view, std::array<std::vector<long long>, kViewCount>> byText;
        for (std::size_t v = 0; v < kViewCount; ++v) {
            for (const long long k : lines[v]) {
                byText[SettingText(document.CommentView(k))][v].push_back(k);
            }
        }
        for (const long long k : lines[0]) {
            const auto& found = byText[SettingText(document.CommentView(k))];
            if (found[0].size() == 1 && found[1].size() == 1 && found[2].size() == 1) {
                grid.rows.push_back(ViewRow{{k, found[1][0], found[2][0]}});
            }
        }
    }
    grid.unpaired = tagged - kViewCount * grid.rows.size();
    return grid;
}

std::vector<LineWrite> CopyAcross(const ConfigDocument& document, const ViewRow& row) {
    const std::string_view main = document.ValueView(row.lines[0]);
    std::vector<LineWrite> writes;
    for (std::size_t v = 1; v < kViewCount; ++v) {
        if (document.ValueView(row.lines[v]) != main) {
            writes.push_back(LineWrite{row.lines[v], std::string(main)});
        }
    }
    return writes;
}

bool ViewsDiffer(const ConfigDocument& document, const ViewRow& row) {
    return !CopyAcross(document, row).empty();
}

} // namespace korvane
