// The real platform services against Wine's registry and real files in a temporary folder.
#include "win32/platform_win32.hpp"

#include "file/config_document.hpp"
#include "file/errors.hpp"

#include "../lines_file.hpp"
#include "window_test_support.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

using korvane::ConfigDocument;
using korvane::FileChangingError;
using korvane::FileProblem;
using korvane::IoError;
using korvane::RegistryError;
using korvane::ReplacementKeptError;
using korvane::testing::CrLfFile;
using korvane::testing::FileLines;
using korvane::wintest::BoxCatcher;
using korvane::wintest::DemoConfigPath;
using korvane::wintest::FileNamesIn;
using korvane::wintest::MakeTempDir;
using korvane::wintest::ReadBytes;
using korvane::wintest::RemoveTree;
using korvane::wintest::Wide;
using korvane::wintest::WriteBytes;
using namespace korvane::win32;

namespace {

// Runs work and returns the IoError's code, or -1 when nothing was thrown; the error's text
// and the error itself go where asked.
template <typename Work>
int IoCode(Work&& work, std::string* text = nullptr, std::optional<IoError>* caught = nullptr) {
    try {
        work();
    } catch (const IoError& e) {
        if (text) {
            *text = e.what();
        }
        if (caught) {
            caught->emplace(e);
        }
        return e.code();
    }
    return -1;
}

// A fresh folder under the system's temporary folder, removed with everything in it.
class PlatformFiles : public ::testing::Test {
protected:
    void SetUp() override { dir_ = MakeTempDir(); }
    void TearDown() override { RemoveTree(dir_); }

    std::string In(const std::string& name) const { return dir_ + "\\" + name; }

    // Names in the folder, so that a left-over temporary file shows.
    std::vector<std::string> Listing() const { return FileNamesIn(dir_); }

    std::string dir_;
};

} // namespace

TEST(IoResult, MapsSystemErrors) {
    const struct {
        DWORD error;
        int result;
        const char* text;
    } cases[] = {
        {ERROR_FILE_NOT_FOUND, 2, "File not found"},
        {ERROR_PATH_NOT_FOUND, 3, "Invalid filename"},
        {ERROR_TOO_MANY_OPEN_FILES, 4, "Too many open files"},
        {ERROR_ACCESS_DENIED, 5, "File access denied"},
        {ERROR_HANDLE_DISK_FULL, 101, "Disk full"},
        {ERROR_DISK_FULL, 101, "Disk full"},
        {ERROR_SHARING_VIOLATION, 32, "I/O error 32"},
        {ERROR_INVALID_NAME, 123, "I/O error 123"},
        {ERROR_UNABLE_TO_REMOVE_REPLACED, 5, "File access denied"},
        {ERROR_UNABLE_TO_MOVE_REPLACEMENT, 5, "File access denied"},
        {ERROR_UNABLE_TO_MOVE_REPLACEMENT_2, 5, "File access denied"},
    };
    for (const auto& c : cases) {
        const int result = IoResultFromSystemError(c.error);
        EXPECT_EQ(result, c.result) << c.error;
        EXPECT_STREQ(IoError(result).what(), c.text) << c.error;
    }
}

TEST(LongPath, LongDrivePathsTakeTheExtendedForm) {
    const std::string part(60, 'd');
    const std::string tail = part + "\\" + part + "\\" + part + "\\" + part + "\\" + part;
    const std::string expected = "\\\\?\\C:\\" + tail + "\\f1graphics.cfg";

    EXPECT_EQ(LongPathForm("C:\\games\\f1graphics.cfg"), "C:\\games\\f1graphics.cfg");
    EXPECT_EQ(LongPathForm("C:/games/f1graphics.cfg"), "C:/games/f1graphics.cfg");
    EXPECT_EQ(LongPathForm("C:\\" + tail + "\\f1graphics.cfg"), expected);
    EXPECT_EQ(LongPathForm("C:/" + tail + "/f1graphics.cfg"), expected);
    EXPECT_EQ(LongPathForm("C:\\x\\..\\.\\" + tail + "\\\\f1graphics.cfg"), expected);
    EXPECT_EQ(LongPathForm(expected), expected);
    EXPECT_EQ(LongPathForm("\\\\server\\share\\" + tail), "\\\\?\\UNC\\server\\share\\" + tail);

    // Exactly at the limit the name is used as given; one more needs the extended form.
    const std::string at = "C:\\" + std::string(MAX_PATH - 4, 'a');
    ASSERT_EQ(at.size(), std::size_t{MAX_PATH - 1});
    EXPECT_EQ(LongPathForm(at), at);
    EXPECT_EQ(LongPathForm(at + "b"), "\\\\?\\" + at + "b");

    for (const std::string& relative :
         {tail, "\\" + tail, "C:" + tail, "\\\\?" + std::string(300, 'x')}) {
        EXPECT_EQ(IoCode([&] { LongPathForm(relative); }), 3) << relative;
    }
}

// Each failure names the file by its full path (a relative name is the working folder's) and
// what stood in the way: what the message's second line is made of.
TEST_F(PlatformFiles, ReadFailuresCarryTheirTextsAndNameTheFile) {
    ASSERT_TRUE(CreateDirectoryA(In("f1graphics.cfg").c_str(), nullptr));
    const struct {
        std::string path;
        int code;
        const char* text;
        FileProblem problem;
    } cases[] = {
        {In("missing.cfg"), 2, "File not found", FileProblem::Missing},
        {"missing.cfg", 2, "File not found", FileProblem::Missing},
        {In("no folder\\f1graphics.cfg"), 3, "Invalid filename", FileProblem::NoFolder},
        {In("f1graphics.cfg"), 5, "File access denied", FileProblem::Folder}, // a directory
    };
    char before[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, before);
    SetCurrentDirectoryA(dir_.c_str());
    for (const auto& c : cases) {
        std::optional<IoError> e;
        EXPECT_EQ(IoCode([&] { ReadWholeFile(c.path); }, nullptr, &e), c.code) << c.path;
        EXPECT_STREQ(e ? e->what() : "", c.text) << c.path;
        EXPECT_EQ(e ? e->path() : "", c.path.find('\\') == std::string::npos ? In(c.path) : c.path);
        EXPECT_EQ(e ? e->problem() : FileProblem::Unknown, c.problem) << c.path;
    }
    SetCurrentDirectoryA(before);
}

TEST_F(PlatformFiles, ReadsEveryByte) {
    const std::string cases[] = {
        std::string(),
        std::string("1\t; a\r\nb\rc\n\x1a"
                    "after\n",
                    17),
        std::string("zero\0inside\xff\x80", 14),
        std::string(300000, 'x') + "\n",
    };
    for (const std::string& bytes : cases) {
        WriteBytes(In("f.cfg"), bytes);
        EXPECT_EQ(ReadWholeFile(In("f.cfg")), bytes) << bytes.size();
    }
}

TEST_F(PlatformFiles, ReadsAFileOpenForWritingElsewhere) {
    WriteBytes(In("f.cfg"), "1;x\r\n");
    HANDLE other =
        CreateFileA(In("f.cfg").c_str(), GENERIC_READ | GENERIC_WRITE,
                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(other, INVALID_HANDLE_VALUE);
    EXPECT_EQ(ReadWholeFile(In("f.cfg")), "1;x\r\n");
    CloseHandle(other);
}

// Another program writes the file between the read and the second look: it appends, or
// rewrites the same number of bytes (only the time changes). The file is read again; after
// three reads that each saw a change the read gives up.
TEST_F(PlatformFiles, AReadThatSeesTheFileChangeReadsAgain) {
    const std::string file = In("f1graphics.cfg");
    const struct {
        bool rewrite; // else appended to
        int changes;  // in the first reads
        int reads;
        const char* result; // null: FileChangingError
    } cases[] = {
        {false, 1, 2, "1;a\r\n+"},
        {true, 1, 2, "1;b\r\n"},
        {false, 3, 3, nullptr},
    };
    for (const auto& c : cases) {
        WriteBytes(file, "1;a\r\n");
        int reads = 0;
        const auto change = [&] {
            if (++reads > c.changes) {
                return;
            }
            HANDLE h = CreateFileA(file.c_str(), c.rewrite ? GENERIC_WRITE : FILE_APPEND_DATA,
                                   FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                   FILE_ATTRIBUTE_NORMAL, nullptr);
            ASSERT_NE(h, INVALID_HANDLE_VALUE);
            DWORD written = 0;
            if (c.rewrite) {
                FILETIME time;
                GetFileTime(h, nullptr, nullptr, &time);
                time.dwHighDateTime += 1; // some seven minutes later
                WriteFile(h, "1;b\r\n", 5, &written, nullptr);
                SetFileTime(h, nullptr, nullptr, &time);
            } else {
                WriteFile(h, "+", 1, &written, nullptr);
            }
            CloseHandle(h);
        };
        std::string got = "(gave up)";
        try {
            got = ReadWholeFile(file, change);
        } catch (const FileChangingError& e) {
            EXPECT_STRNE(e.what(), "");
        }
        EXPECT_EQ(got, c.result ? c.result : "(gave up)") << c.rewrite << c.changes;
        EXPECT_EQ(reads, c.reads) << c.rewrite << c.changes;
    }
}

TEST_F(PlatformFiles, ReplaceWritesTheNewContentAndLeavesNothingElse) {
    WriteBytes(In("f1graphics.cfg"), std::string(5000, 'o'));
    ReplaceWholeFile(In("f1graphics.cfg"), "1;new\r\n");
    EXPECT_EQ(ReadBytes(In("f1graphics.cfg")), "1;new\r\n");
    ReplaceWholeFile(In("f1graphics.cfg"), "");
    EXPECT_EQ(ReadBytes(In("f1graphics.cfg")), "");
    EXPECT_EQ(Listing(), std::vector<std::string>{"f1graphics.cfg"});
}

TEST_F(PlatformFiles, ReplaceCreatesAMissingFile) {
    ReplaceWholeFile(In("f1graphics.cfg"), "2;x\r\n");
    EXPECT_EQ(ReadBytes(In("f1graphics.cfg")), "2;x\r\n");
    EXPECT_EQ(Listing(), std::vector<std::string>{"f1graphics.cfg"});
}

TEST_F(PlatformFiles, ReplaceOfAReadOnlyFileFailsAndKeepsIt) {
    WriteBytes(In("f1graphics.cfg"), "old\r\n");
    ASSERT_TRUE(SetFileAttributesA(In("f1graphics.cfg").c_str(), FILE_ATTRIBUTE_READONLY));
    std::string text;
    std::optional<IoError> e;
    EXPECT_EQ(IoCode([&] { ReplaceWholeFile(In("f1graphics.cfg"), "new\r\n"); }, &text, &e), 5);
    EXPECT_EQ(text, "File access denied");
    EXPECT_TRUE(e && e->path() == In("f1graphics.cfg") && e->problem() == FileProblem::ReadOnly);
    EXPECT_EQ(ReadBytes(In("f1graphics.cfg")), "old\r\n");
    EXPECT_EQ(GetFileAttributesA(In("f1graphics.cfg").c_str()) & FILE_ATTRIBUTE_READONLY,
              DWORD{FILE_ATTRIBUTE_READONLY});
    EXPECT_EQ(Listing(), std::vector<std::string>{"f1graphics.cfg"});
}

TEST_F(PlatformFiles, ReplaceOfALockedFileFailsAndKeepsIt) {
    WriteBytes(In("f1graphics.cfg"), "old\r\n");
    HANDLE lock = CreateFileA(In("f1graphics.cfg").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    std::string text;
    EXPECT_EQ(IoCode([&] { ReplaceWholeFile(In("f1graphics.cfg"), "new\r\n"); }, &text), 32);
    EXPECT_EQ(text, "I/O error 32");
    CloseHandle(lock);
    EXPECT_EQ(ReadBytes(In("f1graphics.cfg")), "old\r\n");
    EXPECT_EQ(Listing(), std::vector<std::string>{"f1graphics.cfg"});
}

TEST_F(PlatformFiles, ReplaceThatCannotMoveRemovesItsTemporaryFile) {
    // Open for reading and writing elsewhere, but not for deletion: the new content is
    // written beside it, then cannot take its place.
    WriteBytes(In("f1graphics.cfg"), "old\r\n");
    HANDLE open =
        CreateFileA(In("f1graphics.cfg").c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(open, INVALID_HANDLE_VALUE);
    const int code = IoCode([&] { ReplaceWholeFile(In("f1graphics.cfg"), "new\r\n"); });
    CloseHandle(open);
    EXPECT_TRUE(code == 5 || code == 32) << code;
    EXPECT_EQ(ReadBytes(In("f1graphics.cfg")), "old\r\n");
    EXPECT_EQ(Listing(), std::vector<std::string>{"f1graphics.cfg"});
}

TEST_F(PlatformFiles, ReplaceFailuresLeaveNoFileBehind) {
    ASSERT_TRUE(CreateDirectoryA(In("taken").c_str(), nullptr));
    const struct {
        std::string path;
        int code;
    } cases[] = {
        {In("no folder\\f1graphics.cfg"), 3},
        {In("taken"), 5}, // a directory where the file should be
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IoCode([&] { ReplaceWholeFile(c.path, "x\r\n"); }), c.code) << c.path;
    }
    EXPECT_EQ(Listing(), std::vector<std::string>{"taken"});
    EXPECT_FALSE(FileExistsAt(In("taken")));
}

// The window's Save tests show the backup, a hidden file and the backups that cannot be
// made; here the rest: a system file replaces an older backup and stays a system file, and
// without an original an older backup stays as it is.
TEST_F(PlatformFiles, ReplaceWithABackupKeepsAttributesAndLeavesABackupWithoutOriginal) {
    const std::string file = In("f1graphics.cfg");
    const std::string bak = In("f1graphics.cfg.bak");
    WriteBytes(file, "old\r\n");
    ASSERT_TRUE(SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_SYSTEM));
    WriteBytes(bak, "older\r\n");
    ReplaceWholeFile(file, "new\r\n", bak);
    EXPECT_EQ(ReadBytes(file), "new\r\n");
    EXPECT_EQ(ReadBytes(bak), "old\r\n");
    EXPECT_TRUE(GetFileAttributesA(file.c_str()) & FILE_ATTRIBUTE_SYSTEM);

    SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
    ASSERT_TRUE(DeleteFileA(file.c_str()));
    ReplaceWholeFile(file, "again\r\n", bak);
    EXPECT_EQ(ReadBytes(file), "again\r\n");
    EXPECT_EQ(ReadBytes(bak), "old\r\n");
    EXPECT_EQ(Listing(), (std::vector<std::string>{"f1graphics.cfg", "f1graphics.cfg.bak"}));
}

// When the system has moved the original to the backup's name and then cannot move the new
// file in (ERROR_UNABLE_TO_MOVE_REPLACEMENT_2; here: a new file on another device), the
// original goes back to its name.
TEST_F(PlatformFiles, AReplacementThatCannotMoveInPutsTheOriginalBack) {
    const std::string elsewhere =
        "Z:\\dev\\shm\\korvane_replacement_" + std::to_string(GetCurrentProcessId());
    HANDLE h = CreateFileA(elsewhere.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        GTEST_SKIP() << "no other device at " << elsewhere;
    }
    CloseHandle(h);
    WriteBytes(In("f1graphics.cfg"), "old\r\n");
    const int code = IoCode(
        [&] { ReplaceKeepingBackup(In("f1graphics.cfg"), elsewhere, In("f1graphics.cfg.bak")); });
    DeleteFileA(elsewhere.c_str());
    if (code == -1) {
        GTEST_SKIP() << elsewhere << " is on the same device";
    }
    EXPECT_EQ(code, 5);
    EXPECT_EQ(ReadBytes(In("f1graphics.cfg")), "old\r\n");
    EXPECT_EQ(Listing(), std::vector<std::string>{"f1graphics.cfg"});
}

// The same, when the original cannot be moved back either (here: another program holds the
// backup): the new content is kept, visible, under the file's name with ".new" (replacing an
// older one), or where that name is taken by a folder, under its own name; the error names
// the file that holds it.
TEST_F(PlatformFiles, AReplacementWhoseOriginalCannotGoBackKeepsTheNewContent) {
    const std::string elsewhere =
        "Z:\\dev\\shm\\korvane_kept_" + std::to_string(GetCurrentProcessId());
    const std::string file = In("f1graphics.cfg");
    const std::string bak = In("f1graphics.cfg.bak");
    const std::string newer = In("f1graphics.cfg.new");
    for (const bool folderInTheWay : {false, true}) {
        WriteBytes(file, "old\r\n");
        if (folderInTheWay) {
            DeleteFileA(newer.c_str());
            ASSERT_TRUE(CreateDirectoryA(newer.c_str(), nullptr));
        } else {
            WriteBytes(newer, "older new\r\n");
            SetFileAttributesA(newer.c_str(), FILE_ATTRIBUTE_HIDDEN);
        }
        HANDLE h = CreateFileA(elsewhere.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h == INVALID_HANDLE_VALUE) {
            GTEST_SKIP() << "no other device at " << elsewhere;
        }
        DWORD written = 0;
        WriteFile(h, "new\r\n", 5, &written, nullptr);
        CloseHandle(h);
        HANDLE holder = INVALID_HANDLE_VALUE;
        const auto holdBackup = [&] {
            holder = CreateFileA(bak.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        };
        std::string kept = "(none)";
        int code = -1;
        try {
            ReplaceKeepingBackup(file, elsewhere, bak, holdBackup);
        } catch (const ReplacementKeptError& e) {
            kept = e.keptPath();
            code = e.code();
            EXPECT_NE(std::string(e.what()).find(kept), std::string::npos) << e.what();
        } catch (const IoError& e) {
            code = e.code();
        }
        EXPECT_NE(holder, INVALID_HANDLE_VALUE);
        CloseHandle(holder);
        if (code == -1) {
            DeleteFileA(elsewhere.c_str());
            GTEST_SKIP() << elsewhere << " is on the same device";
        }
        EXPECT_EQ(code, 5);
        EXPECT_EQ(kept, folderInTheWay ? elsewhere : newer);
        EXPECT_EQ(ReadBytes(kept), "new\r\n");
        EXPECT_EQ(GetFileAttributesA(kept.c_str()) & FILE_ATTRIBUTE_HIDDEN, 0u);
        EXPECT_EQ(ReadBytes(bak), "old\r\n");
        EXPECT_FALSE(FileExistsAt(file));
        DeleteFileA(elsewhere.c_str());
        DeleteFileA(bak.c_str());
    }
}

// The temporary file has a fixed, visible name beside the file: a leftover of that name is
// removed first (a read-only, hidden one too); a folder of that name fails before anything is
// written. The names follow the file's, whatever it is called.
TEST_F(PlatformFiles, ALeftoverTemporaryFileIsRemovedFirst) {
    const struct {
        const char* name;
        bool folder;
        int code;
    } cases[] = {
        {"f1graphics.cfg", false, -1},
        {"Fast.cfg", true, 5},
    };
    for (const auto& c : cases) {
        const std::string file = In(c.name);
        const std::string tmp = file + ".tmp";
        WriteBytes(file, "old\r\n");
        ASSERT_TRUE(SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_HIDDEN));
        if (c.folder) {
            ASSERT_TRUE(CreateDirectoryA(tmp.c_str(), nullptr));
        } else {
            WriteBytes(tmp, "stale");
            ASSERT_TRUE(
                SetFileAttributesA(tmp.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN));
        }
        EXPECT_EQ(IoCode([&] { ReplaceWholeFile(file, "new\r\n"); }), c.code) << c.name;
        EXPECT_EQ(ReadBytes(file), c.code == -1 ? "new\r\n" : "old\r\n") << c.name;
        EXPECT_TRUE(GetFileAttributesA(file.c_str()) & FILE_ATTRIBUTE_HIDDEN) << c.name;
        EXPECT_EQ(c.folder, GetFileAttributesA(tmp.c_str()) != INVALID_FILE_ATTRIBUTES) << c.name;
    }
    EXPECT_EQ(Listing(), (std::vector<std::string>{"Fast.cfg", "Fast.cfg.tmp", "f1graphics.cfg"}));
}

TEST_F(PlatformFiles, FileExistsOnlyForFiles) {
    WriteBytes(In("f.cfg"), "");
    ASSERT_TRUE(CreateDirectoryA(In("d").c_str(), nullptr));
    EXPECT_TRUE(FileExistsAt(In("f.cfg")));
    EXPECT_FALSE(FileExistsAt(In("d")));
    EXPECT_FALSE(FileExistsAt(In("missing")));
    EXPECT_FALSE(FileExistsAt(In("missing\\f.cfg")));
    EXPECT_FALSE(FileExistsAt(std::string(400, 'r')));
}

TEST_F(PlatformFiles, PathsLongerThanTheLimitWork) {
    std::string folder = dir_;
    const std::string part(70, 'p');
    while (folder.size() < 300) {
        folder += "\\" + part;
        ASSERT_TRUE(CreateDirectoryW(Wide(LongPathForm(folder)).c_str(), nullptr)) << folder;
    }
    const std::string path = folder + "\\f1graphics.cfg";
    ASSERT_GT(path.size(), std::size_t{MAX_PATH});

    ReplaceWholeFile(path, "1;long\r\n");
    EXPECT_TRUE(FileExistsAt(path));
    EXPECT_EQ(ReadWholeFile(path), "1;long\r\n");
    ReplaceWholeFile(path, "2;long\r\n");
    EXPECT_EQ(ReadWholeFile(path), "2;long\r\n");

    // The same file through "/" and "." parts.
    std::string slashed = folder + "\\.\\f1graphics.cfg";
    for (char& c : slashed) {
        c = c == '\\' ? '/' : c;
    }
    EXPECT_EQ(ReadWholeFile(slashed), "2;long\r\n");
    EXPECT_EQ(IoCode([&] { ReadWholeFile(folder + "\\missing.cfg"); }), 2);

    ReplaceWholeFile(path, "3;long\r\n", path + ".bak");
    EXPECT_EQ(ReadWholeFile(path), "3;long\r\n");
    EXPECT_EQ(ReadWholeFile(path + ".bak"), "2;long\r\n");
}

TEST_F(PlatformFiles, RoundTripOfARealFileGivesCrLfLines) {
    const std::string original = ReadWholeFile(DemoConfigPath());
    ASSERT_FALSE(original.empty());

    ConfigDocument doc;
    doc.Append(original);
    ASSERT_EQ(doc.Count(), 287u);
    ReplaceWholeFile(In("f1graphics.cfg"), doc.Write());

    const std::string expected = CrLfFile(FileLines(original));
    EXPECT_EQ(ReadWholeFile(In("f1graphics.cfg")), expected);
}

TEST_F(PlatformFiles, PlatformObjectUsesTheFileFunctions) {
    Win32Platform platform;
    platform.ReplaceFileContents(In("f1graphics.cfg"), "5;x\r\n", In("f1graphics.cfg.bak"));
    EXPECT_TRUE(platform.FileExists(In("f1graphics.cfg")));
    EXPECT_EQ(platform.ReadFile(In("f1graphics.cfg")), "5;x\r\n");
    EXPECT_EQ(IoCode([&] { platform.ReadFile(In("none")); }), 2);
}

namespace {

// A test-only key under HKEY_LOCAL_MACHINE, deleted afterwards.
class PlatformRegistry : public ::testing::Test {
protected:
    static constexpr const char* kParent = "SOFTWARE\\KorvaneTest";

    void SetUp() override {
        subKey_ = std::string(kParent) + "\\Install Dir " + std::to_string(GetCurrentProcessId());
        ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, subKey_.c_str(), 0, nullptr, 0,
                                  KEY_ALL_ACCESS, nullptr, &key_, nullptr),
                  ERROR_SUCCESS);
    }
    void TearDown() override {
        RegCloseKey(key_);
        RegDeleteKeyA(HKEY_LOCAL_MACHINE, subKey_.c_str());
        RegDeleteKeyA(HKEY_LOCAL_MACHINE, kParent);
    }

    void Set(const char* name, DWORD type, const std::string& data) {
        ASSERT_EQ(RegSetValueExA(key_, name, 0, type, reinterpret_cast<const BYTE*>(data.data()),
                                 static_cast<DWORD>(data.size())),
                  ERROR_SUCCESS);
    }

    std::string subKey_;
    HKEY key_ = nullptr;
};

} // namespace

TEST_F(PlatformRegistry, ReadsTheDirectoryAsStored) {
    const struct {
        DWORD type;
        std::string data;
        std::string expected;
    } cases[] = {
        {REG_SZ, std::string("C:\\Games\\GP\0", 12), "C:\\Games\\GP"},
        {REG_SZ, "D:\\No Terminator", "D:\\No Terminator"},
        {REG_EXPAND_SZ, std::string("%WINDIR%\\x\0", 11), "%WINDIR%\\x"},
        {REG_SZ, std::string("C:\\A\0junk\0", 10), "C:\\A"},
        {REG_SZ, std::string("\0after\0", 7), ""},
        {REG_SZ, std::string(), ""},
        {REG_EXPAND_SZ, std::string(), ""},
        {REG_DWORD, std::string(), ""}, // size 0: nothing to read, whatever the type
    };
    for (const auto& c : cases) {
        Set("Directory", c.type, c.data);
        EXPECT_EQ(LookupInstallDirIn(HKEY_LOCAL_MACHINE, subKey_.c_str(), "Directory"), c.expected)
            << c.data;
    }
}

TEST_F(PlatformRegistry, KeepsAnsiBytes) {
    if (GetACP() != 1252) {
        GTEST_SKIP() << "code page " << GetACP();
    }
    Set("Directory", REG_SZ,
        std::string("C:\\Spiele\\Gro\xdf"
                    "e Preise\0",
                    23));
    EXPECT_EQ(LookupInstallDirIn(HKEY_LOCAL_MACHINE, subKey_.c_str(), "Directory"),
              "C:\\Spiele\\Gro\xdf"
              "e Preise");
}

TEST_F(PlatformRegistry, MissingKeyOrValueGivesEmpty) {
    EXPECT_EQ(LookupInstallDirIn(HKEY_LOCAL_MACHINE, (subKey_ + "\\absent").c_str(), "Directory"),
              "");
    EXPECT_EQ(LookupInstallDirIn(HKEY_LOCAL_MACHINE, subKey_.c_str(), "Directory"), "");
}

TEST_F(PlatformRegistry, OtherTypesFailWithTheValueName) {
    const struct {
        const char* name;
        DWORD type;
        std::string data;
    } cases[] = {
        {"Directory", REG_DWORD, std::string("\x01\x00\x00\x00", 4)},
        {"Directory", REG_BINARY, "C:\\"},
        {"Directory", REG_MULTI_SZ, std::string("C:\\\0\0", 5)},
        {"Pfad", REG_DWORD, std::string("\x01\x00\x00\x00", 4)},
    };
    for (const auto& c : cases) {
        Set(c.name, c.type, c.data);
        try {
            LookupInstallDirIn(HKEY_LOCAL_MACHINE, subKey_.c_str(), c.name);
            ADD_FAILURE() << "no error for type " << c.type;
        } catch (const RegistryError& e) {
            EXPECT_EQ(std::string(e.what()), std::string("Invalid data type for '") + c.name + "'");
        }
    }
}

TEST(PlatformGameKey, LookupReadsTheGameKey) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kInstallDirKey, 0, KEY_READ, &key) == ERROR_SUCCESS) {
        RegCloseKey(key);
        GTEST_SKIP() << "the game's key exists here; left alone";
    }
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, kInstallDirKey, 0, nullptr, 0, KEY_ALL_ACCESS,
                              nullptr, &key, nullptr),
              ERROR_SUCCESS);
    const std::string dir("C:\\Program Files\\Game\0", 23);
    RegSetValueExA(key, kInstallDirValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(dir.data()),
                   static_cast<DWORD>(dir.size()));
    RegCloseKey(key);

    Win32Platform platform;
    const std::string found = platform.LookupInstallDir();

    // Remove the keys this test made, innermost first, stopping at one with other content.
    std::string path = kInstallDirKey;
    while (!path.empty() && path != "SOFTWARE" &&
           RegDeleteKeyA(HKEY_LOCAL_MACHINE, path.c_str()) == ERROR_SUCCESS) {
        path.resize(path.find_last_of('\\'));
    }
    EXPECT_EQ(found, "C:\\Program Files\\Game");
}

// The boxes are read and closed by the shared catcher.
TEST(PlatformBoxes, ErrorBoxHasTheProgramsTitle) {
    BoxCatcher boxes;
    Win32Platform().ShowErrorBox("File not found.");
    ASSERT_EQ(boxes.Seen().size(), 1u);
    EXPECT_EQ(boxes.Seen()[0].caption, "korvane_win32_tests");
    EXPECT_EQ(boxes.Seen()[0].text, "File not found.");
    EXPECT_EQ(boxes.Seen()[0].icon, LoadIconA(nullptr, IDI_ERROR));
}

TEST(PlatformBoxes, ErrorDialogBreaksLinesAtCr) {
    BoxCatcher boxes;
    Win32Platform().ShowErrorDialog("eins\rzwei\r\ndrei\r");
    ASSERT_EQ(boxes.Seen().size(), 1u);
    EXPECT_EQ(boxes.Seen()[0].caption, "Error");
    EXPECT_EQ(boxes.Seen()[0].text, "eins\r\nzwei\r\ndrei\r\n");
    EXPECT_EQ(boxes.Seen()[0].icon, LoadIconA(nullptr, IDI_ERROR));
}

TEST(PlatformScreen, TheDesktopResolutionIsTheScreensMode) {
    Win32Platform platform;
    const auto [width, height] = platform.DesktopResolution();
    EXPECT_EQ(width, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(height, GetSystemMetrics(SM_CYSCREEN));
    EXPECT_GT(width, 0);
}

TEST(PlatformClose, ClosesTheOwnerOrEndsTheLoop) {
    HWND owner = CreateWindowExA(0, "STATIC", "owner", WS_OVERLAPPED, 0, 0, 10, 10, nullptr,
                                 nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(owner, nullptr);
    Win32Platform platform;
    platform.SetOwner(owner);
    platform.CloseProgram();
    MSG msg;
    while (IsWindow(owner) && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        DispatchMessageA(&msg);
    }
    EXPECT_FALSE(IsWindow(owner)); // WM_CLOSE destroyed it

    platform.SetOwner(nullptr);
    platform.CloseProgram();
    bool quit = false;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        quit |= msg.message == WM_QUIT;
    }
    EXPECT_TRUE(quit);
}
