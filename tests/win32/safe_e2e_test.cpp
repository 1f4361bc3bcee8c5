// A player's bad day in the real window on the real file, with real clicks and keys: a Load
// that failed leaves nothing Save may write, and a drop-down shows what is stored once the
// player leaves it. (Quit's question: MainWindowTest.QuitClosesTheWindowWithoutWritingTheFile.)
#include "window_test_support.hpp"

using namespace korvane;
using namespace korvane::wintest;

namespace {

class SafeE2ETest : public WindowTest {
protected:
    // The German defaults: the test's language file has no entries beyond the version.
    static constexpr const char* kNotLoaded =
        "f1graphics.cfg wurde nicht vollst\xe4ndig geladen, darum wurde nichts gespeichert. "
        "Bitte zuerst erfolgreich laden.";
};

} // namespace

// CR-only line ends: the file reads as one line and Load stops in the transfer; Save then
// writes nothing and says why, and the file keeps every byte.
TEST_F(SafeE2ETest, AFileWhoseLoadFailedIsNeitherSavedNorTouched) {
    std::string crOnly = ReadBytes(DemoConfigPath());
    std::erase(crOnly, '\n');
    WriteBytes(GamePath(), crOnly);
    boxesExpected = true;
    MouseClick(Ctl(ids::SpeedButton(1)));
    ASSERT_TRUE(Pump([&] { return boxes->Seen().size() == 1; }));
    EXPECT_TRUE(boxes->Seen()[0].text.starts_with("List index out of bounds (1)\r\n" + GamePath() +
                                                  " endet nach Zeile 0:"))
        << boxes->Seen()[0].text;
    Save();
    ASSERT_EQ(boxes->Seen().size(), 2u);
    EXPECT_EQ(boxes->Seen()[1].text, kNotLoaded);
    EXPECT_EQ(ReadBytes(GamePath()), crOnly);
    EXPECT_EQ(FileNamesIn(gameDir), std::vector<std::string>{"f1graphics.cfg"});
}

// "1366 768" names no size: the text is marked, and what the first key's completion wrote on
// the way is not kept: Tab leaves the box, whose lines and text are then as read.
TEST_F(SafeE2ETest, ADropDownShowsWhatIsStoredOnceLeft) {
    Load();
    ShowPage(kGraphicsPage);
    FocusByMouse(Ctl(ids::kAufloesung), POINT{20, 10});
    PressKey(VK_HOME);
    PressKey(VK_END, {VK_SHIFT});
    TypeText("1366 768");
    ASSERT_TRUE(Pump([&] { return Text(ids::kAufloesung) == "1366 768"; }));
    EXPECT_TRUE(form->aufloesung.Marked());
    PressKey(VK_TAB);
    ASSERT_TRUE(Pump([&] { return Text(ids::kAufloesung) == "800x600"; }));
    EXPECT_EQ(form->document.Value(1) + "x" + form->document.Value(2), "800x600");
    EXPECT_FALSE(form->folder.File().HasChanges());
    EXPECT_FALSE(form->aufloesung.Marked());
}
