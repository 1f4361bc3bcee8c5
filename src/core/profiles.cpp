#include "core/profiles.hpp"

#include "core/config_document.hpp"
#include "core/errors.hpp"
#include "core/file_layout.hpp"
#include "core/text.hpp"

#include <exception>

namespace korvane {

namespace {

constexpr std::string_view kExtension = ".cfg";
constexpr std::string_view kGameFile = "f1graphics";

// Windows opens a device for these names, with any extension and blanks before it.
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
    return name.size() == 4 &&
           (EqualIgnoringCase(name.substr(0, 3), "COM") ||
            EqualIgnoringCase(name.substr(0, 3), "LPT")) &&
           name[3] >= '1' && name[3] <= '9';
}

} // namespace

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
    if (name.back() == '.' || name.back() == ' ') {
        return NameProblem::Ending;
    }
    if (IsDeviceName(name) || EqualIgnoringCase(name, kGameFile)) {
        return NameProblem::Reserved;
    }
    return NameProblem::None;
}

bool IsGraphicsOptionsFile(std::string bytes) {
    ConfigDocument document;
    try {
        document.Append(std::move(bytes));
    } catch (const std::exception&) {
        return false;
    }
    const FileLayout layout = RecogniseLayout(document);
    for (const BoundOption& option : BoundOptions()) {
        for (std::size_t i = 0; i < option.count; ++i) {
            const int line = LineIn(layout, option.lines[i].release);
            if (line == kNoLine) {
                continue;
            }
            if (static_cast<std::size_t>(line) >= document.Count() ||
                document.ValueView(line).empty()) {
                return false;
            }
        }
    }
    return true;
}

std::vector<Profile> FindProfiles(Platform& platform, const std::string& folder,
                                  std::string_view inUseBytes) {
    std::vector<Profile> profiles;
    for (const std::string& file : platform.ListFiles(folder)) {
        if (file.size() <= kExtension.size() ||
            !EqualIgnoringCase(std::string_view(file).substr(file.size() - kExtension.size()),
                               kExtension)) {
            continue;
        }
        std::string name = file.substr(0, file.size() - kExtension.size());
        if (EqualIgnoringCase(name, kGameFile)) {
            continue;
        }
        std::string bytes;
        try {
            bytes = platform.ReadFile(folder + "\\" + file);
        } catch (const Error&) {
            continue;
        }
        const bool inUse = bytes == inUseBytes;
        if (IsGraphicsOptionsFile(std::move(bytes))) {
            profiles.push_back({std::move(name), inUse});
        }
    }
    return profiles;
}

std::string ProfilePath(const std::string& folder, std::string_view name) {
    return folder + "\\" + std::string(name) + std::string(kExtension);
}

} // namespace korvane
