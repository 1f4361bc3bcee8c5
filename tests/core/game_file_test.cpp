// f1graphics.cfg's one owner: what counts as changed, and Save's care with another program's
// changes. (That Load writes nothing, whatever came before: the bindings' tests.)
#include "fake_platform.hpp"
#include "file/game_file.hpp"
#include "file/text.hpp"

#include <gtest/gtest.h>

#include <optional>

using namespace korvane;
using korvane::testing::FakePlatform;

// Changed means: differs from f1graphics.cfg as last read or written.
TEST(GameFileChanges, TheCountIsWhatSaveWillChange) {
    FakePlatform platform;
    const std::string path = platform.GamePath();
    platform.files[path] = "1 ;a\n2 ;b\n3 ;c\n";
    platform.files["C:\\Game\\P.cfg"] = "1 ;a\r\n5 ;b\r\n6 ;c\r\n"; // other line ends
    platform.files["C:\\Game\\Short.cfg"] = "1 ;a\n";
    const Texts texts; // the German defaults
    GameFile file(platform, texts);
    const auto count = [&] { return file.HasChanges() ? file.ChangedCount() : 99u; };

    file.Load(path);
    file.Shown();
    file.Use("C:\\Game\\P.cfg");
    file.Shown();
    EXPECT_EQ(count(), 2u);
    EXPECT_FALSE(file.IsChanged(0)) << "the same line, whatever its end";
    file.Restore(1);
    EXPECT_EQ(count(), 1u);

    ASSERT_TRUE(file.Save());
    EXPECT_EQ(platform.files[path], "1 ;a\r\n2 ;b\r\n6 ;c\r\n");
    EXPECT_EQ(file.ChangedCount(), 0u);

    file.Use("C:\\Game\\Short.cfg");
    file.Shown();
    EXPECT_EQ(count(), 2u) << "the lines Save would drop";
}

TEST(GameFileSave, AsksBeforeOverwritingAFileChangedSinceLoadAndKeepsABackup) {
    const std::string question =
        "Die Datei f1graphics.cfg wurde nach dem Laden von einem anderen Programm ge\xe4ndert.\r"
        "Trotzdem speichern und diese \xc4nderungen \xfc"
        "berschreiben?";
    const std::string loaded = "1;a\n";
    const std::string saved = "7;a\r\n";
    const struct {
        const char* name;
        std::optional<std::string> onDisk; // at Save; nullopt: the file is gone
        int readFailure;                   // I/O result of reading it again, 0 for none
        bool yes;
        bool asked;
        bool written;
        const char* error;
    } rows[] = {
        {"unchanged", loaded, 0, false, false, true, nullptr},
        {"changed, No", "2;game\n", 0, false, true, false, nullptr},
        {"changed, Yes", "2;game\n", 0, true, true, true, nullptr},
        {"gone", std::nullopt, 0, false, false, true, nullptr},
        {"folder gone", std::nullopt, 3, false, false, true, nullptr},
        {"unreadable", loaded, 5, true, false, false, "File access denied."},
        {"locked", loaded, 32, true, false, false, "I/O error 32."},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        FakePlatform platform;
        const Texts texts; // the German defaults
        GameFile file(platform, texts);
        const std::string path = platform.GamePath();
        platform.files[path] = loaded;
        file.Load(path);
        file.Shown();
        file.Write(0, "7");
        if (row.onDisk) {
            platform.files[path] = *row.onDisk;
        } else {
            platform.files.erase(path);
        }
        if (row.readFailure) {
            platform.failingReads[path] = row.readFailure;
        }
        platform.answerYes = row.yes;
        std::string error;
        try {
            file.Save();
        } catch (const std::exception& e) {
            error = ErrorBoxText(e.what());
        }

        EXPECT_EQ(platform.questions,
                  row.asked ? std::vector<std::string>{question} : std::vector<std::string>{});
        EXPECT_EQ(platform.writes, row.written ? 1 : 0);
        EXPECT_EQ(error, row.error ? row.error : "");
        EXPECT_EQ(file.Document().Value(0), "7");
        if (row.written) {
            EXPECT_EQ(platform.files[path], saved);
            // The backup is the file as it was before this Save.
            EXPECT_EQ(platform.files.count(path + ".bak"), row.onDisk ? 1u : 0u);
            if (row.onDisk) {
                EXPECT_EQ(platform.files[path + ".bak"], *row.onDisk);
            }
            // What this Save wrote is what the next one compares with.
            platform.failingReads.clear();
            file.Save();
            EXPECT_EQ(platform.questions.size(), row.asked ? 1u : 0u);
            EXPECT_EQ(platform.writes, 2);
            EXPECT_EQ(platform.files[path + ".bak"], saved);
        } else if (row.onDisk) {
            EXPECT_EQ(platform.files[path], *row.onDisk);
            EXPECT_EQ(platform.files.count(path + ".bak"), 0u);
        }
    }
}
