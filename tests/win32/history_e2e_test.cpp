// The history in the real window on real files, with real clicks: two Saves keep the file
// each replaced, and the file as it was before Korvane comes back with Show and Save.
#include "window_test_support.hpp"

#include "../lines_file.hpp"

using namespace korvane;
using namespace korvane::wintest;
using korvane::testing::CrLfFile;
using korvane::testing::FileLines;

TEST_F(WindowTest, TheFileAsItWasBeforeKorvaneComesBackAfterTwoSaves) {
    const int list = ids::OfName("HistoryList"), show = ids::OfName("HistoryShow");
    // The file as the program writes it, so that bringing it back gives the same bytes.
    const std::string original = CrLfFile(FileLines(ReadBytes(GamePath())));
    WriteBytes(GamePath(), original);
    Load();
    ShowPage(kGeneralPage);
    EXPECT_TRUE(ComboItems(Ctl(list)).empty());
    for (int box : {2, 3}) {
        MouseClick(Ctl(ids::CheckBox(box)));
        ASSERT_TRUE(Pump([&] { return form->folder.File().HasChanges(); }));
        Save();
    }
    ASSERT_NE(ReadBytes(GamePath()), original);
    const std::vector<std::string> items = ComboItems(Ctl(list));
    ASSERT_EQ(items.size(), 2u);
    EXPECT_TRUE(items[0].ends_with(", 1 Zeile anders")) << items[0];
    EXPECT_TRUE(items[1].ends_with(", 2 Zeilen anders, wie vor Korvane")) << items[1];
    EXPECT_EQ(Text(list), items[1]);
    EXPECT_EQ(FileNamesIn(gameDir + "\\Korvane history").size(), 2u);

    MouseClick(Ctl(show));
    ASSERT_TRUE(Pump([&] { return form->folder.File().ChangedCount() == 2; }));
    EXPECT_NE(ReadBytes(GamePath()), original) << "Show writes nothing";
    Save();
    EXPECT_EQ(ReadBytes(GamePath()), original);
    EXPECT_EQ(ComboItems(Ctl(list)).size(), 3u) << "going back is undoable too";
    EXPECT_TRUE(boxes->Seen().empty());
}
