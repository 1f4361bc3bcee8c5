#include "file/game_folder.hpp"

#include "file/errors.hpp"
#include "file/text.hpp"

namespace korvane {

GameFolder::GameFolder(Platform& platform, const Texts& texts)
    : platform_(platform), texts_(texts), file_(platform, texts) {}

std::string GameFolder::GameFilePath(const std::string& folder) {
    return folder + "\\" + std::string(kGameFileName);
}

bool SameFolder(std::string_view a, std::string_view b) noexcept {
    const auto trimmed = [](std::string_view s) {
        while (!s.empty() && (s.back() == '\\' || s.back() == '/')) {
            s.remove_suffix(1);
        }
        return s;
    };
    return EqualIgnoringCase(trimmed(a), trimmed(b));
}

std::string ShortenedPath(const std::string& path, std::size_t maxChars) {
    if (path.size() <= maxChars) {
        return path;
    }
    const std::size_t first = path.find('\\');
    const std::string head = first == std::string::npos ? std::string() : path.substr(0, first + 1);
    // The last parts that fit after the head and "...".
    for (std::size_t cut = path.find('\\', first == std::string::npos ? 0 : first + 1);
         cut != std::string::npos; cut = path.find('\\', cut + 1)) {
        if (head.size() + 3 + path.size() - cut <= maxChars) {
            return head + "..." + path.substr(cut);
        }
    }
    return "..." + path.substr(path.size() - (maxChars > 3 ? maxChars - 3 : 0));
}

std::string GameFolder::Installer() noexcept {
    if (!installer_) {
        try {
            installer_ = platform_.LookupInstallDir();
        } catch (...) {
            return {};
        }
    }
    return std::string(Trim(*installer_));
}

FoundFolder GameFolder::Locate(bool window) {
    installer_.reset();
    if (const std::optional<std::string> argument = platform_.GameFolderArgument()) {
        return {*argument, FolderSource::CommandLine};
    }
    const std::string last = platform_.ReadRememberedFolders().last;
    if (window && !Trim(last).empty()) {
        return {last, FolderSource::LastUsed};
    }
    std::string installer;
    About({}, [&] { installer = platform_.LookupInstallDir(); });
    installer_ = installer;
    if (!Trim(installer).empty()) {
        return {installer, FolderSource::Installer};
    }
    if (!Trim(last).empty()) {
        return {last, FolderSource::LastUsed};
    }
    return {};
}

std::string GameFolder::Find() {
    // Without a game folder the path would be "\f1graphics.cfg" at the root of the current
    // drive: nothing is opened.
    const FoundFolder found = Locate(false);
    if (found.source == FolderSource::None) {
        throw Error(texts_.LanguageText(entries::kNoGameFolder));
    }
    return found.path;
}

std::string GameFolder::Refusal(const std::string& folder) {
    const auto message = [&](const LanguageEntry& entry) {
        return FillIn(texts_.LanguageText(entry), folder);
    };
    switch (platform_.StateOf(folder)) {
    case FolderState::Folder:
    case FolderState::Missing:
        return {};
    case FolderState::File:
        return message(entries::kFolderIsFile);
    case FolderState::DriveNotReady:
        return message(entries::kFolderNotReady);
    case FolderState::Unreadable:
        return message(entries::kFolderUnreadable);
    }
    return {};
}

void GameFolder::Choose(const std::string& folder) {
    if (std::string refused = Refusal(folder); !refused.empty()) {
        throw Error(refused);
    }
    if (platform_.StateOf(folder) != FolderState::Folder ||
        !platform_.FileExists(GameFilePath(folder))) {
        throw Error(FillIn(texts_.LanguageText(entries::kNoGameFileInFolder), folder));
    }
    RememberedFolders kept = platform_.ReadRememberedFolders();
    std::erase_if(kept.chosen, [&](const std::string& f) { return SameFolder(f, folder); });
    kept.chosen.insert(kept.chosen.begin(), folder);
    // A short list: the oldest choices go first.
    if (kept.chosen.size() > 8) {
        kept.chosen.resize(8);
    }
    kept.last = folder;
    Remember(std::move(kept));
}

void GameFolder::Used(const std::string& folder) {
    RememberedFolders kept = platform_.ReadRememberedFolders();
    kept.last = folder;
    Remember(std::move(kept));
}

void GameFolder::Forget(const std::string& folder) {
    RememberedFolders kept = platform_.ReadRememberedFolders();
    std::erase_if(kept.chosen, [&](const std::string& f) { return SameFolder(f, folder); });
    if (SameFolder(kept.last, folder)) {
        kept.last.clear();
    }
    Remember(std::move(kept));
}

void GameFolder::Remember(RememberedFolders folders) {
    About({}, [&] { platform_.WriteRememberedFolders(folders); });
}

std::vector<KnownFolder> GameFolder::Known() {
    const RememberedFolders kept = platform_.ReadRememberedFolders();
    std::vector<KnownFolder> known;
    const auto add = [&](const std::string& folder, bool removable) {
        if (Trim(folder).empty()) {
            return;
        }
        for (const KnownFolder& k : known) {
            if (SameFolder(k.path, folder)) {
                return;
            }
        }
        known.push_back({folder, !path_.empty() && SameFolder(folder, path_),
                         platform_.StateOf(folder) == FolderState::Missing, removable});
    };
    add(Installer(), false);
    for (const std::string& folder : kept.chosen) {
        add(folder, true);
    }
    add(platform_.GameFolderArgument().value_or(std::string()), false);
    // The one used last, should it be none of those.
    add(kept.last, false);
    return known;
}

void GameFolder::Load(const std::string& folder, const std::function<void()>& show) {
    path_ = folder;
    const std::string path = GameFilePath(path_);
    About(path, [&] {
        file_.Load(path);
        show();
        file_.Shown();
    });
}

void GameFolder::Use(const std::string& name, const std::function<void()>& show) {
    if (Trim(path_).empty()) {
        throw Error(texts_.LanguageText(entries::kNoGameFolder));
    }
    const std::string path = ProfilePath(path_, name);
    const auto notUsed = [&](const std::string& why) {
        return Error(FillIn(texts_.LanguageText(entries::kProfileNotUsed), path) + "\r" + why);
    };
    if (IsDeviceName(name)) {
        throw notUsed(texts_.LanguageText(entries::kNoCompleteFile));
    }
    // The profile is read and checked whole before anything changes: one that is gone,
    // cannot be read or is no longer a complete graphics options file leaves everything as
    // it was, and the message names the file and the reason.
    try {
        file_.Use(path, [this](const std::string& bytes) {
            if (!IsProfileContent(bytes)) {
                throw Error(texts_.LanguageText(entries::kNoCompleteFile));
            }
        });
    } catch (const Error& e) {
        throw notUsed(e.what());
    }
    // Only Save writes it to f1graphics.cfg; until then Quit asks, when it differs.
    show();
    file_.Shown();
}

bool GameFolder::Save(const std::function<void()>& show) {
    bool written = false;
    About(GameFilePath(path_), [&] { written = file_.Save(show); });
    // The Save is done: now the player learns that its history copy is missing.
    if (written && !file_.HistoryFailure().empty()) {
        platform_.ShowErrorBox(ErrorBoxText(file_.HistoryFailure()));
    }
    return written;
}

void GameFolder::ShowVersion(const std::string& path, const std::function<void()>& show) {
    try {
        file_.Use(path);
    } catch (const Error& e) {
        throw Error(FillIn(texts_.LanguageText(entries::kHistoryNotShown), path) + "\r" + e.what());
    }
    show();
    file_.Shown();
}

void GameFolder::WriteProfile(const std::string& name, bool replacing) {
    WriteProfile(name, replacing, file_.Document().Write());
}

void GameFolder::WriteProfile(const std::string& name, bool replacing, std::string_view bytes) {
    const std::string path = ProfilePath(path_, name);
    // The profile replaced is kept, as Save keeps f1graphics.cfg.
    About(path, [&] {
        platform_.ReplaceFileContents(path, bytes, replacing ? path + ".bak" : std::string());
    });
}

std::vector<Profile> GameFolder::Profiles() const {
    // Without a game folder nothing is listed: the current drive's root is no game folder.
    return path_.empty() ? std::vector<Profile>{} : FindProfiles(platform_, path_, file_.OnDisk());
}

void GameFolder::RaiseUnshownLine(const std::string& path) const {
    const std::vector<long long> lines = file_.LinesWithoutWholeNumber();
    if (lines.empty()) {
        return;
    }
    const std::string value = file_.Document().Value(lines[0]);
    throw Error(ErrorBoxText(ConvertError(value).what()) + "\r" +
                FillIn(texts_.LanguageText(entries::kLineNotWholeNumber), platform_.FullPath(path),
                       IntToStr(lines[0]), value));
}

void GameFolder::About(const std::string& path, const std::function<void()>& work) const {
    const ConfigDocument& document = file_.Document();
    // A line the document lacks: the file ends before it (other list errors are no file's).
    const auto endsEarly = [&](long long line) {
        return line >= static_cast<long long>(document.Count());
    };
    const auto ended = [&](const char* what) {
        if (document.Count() == 0) {
            return FileError(texts_.FileMessage(what, FileProblem::Empty, path),
                             FileProblem::Empty);
        }
        return FileError(texts_.FileMessage(what, FileProblem::EndsEarly, path,
                                            IntToStr(static_cast<long long>(document.Count()) - 1)),
                         FileProblem::EndsEarly);
    };
    const auto failed = [&](const char* what, FileProblem problem, const std::string& file) {
        return FileError(texts_.FileMessage(what, problem, file), problem);
    };
    try {
        work();
    } catch (const ReplacementKeptError&) {
        throw; // it names the file that holds the new content
    } catch (const IoError& e) {
        throw failed(e.what(), e.problem(), e.path().empty() ? path : e.path());
    } catch (const FileChangingError& e) {
        throw failed(e.what(), FileProblem::Changing, platform_.FullPath(path));
    } catch (const RegistryError& e) {
        throw failed(e.what(), FileProblem::RegistryValue, path);
    } catch (const NoOptionsError& e) {
        throw failed(e.what(), FileProblem::NoOptions, platform_.FullPath(path));
    } catch (const ListIndexError& e) {
        if (!endsEarly(e.index())) {
            throw;
        }
        throw ended(e.what());
    } catch (const InsertLineError& e) {
        throw ended(e.what());
    }
}

} // namespace korvane
