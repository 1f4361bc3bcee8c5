// Profiles: graphics options files NAME.cfg in the game folder, beside f1graphics.cfg. A
// player keeps one per kind of mod (High.cfg, Low.cfg) and shows it in the window to save
// it as f1graphics.cfg. Here: the rules for a new profile's name, which files of the folder
// are profiles, and which of them holds what f1graphics.cfg holds.
#pragma once

#include "file/config_document.hpp"
#include "file/language_entries.hpp"
#include "file/platform.hpp"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

// The longest name a profile may get.
inline constexpr std::size_t kMaxProfileName = 40;
// A larger file is no profile (and is never read to find out).
inline constexpr unsigned long long kMaxProfileBytes = 1 << 20;

// The name typed for a profile without a ".cfg" at its end (in any letter case): "High.cfg"
// names High.cfg, not High.cfg.cfg.
std::string_view WithoutCfgEnding(std::string_view typed);

// The first rule a new profile's name breaks.
enum class NameProblem {
    None,
    Length,    // not 1 to 40 characters
    Character, // one of \ / : * ? " < > | or a character below 32
    Beginning, // begins with a blank
    Ending,    // ends in a dot or a blank
    Reserved,  // a device name (CON, COM1, LPT1.txt, ...) or begins with f1graphics
};
NameProblem CheckProfileName(std::string_view name);
// The rule a problem other than None breaks, as the player reads it.
const LanguageEntry& NameRuleText(NameProblem problem);

// True for a name Windows opens a device for (CON, COM1, LPT\xb9, AUX.txt, ...).
bool IsDeviceName(std::string_view name);

// A complete graphics options file: its layout is recognised, it has at least as many lines
// as that layout's full file, and the lines the setting controls edit each hold a value.
bool IsCompleteGraphicsFile(const ConfigDocument& document);

// The bytes of a profile: at most 1 MiB of a complete graphics options file.
bool IsProfileContent(const std::string& bytes);

struct Profile {
    std::string name; // the file's name without ".cfg"
    bool inUse;       // its lines hold what f1graphics.cfg's hold
    bool operator==(const Profile&) const = default;
};

// The file of a folder's listing that a profile of that name would be (its name as the
// file spells it), if the folder has one: NAME.cfg in any letter case.
std::optional<FileEntry> ProfileFileOf(const std::vector<FileEntry>& files, std::string_view name);

// The profile in a file of the listing: its content when it is one, nothing when it is not
// (the wrong name, a name Save as profile refuses, larger than 1 MiB (decided without
// reading it), not readable, or no complete graphics options file). A failure stays this
// file's.
std::optional<ConfigDocument> ReadProfile(Platform& platform, const std::string& folder,
                                          const FileEntry& file);

// True when two documents have the same lines, whatever their line ends; never for empty
// ones.
bool SameLines(const ConfigDocument& a, const ConfigDocument& b);

// The profiles in a folder, in the platform's order: every file NAME.cfg (any letter case)
// but f1graphics.cfg that ReadProfile takes. A profile is in use when it has the same lines
// as gameFile (f1graphics.cfg as last read or written).
std::vector<Profile> FindProfiles(Platform& platform, const std::string& folder,
                                  const ConfigDocument& gameFile);

// The path of a profile's file.
std::string ProfilePath(const std::string& folder, std::string_view name);

} // namespace korvane
