// Save in the real window on the real file, with real clicks and keys: the question when
// another program changed the file since Load, the backup beside the file, a hidden file
// that stays hidden, and a backup that cannot be made.
#include "window_test_support.hpp"

#include "file/text.hpp"

using namespace korvane;
using namespace korvane::wintest;

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

// The game changes the file after Load (and it is hidden now): Save asks, No (the default button,
// so Return) keeps the game's file, Yes writes Korvane's content and keeps the game's as the
// backup. What that Save wrote is the new reference: the next Save asks nothing and replaces the
// backup.
TEST_F(SaveE2ETest, AChangeByAnotherProgramIsOverwrittenOnlyAfterYes) {
    Load();
    ToggleFullScreen();
    const std::string korvane = form->document.Write();
    std::string game = ReadBytes(GamePath());
    game.replace(game.find("\n") + 1, 0, ";written by the game\n");
    WriteBytes(GamePath(), game);
    ASSERT_TRUE(
        SetFileAttributesA(GamePath().c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE));

    boxesExpected = true;
    boxes->AnswerWithKey(VK_RETURN);
    Save();
    ASSERT_EQ(boxes->Seen().size(), 1u);
    const SeenBox question = boxes->Seen()[0];
    EXPECT_EQ(question.caption, Title());
    EXPECT_EQ(question.text,
              "Die Datei f1graphics.cfg wurde nach dem Laden von einem anderen Programm "
              "ge\xe4ndert.\r\nTrotzdem speichern und diese \xc4nderungen \xfc"
              "berschreiben?");
    EXPECT_EQ(question.buttons, (std::vector<int>{IDYES, IDNO}));
    EXPECT_EQ(question.icon, LoadIconA(nullptr, IDI_WARNING));
    EXPECT_EQ(ReadBytes(GamePath()), game);
    EXPECT_EQ(form->document.Write(), korvane);
    EXPECT_EQ(FileNamesIn(gameDir), std::vector<std::string>{"f1graphics.cfg"});

    boxes->AnswerWithKey('Y');
    Save();
    ASSERT_EQ(boxes->Seen().size(), 2u);
    EXPECT_EQ(boxes->Seen()[1].text, question.text);
    EXPECT_EQ(ReadBytes(GamePath()), korvane);
    EXPECT_EQ(ReadBytes(BackupPath()), game);
    EXPECT_EQ(GetFileAttributesA(GamePath().c_str()) &
                  (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE),
              DWORD{FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE});

    ToggleFullScreen();
    Save();
    EXPECT_EQ(boxes->Seen().size(), 2u);
    EXPECT_EQ(ReadBytes(GamePath()), form->document.Write());
    EXPECT_EQ(ReadBytes(BackupPath()), korvane);
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
