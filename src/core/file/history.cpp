#include "file/history.hpp"

#include "file/errors.hpp"

#include <algorithm>
#include <charconv>

namespace korvane {

namespace {

constexpr std::string_view kPrefix = "f1graphics ";
constexpr std::string_view kEnding = ".cfg";

// Two digits or more, zero-padded.
std::string Padded(int value, int width) {
    std::string text = std::to_string(value);
    return std::string(text.size() < static_cast<std::size_t>(width) ? width - text.size() : 0,
                       '0') +
           text;
}

// Reads exactly count digits at text[at]; false when they are not there.
bool Digits(std::string_view text, std::size_t at, std::size_t count, int& value) {
    if (at + count > text.size()) {
        return false;
    }
    for (std::size_t i = at; i < at + count; ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return false;
        }
    }
    std::from_chars(text.data() + at, text.data() + at + count, value);
    return true;
}

} // namespace

std::string HistoryFileName(const HistoryStamp& stamp) {
    const DateTime& t = stamp.when;
    std::string name = std::string(kPrefix) + Padded(t.year, 4) + "-" + Padded(t.month, 2) + "-" +
                       Padded(t.day, 2) + " " + Padded(t.hour, 2) + "-" + Padded(t.minute, 2) +
                       "-" + Padded(t.second, 2);
    if (stamp.number > 1) {
        name += " (" + std::to_string(stamp.number) + ")";
    }
    return name + std::string(kEnding);
}

std::optional<HistoryStamp> ParseHistoryFileName(std::string_view name) {
    // "f1graphics YYYY-MM-DD HH-MM-SS[ (N)].cfg", nothing else: a file the player put there
    // is never taken for a version, nor removed.
    if (!name.starts_with(kPrefix) || !name.ends_with(kEnding)) {
        return std::nullopt;
    }
    name.remove_prefix(kPrefix.size());
    name.remove_suffix(kEnding.size());
    HistoryStamp stamp;
    DateTime& t = stamp.when;
    if (name.size() < 19 || !Digits(name, 0, 4, t.year) || name[4] != '-' ||
        !Digits(name, 5, 2, t.month) || name[7] != '-' || !Digits(name, 8, 2, t.day) ||
        name[10] != ' ' || !Digits(name, 11, 2, t.hour) || name[13] != '-' ||
        !Digits(name, 14, 2, t.minute) || name[16] != '-' || !Digits(name, 17, 2, t.second)) {
        return std::nullopt;
    }
    const std::string_view rest = name.substr(19);
    if (!rest.empty()) {
        if (rest.size() < 4 || !rest.starts_with(" (") || !rest.ends_with(")") ||
            !Digits(rest, 2, rest.size() - 3, stamp.number) || stamp.number < 2 || rest[2] == '0') {
            return std::nullopt;
        }
    }
    return stamp;
}

std::string DateTimeText(const DateTime& t) {
    return Padded(t.year, 4) + "-" + Padded(t.month, 2) + "-" + Padded(t.day, 2) + " " +
           Padded(t.hour, 2) + ":" + Padded(t.minute, 2) + ":" + Padded(t.second, 2);
}

HistoryStep PlanHistoryStep(const std::vector<HistoryStamp>& versions, const DateTime& now,
                            bool equalsNewest) {
    HistoryStep step;
    if (equalsNewest && !versions.empty()) {
        return step;
    }
    HistoryStamp added{now, 1};
    // A clock set back, or two Saves in one second, still give the newest the last place.
    if (!versions.empty() && versions.back() >= added) {
        added = versions.back();
        added.number += 1;
    }
    step.add = added;
    // The oldest stays whatever the count: it is the file as it was before Korvane.
    const std::size_t count = versions.size() + 1;
    if (count > kHistoryKept + 1) {
        step.remove.assign(versions.begin() + 1,
                           versions.begin() + static_cast<long>(count - kHistoryKept));
    }
    return step;
}

std::string History::FolderPath() const {
    return folder_ + "\\" + std::string(kHistoryFolderName);
}

std::string History::PathOf(const HistoryStamp& stamp) const {
    return FolderPath() + "\\" + HistoryFileName(stamp);
}

std::vector<HistoryStamp> History::Versions() const {
    std::vector<HistoryStamp> versions;
    for (const FileEntry& file : platform_.ListFiles(FolderPath())) {
        if (const std::optional<HistoryStamp> stamp = ParseHistoryFileName(file.name)) {
            versions.push_back(*stamp);
        }
    }
    std::sort(versions.begin(), versions.end());
    return versions;
}

void History::Keep(const std::string& replaced) {
    const std::vector<HistoryStamp> versions = Versions();
    bool equalsNewest = false;
    if (!versions.empty()) {
        try {
            equalsNewest = platform_.ReadFile(PathOf(versions.back())) == replaced;
        } catch (const std::exception&) {
            // a newest version that cannot be read is no reason to keep none
        }
    }
    const HistoryStep step = PlanHistoryStep(versions, platform_.LocalTime(), equalsNewest);
    if (!step.add) {
        return;
    }
    const std::string path = PathOf(*step.add);
    try {
        platform_.MakeFolder(FolderPath());
        platform_.ReplaceFileContents(path, replaced, {});
    } catch (const IoError& e) {
        throw IoError(e.code(), e.path().empty() ? path : e.path(), e.problem());
    }
    for (const HistoryStamp& old : step.remove) {
        platform_.RemoveFile(PathOf(old));
    }
}

} // namespace korvane
