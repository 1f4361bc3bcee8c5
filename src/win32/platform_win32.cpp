#include "win32/platform_win32.hpp"

#include "file/errors.hpp"
#include "file/text.hpp"
#include "win32/handles.hpp"
#include "win32/report.hpp"

#include <shlwapi.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace korvane::win32 {

namespace {

// What a system error says stood in the way: mostly what its I/O result says; ReplaceFileW's
// original that cannot be removed is held open by another program.
FileProblem ProblemOfSystemError(DWORD error) noexcept {
    return error == ERROR_UNABLE_TO_REMOVE_REPLACED
               ? FileProblem::InUse
               : ProblemOfResult(IoResultFromSystemError(error));
}

// path: the file the call was about, where it is not the one its caller names.
[[noreturn]] void ThrowLastIoError(const std::string& path = {}) {
    const DWORD error = GetLastError();
    throw IoError(IoResultFromSystemError(error), path, ProblemOfSystemError(error));
}

// A name that the system cannot take.
[[noreturn]] void ThrowBadName() {
    throw IoError(3, {}, FileProblem::Unknown);
}

// Paths are 8-bit in the ANSI code page; the wide functions take the "\\?\" form of any
// length, where some ANSI ones stop at MAX_PATH.
std::wstring Widen(const std::string& text) {
    if (text.empty()) {
        return std::wstring();
    }
    if (text.size() > static_cast<std::size_t>(INT32_MAX)) {
        ThrowBadName();
    }
    const int n = static_cast<int>(text.size());
    const int wide = MultiByteToWideChar(CP_ACP, 0, text.data(), n, nullptr, 0);
    if (wide <= 0) {
        ThrowBadName();
    }
    std::wstring out(static_cast<std::size_t>(wide), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), n, out.data(), wide);
    // A NUL inside the name would make the system see a shorter name than the one given.
    if (out.find(L'\0') != std::wstring::npos) {
        ThrowBadName();
    }
    return out;
}

std::wstring SystemPath(const std::string& path) {
    return Widen(LongPathForm(path));
}

// The full path a file name stands for, as the player would type it: a relative name in the
// working folder; the name as given where the system cannot tell.
std::string FullPathOf(const std::string& path) {
    try {
        const std::wstring name = Widen(path);
        std::wstring full(MAX_PATH, L'\0');
        for (int attempt = 0; attempt < 2; ++attempt) {
            const DWORD n = GetFullPathNameW(name.c_str(), static_cast<DWORD>(full.size()),
                                             full.data(), nullptr);
            if (n == 0) {
                return path;
            }
            if (n < full.size()) {
                full.resize(n);
                BOOL lost = FALSE;
                const int size =
                    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, full.c_str(),
                                        static_cast<int>(n), nullptr, 0, nullptr, &lost);
                if (size <= 0 || lost) {
                    return path;
                }
                std::string out(static_cast<std::size_t>(size), '\0');
                WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, full.c_str(), static_cast<int>(n),
                                    out.data(), size, nullptr, nullptr);
                return out;
            }
            full.resize(n);
        }
    } catch (const IoError&) {
    }
    return path;
}

// Runs work on a file: a failure that names no file is raised again naming this one (a full
// path). A replacement whose new content was kept names its own file.
template <class Work> auto NamingFile(const std::string& path, Work work) -> decltype(work()) {
    try {
        return work();
    } catch (const ReplacementKeptError&) {
        throw;
    } catch (const IoError& e) {
        if (!e.path().empty()) {
            throw;
        }
        throw IoError(e.code(), FullPathOf(path), e.problem());
    }
}

bool IsSeparator(char c) noexcept {
    return c == '\\' || c == '/';
}

bool IsDriveLetter(char c) noexcept {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// The components after a root, as the system would resolve them: empty and "." parts
// dropped, ".." taking back the part before it, trailing dots and blanks removed.
std::string NormalisedRest(std::string_view rest) {
    std::vector<std::string_view> parts;
    std::size_t i = 0;
    while (i <= rest.size()) {
        std::size_t j = i;
        while (j < rest.size() && !IsSeparator(rest[j])) {
            ++j;
        }
        std::string_view part = rest.substr(i, j - i);
        if (part == "..") {
            if (!parts.empty()) {
                parts.pop_back();
            }
        } else if (part != ".") {
            while (!part.empty() && (part.back() == '.' || part.back() == ' ')) {
                part.remove_suffix(1);
            }
            if (!part.empty()) {
                parts.push_back(part);
            }
        }
        i = j + 1;
    }
    std::string out;
    for (std::size_t k = 0; k < parts.size(); ++k) {
        if (k > 0) {
            out += '\\';
        }
        out += parts[k];
    }
    return out;
}

// The attributes of an open file, or 0 when they cannot be had.
DWORD AttributesOf(HANDLE file) {
    BY_HANDLE_FILE_INFORMATION info;
    return GetFileInformationByHandle(file, &info) ? info.dwFileAttributes : 0;
}

// What changes when another program writes a file: its size and last-write time.
struct FileState {
    unsigned long long size = 0;
    unsigned long long written = 0;
    bool operator==(const FileState&) const = default;
};

unsigned long long Combined(DWORD high, DWORD low) noexcept {
    return (static_cast<unsigned long long>(high) << 32) | low;
}

template <typename Info> FileState StateOf(const Info& info) noexcept {
    return {Combined(info.nFileSizeHigh, info.nFileSizeLow),
            Combined(info.ftLastWriteTime.dwHighDateTime, info.ftLastWriteTime.dwLowDateTime)};
}

// How often a file that changes while it is read is read before the read gives up.
constexpr int kReadAttempts = 3;

// The bytes of an open file from where it stands to its end; size is what it is expected to
// hold. A file that grew meanwhile is still read whole (one byte more than the size, so that
// one that did not needs no second buffer).
std::string ReadOpenFile(HANDLE file, unsigned long long size) {
    std::string bytes;
    if (size >= bytes.max_size() / 2) {
        throw IoError(IoResultFromSystemError(ERROR_NOT_ENOUGH_MEMORY));
    }
    bytes.resize(static_cast<std::size_t>(size) + 1);
    std::size_t got = 0;
    for (;;) {
        if (got == bytes.size()) {
            bytes.resize(bytes.size() + (bytes.size() / 2) + 4096);
        }
        const DWORD want =
            static_cast<DWORD>(std::min<std::size_t>(bytes.size() - got, std::size_t{1} << 30));
        DWORD read = 0;
        if (!::ReadFile(file, bytes.data() + got, want, &read, nullptr)) {
            ThrowLastIoError();
        }
        if (read == 0) {
            break;
        }
        got += read;
    }
    bytes.resize(got);
    return bytes;
}

// The temporary file of a replacement, beside its target under the target's name with
// ".tmp" (visible, so that a leftover can be seen and is removed by the next replacement):
// removed when it goes unless it was moved into place or kept.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::string& target)
        : path_(target + ".tmp"), system_(SystemPath(path_)) {}
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() {
        if (owned_) {
            DeleteFileW(system_.c_str());
        }
    }

    // Removes a leftover of the name (a read-only one too; a directory fails with IoError(5))
    // and creates the file new and empty, with normal attributes; returns its open handle.
    UniqueHandle Create() {
        const DWORD leftover = GetFileAttributesW(system_.c_str());
        if (leftover != INVALID_FILE_ATTRIBUTES) {
            if (leftover & FILE_ATTRIBUTE_DIRECTORY) {
                throw IoError(5, FullPathOf(path_), FileProblem::Folder);
            }
            if (leftover &
                (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) {
                SetFileAttributesW(system_.c_str(), FILE_ATTRIBUTE_NORMAL);
            }
            if (!DeleteFileW(system_.c_str()) && GetLastError() != ERROR_FILE_NOT_FOUND) {
                ThrowLastIoError(FullPathOf(path_));
            }
        } else if (GetLastError() != ERROR_FILE_NOT_FOUND) {
            ThrowLastIoError();
        }
        UniqueHandle file(CreateFileW(system_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file.Valid()) {
            ThrowLastIoError();
        }
        owned_ = true;
        return file;
    }

    const std::string& Path() const noexcept { return path_; }
    // The file now has its final name, or is kept: nothing to remove.
    void Release() noexcept { owned_ = false; }

private:
    std::string path_;
    std::wstring system_;
    bool owned_ = false;
};

void WriteAll(HANDLE file, std::string_view bytes) {
    constexpr std::size_t kChunk = 16u << 20;
    while (!bytes.empty()) {
        const DWORD want = static_cast<DWORD>(std::min(bytes.size(), kChunk));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), want, &written, nullptr)) {
            ThrowLastIoError();
        }
        if (written != want) {
            throw IoError(101); // fewer bytes written than given
        }
        bytes.remove_prefix(written);
    }
}

} // namespace

std::string ProgramPath() {
    std::string exe(MAX_PATH, '\0');
    for (;;) {
        const DWORD n = GetModuleFileNameA(nullptr, exe.data(), static_cast<DWORD>(exe.size()));
        if (n < exe.size()) {
            exe.resize(n);
            return exe;
        }
        exe.resize(exe.size() * 2);
    }
}

std::string ProgramTitle() {
    return ApplicationTitle(ProgramPath());
}

std::wstring FromAnsi(std::string_view text) {
    if (text.empty()) {
        return {};
    }
    const int n = static_cast<int>(text.size());
    std::wstring wide(
        static_cast<std::size_t>(MultiByteToWideChar(CP_ACP, 0, text.data(), n, nullptr, 0)),
        L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), n, wide.data(), static_cast<int>(wide.size()));
    return wide;
}

std::string Narrow(const wchar_t* text) {
    const int n =
        WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text, -1, nullptr, 0, nullptr, nullptr);
    if (n <= 1) {
        return {};
    }
    std::string out(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text, -1, out.data(), n, nullptr, nullptr);
    out.pop_back(); // the terminating zero
    return out;
}

namespace {

// A message box breaks lines at CR LF; the texts break them with a CR alone.
std::string WithCrLf(const std::string& text) {
    std::string shown;
    shown.reserve(text.size() + 8);
    for (std::size_t i = 0; i < text.size(); ++i) {
        shown += text[i];
        if (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')) {
            shown += '\n';
        }
    }
    return shown;
}

// The attributes a replacement takes over from the file it replaces. Wine's ReplaceFileW
// merges none of them, and MoveFileExW never does, so they are set on the result.
constexpr DWORD kKeptAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                  FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

// A backup already there must be a file the program may replace. A read-only one is kept as
// it is (Wine's ReplaceFileW would replace it, Windows refuses), and a directory cannot be
// replaced: both fail before anything is written.
void CheckBackupReplaceable(const std::string& backupPath) {
    const DWORD attributes = GetFileAttributesW(SystemPath(backupPath).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        if (GetLastError() != ERROR_FILE_NOT_FOUND) {
            ThrowLastIoError(FullPathOf(backupPath));
        }
        return;
    }
    if (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) {
        throw IoError(5, FullPathOf(backupPath),
                      attributes & FILE_ATTRIBUTE_DIRECTORY ? FileProblem::Folder
                                                            : FileProblem::ReadOnly);
    }
}

// The new content of a replacement whose original could not be put back: moved to the
// target's name with ".new" (replacing an older one), visible; where that fails it stays
// under its own name. Returns the name that holds it.
std::string KeepReplacement(const std::string& path, const std::string& replacement) {
    const std::string kept = path + ".new";
    try {
        const std::wstring keptName = SystemPath(kept);
        // An older one goes, even a read-only or hidden one; a folder stays.
        const DWORD older = GetFileAttributesW(keptName.c_str());
        if (older != INVALID_FILE_ATTRIBUTES && !(older & FILE_ATTRIBUTE_DIRECTORY) &&
            (older & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM))) {
            SetFileAttributesW(keptName.c_str(), FILE_ATTRIBUTE_NORMAL);
        }
        if (MoveFileExW(SystemPath(replacement).c_str(), keptName.c_str(),
                        MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED |
                            MOVEFILE_WRITE_THROUGH)) {
            SetFileAttributesW(keptName.c_str(), FILE_ATTRIBUTE_NORMAL);
            return kept;
        }
    } catch (const IoError&) {
        // a name the system cannot take: the content stays where it is
    }
    return replacement;
}

void ReplaceKeepingBackupAt(const std::string& path, const std::string& replacement,
                            const std::string& backupPath,
                            const std::function<void()>& beforeMoveBack = {}) {
    const std::wstring target = SystemPath(path);
    const std::wstring backup = SystemPath(backupPath);
    if (ReplaceFileW(target.c_str(), SystemPath(replacement).c_str(), backup.c_str(), 0, nullptr,
                     nullptr)) {
        return;
    }
    const DWORD error = GetLastError();
    if (error == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2) {
        // The original already has the backup's name (the older backup is gone) and the new
        // content could not take its place: the original goes back, unless something new has
        // appeared under its name meanwhile (then the original stays safe as the backup).
        if (beforeMoveBack) {
            beforeMoveBack();
        }
        if (!MoveFileExW(backup.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH)) {
            // Nothing has the target's name now, or something else has: the new content must
            // not be lost with the temporary file.
            throw ReplacementKeptError(IoResultFromSystemError(error),
                                       KeepReplacement(path, replacement));
        }
    }
    throw IoError(IoResultFromSystemError(error), {}, ProblemOfSystemError(error));
}

} // namespace

int IoResultFromSystemError(DWORD error) noexcept {
    switch (error) {
    case ERROR_HANDLE_DISK_FULL:
    case ERROR_DISK_FULL:
        return 101;
    // ReplaceFileW's own results say which file it could not move or remove, not why: to the
    // player, the file could not be changed.
    case ERROR_UNABLE_TO_REMOVE_REPLACED:
    case ERROR_UNABLE_TO_MOVE_REPLACEMENT:
    case ERROR_UNABLE_TO_MOVE_REPLACEMENT_2:
        return 5;
    default:
        return static_cast<int>(error);
    }
}

std::string LookupInstallDirIn(HKEY root, const char* subKey, const char* valueName) {
    // Reading is all the lookup does; asking for more would fail for ordinary users on
    // HKEY_LOCAL_MACHINE and make the key look absent.
    UniqueKey key;
    if (RegOpenKeyExA(root, subKey, 0, KEY_READ, key.Receive()) != ERROR_SUCCESS) {
        return std::string();
    }
    for (int attempt = 0; attempt < 8; ++attempt) {
        DWORD size = 0;
        if (RegQueryValueExA(key.Get(), valueName, nullptr, nullptr, nullptr, &size) !=
                ERROR_SUCCESS ||
            size == 0) {
            return std::string();
        }
        std::string data(size, '\0');
        DWORD type = REG_NONE;
        const LSTATUS status = RegQueryValueExA(key.Get(), valueName, nullptr, &type,
                                                reinterpret_cast<BYTE*>(data.data()), &size);
        if (status == ERROR_MORE_DATA) {
            continue; // the value grew between the two questions
        }
        if (status != ERROR_SUCCESS) {
            break;
        }
        if (type != REG_SZ && type != REG_EXPAND_SZ) {
            throw RegistryError(std::string("Invalid data type for '") + valueName + "'");
        }
        data.resize(std::min<std::size_t>(size, data.size()));
        const std::size_t zero = data.find('\0');
        if (zero != std::string::npos) {
            data.resize(zero);
        }
        return data;
    }
    throw RegistryError(std::string("Failed to get data for '") + valueName + "'");
}

std::string LongPathForm(const std::string& path) {
    if (path.size() < MAX_PATH || path.rfind("\\\\?\\", 0) == 0) {
        return path;
    }
    if (path.size() >= 3 && IsDriveLetter(path[0]) && path[1] == ':' && IsSeparator(path[2])) {
        return "\\\\?\\" + path.substr(0, 2) + "\\" + NormalisedRest(path.substr(3));
    }
    // \\server\share\...: the share stays as given, the rest is resolved.
    if (path.size() > 2 && IsSeparator(path[0]) && IsSeparator(path[1]) && path[2] != '?' &&
        path[2] != '.') {
        const std::size_t server = path.find_first_of("\\/", 2);
        const std::size_t share =
            server == std::string::npos ? server : path.find_first_of("\\/", server + 1);
        if (server != std::string::npos && server > 2 && share != std::string::npos &&
            share > server + 1) {
            return "\\\\?\\UNC\\" + path.substr(2, server - 2) + "\\" +
                   path.substr(server + 1, share - server - 1) + "\\" +
                   NormalisedRest(std::string_view(path).substr(share + 1));
        }
    }
    ThrowBadName();
}

namespace {

std::string ReadWholeFileAt(const std::string& path, const std::function<void()>& afterEachRead) {
    const std::wstring name = SystemPath(path);
    for (int attempt = 0; attempt < kReadAttempts; ++attempt) {
        // Shared for every use: the file is never locked, the game can write or delete it
        // while it is read here.
        UniqueHandle file(CreateFileW(name.c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
        if (!file.Valid()) {
            // A folder of the file's name cannot be opened so: access denied, which says why.
            const DWORD error = GetLastError();
            const DWORD attributes = GetFileAttributesW(name.c_str());
            if (error == ERROR_ACCESS_DENIED && attributes != INVALID_FILE_ATTRIBUTES &&
                (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
                throw IoError(5, {}, FileProblem::Folder);
            }
            SetLastError(error);
            ThrowLastIoError();
        }
        BY_HANDLE_FILE_INFORMATION before;
        if (!GetFileInformationByHandle(file.Get(), &before)) {
            ThrowLastIoError();
        }
        if (before.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            throw IoError(5, {}, FileProblem::Folder);
        }
        const FileState state = StateOf(before);
        std::string bytes = ReadOpenFile(file.Get(), state.size);
        if (afterEachRead) {
            afterEachRead();
        }
        // The figures of the open file, the one that was read: they change with every write
        // of another program. A look by name could see the figures of a folder entry brought
        // up to date only later, or of another file that took the name (whose content was
        // not read here, so that it does not make this read inconsistent).
        BY_HANDLE_FILE_INFORMATION after;
        if (bytes.size() == state.size && GetFileInformationByHandle(file.Get(), &after) &&
            StateOf(after) == state) {
            return bytes;
        }
    }
    throw FileChangingError();
}

void ReplaceWholeFileAt(const std::string& path, std::string_view bytes,
                        const std::string& backupPath) {
    const std::wstring target = SystemPath(path);
    // The original must be one the program may write, as when it is overwritten in place:
    // a read-only, locked or protected file fails here and is left as it is.
    bool exists = false;
    DWORD kept = 0;
    {
        UniqueHandle original(CreateFileW(target.c_str(), GENERIC_WRITE,
                                          FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                          nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (original.Valid()) {
            const DWORD attributes = AttributesOf(original.Get());
            // The system may let a privileged user open a read-only file for writing; the
            // attribute still says the file is not to be changed.
            if (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) {
                throw IoError(5, {},
                              attributes & FILE_ATTRIBUTE_DIRECTORY ? FileProblem::Folder
                                                                    : FileProblem::ReadOnly);
            }
            exists = true;
            kept = attributes & kKeptAttributes;
        } else if (GetLastError() != ERROR_FILE_NOT_FOUND) {
            ThrowLastIoError();
        }
    }
    // Without an original there is nothing to back up (an older backup stays as it is).
    const bool backUp = exists && !backupPath.empty();
    if (backUp) {
        CheckBackupReplaceable(backupPath);
    }
    TemporaryFile temporary(path);
    UniqueHandle file = temporary.Create();
    WriteAll(file.Get(), bytes);
    if (!FlushFileBuffers(file.Get())) {
        ThrowLastIoError();
    }
    if (!file.Close()) {
        ThrowLastIoError();
    }
    if (backUp) {
        // One call makes the backup and puts the new file in place; on Windows it also
        // carries the original's security descriptor over.
        try {
            ReplaceKeepingBackupAt(path, temporary.Path(), backupPath);
        } catch (const ReplacementKeptError&) {
            temporary.Release(); // it holds the only copy of the new content
            throw;
        }
    } else if (!MoveFileExW(SystemPath(temporary.Path()).c_str(), target.c_str(),
                            MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        // Not ReplaceFileW without a backup: when it cannot move the new file in, it has
        // already deleted the original.
        ThrowLastIoError();
    }
    temporary.Release();
    // The new content is in place: a file that keeps its content but not its attributes
    // (hidden, say) is no failure of the save, only worth a line of debug output.
    if (kept != 0 && !SetFileAttributesW(target.c_str(), kept)) {
        ReportLine("the attributes of " + path + " could not be restored: system error " +
                   std::to_string(GetLastError()));
    }
}

} // namespace

std::string ReadWholeFile(const std::string& path, const std::function<void()>& afterEachRead) {
    return NamingFile(path, [&] { return ReadWholeFileAt(path, afterEachRead); });
}

void ReplaceWholeFile(const std::string& path, std::string_view bytes,
                      const std::string& backupPath) {
    NamingFile(path, [&] { ReplaceWholeFileAt(path, bytes, backupPath); });
}

void ReplaceKeepingBackup(const std::string& path, const std::string& replacement,
                          const std::string& backupPath,
                          const std::function<void()>& beforeMoveBack) {
    ReplaceKeepingBackupAt(path, replacement, backupPath, beforeMoveBack);
}

bool FileExistsAt(const std::string& path) {
    try {
        const DWORD attributes = GetFileAttributesW(SystemPath(path).c_str());
        return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
    } catch (const IoError&) {
        return false; // a name the system cannot take names no file
    }
}

void Win32Platform::ReportUnshown(const std::string& text) noexcept {
    ReportLine(text);
}

std::string Win32Platform::LookupInstallDir() {
    return LookupInstallDirIn(HKEY_LOCAL_MACHINE, kInstallDirKey, kInstallDirValue);
}

std::string Win32Platform::ReadFile(const std::string& path) {
    return ReadWholeFile(path);
}

void Win32Platform::ReplaceFileContents(const std::string& path, std::string_view bytes,
                                        const std::string& backupPath) {
    ReplaceWholeFile(path, bytes, backupPath);
}

std::pair<int, int> Win32Platform::DesktopResolution() {
    // The display mode, not the screen metrics: those shrink for a program the system scales.
    DEVMODEA mode{};
    mode.dmSize = sizeof(mode);
    if (EnumDisplaySettingsA(nullptr, ENUM_CURRENT_SETTINGS, &mode)) {
        return {static_cast<int>(mode.dmPelsWidth), static_cast<int>(mode.dmPelsHeight)};
    }
    return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

bool Win32Platform::FileExists(const std::string& path) {
    return FileExistsAt(path);
}

std::string Win32Platform::FullPath(const std::string& path) {
    return FullPathOf(path);
}

void Win32Platform::ShowErrorBox(const std::string& text) {
    if (quiet_) {
        ReportLine(text);
        return;
    }
    MessageBoxA(owner_, WithCrLf(text).c_str(), ProgramTitle().c_str(), MB_ICONERROR | MB_OK);
}

bool Win32Platform::AskYesNo(const std::string& text) {
    if (quiet_) {
        return false;
    }
    return MessageBoxA(owner_, WithCrLf(text).c_str(), ProgramTitle().c_str(),
                       MB_ICONWARNING | MB_YESNO | MB_DEFBUTTON2) == IDYES;
}

Platform::Answer Win32Platform::AskYesNoCancel(const std::string& text) {
    if (quiet_) {
        return Answer::Cancel;
    }
    switch (MessageBoxA(owner_, WithCrLf(text).c_str(), ProgramTitle().c_str(),
                        MB_ICONQUESTION | MB_YESNOCANCEL | MB_DEFBUTTON1)) {
    case IDYES:
        return Answer::Yes;
    case IDNO:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

void Win32Platform::ShowErrorDialog(const std::string& text) {
    if (quiet_) {
        ReportLine(text);
        return;
    }
    MessageBoxA(owner_, WithCrLf(text).c_str(), "Error", MB_ICONERROR | MB_OK);
}

void Win32Platform::CloseProgram() {
    if (owner_) {
        PostMessageA(owner_, WM_CLOSE, 0, 0);
    } else {
        PostQuitMessage(0);
    }
}

std::vector<FileEntry> Win32Platform::ListFiles(const std::string& folder) {
    struct Found {
        std::wstring name;
        unsigned long long size;
    };
    std::vector<Found> found;
    WIN32_FIND_DATAW data;
    HANDLE find = INVALID_HANDLE_VALUE;
    try {
        find = FindFirstFileW(SystemPath(folder + "\\*").c_str(), &data);
    } catch (const IoError&) {
        return {}; // a folder the system cannot name has no files
    }
    if (find == INVALID_HANDLE_VALUE) {
        return {};
    }
    do {
        if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
            found.push_back({data.cFileName, Combined(data.nFileSizeHigh, data.nFileSizeLow)});
        }
    } while (FindNextFileW(find, &data));
    FindClose(find);
    std::sort(found.begin(), found.end(), [](const Found& a, const Found& b) {
        return StrCmpLogicalW(a.name.c_str(), b.name.c_str()) < 0;
    });
    std::vector<FileEntry> files;
    for (const Found& file : found) {
        BOOL lost = FALSE;
        const int n = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, file.name.c_str(), -1,
                                          nullptr, 0, nullptr, &lost);
        if (n <= 1 || lost) {
            continue;
        }
        std::string name(static_cast<std::size_t>(n), '\0');
        WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, file.name.c_str(), -1, name.data(), n,
                            nullptr, nullptr);
        name.pop_back(); // the terminating zero
        files.push_back({std::move(name), file.size});
    }
    return files;
}

DateTime Win32Platform::LocalTime() {
    SYSTEMTIME t;
    GetLocalTime(&t);
    return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
}

void Win32Platform::MakeFolder(const std::string& path) {
    const std::wstring name = SystemPath(path);
    if (!CreateDirectoryW(name.c_str(), nullptr)) {
        const DWORD error = GetLastError();
        const DWORD attributes = GetFileAttributesW(name.c_str());
        // A file of that name in the way is no folder.
        if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
            throw IoError(IoResultFromSystemError(error), FullPathOf(path),
                          ProblemOfSystemError(error));
        }
    }
}

bool Win32Platform::RemoveFile(const std::string& path) {
    try {
        return DeleteFileW(SystemPath(path).c_str()) != 0;
    } catch (const IoError&) {
        return false;
    }
}

} // namespace korvane::win32
