#include "core/form_layout.hpp"

#include <algorithm>

namespace korvane {

namespace {

using K = ControlKind;
using namespace ids;

// Texts are Windows-1252 bytes, as the program shows them.
const FontDef kBold{"Arial", 11, true, false, false};
const FontDef kItalic{"Arial", 11, false, true, false};
const FontDef kBig{"Arial", 27, false, false, false};
const FontDef kItalicUnderlined{"Arial", 11, false, true, true};
const FontDef kWebLink{"MS Sans Serif", 11, false, false, true};

const std::vector<ControlDef>& Layout() {
    static const std::vector<ControlDef> layout = [] {
        const int pg = kPageWidth;
        std::vector<ControlDef> l;
        auto add = [&](ControlDef s) { l.push_back(std::move(s)); };

        // Window level, in tab order. Pages other than Info start hidden so that the keyboard
        // never reaches a page that is not on show.
        add({K::Panel, "Panel3", Panel(3), kForm, 0, 0, kPageLeft, 277, "", {}, {}, kSkyBlue});
        add({K::Panel,
             "Panel1",
             Panel(1),
             kForm,
             kPageLeft,
             0,
             pg,
             277,
             "",
             {},
             {},
             kSkyBlue,
             kDefaultColour,
             false});
        add({K::Panel,
             "Panel4",
             Panel(4),
             kForm,
             kPageLeft,
             0,
             pg,
             277,
             "",
             {},
             {},
             kSkyBlue,
             kDefaultColour,
             false});
        add({K::Panel,
             "Panel5",
             Panel(5),
             kForm,
             kPageLeft,
             0,
             pg,
             277,
             "",
             {},
             {},
             kSkyBlue,
             kDefaultColour,
             false});
        add({K::Panel, "Panel6", Panel(6), kForm, kPageLeft, 0, pg, 277, "", {}, {}, kSkyBlue});
        add({K::Panel,
             "Panel2",
             Panel(2),
             kForm,
             kPageLeft,
             0,
             pg,
             277,
             "",
             {},
             {},
             kDefaultColour,
             kDefaultColour,
             false});
        add({K::ListBox,
             "ListBox3",
             ListBox(3),
             kForm,
             200,
             304,
             105,
             67,
             "",
             {},
             {},
             kDefaultColour,
             kDefaultColour,
             false});
        add({K::ListBox,
             "ListBox2",
             ListBox(2),
             kForm,
             305,
             304,
             64,
             17,
             "",
             {},
             {},
             kDefaultColour,
             kDefaultColour,
             false});

        // Navigation strip.
        const int strip = Panel(3);
        add({K::SpeedButton,
             "SpeedButton4",
             SpeedButton(4),
             strip,
             8,
             8,
             105,
             25,
             "Allgemein",
             {},
             kBold,
             kDefaultColour,
             kDefaultColour,
             false});
        add({K::SpeedButton,
             "SpeedButton5",
             SpeedButton(5),
             strip,
             8,
             40,
             105,
             25,
             "Grafikqualit\xe4t",
             {},
             kBold,
             kDefaultColour,
             kDefaultColour,
             false});
        add({K::SpeedButton,
             "SpeedButton6",
             SpeedButton(6),
             strip,
             8,
             72,
             105,
             25,
             "Objekte",
             {},
             kBold,
             kDefaultColour,
             kDefaultColour,
             false});
        add({K::SpeedButton,
             "SpeedButton9",
             SpeedButton(9),
             strip,
             8,
             104,
             105,
             25,
             "Manuell bearbeiten",
             {},
             {},
             kDefaultColour,
             kDefaultColour,
             false});
        add({K::SpeedButton,
             "SpeedButton7",
             SpeedButton(7),
             strip,
             8,
             136,
             105,
             25,
             "Info",
             {},
             kItalic});
        add({K::SpeedButton, "SpeedButton1", SpeedButton(1), strip, 8, 168, 105, 25, "Laden"});
        add({K::SpeedButton, "SpeedButton2", SpeedButton(2), strip, 8, 200, 105, 25, "Speichern"});
        add({K::SpeedButton, "SpeedButton3", SpeedButton(3), strip, 8, 232, 105, 25, "Beenden"});

        // Page General.
        const int p1 = Panel(1);
        add({K::CheckBox, "CheckBox3", CheckBox(3), p1, 8, 8, 281, 17,
             "f1graphics.cfg kontrolliert ALLE Grafikeinstellungen"});
        add({K::CheckBox, "CheckBox1", CheckBox(1), p1, 8, 24, 281, 17, "32bit verwenden"});
        add({K::CheckBox, "CheckBox2", CheckBox(2), p1, 8, 40, 281, 17, "Vollbildmodus"});
        add({K::CheckBox, "CheckBox8", CheckBox(8), p1, 8, 56, 281, 17,
             "Falls verf\xfcgbar, T&&L aktivieren"});
        add({K::Label, "Label6", Label(6), p1, 8, 92, 164, 14, "Reflektionen werden erzeugt von:"});
        add({K::ComboEditable,
             "ComboBox3",
             ComboBox(3),
             p1,
             288,
             88,
             97,
             22,
             "",
             {"Prozessor", "Grafikkarte"}});
        add({K::CheckBox, "CheckBox12", CheckBox(12), p1, 8, 72, 281, 17,
             "2fache Filterung aktivieren"});

        // Page Graphics quality.
        const int p4 = Panel(4);
        add({K::Label, "Label4", Label(4), p4, 8, 40, 68, 14, "Texturqualit\xe4t:"});
        add({K::ComboEditable,
             "ComboBox1",
             ComboBox(1),
             p4,
             256,
             40,
             97,
             22,
             "",
             {"100%", "50%", "25%", "12.5%"}});
        add({K::Label, "Label1", Label(1), p4, 8, 16, 53, 14, "Aufl\xf6sung:"});
        add({K::ComboEditable,
             "aufloesung",
             kAufloesung,
             p4,
             256,
             16,
             97,
             22,
             "",
             {"800x600", "1024x768", "1152x864"}});
        add({K::Label, "Label5", Label(5), p4, 8, 68, 194, 14,
             "Entfernung fuer geringere Grafikqualit\xe4t:"});
        add({K::ComboEditable,
             "ComboBox2",
             ComboBox(2),
             p4,
             256,
             64,
             97,
             22,
             "",
             {"", "100", "200", "300", "400", "500", "600", "700", "800", "900", "1000", "1100",
              "1200", "1300", "1400", "1500", "2000", "3000", "4000"}});
        add({K::CheckBox, "CheckBox17", CheckBox(17), p4, 8, 88, 441, 17, "CheckBox17"});
        add({K::CheckBox, "CheckBox16", CheckBox(16), p4, 8, 120, 441, 17, "CheckBox16"});
        add({K::CheckBox, "CheckBox15", CheckBox(15), p4, 8, 104, 441, 17, "CheckBox15"});

        // Page Objects.
        const int p5 = Panel(5);
        add({K::CheckBox, "CheckBox4", CheckBox(4), p5, 8, 8, 201, 17, "Spiegel aktivieren"});
        add({K::CheckBox, "CheckBox5", CheckBox(5), p5, 8, 24, 201, 17,
             "Spiegel aktivieren (T-Cam)"});
        add({K::CheckBox, "CheckBox6", CheckBox(6), p5, 8, 40, 201, 17, "Helmvisier aktivieren"});
        add({K::CheckBox, "CheckBox7", CheckBox(7), p5, 8, 56, 201, 17,
             "Helmvisiert\xf6nung aktivieren"});
        add({K::CheckBox, "CheckBox9", CheckBox(9), p5, 8, 88, 201, 17, "Autos im Regen spiegeln"});
        add({K::CheckBox, "CheckBox10", CheckBox(10), p5, 8, 104, 201, 17, "Himmel anzeigen"});
        add({K::CheckBox, "CheckBox11", CheckBox(11), p5, 8, 120, 201, 17,
             "Wasserreflektionen(Boden) aktivieren"});
        add({K::Label, "Label19", Label(19), p5, 224, 8, 70, 14, "Streckenkarte:"});
        add({K::ComboFixed,
             "ComboBox4",
             ComboBox(4),
             p5,
             328,
             8,
             129,
             22,
             "",
             {"Aus", "Nur Arcade",
              "Immer(au\xdf"
              "er TV-Sicht)"}});
        add({K::Label, "Label20", Label(20), p5, 224, 32, 89, 14, "Lenkrad anzeigen:"});
        add({K::ComboFixed,
             "ComboBox5",
             ComboBox(5),
             p5,
             328,
             32,
             129,
             22,
             "",
             {"Nur im Cockpit", "Immer"}});
        add({K::Label, "Label21", Label(21), p5, 224, 56, 97, 14, "Regentropfeneffekt:"});
        add({K::ComboFixed,
             "ComboBox6",
             ComboBox(6),
             p5,
             328,
             56,
             129,
             22,
             "",
             {"Nie", "Nur \"echte\" Kameras",
              "Alle au\xdf"
              "er Cockpit",
              "Alle"}});
        add({K::Label, "Label14", Label(14), p5, 8, 152, 114, 14, "Spiegel/Spiegelfunktion:"});
        add({K::TrackBar, "TrackBar1", TrackBar(1), p5, 128, 152, 185, 25, ""});
        add({K::Label, "Label15", Label(15), p5, 320, 136, -1, -1, ""});
        add({K::Shape, "Shape1", kShape1, p5, 217, 168, 1, 17, ""});
        add({K::Label, "Label16", Label(16), p5, 128, 184, 21, 14, "weit"});
        add({K::Label, "Label18", Label(18), p5, 200, 184, 32, 14, "normal"});
        add({K::Label, "Label17", Label(17), p5, 296, 184, 26, 14, "zoom"});
        add({K::CheckBox, "CheckBox13", CheckBox(13), p5, 8, 136, 201, 17, "CheckBox13"});
        add({K::CheckBox, "CheckBox14", CheckBox(14), p5, 8, 72, 201, 17, "CheckBox14"});
        add({K::Label, "Label35", Label(35), p5, 8, 208, 38, 14, "Label35"});
        add({K::TrackBar, "TrackBar2", TrackBar(2), p5, 128, 208, 185, 25, ""});
        add({K::Label, "Label36", Label(36), p5, 320, 208, -1, -1, ""});
        add({K::Label, "Label34", Label(34), p5, 128, 240, 16, 14, "0%"});
        add({K::Label, "Label33", Label(33), p5, 296, 240, 28, 14, "100%"});

        // Page Info.
        const int p6 = Panel(6);
        const int g1 = GroupBox(1);
        const int g2 = GroupBox(2);
        add({K::GroupBox, "GroupBox1", g1, p6, 8, 8, 201, 57, "Programm"});
        add({K::Label, "Label2", Label(2), g1, 14, 16, -1, -1, "Version:"});
        add({K::Label, "Label24", Label(24), g1, 96, 16, -1, -1, "0.4"});
        add({K::Label, "Label26", Label(26), g1, 128, 16, -1, -1, "Built 15"});
        add({K::Label, "Label3", Label(3), g1, 14, 32, -1, -1, "Autor:"});
        add({K::Label, "Label25", Label(25), g1, 96, 32, -1, -1, kAuthorName});
        add({K::GroupBox, "GroupBox2", g2, p6, 216, 8, 225, 57, "Sprachdatei"});
        add({K::Label, "Label22", Label(22), g2, 14, 16, -1, -1, "Sprache:"});
        add({K::Label, "Label27", Label(27), g2, 96, 16, -1, -1, "##"});
        add({K::Label, "Label23", Label(23), g2, 14, 32, -1, -1, "Autor:"});
        add({K::Label, "Label28", Label(28), g2, 96, 32, -1, -1, "##"});
        {
            ControlDef s{K::Label, "Label8", Label(8), p6, 48, 89, 353, 32, "VORVERSION", {}, kBig};
            s.centred = true;
            add(s);
        }
        {
            ControlDef s{K::Label,
                         "Label9",
                         Label(9),
                         p6,
                         112,
                         120,
                         249,
                         41,
                         "Sollten Sie einen Fehler finden oder Vorschl\xe4ge haben, melden Sie "
                         "sich bitte hier:"};
            s.wordWrap = true;
            add(s);
        }
        add({K::Label, "Label12", Label(12), p6, 112, 156, -1, -1, "E-Mail:"});
        add({K::Label, "Label10", Label(10), p6, 216, 156, -1, -1, kContactMail});
        add({K::Label, "Label13", Label(13), p6, 112, 180, -1, -1, "ICQ:"});
        add({K::Label, "Label11", Label(11), p6, 216, 180, -1, -1, kContactMessenger});
        {
            ControlDef s{K::Label,
                         "Label30",
                         Label(30),
                         p6,
                         112,
                         216,
                         233,
                         17,
                         "Updates, Sprachpakete, Hilfe, usw. gibt es auf:",
                         {},
                         kItalicUnderlined};
            s.wordWrap = true;
            add(s);
        }
        {
            ControlDef s{K::Label, "Label7", Label(7),       p6,   112, 232, 233, 13, kWebAddress,
                         {},       kWebLink, kDefaultColour, kNavy};
            s.centred = true;
            add(s);
            s.name = "Label31";
            s.id = Label(31);
            s.top = 248;
            s.caption = kShortWebAddress;
            add(s);
        }

        // Page Manual edit.
        const int p2 = Panel(2);
        const int p7 = Panel(7);
        const int p8 = Panel(8);
        add({K::Panel, "Panel7", p7, p2, 0, 0, pg, 185, ""});
        {
            ControlDef lb{K::ListBox, "ListBox1", ListBox(1), p7, 49, 0, 65, 185, ""};
            lb.border = true;
            add(lb);
            lb.name = "ListBox4";
            lb.id = ListBox(4);
            lb.left = 114;
            lb.width = pg - 114;
            add(lb);
            lb.name = "ListBox5";
            lb.id = ListBox(5);
            lb.left = 0;
            lb.width = 49;
            add(lb);
        }
        add({K::Panel, "Panel8", p8, p2, 0, 185, pg, 92, "", {}, {}, kMoneyGreen});
        {
            ControlDef e{K::Edit, "edit1", kEdit1, p8, 104, 64, 97, 22, ""};
            e.border = true;
            add(e);
            ControlDef m{K::Memo, "edit2", kEdit2, p8, 80, 8, 369, 49, "", {}, {}, kMoneyGreen};
            m.border = true;
            add(m);
        }
        add({K::Label, "Label32", Label(32), p8, 8, 8, 70, 14, "Beschreibung:"});
        add({K::Label, "Label29", Label(29), p8, 8, 64, -1, -1, ""});
        add({K::SpeedButton, "SpeedButton10", SpeedButton(10), p8, 208, 64, 97, 17, ""});
        return l;
    }();
    return layout;
}

} // namespace

const FormDef& MainFormDef() {
    static const FormDef def{"VQR Korvane", 293, 202, 587, 277};
    return def;
}

std::span<const ControlDef> MainFormLayout() {
    return Layout();
}

const ControlDef* FindControlDef(int id) {
    const auto& l = Layout();
    auto it = std::find_if(l.begin(), l.end(), [id](const ControlDef& s) { return s.id == id; });
    return it == l.end() ? nullptr : &*it;
}

} // namespace korvane
