// The history of f1graphics.cfg: every write of it keeps the file it replaces as a dated copy
// in a folder of the game folder, beside the .bak. The rules (a copy's name, which copies
// stay) are pure; History does them on the platform's files.
#pragma once

#include "file/platform.hpp"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

// The history's folder in the game folder.
inline constexpr std::string_view kHistoryFolderName = "Korvane history";
// How many of the newest versions stay; the oldest one stays as well.
inline constexpr std::size_t kHistoryKept = 30;

// A version of the history: when the file it holds was replaced, and a number that tells
// two versions of the same second apart (1 for the first).
struct HistoryStamp {
    DateTime when;
    int number = 1;
    auto operator<=>(const HistoryStamp&) const = default;
};

// The copy's file name: "f1graphics 2026-12-08 21-30-05.cfg", with " (2)" before ".cfg" for
// the second version of a second.
std::string HistoryFileName(const HistoryStamp& stamp);
// The stamp a file name of the history stands for; nothing for any other file.
std::optional<HistoryStamp> ParseHistoryFileName(std::string_view name);
// The date and time as the window shows it: "2026-12-08 21:30:05".
std::string DateTimeText(const DateTime& when);

// What keeping one more version does to a history (its versions oldest first): the stamp of
// the new copy, none when the file replaced equals the newest version; and the versions
// that go (beyond the newest kHistoryKept, never the oldest).
struct HistoryStep {
    std::optional<HistoryStamp> add;
    std::vector<HistoryStamp> remove;
};
HistoryStep PlanHistoryStep(const std::vector<HistoryStamp>& versions, const DateTime& now,
                            bool equalsNewest);

// The history folder of a game folder, on the platform's files.
class History {
public:
    History(Platform& platform, std::string gameFolder)
        : platform_(platform), folder_(std::move(gameFolder)) {}

    std::string FolderPath() const;
    std::string PathOf(const HistoryStamp& stamp) const;
    // The versions kept, oldest first (the first is the file as it was before Korvane).
    std::vector<HistoryStamp> Versions() const;
    // Keeps the bytes of the file replaced as the newest version and lets the oldest beyond
    // the limit go. Throws IoError (the copy's path named) when the copy cannot be made;
    // a copy beyond the limit that cannot be removed stays.
    void Keep(const std::string& replaced);

private:
    Platform& platform_;
    std::string folder_;
};

} // namespace korvane
