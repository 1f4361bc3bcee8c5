#include "file/profiles.hpp"

#include "file/config_document.hpp"
#include "file/errors.hpp"
#include "file/file_layout.hpp"
#include "file/game_file.hpp"
#include "file/text.hpp"

#include <exception>
#include <optional>

namespace korvane {

namespace {

constexpr std::string_view kExtension = ".cfg";
// The game's own file is never a profile.
constexpr std::string_view kGameFile = kGameFileName.substr(0, kGameFileName.size() - 4);
static_assert(kGameFileName.substr(kGameFile.size()) == kExtension);

// The lines of each layout's full file: the patched game's file has 287; of the release
// file no more is known than that it reaches the last line the settings edit.
constexpr std::size_t kPatchedFileLines = 287;
constexpr std::size_t kReleaseFileLines = 166;

// The layout of a file as far as it is recognised: a file that carries the patched file's
// comment at one of the lines the patch moved but is not recognised as patched is a patched
// file cut short or damaged, and read as the release file it would give the wrong lines.
std::optional<FileLayout> KnownLayout(const ConfigDocument& document) {
    const FileLayout layout = RecogniseLayout(document);
    if (layout == FileLayout::Patched) {
        return layout;
    }
    for (const BoundLine& line : BoundLines()) {
        if (line.patched != line.release && line.patched != kNoLine &&
            static_cast<std::size_t>(line.patched) < document.Count() &&
            document.CommentView(line.patched).starts_with(line.comment)) {
            return std::nullopt;
        }
    }
    return layout;
}

} // namespace

const LanguageEntry& NameRuleText(NameProblem problem) {
    switch (problem) {
    case NameProblem::Length:
        return entries::kProfileNameLength;
    case NameProblem::Character:
        return entries::kProfileNameCharacter;
    case NameProblem::Beginning:
        return entries::kProfileNameBeginning;
    case NameProblem::Ending:
        return entries::kProfileNameEnding;
    default:
        return entries::kProfileNameReserved;
    }
}

NameProblem CheckProfileName(std::string_view name) {
    if (name.empty() || name.size() > kMaxProfileName) {
        return NameProblem::Length;
    }
    for (const char c : name) {
        if (static_cast<unsigned char>(c) < 32 ||
            std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos) {
            return NameProblem::Character;
        }
    }
    if (name.front() == ' ') {
        return NameProblem::Beginning;
    }
    if (name.back() == '.' || name.back() == ' ') {
        return NameProblem::Ending;
    }
    // "~" and a digit is how the system's short names look: "F1GRAP~1" may be f1graphics.cfg
    // itself, which a profile of that name would replace without a backup.
    const std::size_t tilde = name.find('~');
    const bool shortName = tilde != std::string_view::npos && tilde + 1 < name.size() &&
                           name[tilde + 1] >= '0' && name[tilde + 1] <= '9';
    // The game's own file, and names the game's file takes when it is backed up or replaced.
    const bool gameFile = name.size() >= kGameFile.size() &&
                          EqualIgnoringCase(name.substr(0, kGameFile.size()), kGameFile);
    if (IsDeviceName(name) || gameFile || shortName) {
        return NameProblem::Reserved;
    }
    return NameProblem::None;
}

bool IsDeviceName(std::string_view name) {
    name = name.substr(0, name.find('.'));
    while (!name.empty() && name.back() == ' ') {
        name.remove_suffix(1);
    }
    for (std::string_view device : {"CON", "PRN", "AUX", "NUL"}) {
        if (EqualIgnoringCase(name, device)) {
            return true;
        }
    }
    // COM1 to COM9 and LPT1 to LPT9, and with the superscript digits 1 to 3 as well.
    return name.size() == 4 &&
           (EqualIgnoringCase(name.substr(0, 3), "COM") ||
            EqualIgnoringCase(name.substr(0, 3), "LPT")) &&
           ((name[3] >= '1' && name[3] <= '9') || name[3] == '\xb9' || name[3] == '\xb2' ||
            name[3] == '\xb3');
}

std::string_view WithoutCfgEnding(std::string_view typed) {
    if (typed.size() >= kExtension.size() &&
        EqualIgnoringCase(typed.substr(typed.size() - kExtension.size()), kExtension)) {
        typed.remove_suffix(kExtension.size());
    }
    return typed;
}

bool IsCompleteGraphicsFile(const ConfigDocument& document) {
    const std::optional<FileLayout> layout = KnownLayout(document);
    if (!layout || document.Count() <
                       (*layout == FileLayout::Patched ? kPatchedFileLines : kReleaseFileLines)) {
        return false;
    }
    for (const BoundLine& bound : BoundLines()) {
        const int line = LineIn(*layout, bound.release);
        if (line == kNoLine) {
            continue;
        }
        if (static_cast<std::size_t>(line) >= document.Count() ||
            document.ValueView(line).empty()) {
            return false;
        }
    }
    return true;
}

bool IsProfileContent(const std::string& bytes) {
    if (bytes.size() > kMaxProfileBytes) {
        return false;
    }
    ConfigDocument document;
    document.Append(bytes);
    return IsCompleteGraphicsFile(document);
}

std::optional<FileEntry> ProfileFileOf(const std::vector<FileEntry>& files, std::string_view name) {
    for (const FileEntry& file : files) {
        if (file.name.size() == name.size() + kExtension.size() &&
            EqualIgnoringCase(std::string_view(file.name).substr(0, name.size()), name) &&
            EqualIgnoringCase(std::string_view(file.name).substr(name.size()), kExtension)) {
            return file;
        }
    }
    return std::nullopt;
}

std::optional<ConfigDocument> ReadProfile(Platform& platform, const std::string& folder,
                                          const FileEntry& file) {
    const std::string_view name = WithoutCfgEnding(file.name);
    // Only a name Save as profile would give is a profile's ("f1graphics - Copy.cfg" is the
    // game's file copied, not a profile). A device is never opened: reading COM1.cfg would
    // wait on a serial port.
    if (file.size > kMaxProfileBytes || name.size() == file.name.size() ||
        CheckProfileName(name) != NameProblem::None) {
        return std::nullopt;
    }
    try {
        std::string bytes = platform.ReadFile(folder + "\\" + file.name);
        if (bytes.size() <= kMaxProfileBytes) { // it may have grown since the listing
            ConfigDocument document;
            document.Append(std::move(bytes));
            if (IsCompleteGraphicsFile(document)) {
                return document;
            }
        }
    } catch (const std::exception&) {
        // a file that cannot be read or parsed (not even for want of memory) is no profile
    }
    return std::nullopt;
}

bool SameLines(const ConfigDocument& a, const ConfigDocument& b) {
    if (a.Count() == 0 || a.Count() != b.Count()) {
        return false;
    }
    for (std::size_t k = 0; k < a.Count(); ++k) {
        if (a.LineText(static_cast<long long>(k)) != b.LineText(static_cast<long long>(k))) {
            return false;
        }
    }
    return true;
}

std::vector<Profile> FindProfiles(Platform& platform, const std::string& folder,
                                  const ConfigDocument& gameFile) {
    std::vector<Profile> profiles;
    for (const FileEntry& file : platform.ListFiles(folder)) {
        if (const std::optional<ConfigDocument> profile = ReadProfile(platform, folder, file)) {
            profiles.push_back(
                {std::string(WithoutCfgEnding(file.name)), SameLines(*profile, gameFile)});
        }
    }
    return profiles;
}

std::string ProfilePath(const std::string& folder, std::string_view name) {
    return folder + "\\" + std::string(name) + std::string(kExtension);
}

} // namespace korvane
