// The profiles panel on the General page: the list of profiles, Use and Save as profile.
#include "app/main_form.hpp"

#include "file/errors.hpp"
#include "file/profiles.hpp"
#include "file/text.hpp"

#include <optional>

namespace korvane {

namespace {

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
    &entries::kProfileNameBeginning,
    &entries::kProfileNameEnding,
    &entries::kProfileNameReserved,
};

} // namespace

void MainForm::ApplyProfileCaptions() {
    ProfileLabel.SetCaption(LanguageText(entries::kProfileLabel));
    ProfileUse.SetCaption(LanguageText(entries::kProfileUse));
    ProfileSaveAs.SetCaption(LanguageText(entries::kProfileSaveAs));
}

void MainForm::ListProfiles(const std::string& choose) {
    std::string chosen = choose.empty() ? ChosenProfile() : choose;
    std::vector<std::string> items;
    profileNames_.clear();
    // Without a game folder nothing is listed: the current drive's root is no game folder.
    const std::vector<Profile> found = InstallDir.empty()
                                           ? std::vector<Profile>{}
                                           : FindProfiles(platform, InstallDir, gameFile.OnDisk());
    std::string inUse;
    for (Profile profile : found) {
        if (profile.inUse) {
            inUse = profile.name;
        }
        items.push_back(profile.inUse
                            ? profile.name + " (" + LanguageText(entries::kProfileInUse) + ")"
                            : profile.name);
        profileNames_.push_back(std::move(profile.name));
    }
    ProfileList.SetItems(std::move(items));
    // With none chosen yet, or the one chosen gone, the field shows the profile the game uses.
    for (const std::string& name : {chosen, inUse}) {
        for (std::size_t i = 0; i < profileNames_.size() && ProfileList.ItemIndex() < 0; ++i) {
            if (!name.empty() && EqualIgnoringCase(profileNames_[i], name)) {
                ProfileList.SetItemIndex(static_cast<long long>(i));
            }
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
    if (name.empty() || !MayDropChanges(FillIn(LanguageText(entries::kUseDiscardChanges), name))) {
        return;
    }
    UseProfile(name);
}

void MainForm::UseProfile(const std::string& name) {
    if (Trim(InstallDir).empty()) {
        throw Error(LanguageText(entries::kNoGameFolder));
    }
    const std::string path = ProfilePath(InstallDir, name);
    if (IsDeviceName(name)) {
        throw Error(FillIn(LanguageText(entries::kProfileNotUsed), path) + "\r" +
                    LanguageText(entries::kNoCompleteFile));
    }
    // The profile is read and checked whole before anything changes: one that is gone,
    // cannot be read or is no longer a complete graphics options file leaves the window as
    // it was, its label too, and the message names the file and the reason.
    bool read = false;
    try {
        // Only Save writes it to f1graphics.cfg; until then Quit asks, when it differs.
        gameFile.Use(
            path,
            [this, &read] {
                read = true;
                ProfileShown.SetCaption({});
                ShowLoaded();
            },
            [this](const std::string& bytes) {
                if (!IsProfileContent(bytes)) {
                    throw Error(LanguageText(entries::kNoCompleteFile));
                }
            });
    } catch (const Error& e) {
        if (read) {
            throw;
        }
        throw Error(FillIn(LanguageText(entries::kProfileNotUsed), path) + "\r" + e.what());
    }
    ProfileShown.SetCaption(FillIn(LanguageText(entries::kProfileShown), name));
}

void MainForm::ProfileSaveAsClick() {
    SettleDropDowns();
    if (!gameFile.Loaded()) {
        throw Error(LanguageText(entries::kNotLoadedCompletely));
    }
    const std::string caption = AsDialogCaption(LanguageText(entries::kProfileSaveAs));
    const std::string label = LanguageText(entries::kProfileLabel);
    const std::string unheldRule = LanguageText(entries::kProfileNameUnheld);
    // The dialog comes back with the name typed until the name may be used or the player
    // cancels.
    std::string typed;
    std::string name;
    std::optional<FileEntry> existing;
    for (;;) {
        const std::optional<std::string> answer =
            platform.AskText(caption, label, typed, unheldRule);
        if (!answer) {
            return;
        }
        typed = *answer;
        name = WithoutCfgEnding(typed);
        if (const NameProblem problem = CheckProfileName(name); problem != NameProblem::None) {
            platform.ShowErrorBox(
                ErrorBoxText(LanguageText(*kNameRuleTexts[static_cast<int>(problem)])));
            continue;
        }
        existing = ProfileFileOf(platform.ListFiles(InstallDir), name);
        if (!existing && !platform.FileExists(ProfilePath(InstallDir, name))) {
            break;
        }
        // Only a profile is replaced: any other file of that name (another program's
        // settings, a file too large or unreadable) is kept as it is.
        if (!existing || !ReadProfile(platform, InstallDir, *existing)) {
            platform.ShowErrorBox(ErrorBoxText(FillIn(LanguageText(entries::kNameTakenByOtherFile),
                                                      existing ? existing->name : name + ".cfg")));
            continue;
        }
        // The name as the file spells it, in the question and for the file written.
        name = WithoutCfgEnding(existing->name);
        if (platform.AskYesNo(FillIn(LanguageText(entries::kProfileReplace), name))) {
            break;
        }
    }
    const std::string path = ProfilePath(InstallDir, name);
    // The profile replaced is kept, as Save keeps f1graphics.cfg.
    AboutGameFile(path, [&] {
        platform.ReplaceFileContents(path, document.Write(),
                                     existing ? path + ".bak" : std::string());
    });
    ListProfiles(name);
}

} // namespace korvane
