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

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

// Where a Load takes its game folder from.
enum class FolderSource { CommandLine, LastUsed, Installer, None };
struct FoundFolder {
    std::string path;
    FolderSource source = FolderSource::None;
    bool operator==(const FoundFolder&) const = default;
};

// A game folder the window offers: the installer's, the ones chosen, the /game one.
struct KnownFolder {
    std::string path;
    bool open = false;      // the folder open now
    bool gone = false;      // nothing stands at its path any more
    bool removable = false; // one the player chose, which the list may forget
    bool operator==(const KnownFolder&) const = default;
};

// The same folder, whatever the letter case and a separator at the end.
bool SameFolder(std::string_view a, std::string_view b) noexcept;
// A path shortened to at most maxChars characters: its first part, "..." and as many of its
// last parts as fit.
std::string ShortenedPath(const std::string& path, std::size_t maxChars);

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

    // Where Load takes its folder from, the first that names one: the /game folder; then in
    // the window the one used last in the window before the installer's registry value,
    // without a window (/use) the registry's before the one used last in the window. The
    // registry is asked only when it is needed.
    FoundFolder Locate(bool window);
    // Locate without a window; without a folder the message says so, and nothing is opened.
    std::string Find();
    // The message that a folder cannot be opened (it is a file, on a drive not ready, or
    // cannot be read), with the folder in it; empty for a folder and for one that is gone.
    std::string Refusal(const std::string& folder);
    // A folder the player chose in the window: refused with a message unless it is a folder
    // that holds f1graphics.cfg (nothing is created there); then kept as chosen and as the
    // one used last.
    void Choose(const std::string& folder);
    // Keeps a folder opened from the window's list as the one used last.
    void Used(const std::string& folder);
    // Forgets a folder the player chose (and, if it was used last, that).
    void Forget(const std::string& folder);
    // The folders the window offers, in this order without repeats: the installer's, the
    // ones chosen (newest first), the /game one.
    std::vector<KnownFolder> Known();
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
    // Writes the document to f1graphics.cfg (see GameFile::Save); show fills the window from
    // the document when the game's lines joined it.
    bool Save(const std::function<void()>& show = {});
    // Writes what Save would write into the profile of that name, keeping the profile it
    // replaces as its backup.
    void WriteProfile(const std::string& name, bool replacing);
    // The same with the bytes given (a version of the history).
    void WriteProfile(const std::string& name, bool replacing, std::string_view bytes);
    // The folder's profiles, the one in use marked; none without a folder.
    std::vector<Profile> Profiles() const;

    // A document shown whole may hold a value the setting pages cannot show (no whole number
    // where a control reads one): the message names the first such line, the file (path)
    // and the remedy. Nothing is raised when every line can be shown.
    void RaiseUnshownLine(const std::string& path) const;

    // Runs work on a file of the folder (path: the file it is about): a failure of a file,
    // of the registry lookup or of a line the document lacks is raised again with the
    // message's second line.
    void About(const std::string& path, const std::function<void()>& work) const;

private:
    Platform& platform_;
    const Texts& texts_;
    GameFile file_;
    std::string path_;
    // The installer's registry value as Locate last read it, else read now; a lookup that
    // fails counts as none.
    std::optional<std::string> installer_;
    std::string Installer() noexcept;
    void Remember(RememberedFolders folders);
};

} // namespace korvane
