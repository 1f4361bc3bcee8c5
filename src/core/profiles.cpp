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
    for (const BoundOption& option : BoundOptions()) {
        for (std::size_t i = 0; i < option.count; ++i) {
            const BoundLine& line = option.lines[i];
            if (line.patched != line.release && line.patched != kNoLine &&
                static_cast<std::size_t>(line.patched) < document.Count() &&
                document.CommentView(line.patched).starts_with(line.comment)) {
                return std::nullopt;
            }
        }
    }
    return layout;
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
    &entries::kProfileNameBeginning,
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
    for (const BoundOption& option : BoundOptions()) {
        for (std::size_t i = 0; i < option.count; ++i) {
            const int line = LineIn(*layout, option.lines[i].release);
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
    // A device is never opened: reading COM1.cfg would wait on a serial port.
    if (file.size > kMaxProfileBytes || name.size() == file.name.size() || name.empty() ||
        EqualIgnoringCase(name, kGameFile) || IsDeviceName(file.name)) {
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
