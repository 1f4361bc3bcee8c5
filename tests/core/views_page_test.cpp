// The Views page on the real file: a row's three values, the chosen cell's guidance, and what
// its commands write.
#include "app/main_form.hpp"
#include "fake_platform.hpp"

#include <gtest/gtest.h>

using namespace korvane;
using korvane::testing::DataFile;

namespace {

struct ViewsPageTest : ::testing::Test, korvane::testing::FakeForm {
    void SetUp() override { Load(DataFile("demo/game/f1graphics.cfg")); }
    void Choose(int row, std::size_t column) {
        form.Guarded([&] { form.ViewGrid.UserSelect(row, column); });
    }
    void Click(SpeedButton& button) {
        form.Guarded([&] { button.UserClick(); });
    }
    std::vector<std::string> Row(int r) const {
        return {form.ViewGrid.Cell(r, 1), form.ViewGrid.Cell(r, 2), form.ViewGrid.Cell(r, 3)};
    }
};

} // namespace

TEST_F(ViewsPageTest, ACellIsEditedWithItsGuidanceAndTheMainValueCopiedAcross) {
    ASSERT_EQ(form.ViewGrid.Count(), 63u);
    EXPECT_EQ(form.ViewGrid.Cell(3, 0), "Mipmap bias (0 => -8 to 200 => +8) -ve=> sharper");
    EXPECT_EQ(Row(3), (std::vector<std::string>{"92", "115", "115"}));
    EXPECT_TRUE(form.ViewGrid.RowMarked(3));
    EXPECT_FALSE(form.ViewGrid.RowMarked(2));

    // The setting's own column stands for the main value.
    Choose(3, 0);
    EXPECT_EQ(form.ViewGrid.Column(), 1u);
    EXPECT_EQ(form.ViewValue.Text(), "92");
    EXPECT_EQ(form.ViewNote.Caption(), "0 bis 200");
    EXPECT_FALSE(form.ViewChoices.Enabled());

    // The mirror of "Draw lens flare": its choices, a pick, a typed value, Restore.
    Choose(30, 2);
    EXPECT_EQ(form.views.ChosenViewLine(), 191);
    ASSERT_EQ(form.ViewChoices.Items().size(), 4u);
    EXPECT_EQ(form.ViewChoices.ItemIndex(), 0);
    form.Guarded([&] { form.ViewChoices.UserSelect(2); });
    EXPECT_EQ(form.document.Value(191), "2");
    EXPECT_EQ(form.ViewValue.Text(), "2");
    EXPECT_TRUE(form.ViewGrid.CellMarked(30, 2) && !form.ViewGrid.CellMarked(30, 1));
    EXPECT_EQ(form.ViewNote.Caption(), "f1graphics.cfg: 0");
    form.Guarded([&] { form.ViewValue.UserEditText("7"); });
    EXPECT_EQ(form.ViewNote.Caption(), "f1graphics.cfg: 0\r\n7 steht nicht zur Auswahl");
    form.Guarded([&] { form.ViewValue.UserEnter(); });
    EXPECT_EQ(form.document.Value(191), "7");
    Click(form.ViewRestore);
    EXPECT_EQ(form.document.Value(191), "0");
    EXPECT_FALSE(form.folder.File().HasChanges() || form.ViewRestore.Enabled());

    // Copy across: the row, then every row; each copied line is a change Restore puts back.
    Choose(3, 3);
    Click(form.CopyRow);
    EXPECT_EQ(Row(3), (std::vector<std::string>{"92", "92", "92"}));
    EXPECT_FALSE(form.ViewGrid.RowMarked(3) || form.CopyRow.Enabled());
    Click(form.CopyAll);
    EXPECT_EQ(form.folder.File().ChangedCount(), 57u);
    EXPECT_FALSE(form.CopyAll.Enabled() || form.ViewGrid.RowMarked(14));
    Click(form.ViewRestore);
    EXPECT_EQ(form.document.Value(227), "115");
    EXPECT_EQ(form.folder.File().ChangedCount(), 56u);
    EXPECT_TRUE(form.CopyRow.Enabled());
    EXPECT_EQ(platform.errorBoxes, std::vector<std::string>{});
}

TEST_F(ViewsPageTest, ThePageSaysWhatTheGridLeavesOut) {
    std::string bytes = DataFile("demo/game/f1graphics.cfg");
    bytes.insert(bytes.find("1\t\t\t; [MIRROR VIEW] Draw sky"),
                 "1\t; [MIRROR VIEW] Draw puddles\n");
    Load(bytes);
    EXPECT_EQ(form.ViewNote.Caption(),
              "4 Zeilen der Ansichten lassen sich keiner Einstellung sicher zuordnen; sie stehen "
              "nur auf der Seite Manuell bearbeiten.");
    Load(korvane::testing::LinesFile(300));
    EXPECT_EQ(form.ViewNote.Caption(), "Diese Datei hat keine Ansichten ([MAIN VIEW], [MIRROR "
                                       "VIEW], [VIDEOWALL VIEW]).");
}
