// Undo and redo of the player's edits: what one input is as a step, that undo puts back every
// line of it and every control shows the document again, and that redo writes it again.
#include "app/main_form.hpp"
#include "fake_platform.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <string>

using namespace korvane;
using korvane::testing::DataFile;
using korvane::testing::FileLines;

namespace {

struct EditHistoryTest : ::testing::Test, korvane::testing::FakeForm {
    void SetUp() override {
        const std::string game = DataFile("demo/game/f1graphics.cfg");
        std::string profile = game;
        profile.replace(0, 1, "1"); // line 0 "0" -> "1"
        platform.files[platform.installDir + "\\High.cfg"] = profile;
        Load(game);
    }
    // One input of the player, as the window runs it.
    void Input(const std::function<void()>& work) { form.Guarded(work); }
    // What every control that shows lines shows (the profile list names a file).
    std::string Look() const {
        std::string look;
        for (const Control* c : form.AllControls()) {
            if (const auto* box = dynamic_cast<const CheckBox*>(c)) {
                look += box->Checked() ? '1' : '0';
            } else if (const auto* bar = dynamic_cast<const TrackBar*>(c)) {
                look += std::to_string(bar->Position()) + ",";
            } else if (const auto* combo = dynamic_cast<const ComboBox*>(c);
                       combo && c != &form.ProfileList) {
                look += combo->Text() + ",";
            }
        }
        return look;
    }
    std::size_t Undos() {
        std::size_t n = 0;
        for (; form.folder.File().CanUndo(); ++n) {
            Input([&] { form.UndoEdit.UserClick(); });
        }
        return n;
    }
};

} // namespace

TEST_F(EditHistoryTest, EveryInputIsOneStepThatUndoPutsBackWhole) {
    const struct {
        const char* name;
        std::function<void(EditHistoryTest&)> edit;
        std::size_t steps;   // undos back to the file as loaded
        std::size_t changed; // lines changed by the edit
    } rows[] = {
        {"a box that writes two lines",
         [](auto& t) { t.Input([&] { t.form.CheckBox12.UserClick(); }); }, 1, 2},
        {"a drag, then a key press",
         [](auto& t) {
             for (const int position : {3, 5, 9}) {
                 t.Input([&] { t.form.TrackBar1.UserScroll(position); });
             }
             t.Input([&] { t.form.TrackBar1.UserRelease(); });
             t.Input([&] {
                 t.form.TrackBar1.UserScroll(8);
                 t.form.TrackBar1.UserRelease();
             });
         },
         2, 1},
        {"typing into a drop-down until it is left",
         [](auto& t) {
             for (const char* text : {"1024x7", "1024x768", "1280x1024"}) {
                 t.Input([&] { t.form.aufloesung.UserEditText(text); });
             }
             t.Input([&] { t.form.aufloesung.UserLeave(); });
         },
         1, 2},
        {"Apply on the manual page",
         [](auto& t) {
             t.Input([&] { t.form.ListBox5.UserSelect(3); });
             t.Input([&] { t.form.edit1.UserEditText("70"); });
             t.Input([&] { t.form.SpeedButton10.UserClick(); });
         },
         1, 1},
        {"Every row as main", [](auto& t) { t.Input([&] { t.form.CopyAll.UserClick(); }); }, 1, 57},
        {"Use of a profile",
         [](auto& t) {
             t.Input([&] { t.form.ProfileList.UserSelect(0); });
             t.Input([&] { t.form.ProfileUse.UserClick(); });
         },
         1, 1},
        {"Restore after a box",
         [](auto& t) {
             t.Input([&] { t.form.CheckBox2.UserClick(); });
             t.Input([&] { t.form.ListBox5.UserSelect(5); });
             t.Input([&] { t.form.RestoreValue.UserClick(); });
         },
         2, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        SetUp();
        const std::string loaded = form.document.Write();
        const std::string look = Look();
        EXPECT_FALSE(form.UndoEdit.Enabled());
        row.edit(*this);
        const std::string edited = form.document.Write();
        EXPECT_EQ(form.folder.File().ChangedCount(), row.changed);
        EXPECT_EQ(form.UndoEdit.Enabled(), row.steps > 0);

        EXPECT_EQ(Undos(), row.steps);
        EXPECT_EQ(form.document.Write(), loaded);
        EXPECT_EQ(Look(), look);
        EXPECT_FALSE(form.folder.File().HasChanges() || form.UndoEdit.Enabled());
        EXPECT_TRUE(form.RedoEdit.Enabled());
        for (std::size_t k = 0; k < row.steps; ++k) {
            Input([&] { form.RedoEdit.UserClick(); });
        }
        EXPECT_EQ(form.document.Write(), edited);
        EXPECT_FALSE(form.RedoEdit.Enabled());
    }
}

TEST_F(EditHistoryTest, UndoReachesPastSaveAndANewEditDropsTheRedo) {
    const std::string first = platform.files[platform.GamePath()];
    Input([&] { form.CheckBox2.UserClick(); });
    Input([&] { form.CheckBox12.UserClick(); });
    Input([&] { form.SpeedButton2.UserClick(); });
    EXPECT_TRUE(form.UndoEdit.Enabled()) << "Save is no step";
    Input([&] { form.UndoEdit.UserClick(); });
    EXPECT_EQ(form.folder.File().ChangedCount(), 2u);

    // A new edit after an undo: nothing is left to redo.
    Input([&] { form.CheckBox1.UserClick(); });
    EXPECT_FALSE(form.RedoEdit.Enabled());
    Input([&] { form.RedoEdit.UserClick(); });
    EXPECT_EQ(form.folder.File().ChangedCount(), 3u);

    EXPECT_EQ(Undos(), 2u);
    Input([&] { form.SpeedButton2.UserClick(); });
    EXPECT_EQ(FileLines(platform.files[platform.GamePath()]), FileLines(first));

    // Load starts a new history.
    Input([&] { form.CheckBox2.UserClick(); });
    Load(first);
    EXPECT_FALSE(form.UndoEdit.Enabled() || form.RedoEdit.Enabled());
}
