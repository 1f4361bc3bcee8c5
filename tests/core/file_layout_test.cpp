// The two layouts of f1graphics.cfg: which file is recognised as the patched game's, and
// which lines every option reads and writes in each.
#include "app/main_form.hpp"
#include "fake_platform.hpp"
#include "file/file_layout.hpp"

#include "../option_lines.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

using namespace korvane;
using korvane::testing::DataFile;
using korvane::testing::FakeForm;

namespace {

std::string RealFile() {
    return DataFile("demo/game/f1graphics.cfg");
}

// The bytes of a file with line k's text replaced (the file's lines as the document reads
// them, CR LF after each).
std::string WithLine(const std::string& bytes, int k, const std::string& text) {
    ConfigDocument doc;
    doc.Append(bytes);
    std::string out;
    for (std::size_t i = 0; i < doc.Count(); ++i) {
        const auto n = static_cast<long long>(i);
        out += (static_cast<int>(i) == k ? text : doc.Value(n) + std::string(doc.TailView(n))) +
               "\r\n";
    }
    return out;
}

FileLayout Recognised(const std::string& bytes) {
    ConfigDocument doc;
    doc.Append(bytes);
    return RecogniseLayout(doc);
}

} // namespace

TEST(FileLayout, TheRealFileIsThePatchedGamesAndAnythingElseTheRelease) {
    const std::string real = RealFile();
    ASSERT_EQ(real.size() > 0, true);
    const struct {
        const char* name;
        std::string bytes;
        FileLayout layout;
    } rows[] = {
        {"the real file", real, FileLayout::Patched},
        {"sky comment changed", WithLine(real, 126, "1\t\t\t; [MAIN VIEW] Draw clouds"),
         FileLayout::Release},
        {"mipmap filter comment changed",
         WithLine(real, 99, "1\t\t\t; [MAIN VIEW] Texture filter quality (0 => none)"),
         FileLayout::Release},
        {"blanks before the comment", WithLine(real, 44, "1\t;\t  Enable mirrors"),
         FileLayout::Patched},
        {"letter case counts", WithLine(real, 44, "1\t; enable mirrors"), FileLayout::Release},
        {"cut before line 170", real.substr(0, real.find("[MIRROR VIEW] Display track shadows")),
         FileLayout::Release},
        {"lines without comments", korvane::testing::LinesFile(300), FileLayout::Release},
        {"empty", "", FileLayout::Release},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(Recognised(row.bytes), row.layout) << row.name;
    }
}

namespace {

// One option: a value stored in its (first) line and what the control then shows, and a
// user change; the lines it reads and writes are the shared table's.
struct OptionRow {
    const char* name;
    const char* stored;
    std::function<bool(MainForm&)> shows;
    std::function<void(MainForm&)> change;
};

std::vector<OptionRow> Options() {
    auto box = [](const char* name, CheckBox MainForm::*b, const char* stored = "1") {
        return OptionRow{name, stored, [b](MainForm& f) { return (f.*b).Checked(); },
                         [b](MainForm& f) { (f.*b).UserClick(); }};
    };
    auto pick = [](const char* name, ComboBox MainForm::*c, const char* stored, std::string shown,
                   int picked) {
        return OptionRow{name, stored, [c, shown](MainForm& f) { return (f.*c).Text() == shown; },
                         [c, picked](MainForm& f) { (f.*c).UserSelect(picked); }};
    };
    auto slide = [](const char* name, TrackBar MainForm::*t, int stored) {
        return OptionRow{name, stored == 7 ? "7" : "40",
                         [t, stored](MainForm& f) { return (f.*t).Position() == stored; },
                         [t, stored](MainForm& f) { (f.*t).UserScroll(stored + 2); }};
    };
    using M = MainForm;
    return {
        {"aufloesung", "1024", [](MainForm& f) { return f.aufloesung.Text().starts_with("1024x"); },
         [](MainForm& f) { f.aufloesung.UserSelect(2); }},
        box("CheckBox3", &M::CheckBox3),
        box("CheckBox1", &M::CheckBox1),
        box("CheckBox8", &M::CheckBox8),
        box("CheckBox2", &M::CheckBox2),
        pick("ComboBox1", &M::ComboBox1, "4", "25%", 0),
        box("CheckBox15", &M::CheckBox15, "0"),
        box("CheckBox16", &M::CheckBox16),
        box("CheckBox17", &M::CheckBox17),
        box("CheckBox4", &M::CheckBox4),
        slide("TrackBar1", &M::TrackBar1, 7),
        slide("TrackBar2", &M::TrackBar2, 40),
        box("CheckBox5", &M::CheckBox5),
        pick("ComboBox4", &M::ComboBox4, "2",
             "Immer(au\xdf"
             "er TV-Sicht)",
             0),
        pick("ComboBox3", &M::ComboBox3, "3", "Grafikkarte", 0),
        box("CheckBox14", &M::CheckBox14),
        box("CheckBox6", &M::CheckBox6),
        box("CheckBox7", &M::CheckBox7),
        box("CheckBox12", &M::CheckBox12, "2"),
        pick("ComboBox2", &M::ComboBox2, "700", "700", 1),
        box("CheckBox13", &M::CheckBox13),
        box("CheckBox11", &M::CheckBox11),
        box("CheckBox9", &M::CheckBox9),
        pick("ComboBox5", &M::ComboBox5, "1", "Immer", 0),
        box("CheckBox10", &M::CheckBox10),
        pick("ComboBox6", &M::ComboBox6, "3", "Alle", 0),
    };
}

} // namespace

TEST(FileLayout, EveryOptionReadsAndWritesItsOwnLinesInEitherLayout) {
    const std::string real = RealFile();
    const std::vector<OptionRow> options = Options();
    ASSERT_EQ(options.size(), korvane::testing::AllOptionLines().size());
    for (const OptionRow& row : options) {
        for (const FileLayout layout : {FileLayout::Release, FileLayout::Patched}) {
            const bool patched = layout == FileLayout::Patched;
            SCOPED_TRACE(std::string(row.name) + (patched ? " patched" : " release"));
            const korvane::testing::OptionLines& table = korvane::testing::LinesOf(row.name);
            const std::vector<int>& lines = patched ? table.patched : table.release;
            std::string file = patched ? real : korvane::testing::LinesFile(170);
            if (!lines.empty()) {
                ConfigDocument doc;
                doc.Append(file);
                for (const int line : lines) {
                    doc.SetValue(line, row.stored);
                }
                file = doc.Write();
            }
            FakeForm t;
            t.Load(file);
            ASSERT_TRUE(t.platform.errorBoxes.empty()) << t.platform.errorBoxes.front();
            ASSERT_EQ(t.form.folder.File().Layout(), layout);
            EXPECT_EQ(row.shows(t.form), !lines.empty());

            std::vector<std::string> before;
            for (std::size_t k = 0; k < t.form.document.Count(); ++k) {
                before.push_back(t.form.document.Value(static_cast<long long>(k)));
            }
            t.form.Guarded([&] { row.change(t.form); });
            std::set<int> written;
            for (std::size_t k = 0; k < before.size(); ++k) {
                if (t.form.document.Value(static_cast<long long>(k)) != before[k]) {
                    written.insert(static_cast<int>(k));
                }
            }
            EXPECT_EQ(written, std::set<int>(lines.begin(), lines.end()));
            EXPECT_TRUE(t.platform.errorBoxes.empty());
        }
    }
}

TEST(FileLayout, ToolTipsNameEachLineWithItsCommentOrSayTheFileLacksIt) {
    FakeForm t;
    MainForm& f = t.form;
    EXPECT_EQ(f.CheckBox4.ToolTip(), "") << "no tooltips before a Load";
    t.Load(RealFile());
    EXPECT_EQ(f.CheckBox4.ToolTip(), "Zeile 44: Enable mirrors");
    // The shadows' lines disagree in this file (main 1, mirror 0): the rows say what each holds.
    EXPECT_EQ(f.CheckBox13.ToolTip(),
              "Zeile 107 enth\xe4lt '1': [MAIN VIEW] Display track shadows\r\n"
              "Zeile 170 enth\xe4lt '0': [MIRROR VIEW] Display track shadows");
    EXPECT_EQ(f.CheckBox7.ToolTip(), "Nicht in dieser Datei");
    EXPECT_FALSE(f.CheckBox7.Enabled());
    EXPECT_EQ(f.ComboBox6.ToolTip().size(),
              std::string("Zeile 128: ").size() + std::string(f.document.CommentView(128)).size());

    // A comment longer than a tooltip shows is cut; the release layout keeps its numbers.
    t.Load(korvane::testing::LinesFile(60) + "0\t; " + std::string(300, 'x') + "\r\n" +
           korvane::testing::LinesFile(110));
    EXPECT_EQ(f.folder.File().Layout(), FileLayout::Release);
    EXPECT_EQ(f.CheckBox6.ToolTip(), "Zeile 60: " + std::string(200, 'x'));
    EXPECT_EQ(f.CheckBox7.ToolTip(), "Zeile 67: line 6");
}
