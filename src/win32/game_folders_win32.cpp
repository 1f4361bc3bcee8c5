// The game folders of the real platform: the folders remembered per user under
// HKEY_CURRENT_USER\Software\Korvane (nothing under HKEY_LOCAL_MACHINE is ever written), the
// system's folder dialog, and what stands at a folder's path.
#include "win32/platform_win32.hpp"

#include "file/errors.hpp"
#include "win32/handles.hpp"

#include <objbase.h>
#include <shobjidl.h>

namespace korvane::win32 {

namespace {

// The values under the key: the folders chosen (newest first) and the one used last.
constexpr const char* kChosenValue = "GameFolders";
constexpr const char* kLastValue = "LastGameFolder";

// A value's bytes, empty when it is missing or of another type.
std::string ValueBytes(HKEY key, const char* name, DWORD wanted) {
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExA(key, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        type != wanted || size == 0) {
        return {};
    }
    std::string bytes(size, '\0');
    if (RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(bytes.data()), &size) !=
        ERROR_SUCCESS) {
        return {};
    }
    bytes.resize(size);
    return bytes;
}

// Releases a COM interface when it goes.
template <class I> struct Com {
    I* p = nullptr;
    ~Com() {
        if (p) {
            p->Release();
        }
    }
    I** operator&() { return &p; }
    I* operator->() const { return p; }
};

} // namespace

RememberedFolders Win32Platform::ReadRememberedFolders() {
    RememberedFolders folders;
    UniqueKey key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, settingsKey_.c_str(), 0, KEY_READ, key.Receive()) !=
        ERROR_SUCCESS) {
        return folders;
    }
    const std::string chosen = ValueBytes(key.Get(), kChosenValue, REG_MULTI_SZ);
    for (std::size_t at = 0; at < chosen.size();) {
        const std::size_t end = chosen.find('\0', at);
        const std::string folder = chosen.substr(at, end - at);
        if (folder.empty()) {
            break;
        }
        folders.chosen.push_back(folder);
        at = end == std::string::npos ? end : end + 1;
    }
    folders.last = ValueBytes(key.Get(), kLastValue, REG_SZ);
    folders.last.resize(folders.last.find('\0') == std::string::npos ? folders.last.size()
                                                                     : folders.last.find('\0'));
    return folders;
}

void Win32Platform::WriteRememberedFolders(const RememberedFolders& folders) {
    UniqueKey key;
    LSTATUS status = RegCreateKeyExA(HKEY_CURRENT_USER, settingsKey_.c_str(), 0, nullptr, 0,
                                     KEY_SET_VALUE, nullptr, key.Receive(), nullptr);
    std::string chosen;
    for (const std::string& folder : folders.chosen) {
        chosen += folder + '\0';
    }
    chosen += '\0';
    if (status == ERROR_SUCCESS) {
        status = RegSetValueExA(key.Get(), kChosenValue, 0, REG_MULTI_SZ,
                                reinterpret_cast<const BYTE*>(chosen.data()),
                                static_cast<DWORD>(chosen.size()));
    }
    if (status == ERROR_SUCCESS) {
        status = RegSetValueExA(key.Get(), kLastValue, 0, REG_SZ,
                                reinterpret_cast<const BYTE*>(folders.last.c_str()),
                                static_cast<DWORD>(folders.last.size() + 1));
    }
    if (status != ERROR_SUCCESS) {
        throw IoError(IoResultFromSystemError(static_cast<DWORD>(status)),
                      "HKEY_CURRENT_USER\\" + settingsKey_);
    }
}

std::optional<std::string> Win32Platform::ChooseFolder(const std::string& title,
                                                       const std::string& start) {
    if (quiet_) {
        return std::nullopt;
    }
    const HRESULT init = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    struct Uninit {
        bool on;
        ~Uninit() {
            if (on) {
                CoUninitialize();
            }
        }
    } uninit{SUCCEEDED(init)};
    Com<IFileOpenDialog> dialog;
    if (FAILED(CoCreateInstance(CLSID_FileOpenDialog, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IFileOpenDialog, reinterpret_cast<void**>(&dialog)))) {
        throw std::runtime_error("The folder dialog cannot be shown");
    }
    FILEOPENDIALOGOPTIONS options = 0;
    dialog->GetOptions(&options);
    dialog->SetOptions(options | FOS_PICKFOLDERS | FOS_FORCEFILESYSTEM | FOS_PATHMUSTEXIST);
    dialog->SetTitle(FromAnsi(title).c_str());
    if (!start.empty()) {
        Com<IShellItem> folder;
        if (SUCCEEDED(SHCreateItemFromParsingName(FromAnsi(start).c_str(), nullptr, IID_IShellItem,
                                                  reinterpret_cast<void**>(&folder)))) {
            dialog->SetFolder(folder.p);
        }
    }
    if (dialog->Show(owner_) != S_OK) {
        return std::nullopt; // Cancel
    }
    Com<IShellItem> result;
    wchar_t* path = nullptr;
    if (FAILED(dialog->GetResult(&result)) ||
        FAILED(result->GetDisplayName(SIGDN_FILESYSPATH, &path))) {
        return std::nullopt;
    }
    std::string chosen = Narrow(path);
    CoTaskMemFree(path);
    while (chosen.size() > 3 && chosen.back() == '\\') {
        chosen.pop_back();
    }
    return chosen;
}

FolderState Win32Platform::StateOf(const std::string& path) {
    const std::wstring wide = FromAnsi(path);
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        switch (GetLastError()) {
        case ERROR_NOT_READY:
            return FolderState::DriveNotReady;
        case ERROR_ACCESS_DENIED:
            return FolderState::Unreadable;
        default:
            return FolderState::Missing;
        }
    }
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
        return FolderState::File;
    }
    WIN32_FIND_DATAW found{};
    const HANDLE find = FindFirstFileW((wide + L"\\*").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        return error == ERROR_NOT_READY        ? FolderState::DriveNotReady
               : error == ERROR_FILE_NOT_FOUND ? FolderState::Folder
                                               : FolderState::Unreadable;
    }
    FindClose(find);
    return FolderState::Folder;
}

} // namespace korvane::win32
