// What the form model needs from the system. The Windows front end implements it; native
// tests fake it.
#pragma once

#include <compare>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace korvane {

// Where the game names its folder: the value kInstallDirValue under this key of
// HKEY_LOCAL_MACHINE.
inline constexpr std::string_view kInstallDirKey =
    "SOFTWARE\\Infogrames\\Grand Prix 4\\1.00\\Install Dir";
inline constexpr std::string_view kInstallDirValue = "Directory";

// A local date and time, to the second.
struct DateTime {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    auto operator<=>(const DateTime&) const = default;
};

// A file of a folder's listing: its name and its size in bytes.
struct FileEntry {
    std::string name;
    unsigned long long size = 0;
    bool operator==(const FileEntry&) const = default;
};

// The game folders the player chose in the window, kept per user between runs: the ones
// chosen (newest first) and the one used last.
struct RememberedFolders {
    std::vector<std::string> chosen;
    std::string last;
    bool operator==(const RememberedFolders&) const = default;
};

// What stands at a folder's path.
enum class FolderState { Folder, Missing, File, DriveNotReady, Unreadable };

class Platform {
public:
    virtual ~Platform() = default;

    // The game's directory from the registry (empty when the key or value is missing or
    // empty); throws RegistryError for the lookup's own failures.
    virtual std::string LookupInstallDir() = 0;
    // The game folder named on the command line (/game), as a full path; none without.
    virtual std::optional<std::string> GameFolderArgument() { return std::nullopt; }
    // The folders remembered for this user (none when nothing was kept), and keeping them;
    // a failure to keep them throws IoError.
    virtual RememberedFolders ReadRememberedFolders() = 0;
    virtual void WriteRememberedFolders(const RememberedFolders& folders) = 0;
    // The system's modal folder dialog with that title, starting in start (when it names a
    // folder); the full path of the folder chosen, or nothing for Cancel.
    virtual std::optional<std::string> ChooseFolder(const std::string& title,
                                                    const std::string& start) = 0;
    // What stands at path: a folder, nothing, a file, a drive that is not ready, or a folder
    // whose content cannot be listed.
    virtual FolderState StateOf(const std::string& path) = 0;
    // A whole file's bytes, read without locking it; throws IoError with the file layer's
    // result number, and FileChangingError when the file changed during each of three reads.
    virtual std::string ReadFile(const std::string& path) = 0;
    // Replaces a file's content so that a failure leaves the old content intact, keeping the
    // file's attributes; throws IoError. The new content is written to path + ".tmp" first
    // (a leftover of that name is removed). When the file exists and backupPath is not empty,
    // the file as it was before is kept under backupPath (an older backup is replaced), and
    // a backup that cannot be made fails the whole replacement. When the original was moved
    // to backupPath and cannot be moved back, the new content is kept in path + ".new" (or
    // the temporary file) and ReplacementKeptError names it.
    virtual void ReplaceFileContents(const std::string& path, std::string_view bytes,
                                     const std::string& backupPath) = 0;
    // The primary screen's width and height in pixels; 0 when unknown.
    virtual std::pair<int, int> DesktopResolution() = 0;
    // True when a file (not a directory) of that name exists.
    virtual bool FileExists(const std::string& path) = 0;
    // The full path a file name stands for (a relative one in the working folder).
    virtual std::string FullPath(const std::string& path) { return path; }
    // The global error box: the text as given (already with its "."), error icon, OK,
    // the application's title.
    virtual void ShowErrorBox(const std::string& text) = 0;
    // A failure no box can show (the box itself failed): a line of debug output.
    virtual void ReportUnshown(const std::string& text) noexcept = 0;
    // A modal question: the text ("\r" breaks lines), warning icon, Yes and No with No as the
    // default, the application's title. True for Yes.
    virtual bool AskYesNo(const std::string& text) = 0;
    enum class Answer { Yes, No, Cancel };
    // A modal question: the text ("\r" breaks lines), question icon, Yes, No and Cancel with
    // Yes as the default, the application's title. A box that cannot be shown is Cancel.
    virtual Answer AskYesNoCancel(const std::string& text) = 0;
    // The modal error dialog of the language start-up: caption "Error", error icon, OK.
    virtual void ShowErrorDialog(const std::string& text) = 0;
    // Ends the program (closes the main window).
    virtual void CloseProgram() = 0;
    // The files (not folders) in a folder with their sizes, sorted as Explorer sorts them;
    // none when the folder cannot be listed. Nothing is opened.
    virtual std::vector<FileEntry> ListFiles(const std::string& folder) = 0;
    // The local date and time now.
    virtual DateTime LocalTime() = 0;
    // Makes a folder (one that is there already is no failure); throws IoError.
    virtual void MakeFolder(const std::string& path) = 0;
    // Removes a file; false when it could not be removed.
    virtual bool RemoveFile(const std::string& path) = 0;
    // A small modal dialog that asks for a line of text: the caption, a label before the
    // field, the field holding text and focused, OK (Enter) and Cancel (Esc). The text
    // typed, or nothing for Cancel. The field takes any character; OK on one that the ANSI
    // code page cannot hold shows unheldRule (an error text whose %1 stands for those
    // characters) and keeps the dialog open, so no character is ever replaced by another.
    virtual std::optional<std::string> AskText(const std::string& caption, const std::string& label,
                                               const std::string& text,
                                               const std::string& unheldRule) = 0;
};

} // namespace korvane
