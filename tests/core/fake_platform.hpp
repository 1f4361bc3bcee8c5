// A Platform for native tests: files in a map, the registry as a string, and a record of
// every message shown; and a form on it, set up as the tests need it.
#pragma once

#include "app/main_form.hpp"
#include "file/errors.hpp"
#include "file/platform.hpp"

#include "../lines_file.hpp"

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace korvane::testing {

class FakePlatform : public Platform {
public:
    std::string installDir = "C:\\Game";
    std::optional<std::string> registryError; // thrown by the lookup when set
    std::map<std::string, std::string> files; // path -> bytes
    std::map<std::string, int> failingPaths;  // path -> I/O result to throw
    std::map<std::string, int> failingReads;  // the same, for reading only
    std::set<std::string> changingReads;      // paths whose read throws FileChangingError
    // path -> what its replacement throws (a failure that names the file in the way, say)
    std::map<std::string, IoError> failingReplacements;
    // path -> where the new content is kept: the replacement throws ReplacementKeptError(5)
    // and leaves the files as the real one would (the original as the backup, no file at
    // path, the new content under the kept name).
    std::map<std::string, std::string> keptReplacements;
    std::vector<std::string> errorBoxes;
    std::vector<std::string> errorDialogs;
    std::vector<std::string> unshown;
    std::vector<std::string> questions; // every question asked, answered with answerYes
    bool answerYes = false;
    std::vector<std::string> reads; // every path read, in order
    int lookups = 0;
    int writes = 0; // replacements, but of copies in the history
    bool closed = false;

    std::string LookupInstallDir() override {
        ++lookups;
        if (registryError) {
            throw RegistryError(*registryError);
        }
        return installDir;
    }
    std::optional<std::string> gameArgument; // /game
    std::optional<std::string> GameFolderArgument() override { return gameArgument; }
    RememberedFolders remembered; // what HKCU keeps
    RememberedFolders ReadRememberedFolders() override { return remembered; }
    void WriteRememberedFolders(const RememberedFolders& folders) override { remembered = folders; }
    std::map<std::string, FolderState> folderStates; // a path not here is a folder
    FolderState StateOf(const std::string& path) override {
        const auto it = folderStates.find(path);
        return it == folderStates.end() ? FolderState::Folder : it->second;
    }
    // The answers to the folder dialogs, first to last; Cancel when none is left.
    std::vector<std::optional<std::string>> chosenFolders;
    std::optional<std::string> ChooseFolder(const std::string&, const std::string&) override {
        return Next(chosenFolders);
    }
    std::string ReadFile(const std::string& path) override {
        reads.push_back(path);
        for (const auto* failing : {&failingPaths, &failingReads}) {
            if (auto f = failing->find(path); f != failing->end()) {
                throw IoError(f->second);
            }
        }
        if (changingReads.count(path) != 0) {
            throw FileChangingError();
        }
        auto it = files.find(path);
        if (it == files.end()) {
            throw IoError(2);
        }
        return it->second;
    }
    void ReplaceFileContents(const std::string& path, std::string_view bytes,
                             const std::string& backupPath) override {
        if (auto f = failingPaths.find(path); f != failingPaths.end()) {
            throw IoError(f->second);
        }
        if (auto f = failingReplacements.find(path); f != failingReplacements.end()) {
            throw f->second;
        }
        if (auto k = keptReplacements.find(path); k != keptReplacements.end()) {
            if (auto old = files.find(path); old != files.end()) {
                files[backupPath] = old->second;
                files.erase(old);
            }
            files[k->second] = std::string(bytes);
            throw ReplacementKeptError(5, k->second);
        }
        // the history's copies are not counted: a Save is one write of the game's files
        if (path.find("\\Korvane history\\") == std::string::npos) {
            ++writes;
        }
        if (auto old = files.find(path); old != files.end() && !backupPath.empty()) {
            files[backupPath] = old->second;
        }
        files[path] = std::string(bytes);
    }
    std::pair<int, int> desktop{0, 0};
    std::pair<int, int> DesktopResolution() override { return desktop; }
    bool AskYesNo(const std::string& text) override {
        questions.push_back(text);
        return answerYes;
    }
    Answer closeAnswer = Answer::Cancel; // the answer to every Yes/No/Cancel question
    Answer AskYesNoCancel(const std::string& text) override {
        questions.push_back(text);
        return closeAnswer;
    }
    bool FileExists(const std::string& path) override { return files.count(path) != 0; }
    void ShowErrorBox(const std::string& text) override { errorBoxes.push_back(text); }
    void ShowErrorDialog(const std::string& text) override { errorDialogs.push_back(text); }
    void ReportUnshown(const std::string& text) noexcept override { unshown.push_back(text); }
    void CloseProgram() override { closed = true; }
    // The files directly in the folder, in the map's order.
    std::vector<FileEntry> ListFiles(const std::string& folder) override {
        std::vector<FileEntry> entries;
        for (const auto& [path, bytes] : files) {
            if (path.size() > folder.size() + 1 && path.starts_with(folder + "\\") &&
                path.find('\\', folder.size() + 1) == std::string::npos) {
                entries.push_back({path.substr(folder.size() + 1), bytes.size()});
            }
        }
        return entries;
    }
    DateTime now{2026, 12, 8, 21, 30, 5}; // the local time, a second later at each look
    DateTime LocalTime() override {
        const DateTime time = now;
        now.minute += (now.second + 1) / 60;
        now.second = (now.second + 1) % 60;
        return time;
    }
    std::set<std::string> folders;
    void MakeFolder(const std::string& path) override {
        if (auto f = failingPaths.find(path); f != failingPaths.end()) {
            throw IoError(f->second);
        }
        folders.insert(path);
    }
    bool RemoveFile(const std::string& path) override { return files.erase(path) != 0; }
    // The answers to the text dialogs, first to last; Cancel when none is left.
    std::vector<std::optional<std::string>> typedTexts;
    std::optional<std::string> AskText(const std::string&, const std::string&, const std::string&,
                                       const std::string&) override {
        return Next(typedTexts);
    }
    static std::optional<std::string> Next(std::vector<std::optional<std::string>>& answers) {
        if (answers.empty()) {
            return std::nullopt;
        }
        std::optional<std::string> next = answers.front();
        answers.erase(answers.begin());
        return next;
    }

    // The game file's path for the current install directory.
    std::string GamePath() const { return GameFolder::GameFilePath(installDir); }
};

// A form on a fake platform. Load puts the bytes into the game's file and clicks "Laden"
// (dropping the changes made before, as the player confirms); Start gives it a language file
// and runs the creation handler; both inside the form's error guard, as the window runs them.
struct FakeForm {
    FakePlatform platform;
    MainForm form{platform};

    void Load(const std::string& bytes) {
        platform.files[platform.GamePath()] = bytes;
        const bool answer = platform.answerYes;
        platform.answerYes = true;
        form.Guarded([this] { form.SpeedButton1Click(); });
        platform.answerYes = answer;
    }
    void Start(const std::string& languageBytes) {
        platform.files["language.txt"] = languageBytes;
        form.Guarded([this] { form.FormCreate(); });
    }
};

// A document of the bytes given.
inline ConfigDocument DocumentOf(const std::string& bytes) {
    ConfigDocument document;
    document.Append(bytes);
    return document;
}

} // namespace korvane::testing
