#include "app/command_line.hpp"

#include "app/bindings.hpp"
#include "file/errors.hpp"
#include "file/game_folder.hpp"
#include "file/profiles.hpp"
#include "file/text.hpp"

namespace korvane {

namespace {

// "/use" or "-USE" for the switch "use"; nothing for an argument that is no switch.
std::optional<std::string> SwitchName(const std::string& arg) {
    if (arg.size() < 2 || (arg[0] != '/' && arg[0] != '-')) {
        return std::nullopt;
    }
    std::string name;
    for (const char c : std::string_view(arg).substr(1)) {
        name += LowerAnsi(c);
    }
    return name;
}

} // namespace

Arguments ParseArguments(const std::vector<std::string>& args) {
    Arguments parsed;
    Arguments usage;
    usage.mode = Arguments::Mode::Usage;
    bool use = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::optional<std::string> name = SwitchName(args[i]);
        const bool valued = name == "use" || name == "game";
        if (!name || (valued && i + 1 == args.size())) {
            return usage;
        }
        if (*name == "use" && !use) {
            use = true;
            parsed.profile = args[++i];
        } else if (*name == "game" && !parsed.game) {
            parsed.game = args[++i];
        } else if (*name == "quiet" && !parsed.quiet) {
            parsed.quiet = true;
        } else {
            return usage;
        }
    }
    if (parsed.quiet && !use) {
        return usage;
    }
    parsed.mode = use ? Arguments::Mode::Use : Arguments::Mode::Window;
    return parsed;
}

int RunWithoutWindow(Platform& platform, const Arguments& args,
                     const std::vector<std::string>& languageFiles) {
    Texts texts;
    for (const std::string& file : languageFiles) {
        if (platform.FileExists(file)) {
            try {
                texts.Read(platform, file);
            } catch (const std::exception&) {
                // an unreadable language file leaves the German texts
            }
            break;
        }
    }
    if (args.mode != Arguments::Mode::Use) {
        platform.ShowErrorBox(ErrorBoxText(texts.LanguageText(entries::kCommandLineUsage)));
        return kExitUsage;
    }
    GameFolder folder(platform, texts);
    // A value the window would mark, with no window to mend it in, is not written: the
    // message names the line, the file and what to do.
    std::string shown;
    const auto check = [&folder, &shown] { folder.RaiseUnshownLine(shown); };
    try {
        const std::string found = folder.Find();
        // The profile as the folder's listing spells it: a name the list would not show is
        // never opened (a device, a path out of the folder, a file larger than 1 MiB). Each
        // reason is the one the window gives for it.
        const std::string_view name = WithoutCfgEnding(args.profile);
        const std::string path = ProfilePath(found, name);
        const auto notUsed = [&](const std::string& why) {
            return Error(FillIn(texts.LanguageText(entries::kProfileNotUsed), path) + "\r" + why);
        };
        if (const NameProblem problem = CheckProfileName(name); problem != NameProblem::None) {
            throw notUsed(texts.LanguageText(NameRuleText(problem)));
        }
        // f1graphics.cfg as it is now is what Save checks for another program's change; one
        // that is missing or damaged is replaced by the profile, as in the window. A folder
        // that is not there says so, as the window's Load does.
        shown = GameFolder::GameFilePath(found);
        try {
            folder.Load(found, check);
        } catch (const FileError& e) {
            if (e.problem() == FileProblem::NoFolder) {
                throw;
            }
        } catch (const std::exception&) {
        }
        const std::optional<FileEntry> file = ProfileFileOf(platform.ListFiles(found), name);
        if (!file) {
            throw notUsed(IoErrorText(2));
        }
        if (file->size > kMaxProfileBytes) {
            throw notUsed(texts.LanguageText(entries::kNoCompleteFile));
        }
        const std::string profile(WithoutCfgEnding(file->name));
        shown = ProfilePath(found, profile);
        folder.Use(profile, check);
        return folder.Save() ? kExitDone : kExitFailed;
    } catch (...) {
        try {
            platform.ShowErrorBox(ErrorBoxText(CaughtText()));
        } catch (...) {
            platform.ReportUnshown("The error box could not be shown");
        }
    }
    return kExitFailed;
}

} // namespace korvane
