// Save in the real window on the real file, with real clicks and keys: the merge with the
// game's changes since Load and the question about a line both changed, the backup beside the
// file, a hidden file that stays hidden, and a backup that cannot be made.
#include "window_test_support.hpp"

#include "file/text.hpp"

#include "../lines_file.hpp"

using namespace korvane;
using namespace korvane::wintest;
using korvane::testing::CrLfFile;
using korvane::testing::FileLines;

namespace {

class SaveE2ETest : public WindowTest {
protected:
    std::string BackupPath() const { return GamePath() + ".bak"; }
    static std::string Title() {
        char exe[MAX_PATH] = {};
        GetModuleFileNameA(nullptr, exe, MAX_PATH);
        return ApplicationTitle(exe);
    }
    // Clicks "Vollbildmodus" (line 5), so that the document differs from what was saved.
    void ToggleFullScreen() {
        ShowPage(kGeneralPage);
        const bool was = form->CheckBox2.Checked();
        MouseClick(Ctl(ids::CheckBox(2)));
        ASSERT_TRUE(Pump([&] { return form->CheckBox2.Checked() != was; }));
    }
};

} // namespace

// The game writes the file after Load (its performance test AutoPerformance, line 9; its menu
// the cockpit zoom, line 50; and it leaves the file hidden) while the player sets full screen
// (line 5) and the cockpit zoom. Save asks only about the line both changed, naming it: No (the
// default button, so Return) writes nothing; Yes keeps the game's other line, writes the
// player's, keeps the game's file as the backup and shows the game's line. What that Save wrote
// is the new reference: the next Save asks nothing and replaces the backup.
TEST_F(SaveE2ETest, SaveKeepsTheGamesLinesAndAsksOnlyAboutALineBothChanged) {
    Load();
    ToggleFullScreen();
    ShowPage(kObjectsPage);
    FocusByMouse(Ctl(ids::TrackBar(2)), POINT{180, 22}); // below the channel
    PressKey(VK_LEFT);
    ASSERT_TRUE(Pump([&] { return form->TrackBar2.Position() == 99; }));
    std::vector<std::string> game = FileLines(ReadBytes(GamePath()));
    ASSERT_TRUE(game[9].starts_with("774\t") && game[50].starts_with("100\t"));
    game[9].replace(0, 3, "999");
    game[50].replace(0, 3, "80");
    WriteBytes(GamePath(), CrLfFile(game));
    ASSERT_TRUE(
        SetFileAttributesA(GamePath().c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE));
    std::vector<std::string> merged = game;
    merged[5] = form->document.LineText(5);
    merged[50] = form->document.LineText(50);

    boxesExpected = true;
    boxes->AnswerWithKey(VK_RETURN);
    Save();
    ASSERT_EQ(boxes->Seen().size(), 1u);
    const SeenBox question = boxes->Seen()[0];
    EXPECT_EQ(question.caption, Title());
    EXPECT_TRUE(question.text.starts_with("Das Spiel hat f1graphics.cfg nach dem Laden"));
    EXPECT_NE(question.text.find("\r\nZeile 50: das Spiel schrieb 80, Sie w\xe4hlten 99\r\n"),
              std::string::npos)
        << question.text;
    EXPECT_EQ(question.text.find("Zeile 9:"), std::string::npos) << "only the game changed it";
    EXPECT_EQ(question.buttons, (std::vector<int>{IDYES, IDNO}));
    EXPECT_EQ(question.icon, LoadIconA(nullptr, IDI_WARNING));
    EXPECT_EQ(ReadBytes(GamePath()), CrLfFile(game));
    EXPECT_EQ(FileNamesIn(gameDir), std::vector<std::string>{"f1graphics.cfg"});

    boxes->AnswerWithKey('Y');
    Save();
    ASSERT_EQ(boxes->Seen().size(), 2u);
    EXPECT_EQ(boxes->Seen()[1].text, question.text);
    EXPECT_EQ(ReadBytes(GamePath()), CrLfFile(merged));
    EXPECT_EQ(ReadBytes(BackupPath()), CrLfFile(game));
    EXPECT_EQ(GetFileAttributesA(GamePath().c_str()) &
                  (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE),
              DWORD{FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE});
    ShowPage(kManualPage);
    EXPECT_EQ(form->ListBox1.Item(9), "999");
    EXPECT_FALSE(Visible(ids::OfName("SaveChanges"))) << "nothing left to save";

    ToggleFullScreen();
    Save();
    EXPECT_EQ(boxes->Seen().size(), 2u);
    EXPECT_EQ(ReadBytes(GamePath()), form->document.Write());
    EXPECT_EQ(ReadBytes(BackupPath()), CrLfFile(merged));
    // and the file before it in the history
    EXPECT_EQ(FileNamesIn(gameDir), (std::vector<std::string>{"Korvane history", "f1graphics.cfg",
                                                              "f1graphics.cfg.bak"}));
}

// A read-only backup, or a directory of the backup's name: Save fails with the error box's
// text, whose second line names the backup and what to do, and the file, the obstacle and
// the folder stay as they were.
TEST_F(SaveE2ETest, ABackupThatCannotBeMadeFailsTheSaveAndKeepsTheFile) {
    Load();
    ToggleFullScreen();
    const std::string before = ReadBytes(GamePath());
    boxesExpected = true;
    for (const bool directory : {false, true}) {
        SCOPED_TRACE(directory ? "directory" : "read-only file");
        if (directory) {
            ASSERT_TRUE(CreateDirectoryA(BackupPath().c_str(), nullptr));
        } else {
            WriteBytes(BackupPath(), "older");
            ASSERT_TRUE(SetFileAttributesA(BackupPath().c_str(), FILE_ATTRIBUTE_READONLY));
        }
        const std::size_t shown = boxes->Seen().size();
        Save();
        ASSERT_EQ(boxes->Seen().size(), shown + 1);
        EXPECT_TRUE(boxes->Seen().back().text.starts_with(
            "File access denied.\r\n" + BackupPath() +
            (directory ? " ist ein Ordner, wo" : " ist schreibgesch\xfctzt:")))
            << boxes->Seen().back().text;
        EXPECT_EQ(boxes->Seen().back().caption, Title());
        EXPECT_EQ(ReadBytes(GamePath()), before);
        EXPECT_EQ(FileNamesIn(gameDir),
                  (std::vector<std::string>{"f1graphics.cfg", "f1graphics.cfg.bak"}));
        if (directory) {
            EXPECT_TRUE(RemoveDirectoryA(BackupPath().c_str()));
        } else {
            EXPECT_EQ(ReadBytes(BackupPath()), "older");
            SetFileAttributesA(BackupPath().c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileA(BackupPath().c_str());
        }
    }
}
