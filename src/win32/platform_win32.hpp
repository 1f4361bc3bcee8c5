// The real Platform: the Windows registry, files by path, message boxes and closing the
// main window.
#pragma once

#include "file/platform.hpp"

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvane::win32 {

// The registry key and value that name the game's directory.
inline constexpr const char* kInstallDirKey = korvane::kInstallDirKey.data();
inline constexpr const char* kInstallDirValue = korvane::kInstallDirValue.data();

// Maps a system error code to the file layer's I/O result (2, 3, 4, 5 pass through;
// ERROR_HANDLE_DISK_FULL and ERROR_DISK_FULL become 101; a file that ReplaceFile could not
// move or remove, 5; others stay as they are).
int IoResultFromSystemError(DWORD error) noexcept;

// The registry lookup, opened for reading only. Empty when the key cannot be opened, the
// value is missing or its size is 0; RegistryError when reading fails or the type is
// neither REG_SZ nor REG_EXPAND_SZ. The data is cut at its first zero byte, not expanded.
std::string LookupInstallDirIn(HKEY root, const char* subKey, const char* valueName);

// Whole-file read without locking the file: other programs may write it meanwhile. The
// file's size and last-write time before and after the read must agree, else it is read
// again, three reads in all, before FileChangingError; IoError on failure, naming the file
// (a full path) and what the system said of it. afterEachRead
// (for tests) runs after each read, before the second look.
std::string ReadWholeFile(const std::string& path, const std::function<void()>& afterEachRead = {});
// Writes the new content to path + ".tmp" (visible, normal attributes; a leftover of that
// name is removed first, a read-only one too, and a directory of that name fails with
// IoError(5) before anything is written), flushes it and replaces the original in one step,
// then sets the original's hidden, system, archive and not-indexed attributes on the result.
// On a failure the original is untouched, the temporary file removed, and IoError thrown.
// With a backup path and an existing original, the original becomes the backup (replacing
// an older one) in the same step; a backup that is read-only or a directory fails with
// IoError(5) before anything is written. When that step fails after the original was moved
// away and cannot be put back, ReplacementKeptError names where the new content is. An
// IoError names the file that stood in the way (the backup, say) by its full path.
void ReplaceWholeFile(const std::string& path, std::string_view bytes,
                      const std::string& backupPath = {});
// The step of a replacement with a backup: replacement takes the place of path, and path
// becomes backupPath (ReplaceFileW). When the system has already moved the original to the
// backup's name but cannot move the replacement in, the original is moved back. IoError on
// failure; the replacement is then still where it was. When the original cannot be moved
// back, the replacement is moved to path + ".new" (replacing an older one), or stays where it
// is when that fails, and ReplacementKeptError names it. beforeMoveBack (for tests) runs
// just before the original is moved back.
void ReplaceKeepingBackup(const std::string& path, const std::string& replacement,
                          const std::string& backupPath,
                          const std::function<void()>& beforeMoveBack = {});
// The application's title, from the program file's name.
std::string ProgramTitle();
// The program file's full path.
std::string ProgramPath();
// True when a file (not a directory) exists at path.
bool FileExistsAt(const std::string& path);
// A path longer than the system limit in a form the file functions accept ("\\?\" for a
// full path), or IoError(3) when it cannot be expressed.
std::string LongPathForm(const std::string& path);
// Text of the ANSI code page in the system's UTF-16.
std::wstring FromAnsi(std::string_view text);
// Text of the system's UTF-16 in the ANSI code page; a character it cannot hold becomes '?'
// (no best fit), which no profile's name or path holds.
std::string Narrow(const wchar_t* text);

class Win32Platform : public Platform {
public:
    // The window that owns message boxes and that CloseProgram closes; may be null.
    void SetOwner(HWND owner) noexcept { owner_ = owner; }
    HWND Owner() const noexcept { return owner_; }

    // The game's folder given on the command line (/game), in place of the registry's.
    void UseGameFolder(std::string folder) { gameFolder_ = std::move(folder); }
    // /quiet: no box or dialog is shown; a question is answered No (Cancel), an error only
    // ends the command with its exit code.
    void SetQuiet(bool quiet) noexcept { quiet_ = quiet; }

    // Where the folders the player chose are kept: a key under HKEY_CURRENT_USER (tests
    // take one of their own).
    void UseSettingsKey(std::string key) { settingsKey_ = std::move(key); }

    // The registry's value.
    std::string LookupInstallDir() override;
    std::optional<std::string> GameFolderArgument() override { return gameFolder_; }
    // The values GameFolders (REG_MULTI_SZ) and LastGameFolder (REG_SZ) under the settings
    // key (game_folders_win32.cpp).
    RememberedFolders ReadRememberedFolders() override;
    void WriteRememberedFolders(const RememberedFolders& folders) override;
    // IFileOpenDialog picking folders; nothing when quiet.
    std::optional<std::string> ChooseFolder(const std::string& title,
                                            const std::string& start) override;
    // GetFileAttributesW, and a listing to tell a folder that cannot be read.
    FolderState StateOf(const std::string& path) override;
    std::string ReadFile(const std::string& path) override;
    void ReplaceFileContents(const std::string& path, std::string_view bytes,
                             const std::string& backupPath) override;
    bool FileExists(const std::string& path) override;
    // GetFullPathNameW.
    std::string FullPath(const std::string& path) override;
    // The primary display's current mode.
    std::pair<int, int> DesktopResolution() override;
    // MB_ICONERROR | MB_OK with the application's title (from the program file's name).
    void ShowErrorBox(const std::string& text) override;
    // A line of debug output (OutputDebugString).
    void ReportUnshown(const std::string& text) noexcept override;
    // MB_ICONWARNING | MB_YESNO | MB_DEFBUTTON2 with the application's title; "\r" in the
    // text are line breaks. A box that cannot be shown counts as No.
    bool AskYesNo(const std::string& text) override;
    // MB_ICONQUESTION | MB_YESNOCANCEL (Yes the default) with the application's title.
    Answer AskYesNoCancel(const std::string& text) override;
    // Caption "Error", MB_ICONERROR | MB_OK; "\r" in the text are line breaks.
    void ShowErrorDialog(const std::string& text) override;
    // Closes the owner window (which ends the program), or posts WM_QUIT without one.
    void CloseProgram() override;
    // FindFirstFileW, sorted by StrCmpLogicalW (Explorer's own order); a name the ANSI code
    // page cannot spell is left out, since no ANSI path could open it.
    std::vector<FileEntry> ListFiles(const std::string& folder) override;
    // GetLocalTime.
    DateTime LocalTime() override;
    // CreateDirectoryW; a folder there already is no failure.
    void MakeFolder(const std::string& path) override;
    // DeleteFileW.
    bool RemoveFile(const std::string& path) override;
    // A dialog of its own (text_dialog.cpp), Unicode; OK and Cancel have the message boxes'
    // words.
    std::optional<std::string> AskText(const std::string& caption, const std::string& label,
                                       const std::string& text,
                                       const std::string& unheldRule) override;

private:
    HWND owner_ = nullptr;
    std::optional<std::string> gameFolder_;
    std::string settingsKey_ = "Software\\Korvane";
    bool quiet_ = false;
};

} // namespace korvane::win32
