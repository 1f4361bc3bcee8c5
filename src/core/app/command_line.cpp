#include "app/command_line.hpp"

#include "file/errors.hpp"
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

int RunWithoutWindow(MainForm& form, const Arguments& args,
                     const std::vector<std::string>& languageFiles) {
    Platform& platform = form.platform;
    for (const std::string& file : languageFiles) {
        if (platform.FileExists(file)) {
            try {
                form.ReadLanguageLines(file);
            } catch (const std::exception&) {
                // an unreadable language file leaves the German texts
            }
            break;
        }
    }
    if (args.mode != Arguments::Mode::Use) {
        platform.ShowErrorBox(ErrorBoxText(form.LanguageText(entries::kCommandLineUsage)));
        return kExitUsage;
    }
    bool done = false;
    form.Guarded([&] {
        std::string folder = form.LookupInstallDir();
        if (Trim(folder).empty()) {
            throw Error(form.LanguageText(entries::kNoGameFolder));
        }
        form.InstallDir = std::move(folder);
        // The profile as the folder's listing spells it: a name the list would not show is
        // never opened (a device, a path out of the folder, a file larger than 1 MiB).
        const std::string_view name = WithoutCfgEnding(args.profile);
        const std::optional<FileEntry> file =
            CheckProfileName(name) == NameProblem::None
                ? ProfileFileOf(platform.ListFiles(form.InstallDir), name)
                : std::nullopt;
        const std::string path = ProfilePath(form.InstallDir, name);
        if (!file) {
            throw Error(FillIn(form.LanguageText(entries::kProfileNotUsed), path) + "\r" +
                        IoErrorText(2));
        }
        if (file->size > kMaxProfileBytes) {
            throw Error(FillIn(form.LanguageText(entries::kProfileNotUsed), path) + "\r" +
                        form.LanguageText(entries::kNoCompleteFile));
        }
        // f1graphics.cfg as it is now is what Save checks for another program's change; one
        // that is missing or damaged is replaced by the profile, as in the window.
        try {
            form.LoadDocument();
        } catch (const std::exception&) {
        }
        form.UseProfile(std::string(WithoutCfgEnding(file->name)));
        done = form.SaveDocument();
    });
    return done ? kExitDone : kExitFailed;
}

} // namespace korvane
