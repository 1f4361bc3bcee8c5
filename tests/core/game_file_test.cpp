// f1graphics.cfg's one owner: what counts as changed, and Save's care with another program's
// changes. (That Load writes nothing, whatever came before: the bindings' tests.)
#include "fake_platform.hpp"
#include "file/game_file.hpp"
#include "file/text.hpp"

#include <gtest/gtest.h>

#include <optional>

using namespace korvane;
using namespace korvane::testing;

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

// Save after another program's change writes the merge: the game's lines where only the game
// changed them, the player's where only the player did, and a question for the lines both
// changed (Yes: the player's values there; No: nothing written). The backup is the file as it
// was just before the write, and what was written is the document and the next reference.
TEST(GameFileSave, MergesTheGamesChangesWithThePlayers) {
    const std::string loaded = "1;a\n2;b\n3;c\n4;d\n";
    const std::string mine = "7;a\r\n2;b\r\n8;c\r\n4;d\r\n"; // the player: lines 0 and 2
    const auto asked = [](std::string lines) {
        return FillIn(std::string(entries::kGameChangedYourLines.germanDefault), lines);
    };
    const struct {
        const char* name;
        std::optional<std::string> onDisk; // at Save; nullopt: the file is gone
        int readFailure;                   // I/O result of reading it again, 0 for none
        bool yes;
        std::string question; // empty: none
        std::optional<std::string> written;
        const char* error;
    } rows[] = {
        {"neither changed", loaded, 0, false, "", mine, nullptr},
        {"the game only", "1;a\n5;b\n3;c\n4;x\n", 0, false, "", "7;a\r\n5;b\r\n8;c\r\n4;x\r\n",
         nullptr},
        {"both, the same value", "7 ;a\n2;b\n3;c\n4;d\n", 0, false, "",
         "7 ;a\r\n2;b\r\n8;c\r\n4;d\r\n", nullptr},
        {"both, No", "9;a\n2;b\n3;c\n4;d\n", 0, false,
         asked("Zeile 0: das Spiel schrieb 9, Sie w\xe4hlten 7"), std::nullopt, nullptr},
        {"both, Yes", "9;a\n2;b\n3;c\n4;d\n", 0, true,
         asked("Zeile 0: das Spiel schrieb 9, Sie w\xe4hlten 7"), mine, nullptr},
        {"the game added a line", loaded + "5;e\n", 0, false, "", mine + "5;e\r\n", nullptr},
        {"the game removed a line", "1;a\n2;b\n3;c\n", 0, false, "", "7;a\r\n2;b\r\n8;c\r\n",
         nullptr},
        {"the game removed a line the player changed", "1;a\n2;b\n", 0, true,
         asked("Zeile 2: das Spiel schrieb keine Zeile, Sie w\xe4hlten 8"), "7;a\r\n2;b\r\n8;c\r\n",
         nullptr},
        {"gone", std::nullopt, 0, false, "", mine, nullptr},
        {"folder gone", std::nullopt, 3, false, "", mine, nullptr},
        {"unreadable", loaded, 5, true, "", std::nullopt, "File access denied."},
        {"locked", loaded, 32, true, "", std::nullopt, "I/O error 32."},
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
        file.Write(2, "8");
        if (row.onDisk) {
            platform.files[path] = *row.onDisk;
        } else {
            platform.files.erase(path);
        }
        if (row.readFailure) {
            platform.failingReads[path] = row.readFailure;
        }
        platform.answerYes = row.yes;
        int shown = 0;
        std::string error;
        try {
            file.Save([&] { ++shown; });
        } catch (const std::exception& e) {
            error = ErrorBoxText(e.what());
        }

        EXPECT_EQ(platform.questions, row.question.empty()
                                          ? std::vector<std::string>{}
                                          : std::vector<std::string>{row.question});
        EXPECT_EQ(error, row.error ? row.error : "");
        if (!row.written) {
            EXPECT_EQ(platform.writes, 0);
            EXPECT_EQ(file.Document().Write(), mine);
            EXPECT_EQ(platform.files.count(path + ".bak"), 0u);
            continue;
        }
        EXPECT_EQ(platform.files[path], *row.written);
        EXPECT_EQ(platform.files.count(path + ".bak"), row.onDisk ? 1u : 0u);
        if (row.onDisk) {
            EXPECT_EQ(platform.files[path + ".bak"], *row.onDisk);
        }
        EXPECT_EQ(file.Document().Write(), *row.written) << "the window shows the game's lines";
        EXPECT_EQ(shown, *row.written == mine ? 0 : 1);
        EXPECT_EQ(file.ChangedCount(), 0u);
        // What this Save wrote is what the next one compares with.
        platform.failingReads.clear();
        file.Save();
        EXPECT_EQ(platform.questions.size(), row.question.empty() ? 0u : 1u);
        EXPECT_EQ(platform.writes, 2);
        EXPECT_EQ(platform.files[path + ".bak"], *row.written);
    }
}

// The one write path keeps the file one its Load can show again: a line that a setting
// control reads as a whole number takes only one (the message names the values its comment
// states), and no line is left empty where it had a value but the distance's, whose drop-down
// offers an empty item. A value the line holds already as read goes back in.
TEST(GameFileWrite, RefusesWhatTheLineCannotHold) {
    std::vector<std::string> demo = FileLines(DataFile("demo/game/f1graphics.cfg"));
    demo[47].replace(0, 2, "abc"); // the mirror's slider
    demo[104].erase(0, 3);         // a line no control edits
    const std::string wholeNumber = "In Zeile %1 geh\xf6rt nur eine ganze Zahl";
    const std::string needsValue = "Zeile %1 braucht einen Wert: Sie darf nicht leer bleiben.";
    const struct {
        bool patched; // the demo file, else a release file (LinesFile)
        int line;
        const char* value;
        std::string refusal; // empty: written
    } rows[] = {
        {true, 50, "75", ""},
        {true, 50, "250", ""}, // the comment's range informs, it does not refuse
        {true, 50, "abc", FillIn(wholeNumber, "50") + " (0 bis 100)."},
        {true, 50, "", FillIn(wholeNumber, "50") + " (0 bis 100)."},
        {true, 50, "1.5", FillIn(wholeNumber, "50") + " (0 bis 100)."},
        {true, 128, "on", FillIn(wholeNumber, "128") + " (einer von 0, 1, 2, 3)."},
        {true, 107, "-", FillIn(wholeNumber, "107") + "."},
        {true, 47, "abc", ""},
        {true, 47, "ab", FillIn(wholeNumber, "47") + "."},
        {true, 46, "ab", ""}, // the release file's slider line: an angle in this one
        {false, 46, "ab", FillIn(wholeNumber, "46") + "."},
        {true, 1, "abc", ""},
        {true, 1, "", FillIn(needsValue, "1")},
        {true, 106, "", ""},
        {true, 104, "", ""},
        {true, 103, "", FillIn(needsValue, "103")},
        {true, 5, "1;2", std::string(entries::kValueBreaksLine.germanDefault)},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::to_string(row.line) + "=" + row.value);
        FakePlatform platform;
        platform.files[platform.GamePath()] = row.patched ? CrLfFile(demo) : LinesFile(170);
        const Texts texts; // the German defaults
        GameFile file(platform, texts);
        file.Load(platform.GamePath());
        file.Shown();
        const std::string before = file.Document().Value(row.line);
        std::string error;
        try {
            file.Write(row.line, row.value);
        } catch (const Error& e) {
            error = e.what();
        }
        EXPECT_EQ(error, row.refusal);
        EXPECT_EQ(file.Document().Value(row.line), row.refusal.empty() ? row.value : before);
    }
}
