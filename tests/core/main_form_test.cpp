// Pages, button styles, Load, Save and Quit, and the error guard.
#include "app/form_layout.hpp"
#include "app/main_form.hpp"
#include "fake_platform.hpp"
#include "file/text.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <set>

using namespace korvane;
using korvane::testing::DataFile;
using korvane::testing::FakeForm;
using korvane::testing::FakePlatform;
using korvane::testing::LinesFile;

namespace {

struct MainFormTest : ::testing::Test, korvane::testing::FakeForm {

    std::vector<std::string> VisiblePages() {
        std::vector<std::string> out;
        for (Panel* p : {&form.Panel1, &form.Panel2, &form.Panel4, &form.Panel5, &form.Panel6}) {
            if (p->Visible()) {
                out.push_back(p->Name());
            }
        }
        return out;
    }
    std::vector<FontStyle> Styles() {
        return {form.SpeedButton4.Style(), form.SpeedButton5.Style(), form.SpeedButton6.Style(),
                form.SpeedButton7.Style(), form.SpeedButton9.Style()};
    }
};

using FS = FontStyle;

} // namespace

TEST_F(MainFormTest, StartsOnTheInfoPageWithOnlyInfoLoadSaveQuit) {
    EXPECT_EQ(VisiblePages(), std::vector<std::string>{"Panel6"});
    std::vector<std::string> visibleButtons;
    for (SpeedButton* b :
         {&form.SpeedButton1, &form.SpeedButton2, &form.SpeedButton3, &form.SpeedButton4,
          &form.SpeedButton5, &form.SpeedButton6, &form.SpeedButton7, &form.SpeedButton9}) {
        if (b->Visible()) {
            visibleButtons.push_back(b->Name());
        }
    }
    EXPECT_EQ(visibleButtons, (std::vector<std::string>{"SpeedButton1", "SpeedButton2",
                                                        "SpeedButton3", "SpeedButton7"}));
    EXPECT_EQ(Styles(), (std::vector<FS>{FS::Bold, FS::Bold, FS::Bold, FS::Italic, FS::Regular}));
    EXPECT_EQ(form.SpeedButton5.Caption(), "Grafikqualit\xe4t");
    EXPECT_EQ(form.Label24.Caption(), "0.4");
    EXPECT_EQ(form.TrackBar1.Position(), 1);
    EXPECT_EQ(form.TrackBar2.Position(), 0);
    EXPECT_EQ(form.ComboBox2.Items().size(), 19u);
    EXPECT_EQ(form.document.Count(), 0u);
}

TEST_F(MainFormTest, EachPageButtonShowsItsPageAloneAndMarksItself) {
    struct Case {
        void (MainForm::*click)();
        const char* page;
        std::vector<FS> styles;
    };
    const Case cases[] = {
        {&MainForm::SpeedButton4Click,
         "Panel1",
         {FS::BoldItalic, FS::Bold, FS::Bold, FS::Regular, FS::Regular}},
        {&MainForm::SpeedButton5Click,
         "Panel4",
         {FS::Bold, FS::BoldItalic, FS::Bold, FS::Regular, FS::Regular}},
        {&MainForm::SpeedButton6Click,
         "Panel5",
         {FS::Bold, FS::Bold, FS::BoldItalic, FS::Regular, FS::Regular}},
        {&MainForm::SpeedButton9Click,
         "Panel2",
         {FS::Bold, FS::Bold, FS::Bold, FS::Regular, FS::Italic}},
        {&MainForm::SpeedButton7Click,
         "Panel6",
         {FS::Bold, FS::Bold, FS::Bold, FS::Italic, FS::Regular}},
    };
    for (const Case& c : cases) {
        for (int twice = 0; twice < 2; ++twice) { // the page already shown: nothing changes
            (form.*c.click)();
            EXPECT_EQ(VisiblePages(), std::vector<std::string>{c.page});
            EXPECT_EQ(Styles(), c.styles) << c.page;
        }
    }
}

TEST_F(MainFormTest, LoadReadsTheFileFromTheRegistryDirectoryAndRevealsThePages) {
    platform.files[platform.GamePath()] = LinesFile(170);
    form.SpeedButton1Click();
    EXPECT_EQ(platform.lookups, 1);
    EXPECT_EQ(form.folder.Path(), "C:\\Game");
    EXPECT_EQ(form.document.Count(), 170u);
    EXPECT_TRUE(form.SpeedButton4.Visible());
    EXPECT_TRUE(form.SpeedButton5.Visible());
    EXPECT_TRUE(form.SpeedButton6.Visible());
    EXPECT_TRUE(form.SpeedButton9.Visible());
    EXPECT_EQ(VisiblePages(), std::vector<std::string>{"Panel6"}); // Load switches no page
    form.SpeedButton1Click();                                      // twice: one entry per line
    EXPECT_EQ(form.document.Count(), 170u);
    EXPECT_EQ(form.ListBox1.Count(), 170u);
}

TEST_F(MainFormTest, AMissingFileLeavesTheDocumentEmptyAndThePageButtonsHidden) {
    form.Guarded([&] { form.SpeedButton1Click(); });
    EXPECT_EQ(platform.errorBoxes.size(), 1u); // its text: FileMessages
    EXPECT_EQ(form.folder.Path(), "C:\\Game");
    EXPECT_FALSE(form.SpeedButton4.Visible());
    EXPECT_EQ(form.document.Count(), 0u);
}

// Every failure a player can meet in Load and Save: the runtime's line, then the file and what
// to do, in the English file's words. (A failure without a remedy: AFailedSaveIsReported.)
TEST(FileMessages, EachFailureNamesTheFileAndTheRemedy) {
    const std::string key =
        "HKEY_LOCAL_MACHINE\\SOFTWARE\\Infogrames\\Grand Prix 4\\1.00\\Install Dir";
    const std::string again = "Put a complete copy in its place (each Save keeps the one before "
                              "as f1graphics.cfg.bak).";
    const auto backup = [](FileProblem problem) {
        return [problem](FakePlatform& p) {
            p.failingReplacements.emplace(p.GamePath(), IoError(5, p.GamePath() + ".bak", problem));
        };
    };
    const struct {
        const char* name;
        std::function<void(FakePlatform&)> arrange;
        bool save; // Load when false
        std::string shown;
    } rows[] = {
        {"registry value",
         [](FakePlatform& p) { p.registryError = "Invalid data type for 'Directory'"; }, false,
         "Invalid data type for 'Directory'\rThe value Directory under " + key +
             " names no folder. Run the game's setup once to repair it."},
        {"game folder gone", [](FakePlatform& p) { p.failingReads[p.GamePath()] = 3; }, false,
         "Invalid filename.\rC:\\Game\\f1graphics.cfg: the folder C:\\Game does not exist. If the "
         "game was moved, run its setup once so that the registry names the new folder."},
        {"no file", [](FakePlatform& p) { p.files.clear(); }, false,
         "File not found.\rC:\\Game\\f1graphics.cfg does not exist. The game writes "
         "f1graphics.cfg when it starts: start it once, then load again."},
        {"held by the game", [](FakePlatform& p) { p.failingReads[p.GamePath()] = 32; }, false,
         "I/O error 32.\rC:\\Game\\f1graphics.cfg is open in another program (the game?): close "
         "it, then try again."},
        {"being written", [](FakePlatform& p) { p.changingReads.insert(p.GamePath()); }, false,
         "The file was changed by another program while it was being read. Wait until the game "
         "has written it, then try again.\rC:\\Game\\f1graphics.cfg"},
        {"cut short", [](FakePlatform& p) { p.files[p.GamePath()] = LinesFile(100); }, false,
         "List index out of bounds (101)\rC:\\Game\\f1graphics.cfg ends after line 99: the file "
         "is incomplete. " +
             again},
        {"empty", [](FakePlatform& p) { p.files[p.GamePath()].clear(); }, false,
         "List index out of bounds (1)\rC:\\Game\\f1graphics.cfg is empty. " + again},
        {"a word where a number belongs",
         [](FakePlatform& p) {
             p.files[p.GamePath()] = LinesFile(170, {{46, "abc"}});
         },
         false,
         "'abc' is not a valid integer value.\rLine 46 of C:\\Game\\f1graphics.cfg holds 'abc', "
         "where a whole number belongs. Correct it on the manual edit page."},
        {"binary",
         [](FakePlatform& p) {
             p.files[p.GamePath()] = LinesFile(170);
             p.files[p.GamePath()][200] = '\0';
         },
         false,
         "This is no graphics options file.\rC:\\Game\\f1graphics.cfg holds no graphics options "
         "(is it damaged?). " +
             again},
        {"no graphics options", [](FakePlatform& p) { p.files[p.GamePath()] = "Hello\nworld\n"; },
         false,
         "This is no graphics options file.\rC:\\Game\\f1graphics.cfg holds no graphics options "
         "(is it damaged?). " +
             again},
        {"read-only backup", backup(FileProblem::ReadOnly), true,
         "File access denied.\rC:\\Game\\f1graphics.cfg.bak is read-only: clear \"Read-only\" in "
         "the file's properties, then try again."},
        {"backup a folder", backup(FileProblem::Folder), true,
         "File access denied.\rC:\\Game\\f1graphics.cfg.bak is a folder where a file belongs: "
         "move it elsewhere, then try again."},
        {"no write access", [](FakePlatform& p) { p.failingPaths[p.GamePath()] = 5; }, true,
         "File access denied.\rC:\\Game\\f1graphics.cfg: Windows denies access. Close the game, "
         "and check that your account may change files in that folder."},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        FakeForm t;
        t.Start(DataFile("languages/english.txt"));
        t.Load(LinesFile(170));
        row.arrange(t.platform);
        t.form.Guarded([&] { row.save ? t.form.SpeedButton2Click() : t.form.SpeedButton1Click(); });
        EXPECT_EQ(t.platform.errorBoxes, std::vector<std::string>{row.shown});
    }
}

TEST_F(MainFormTest, ARegistryFailureEndsLoadBeforeTheDirectoryChanges) {
    Load(LinesFile(170));
    platform.installDir = "D:\\Other";
    platform.registryError = "Invalid data type for 'Directory'";
    form.Guarded([&] { form.SpeedButton1Click(); });
    EXPECT_EQ(platform.errorBoxes.size(), 1u);
    EXPECT_EQ(form.folder.Path(), "C:\\Game");
}

// Without a game folder Load opens no file (not "\\f1graphics.cfg" at the drive's root) and
// asks once whether to choose one; the window keeps the file it shows, and lists no profiles.
TEST_F(MainFormTest, AnEmptyInstallDirOpensNothingAndAsksOnce) {
    platform.files["\\High.cfg"] = DataFile("demo/game/f1graphics.cfg");
    Load(LinesFile(170));
    for (const std::string dir : {"", " "}) {
        platform.reads.clear();
        platform.questions.clear();
        platform.installDir = dir;
        form.Guarded([&] { form.SpeedButton1Click(); });
        EXPECT_TRUE(platform.reads.empty()) << platform.reads.front();
        EXPECT_TRUE(platform.errorBoxes.empty());
        EXPECT_EQ(platform.questions,
                  std::vector<std::string>{std::string(entries::kFolderNotKnown.germanDefault)});
        EXPECT_EQ(form.document.Count(), 170u);
        EXPECT_TRUE(form.folder.File().Loaded());
    }
}

TEST(MainFormLoad, SaveWritesOnlyADocumentWhoseLoadRanToItsEnd) {
    const std::string notLoaded = "f1graphics.cfg wurde nicht vollst\xe4ndig geladen, darum wurde "
                                  "nichts gespeichert. Bitte zuerst erfolgreich laden.";
    std::string crOnly = LinesFile(170);
    std::erase(crOnly, '\n');
    using Setup = void (*)(FakePlatform&, const std::string&);
    // Each row: a good Load and a change, then a second Load under this row's setup.
    const struct {
        const char* name;
        Setup setup; // nullptr: no Load at all
        bool savable;
    } rows[] = {
        {"before any Load", nullptr, false},
        {"a good Load", [](FakePlatform&, const std::string&) {}, true},
        {"the file is gone", [](FakePlatform& p, const std::string&) { p.files.clear(); }, false},
        {"the read is refused",
         [](FakePlatform& p, const std::string&) { p.failingReads[p.GamePath()] = 5; }, false},
        {"CR-only line ends: one line, the transfer fails",
         [](FakePlatform& p, const std::string& cr) { p.files[p.GamePath()] = cr; }, false},
        {"the game keeps writing the file",
         [](FakePlatform& p, const std::string&) { p.changingReads.insert(p.GamePath()); }, false},
        {"the registry lookup fails: all stays as it was",
         [](FakePlatform& p, const std::string&) { p.registryError = "Invalid data type"; }, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        FakeForm f;
        FakePlatform& platform = f.platform;
        MainForm& form = f.form;
        const std::string path = platform.GamePath();
        platform.files[path] = LinesFile(170);
        if (row.setup) {
            f.Load(LinesFile(170));
            form.Guarded([&] { form.folder.File().Write(7, "7"); });
            row.setup(platform, crOnly);
            platform.answerYes = true; // drop the change
            form.Guarded([&] { form.SpeedButton1Click(); });
        }
        const std::string onDisk = platform.files.count(path) ? platform.files[path] : "";
        platform.errorBoxes.clear();
        form.Guarded([&] { form.SpeedButton2Click(); });
        EXPECT_EQ(platform.writes, row.savable ? 1 : 0);
        if (row.savable) {
            EXPECT_TRUE(platform.errorBoxes.empty());
        } else {
            EXPECT_EQ(platform.errorBoxes, std::vector<std::string>{notLoaded});
            EXPECT_EQ(platform.files.count(path) ? platform.files[path] : "", onDisk);
        }
    }
}

TEST_F(MainFormTest, AFailedSaveIsReported) {
    Load(LinesFile(170));
    platform.failingPaths[platform.GamePath()] = 101;
    form.Guarded([&] { form.SpeedButton2Click(); });
    EXPECT_EQ(platform.errorBoxes.back(), "Disk full.\rC:\\Game\\f1graphics.cfg");
    // The original could not be put back: the box names where the new content is.
    platform.failingPaths.clear();
    platform.keptReplacements[platform.GamePath()] = platform.GamePath() + ".new";
    form.Guarded([&] { form.SpeedButton2Click(); });
    EXPECT_EQ(platform.errorBoxes.back(),
              "Die neuen Einstellungen konnten nicht an die Stelle von f1graphics.cfg treten. Sie "
              "wurden in dieser Datei aufbewahrt:\rC:\\Game\\f1graphics.cfg.new");
}

// The game writing the file at Save's look: what it writes cannot be merged yet, so nothing
// is written, and the message says to wait.
TEST_F(MainFormTest, SaveWritesNothingWhileTheGameWritesTheFile) {
    Load(LinesFile(170));
    platform.changingReads.insert(platform.GamePath());
    form.Guarded([&] { form.SpeedButton2Click(); });
    EXPECT_TRUE(platform.questions.empty());
    EXPECT_EQ(platform.writes, 0);
    ASSERT_EQ(platform.errorBoxes.size(), 1u);
    EXPECT_TRUE(platform.errorBoxes[0].starts_with(entries::kFileKeptChanging.germanDefault))
        << platform.errorBoxes[0];
}

TEST_F(MainFormTest, QuitClosesWithoutWriting) {
    Load("1;a\n");
    form.folder.File().Write(0, "0");
    form.SpeedButton3Click();
    EXPECT_TRUE(platform.closed);
    EXPECT_EQ(platform.writes, 0);
    EXPECT_EQ(platform.files[platform.GamePath()], "1;a\n");
}

TEST_F(MainFormTest, TheGuardShowsEveryErrorAndGoesOn) {
    form.Guarded([] { throw std::runtime_error("List index out of bounds (2)"); });
    form.Guarded([] { throw std::runtime_error("boom"); });
    EXPECT_EQ(platform.errorBoxes,
              (std::vector<std::string>{"List index out of bounds (2)", "boom."}));
    form.Guarded([] { throw 42; });
    EXPECT_EQ(platform.errorBoxes.back(), "Unknown error.");
}

TEST(FormLayout, EveryModelControlHasALayoutRowAndIdsAreUnique) {
    FakePlatform platform;
    MainForm form{platform};
    std::set<int> seen;
    for (const ControlDef& def : MainFormLayout()) {
        EXPECT_TRUE(seen.insert(def.id).second) << def.name;
        Control* c = form.Find(def.id);
        ASSERT_NE(c, nullptr) << def.name;
        EXPECT_EQ(c->Name(), def.name);
        if (def.parent != ids::kForm) {
            EXPECT_NE(FindControlDef(def.parent), nullptr) << def.name;
        }
    }
    EXPECT_EQ(form.AllControls().size(), MainFormLayout().size());
}

TEST(MainFormChanges, QuitAndLoadAskOnlyAboutThePlayersChanges) {
    const std::string saveQuestion = "\xc4nderungen an f1graphics.cfg speichern?";
    const std::string loadQuestion = "Ihre \xc4nderungen verwerfen und f1graphics.cfg neu laden?";
    using Act = void (*)(MainForm&);
    const struct {
        const char* name;
        Act act;
        bool changed;
        bool saved = false; // the title says that Save wrote
    } rows[] = {
        {"Load alone", [](MainForm&) {}, false},
        {"a check box", [](MainForm& f) { f.CheckBox1.UserClick(); }, true},
        {"a check box clicked twice",
         [](MainForm& f) {
             f.CheckBox1.UserClick();
             f.CheckBox1.UserClick();
         },
         false},
        {"the slider moved to where it is", [](MainForm& f) { f.TrackBar2.UserScroll(0); }, false},
        {"Apply",
         [](MainForm& f) {
             f.ListBox1.UserSelect(9);
             f.edit1.UserEditText("5");
             f.SpeedButton10Click();
         },
         true},
        {"a refused value", [](MainForm& f) { f.ComboBox2.UserEditText("1;2"); }, false},
        {"a change, then Save",
         [](MainForm& f) {
             f.CheckBox1.UserClick();
             f.SpeedButton2Click();
         },
         false, true},
        {"Save, then a change",
         [](MainForm& f) {
             f.SpeedButton2Click();
             f.CheckBox1.UserClick();
         },
         true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        FakeForm f;
        FakePlatform& platform = f.platform;
        MainForm& form = f.form;
        // The filter box's two lines disagree: Load leaves them so.
        f.Load(LinesFile(170, {{93, "2"}}));
        ASSERT_EQ(form.document.Value(94), "0");
        form.Guarded([&] { row.act(form); });
        EXPECT_EQ(form.folder.File().HasChanges(), row.changed);
        EXPECT_EQ(
            form.folders.Title().ends_with(" - f1graphics.cfg gespeichert (Sicherung behalten)"),
            row.saved);
        platform.closeAnswer = Platform::Answer::Cancel;
        EXPECT_EQ(form.QueryClose(), !row.changed);
        form.Guarded([&] { form.SpeedButton1Click(); }); // answered No: the Load does not run
        const std::vector<std::string> asked{saveQuestion, loadQuestion};
        EXPECT_EQ(platform.questions, row.changed ? asked : std::vector<std::string>{});
        EXPECT_EQ(form.folder.File().HasChanges(), row.changed);
    }
}

// Yes saves and closes; a Save that fails says why and keeps the window, with the changes.
// (Cancel: the table above; No: the window's own test.)
TEST(MainFormChanges, QuitWithChangesClosesOnlyWhenTheSaveWorked) {
    for (const bool saveFails : {false, true}) {
        FakeForm f;
        FakePlatform& platform = f.platform;
        MainForm& form = f.form;
        f.Load(LinesFile(170));
        form.Guarded([&] { form.CheckBox1.UserClick(); });
        platform.closeAnswer = Platform::Answer::Yes;
        if (saveFails) {
            platform.failingPaths[platform.GamePath()] = 5;
        }
        bool nested = true; // a close while another command's question is open waits
        form.Guarded([&] { form.Guarded([&] { nested = form.QueryClose(); }); });
        EXPECT_FALSE(nested);
        EXPECT_EQ(form.QueryClose(), !saveFails);
        EXPECT_EQ(platform.writes, saveFails ? 0 : 1);
        EXPECT_EQ(form.folder.File().HasChanges(), saveFails);
        EXPECT_EQ(platform.errorBoxes.size(), saveFails ? 1u : 0u);
    }
}

// The Info page shows the contacts the build names and a row only for each of them; with
// none (the build's default) it points to the read-me instead.
TEST(InfoPage, ShowsOnlyTheContactsTheBuildNames) {
    const struct {
        Contacts contacts;
        std::set<std::string> shown;
    } rows[] = {
        {{}, {"InfoReadme"}},
        {{.mail = "a@b.c"}, {"Label9", "Label12", "Label10"}},
        {{.mail = "a@b.c", .web = "http://x/", .shortWeb = "x"},
         {"Label9", "Label12", "Label10", "Label30", "Label7", "Label31"}},
    };
    EXPECT_FALSE(BuildContacts().Any()) << "the default build names none";
    for (const auto& row : rows) {
        FakeForm t;
        t.form.contacts = row.contacts;
        t.form.ShowContacts();
        std::set<std::string> shown;
        for (Label* label :
             {&t.form.Label9, &t.form.Label12, &t.form.Label10, &t.form.Label13, &t.form.Label11,
              &t.form.Label30, &t.form.Label7, &t.form.Label31, &t.form.InfoReadme}) {
            if (label->Visible()) {
                shown.insert(label->Name());
            }
        }
        EXPECT_EQ(shown, row.shown);
        EXPECT_EQ(t.form.Label10.Caption(), row.contacts.mail);
        EXPECT_EQ(t.form.Label7.Caption(), row.contacts.web);
    }
}
