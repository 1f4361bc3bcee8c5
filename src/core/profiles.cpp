#include "core/profiles.hpp"

#include "core/config_document.hpp"
#include "core/errors.hpp"
#include "core/file_layout.hpp"
#include "core/main_form.hpp"
#include "core/text.hpp"

#include <exception>
#include <optional>

namespace korvane {

namespace {

constexpr std::string_view kExtension = ".cfg";
// The game's own file is never a profile.
constexpr std::string_view kGameFile = kGameFileName.substr(0, kGameFileName.size() - 4);
static_assert(kGameFileName.substr(kGameFile.size()) == kExtension);

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

// A button's caption as a dialog's: without its access-key mark and its closing dots.
std::string AsDialogCaption(std::string_view caption) {
    std::string text;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size()) {
            ++i; // "&&" stands for one '&'
        }
        text += caption[i];
    }
    while (!text.empty() && (text.back() == '.' || text.back() == '\x85')) {
        text.pop_back();
    }
    return text;
}

constexpr const LanguageEntry* kNameRuleTexts[] = {
    nullptr,
    &entries::kProfileNameLength,
    &entries::kProfileNameCharacter,
    &entries::kProfileNameEnding,
    &entries::kProfileNameReserved,
};

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
    // "~" and a digit is how the system's short names look: "F1GRAP~1" may be f1graphics.cfg
    // itself, which a profile of that name would replace without a backup.
    const std::size_t tilde = name.find('~');
    const bool shortName = tilde != std::string_view::npos && tilde + 1 < name.size() &&
                           name[tilde + 1] >= '0' && name[tilde + 1] <= '9';
    if (IsDeviceName(name) || EqualIgnoringCase(name, kGameFile) || shortName) {
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

void MainForm::ApplyProfileCaptions() {
    ProfileLabel.SetCaption(LanguageText(entries::kProfileLabel));
    ProfileUse.SetCaption(LanguageText(entries::kProfileUse));
    ProfileSaveAs.SetCaption(LanguageText(entries::kProfileSaveAs));
}

void MainForm::ListProfiles(const std::string& choose) {
    std::string chosen = choose.empty() ? ChosenProfile() : choose;
    std::vector<std::string> items;
    profileNames_.clear();
    for (Profile& profile : FindProfiles(platform, InstallDir, gameFile.FileBytes())) {
        // With none chosen yet, the field shows the profile the game uses.
        if (chosen.empty() && profile.inUse) {
            chosen = profile.name;
        }
        items.push_back(profile.inUse
                            ? profile.name + " (" + LanguageText(entries::kProfileInUse) + ")"
                            : profile.name);
        profileNames_.push_back(std::move(profile.name));
    }
    ProfileList.SetItems(std::move(items));
    for (std::size_t i = 0; i < profileNames_.size(); ++i) {
        if (EqualIgnoringCase(profileNames_[i], chosen)) {
            ProfileList.SetItemIndex(static_cast<long long>(i));
        }
    }
    ProfileListChange();
}

std::string MainForm::ChosenProfile() const {
    const int i = ProfileList.ItemIndex();
    return i >= 0 && static_cast<std::size_t>(i) < profileNames_.size()
               ? profileNames_[static_cast<std::size_t>(i)]
               : std::string();
}

void MainForm::ProfileListChange() {
    ProfileUse.SetEnabled(!ChosenProfile().empty());
}

void MainForm::ProfileUseClick() {
    SettleDropDowns();
    const std::string name = ChosenProfile();
    if (name.empty() || !MayDropChanges()) {
        return;
    }
    ProfileShown.SetCaption({});
    const std::string path = ProfilePath(InstallDir, name);
    // Only Save writes it to f1graphics.cfg; until then Quit asks, when it differs.
    gameFile.Use(path, [this] { ShowLoaded(); });
    ProfileShown.SetCaption(FillIn(LanguageText(entries::kProfileShown), name));
}

void MainForm::ProfileSaveAsClick() {
    SettleDropDowns();
    if (!gameFile.Loaded()) {
        throw Error(LanguageText(entries::kNotLoadedCompletely));
    }
    const std::string caption = AsDialogCaption(LanguageText(entries::kProfileSaveAs));
    const std::string label = LanguageText(entries::kProfileLabel);
    // The dialog comes back with the name typed until the name may be used or the player
    // cancels.
    std::string name;
    for (;;) {
        const std::optional<std::string> typed = platform.AskText(caption, label, name);
        if (!typed) {
            return;
        }
        name = *typed;
        if (const NameProblem problem = CheckProfileName(name); problem != NameProblem::None) {
            platform.ShowErrorBox(
                ErrorBoxText(LanguageText(*kNameRuleTexts[static_cast<int>(problem)])));
            continue;
        }
        if (!platform.FileExists(ProfilePath(InstallDir, name)) ||
            platform.AskYesNo(FillIn(LanguageText(entries::kProfileReplace), name))) {
            break;
        }
    }
    platform.ReplaceFileContents(ProfilePath(InstallDir, name), document.Write(), {});
    ListProfiles(name);
}

} // namespace korvane
