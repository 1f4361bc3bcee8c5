#include "file/game_folder.hpp"

#include "file/errors.hpp"
#include "file/text.hpp"

namespace korvane {

GameFolder::GameFolder(Platform& platform, const Texts& texts)
    : platform_(platform), texts_(texts), file_(platform, texts) {}

std::string GameFolder::GameFilePath(const std::string& folder) {
    return folder + "\\" + std::string(kGameFileName);
}

std::string GameFolder::Find() {
    // Without a game folder the path would be "\f1graphics.cfg" at the root of the current
    // drive: nothing is opened.
    std::string folder;
    About({}, [&] { folder = platform_.LookupInstallDir(); });
    if (Trim(folder).empty()) {
        throw Error(texts_.LanguageText(entries::kNoGameFolder));
    }
    return folder;
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

bool GameFolder::Save() {
    bool written = false;
    About(GameFilePath(path_), [&] { written = file_.Save(); });
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
