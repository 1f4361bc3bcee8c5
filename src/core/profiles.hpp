// Profiles: graphics options files NAME.cfg in the game folder, beside f1graphics.cfg. A
// player keeps one per kind of mod (High.cfg, Low.cfg) and shows it in the window to save
// it as f1graphics.cfg. Here: the rules for a new profile's name, which files of the folder
// are profiles, and which of them holds the bytes f1graphics.cfg has.
#pragma once

#include "core/platform.hpp"

#include <string>
#include <string_view>
#include <vector>

namespace korvane {

// The longest name a profile may get.
inline constexpr std::size_t kMaxProfileName = 40;

// The first rule a new profile's name breaks.
enum class NameProblem {
    None,
    Length,    // not 1 to 40 characters
    Character, // one of \ / : * ? " < > | or a character below 32
    Ending,    // ends in a dot or a blank
    Reserved,  // a device name (CON, COM1, LPT1.txt, ...) or f1graphics
};
NameProblem CheckProfileName(std::string_view name);

// A graphics options file: the lines of the layout it is recognised as that the setting
// controls edit are all there, each with a value before its ';'.
bool IsGraphicsOptionsFile(std::string bytes);

struct Profile {
    std::string name; // the file's name without ".cfg"
    bool inUse;       // its bytes are those given as f1graphics.cfg's
    bool operator==(const Profile&) const = default;
};

// The profiles in a folder, in the platform's order: every file NAME.cfg (any letter case)
// but f1graphics.cfg that is a graphics options file. A file that cannot be read is left
// out; a folder that cannot be listed has none.
std::vector<Profile> FindProfiles(Platform& platform, const std::string& folder,
                                  std::string_view inUseBytes);

// The path of a profile's file.
std::string ProfilePath(const std::string& folder, std::string_view name);

} // namespace korvane
