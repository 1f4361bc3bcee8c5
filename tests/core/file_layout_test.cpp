// The two layouts of f1graphics.cfg: which file is recognised as the patched game's, and
// which lines every option reads and writes in each.
#include "core/file_layout.hpp"
#include "core/main_form.hpp"
#include "fake_platform.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

using namespace korvane;
using korvane::testing::DataFile;
using korvane::testing::FakePlatform;

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

// One option: a value stored in its (first) line and what the control then shows; a user
// change and the lines it writes, in the release and in the patched layout.
struct OptionRow {
    const char* name;
    std::vector<int> release;
    std::vector<int> patched;
    const char* stored;
    std::function<bool(MainForm&)> shows;
    std::function<void(MainForm&)> change;
};

void Click(CheckBox& box) {
    box.UserClick();
}

std::vector<OptionRow> Options() {
    auto box = [](const char* name, CheckBox MainForm::*b, std::vector<int> rel,
                  std::vector<int> pat, const char* stored = "1") {
        return OptionRow{name,
                         std::move(rel),
                         std::move(pat),
                         stored,
                         [b](MainForm& f) { return (f.*b).Checked(); },
                         [b](MainForm& f) { Click(f.*b); }};
    };
    auto pick = [](const char* name, ComboBox MainForm::*c, std::vector<int> rel,
                   std::vector<int> pat, const char* stored, std::string shown, int picked) {
        return OptionRow{name,
                         std::move(rel),
                         std::move(pat),
                         stored,
                         [c, shown](MainForm& f) { return (f.*c).Text() == shown; },
                         [c, picked](MainForm& f) { (f.*c).UserSelect(picked); }};
    };
    auto slide = [](const char* name, TrackBar MainForm::*t, std::vector<int> rel,
                    std::vector<int> pat, int stored) {
        return OptionRow{name,
                         std::move(rel),
                         std::move(pat),
                         stored == 7 ? "7" : "40",
                         [t, stored](MainForm& f) { return (f.*t).Position() == stored; },
                         [t, stored](MainForm& f) { (f.*t).UserScroll(stored + 2); }};
    };
    using M = MainForm;
    return {
        {"aufloesung",
         {1, 2},
         {1, 2},
         "1024",
         [](MainForm& f) { return f.aufloesung.Text().starts_with("1024x"); },
         [](MainForm& f) { f.aufloesung.UserSelect(2); }},
        box("CheckBox3", &M::CheckBox3, {0}, {0}),
        box("CheckBox1", &M::CheckBox1, {3}, {3}),
        box("CheckBox8", &M::CheckBox8, {4}, {4}),
        box("CheckBox2", &M::CheckBox2, {5}, {5}),
        pick("ComboBox1", &M::ComboBox1, {23}, {23}, "4", "25%", 0),
        box("CheckBox15", &M::CheckBox15, {25}, {25}, "0"),
        box("CheckBox16", &M::CheckBox16, {34}, {34}),
        box("CheckBox17", &M::CheckBox17, {37}, {37}),
        box("CheckBox4", &M::CheckBox4, {43}, {44}, "1"),
        slide("TrackBar1", &M::TrackBar1, {46}, {47}, 7),
        slide("TrackBar2", &M::TrackBar2, {49}, {50}, 40),
        box("CheckBox5", &M::CheckBox5, {50}, {51}),
        pick("ComboBox4", &M::ComboBox4, {51}, {52}, "2",
             "Immer(au\xdf"
             "er TV-Sicht)",
             0),
        pick("ComboBox3", &M::ComboBox3, {53}, {54}, "3", "Grafikkarte", 0),
        box("CheckBox14", &M::CheckBox14, {59}, {60}),
        box("CheckBox6", &M::CheckBox6, {60}, {61}),
        box("CheckBox7", &M::CheckBox7, {67}, {}),
        box("CheckBox12", &M::CheckBox12, {93, 94}, {98, 99}, "2"),
        pick("ComboBox2", &M::ComboBox2, {101}, {106}, "700", "700", 1),
        box("CheckBox13", &M::CheckBox13, {102, 165}, {107, 170}),
        box("CheckBox11", &M::CheckBox11, {107}, {112}),
        box("CheckBox9", &M::CheckBox9, {109}, {114}),
        pick("ComboBox5", &M::ComboBox5, {117}, {122}, "1", "Immer", 0),
        box("CheckBox10", &M::CheckBox10, {121}, {126}),
        pick("ComboBox6", &M::ComboBox6, {123}, {128}, "3", "Alle", 0),
    };
}

} // namespace

TEST(FileLayout, EveryOptionReadsAndWritesItsOwnLinesInEitherLayout) {
    const std::string real = RealFile();
    for (const OptionRow& row : Options()) {
        for (const FileLayout layout : {FileLayout::Release, FileLayout::Patched}) {
            const bool patched = layout == FileLayout::Patched;
            SCOPED_TRACE(std::string(row.name) + (patched ? " patched" : " release"));
            const std::vector<int>& lines = patched ? row.patched : row.release;
            std::string file = patched ? real : korvane::testing::LinesFile(170);
            if (!lines.empty()) {
                ConfigDocument doc;
                doc.Append(file);
                doc.SetValue(lines[0], row.stored);
                file = doc.Write();
            }
            FakePlatform p;
            MainForm f(p);
            p.files[p.GamePath()] = file;
            f.Guarded([&f] { f.SpeedButton1Click(); });
            ASSERT_TRUE(p.errorBoxes.empty()) << p.errorBoxes.front();
            ASSERT_EQ(f.Layout(), layout);
            EXPECT_EQ(row.shows(f), !lines.empty());

            std::vector<std::string> before;
            for (std::size_t k = 0; k < f.document.Count(); ++k) {
                before.push_back(f.document.Value(static_cast<long long>(k)));
            }
            f.Guarded([&] { row.change(f); });
            std::set<int> written;
            for (std::size_t k = 0; k < before.size(); ++k) {
                if (f.document.Value(static_cast<long long>(k)) != before[k]) {
                    written.insert(static_cast<int>(k));
                }
            }
            EXPECT_EQ(written, std::set<int>(lines.begin(), lines.end()));
            EXPECT_TRUE(p.errorBoxes.empty());
        }
    }
}

TEST(FileLayout, ToolTipsNameEachLineWithItsCommentOrSayTheFileLacksIt) {
    FakePlatform p;
    MainForm f(p);
    EXPECT_EQ(f.CheckBox4.ToolTip(), "") << "no tooltips before a Load";
    p.files[p.GamePath()] = RealFile();
    f.Guarded([&f] { f.SpeedButton1Click(); });
    EXPECT_EQ(f.CheckBox4.ToolTip(), "Zeile 44: Enable mirrors");
    EXPECT_EQ(f.CheckBox13.ToolTip(), "Zeile 107: [MAIN VIEW] Display track shadows\r\n"
                                      "Zeile 170: [MIRROR VIEW] Display track shadows");
    EXPECT_EQ(f.CheckBox7.ToolTip(), "Nicht in dieser Datei");
    EXPECT_FALSE(f.CheckBox7.Enabled());
    EXPECT_EQ(f.ComboBox6.ToolTip().size(),
              std::string("Zeile 128: ").size() + std::string(f.document.CommentView(128)).size());

    // A comment longer than a tooltip shows is cut; the release layout keeps its numbers.
    p.files[p.GamePath()] = korvane::testing::LinesFile(60) + "0\t; " + std::string(300, 'x') +
                            "\r\n" + korvane::testing::LinesFile(110);
    f.Guarded([&f] { f.SpeedButton1Click(); });
    EXPECT_EQ(f.Layout(), FileLayout::Release);
    EXPECT_EQ(f.CheckBox6.ToolTip(), "Zeile 60: " + std::string(200, 'x'));
    EXPECT_EQ(f.CheckBox7.ToolTip(), "Zeile 67: line 6");
}
