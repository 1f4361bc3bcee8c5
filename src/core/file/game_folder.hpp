// The game's folder as the window and the command line use it: which folder is open, its
// f1graphics.cfg (the GameFile), its profiles, and the messages that name a file of it.
// Load and Use are one walk each: the file is read and the document replaced once, the
// caller's show fills the window, and then the document counts as loaded.
#pragma once

#include "file/game_file.hpp"
#include "file/history.hpp"
#include "file/platform.hpp"
#include "file/profiles.hpp"
#include "file/texts.hpp"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

class GameFolder {
public:
    GameFolder(Platform& platform, const Texts& texts);
    GameFolder(const GameFolder&) = delete;
    GameFolder& operator=(const GameFolder&) = delete;

    GameFile& File() noexcept { return file_; }
    const GameFile& File() const noexcept { return file_; }
    // The folder open; empty before the first Load.
    const std::string& Path() const noexcept { return path_; }
    // f1graphics.cfg of a folder.
    static std::string GameFilePath(const std::string& folder);

    // The folder the platform names (the command line's, else the installer's registry
    // value). Without one the message says so, and nothing is opened.
    std::string Find();
    // Opens the folder and reads its f1graphics.cfg; show fills the window from it.
    void Load(const std::string& folder, const std::function<void()>& show);
    // Reads the profile of that name in the folder open and, once it is read whole and
    // complete, puts it in place of the document and shows it. A profile that cannot be used
    // changes nothing; the message names its file and why.
    void Use(const std::string& name, const std::function<void()>& show);
    // Reads a version of the history (its path) and puts it in place of the document, as Use
    // does with a profile; one that cannot be read changes nothing, and the message names its
    // file and why.
    void ShowVersion(const std::string& path, const std::function<void()>& show);
    // The folder's history (see History).
    History FileHistory() const { return History(platform_, path_); }
    // Writes the document to f1graphics.cfg (see GameFile::Save).
    bool Save();
    // Writes what Save would write into the profile of that name, keeping the profile it
    // replaces as its backup.
    void WriteProfile(const std::string& name, bool replacing);
    // The same with the bytes given (a version of the history).
    void WriteProfile(const std::string& name, bool replacing, std::string_view bytes);
    // The folder's profiles, the one in use marked; none without a folder.
    std::vector<Profile> Profiles() const;

    // Runs work on a file of the folder (path: the file it is about): a failure of a file,
    // of the registry lookup or of a line the document lacks is raised again with the
    // message's second line.
    void About(const std::string& path, const std::function<void()>& work) const;

private:
    Platform& platform_;
    const Texts& texts_;
    GameFile file_;
    std::string path_;
};

} // namespace korvane
