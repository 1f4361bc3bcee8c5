// Profiles in the real window on real files, with real clicks and keys: the list of the game
// folder's profiles, Use, Save after Use, and Save as profile with a name refused first.
#include "window_test_support.hpp"

#include "../lines_file.hpp"

using namespace korvane;
using namespace korvane::wintest;
using korvane::testing::CrLfFile;
using korvane::testing::FileLines;

namespace {

constexpr int kList = ids::OfName("ProfileList"), kUse = ids::OfName("ProfileUse"),
              kSaveAs = ids::OfName("ProfileSaveAs"), kShown = ids::OfName("ProfileShown");

} // namespace

// The game folder holds f1graphics.cfg, High.cfg (a copy at 1024x768 in a window), an
// unrelated other.cfg and a folder x.cfg: the list shows High alone. Use shows High's values
// and writes nothing, and the window shows which lines Save will change; Save writes them,
// keeps the old file as the backup and asks nothing (the file is compared with itself as
// loaded, not with High).
// Save as profile refuses "a:b" with its rule and writes nothing; "Low" gets the document,
// which f1graphics.cfg holds too: both are marked.
TEST_F(WindowTest, AProfileIsUsedSavedAndSavedAsWithRealInput) {
    const std::string game = ReadBytes(GamePath());
    std::vector<std::string> high = FileLines(game);
    for (const auto& [line, value] : {std::pair{1, "1024"}, {2, "768"}, {5, "1"}}) {
        high[line] = value + high[line].substr(high[line].find('\t'));
    }
    WriteBytes(gameDir + "\\High.cfg", CrLfFile(high));
    WriteBytes(gameDir + "\\other.cfg", "[Options]\r\nSound=1\r\n");
    ASSERT_TRUE(CreateDirectoryA((gameDir + "\\x.cfg").c_str(), nullptr));
    Load();
    ShowPage(kGeneralPage);
    EXPECT_EQ(ComboItems(Ctl(kList)), std::vector<std::string>{"High"});
    EXPECT_EQ(SendMessageA(Ctl(ids::CheckBox(2)), BM_GETCHECK, 0, 0), BST_UNCHECKED);

    PressKey('P', {VK_MENU}); // the label's access key reaches the list
    ASSERT_TRUE(Pump([&] { return GetFocus() == Ctl(kList); }));
    PressKey(VK_DOWN);
    ASSERT_TRUE(Pump([&] { return IsWindowEnabled(Ctl(kUse)) != FALSE; }));
    MouseClick(Ctl(kUse));
    ASSERT_TRUE(Pump([&] { return !Text(kShown).empty(); }));
    EXPECT_EQ(Text(kShown), "Profil High wird angezeigt. Speichern schreibt es in f1graphics.cfg.");
    EXPECT_EQ(Text(ids::kAufloesung), "1024x768");
    EXPECT_EQ(SendMessageA(Ctl(ids::CheckBox(2)), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(ReadBytes(GamePath()), game);

    // What Save will change: the strip counts High's three lines, and its button shows the
    // manual page, where the check box lists those lines alone.
    const int count = ids::OfName("SaveChanges"), changedOnly = ids::OfName("ChangedOnly");
    ASSERT_TRUE(Pump([&] { return IsWindowVisible(Ctl(count)) != FALSE; }));
    EXPECT_EQ(Text(count), "3 ge\xe4ndert");
    MouseClick(Ctl(count));
    ASSERT_TRUE(Pump([&] { return IsWindowVisible(Ctl(changedOnly)) != FALSE; }));
    EXPECT_FALSE(IsWindowVisible(Ctl(count)));
    EXPECT_EQ(Text(changedOnly), "3 Zeilen ge\xe4n&dert");
    MouseClick(Ctl(changedOnly));
    ASSERT_TRUE(Pump([&] { return ComboItems(Ctl(ids::ListBox(5))).size() == 3; }));
    EXPECT_EQ(ComboItems(Ctl(ids::ListBox(5))), (std::vector<std::string>{"1", "2", "5"}));

    Save();
    EXPECT_EQ(ReadBytes(GamePath()), CrLfFile(high));
    EXPECT_EQ(ReadBytes(GamePath() + ".bak"), game);
    EXPECT_TRUE(boxes->Seen().empty());

    ShowPage(kGeneralPage);
    boxesExpected = true;
    boxes->AnswerTextDialogs({"a:b", std::nullopt, "Low"});
    const std::vector<std::string> files = FileNamesIn(gameDir);
    for (int click = 1; click <= 2; ++click) {
        HandlerCounter runs(form->ProfileSaveAs.onClick);
        MouseClick(Ctl(kSaveAs));
        ASSERT_TRUE(Pump([&] { return runs.count == 1; })) << "Save as profile did not run";
        if (click == 1) {
            EXPECT_EQ(FileNamesIn(gameDir), files);
        }
    }
    const std::vector<SeenBox> seen = boxes->Seen();
    ASSERT_EQ(seen.size(), 4u); // the dialog, the rule, the dialog again, the dialog for Low
    EXPECT_EQ(seen[0].caption, "Als Profil speichern");
    EXPECT_EQ(seen[0].buttons, (std::vector<int>{IDOK, IDCANCEL}));
    EXPECT_EQ(seen[1].text, "Der Name eines Profils darf keines der Zeichen \\ / : * ? \" < > | "
                            "und keine Steuerzeichen enthalten.");
    EXPECT_EQ(ReadBytes(gameDir + "\\Low.cfg"), form->document.Write());
    EXPECT_EQ(ComboItems(Ctl(kList)),
              (std::vector<std::string>{"High (in Gebrauch)", "Low (in Gebrauch)"}));
}
