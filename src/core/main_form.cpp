#include "core/main_form.hpp"

#include "core/errors.hpp"
#include "core/form_layout.hpp"
#include "core/text.hpp"

#include <exception>

namespace korvane {

namespace {

std::vector<std::string> ToStrings(const std::vector<std::string_view>& items) {
    return {items.begin(), items.end()};
}

std::vector<std::string> ItemsOf(int id) {
    const ControlDef* def = FindControlDef(id);
    return def ? ToStrings(def->items) : std::vector<std::string>{};
}

} // namespace

MainForm::MainForm(Platform& p)
    : platform(p), Panel1("Panel1", ids::Panel(1)), Panel2("Panel2", ids::Panel(2)),
      Panel3("Panel3", ids::Panel(3)), Panel4("Panel4", ids::Panel(4)),
      Panel5("Panel5", ids::Panel(5)), Panel6("Panel6", ids::Panel(6)),
      Panel7("Panel7", ids::Panel(7)), Panel8("Panel8", ids::Panel(8)),
      SpeedButton1("SpeedButton1", ids::SpeedButton(1)),
      SpeedButton2("SpeedButton2", ids::SpeedButton(2)),
      SpeedButton3("SpeedButton3", ids::SpeedButton(3)),
      SpeedButton4("SpeedButton4", ids::SpeedButton(4)),
      SpeedButton5("SpeedButton5", ids::SpeedButton(5)),
      SpeedButton6("SpeedButton6", ids::SpeedButton(6)),
      SpeedButton7("SpeedButton7", ids::SpeedButton(7)),
      SpeedButton9("SpeedButton9", ids::SpeedButton(9)),
      SpeedButton10("SpeedButton10", ids::SpeedButton(10)),
      CheckBox1("CheckBox1", ids::CheckBox(1)), CheckBox2("CheckBox2", ids::CheckBox(2)),
      CheckBox3("CheckBox3", ids::CheckBox(3)), CheckBox4("CheckBox4", ids::CheckBox(4)),
      CheckBox5("CheckBox5", ids::CheckBox(5)), CheckBox6("CheckBox6", ids::CheckBox(6)),
      CheckBox7("CheckBox7", ids::CheckBox(7)), CheckBox8("CheckBox8", ids::CheckBox(8)),
      CheckBox9("CheckBox9", ids::CheckBox(9)), CheckBox10("CheckBox10", ids::CheckBox(10)),
      CheckBox11("CheckBox11", ids::CheckBox(11)), CheckBox12("CheckBox12", ids::CheckBox(12)),
      CheckBox13("CheckBox13", ids::CheckBox(13)), CheckBox14("CheckBox14", ids::CheckBox(14)),
      CheckBox15("CheckBox15", ids::CheckBox(15)), CheckBox16("CheckBox16", ids::CheckBox(16)),
      CheckBox17("CheckBox17", ids::CheckBox(17)),
      aufloesung("aufloesung", ids::kAufloesung, ComboBox::Kind::Editable,
                 ItemsOf(ids::kAufloesung)),
      ComboBox1("ComboBox1", ids::ComboBox(1), ComboBox::Kind::Editable, ItemsOf(ids::ComboBox(1))),
      ComboBox2("ComboBox2", ids::ComboBox(2), ComboBox::Kind::Editable, ItemsOf(ids::ComboBox(2))),
      ComboBox3("ComboBox3", ids::ComboBox(3), ComboBox::Kind::Editable, ItemsOf(ids::ComboBox(3))),
      ComboBox4("ComboBox4", ids::ComboBox(4), ComboBox::Kind::FixedList,
                ItemsOf(ids::ComboBox(4))),
      ComboBox5("ComboBox5", ids::ComboBox(5), ComboBox::Kind::FixedList,
                ItemsOf(ids::ComboBox(5))),
      ComboBox6("ComboBox6", ids::ComboBox(6), ComboBox::Kind::FixedList,
                ItemsOf(ids::ComboBox(6))),
      TrackBar1("TrackBar1", ids::TrackBar(1), 1, 32, 1),
      TrackBar2("TrackBar2", ids::TrackBar(2), 0, 100, 5), ListBox1("ListBox1", ids::ListBox(1)),
      ListBox2("ListBox2", ids::ListBox(2)), ListBox3("ListBox3", ids::ListBox(3)),
      ListBox4("ListBox4", ids::ListBox(4)), ListBox5("ListBox5", ids::ListBox(5)),
      Label1("Label1", ids::Label(1)), Label2("Label2", ids::Label(2)),
      Label3("Label3", ids::Label(3)), Label4("Label4", ids::Label(4)),
      Label5("Label5", ids::Label(5)), Label6("Label6", ids::Label(6)),
      Label7("Label7", ids::Label(7)), Label8("Label8", ids::Label(8)),
      Label9("Label9", ids::Label(9)), Label10("Label10", ids::Label(10)),
      Label11("Label11", ids::Label(11)), Label12("Label12", ids::Label(12)),
      Label13("Label13", ids::Label(13)), Label14("Label14", ids::Label(14)),
      Label15("Label15", ids::Label(15)), Label16("Label16", ids::Label(16)),
      Label17("Label17", ids::Label(17)), Label18("Label18", ids::Label(18)),
      Label19("Label19", ids::Label(19)), Label20("Label20", ids::Label(20)),
      Label21("Label21", ids::Label(21)), Label22("Label22", ids::Label(22)),
      Label23("Label23", ids::Label(23)), Label24("Label24", ids::Label(24)),
      Label25("Label25", ids::Label(25)), Label26("Label26", ids::Label(26)),
      Label27("Label27", ids::Label(27)), Label28("Label28", ids::Label(28)),
      Label29("Label29", ids::Label(29)), Label30("Label30", ids::Label(30)),
      Label31("Label31", ids::Label(31)), Label32("Label32", ids::Label(32)),
      Label33("Label33", ids::Label(33)), Label34("Label34", ids::Label(34)),
      Label35("Label35", ids::Label(35)), Label36("Label36", ids::Label(36)),
      GroupBox1("GroupBox1", ids::GroupBox(1)), GroupBox2("GroupBox2", ids::GroupBox(2)),
      edit1("edit1", ids::kEdit1), edit2("edit2", ids::kEdit2), Shape1("Shape1", ids::kShape1) {
    Control* const controls[] = {
        &Panel1,       &Panel2,       &Panel3,       &Panel4,       &Panel5,        &Panel6,
        &Panel7,       &Panel8,       &SpeedButton1, &SpeedButton2, &SpeedButton3,  &SpeedButton4,
        &SpeedButton5, &SpeedButton6, &SpeedButton7, &SpeedButton9, &SpeedButton10, &CheckBox1,
        &CheckBox2,    &CheckBox3,    &CheckBox4,    &CheckBox5,    &CheckBox6,     &CheckBox7,
        &CheckBox8,    &CheckBox9,    &CheckBox10,   &CheckBox11,   &CheckBox12,    &CheckBox13,
        &CheckBox14,   &CheckBox15,   &CheckBox16,   &CheckBox17,   &aufloesung,    &ComboBox1,
        &ComboBox2,    &ComboBox3,    &ComboBox4,    &ComboBox5,    &ComboBox6,     &TrackBar1,
        &TrackBar2,    &ListBox1,     &ListBox2,     &ListBox3,     &ListBox4,      &ListBox5,
        &Label1,       &Label2,       &Label3,       &Label4,       &Label5,        &Label6,
        &Label7,       &Label8,       &Label9,       &Label10,      &Label11,       &Label12,
        &Label13,      &Label14,      &Label15,      &Label16,      &Label17,       &Label18,
        &Label19,      &Label20,      &Label21,      &Label22,      &Label23,       &Label24,
        &Label25,      &Label26,      &Label27,      &Label28,      &Label29,       &Label30,
        &Label31,      &Label32,      &Label33,      &Label34,      &Label35,       &Label36,
        &GroupBox1,    &GroupBox2,    &edit1,        &edit2,        &Shape1,
    };
    // Layout order, so views and tests can walk the controls as the window creates them.
    for (const ControlDef& def : MainFormLayout()) {
        for (Control* c : controls) {
            if (c->Id() == def.id) {
                c->SetCaption(std::string(def.caption));
                c->SetVisible(def.visible);
                all_.push_back(c);
            }
        }
    }
    SpeedButton4.SetStyle(FontStyle::Bold);
    SpeedButton5.SetStyle(FontStyle::Bold);
    SpeedButton6.SetStyle(FontStyle::Bold);
    SpeedButton7.SetStyle(FontStyle::Italic); // the Info page is on show at start

    // The document's lists are the list boxes' rows.
    ListBox1.SetSource([this] { return document.Count(); },
                       [this](std::size_t r) { return document.Value(static_cast<long long>(r)); });
    ListBox2.SetSource([this] { return document.Count(); },
                       [this](std::size_t r) {
                           return std::string(document.TailView(static_cast<long long>(r)));
                       });
    ListBox4.SetSource([this] { return document.Count(); },
                       [this](std::size_t r) {
                           return std::string(document.DescriptionView(static_cast<long long>(r)));
                       });
    ListBox5.SetSource([this] { return document.Count(); },
                       [](std::size_t r) { return std::to_string(r); });
    document.AddListener([this](ConfigDocument::Change change, std::size_t line) {
        for (ListBox* lb : {&ListBox1, &ListBox2, &ListBox4, &ListBox5}) {
            if (change == ConfigDocument::Change::Reset) {
                lb->RowsChanged();
            } else if (lb == &ListBox1) {
                lb->RowChanged(line);
            }
        }
    });
    Bind();
}

void MainForm::Bind() {
    SpeedButton1.onClick = [this] { SpeedButton1Click(); };
    SpeedButton2.onClick = [this] { SpeedButton2Click(); };
    SpeedButton3.onClick = [this] { SpeedButton3Click(); };
    SpeedButton4.onClick = [this] { SpeedButton4Click(); };
    SpeedButton5.onClick = [this] { SpeedButton5Click(); };
    SpeedButton6.onClick = [this] { SpeedButton6Click(); };
    SpeedButton7.onClick = [this] { SpeedButton7Click(); };
    SpeedButton9.onClick = [this] { SpeedButton9Click(); };
    SpeedButton10.onClick = [this] { SpeedButton10Click(); };
    CheckBox1.onClick = [this] { CheckBox1Click(); };
    CheckBox2.onClick = [this] { CheckBox2Click(); };
    CheckBox3.onClick = [this] { CheckBox3Click(); };
    CheckBox4.onClick = [this] { CheckBox4Click(); };
    CheckBox5.onClick = [this] { CheckBox5Click(); };
    CheckBox6.onClick = [this] { CheckBox6Click(); };
    CheckBox7.onClick = [this] { CheckBox7Click(); };
    CheckBox8.onClick = [this] { CheckBox8Click(); };
    CheckBox9.onClick = [this] { CheckBox9Click(); };
    CheckBox10.onClick = [this] { CheckBox10Click(); };
    CheckBox11.onClick = [this] { CheckBox11Click(); };
    CheckBox12.onClick = [this] { CheckBox12Click(); };
    CheckBox13.onClick = [this] { CheckBox13Click(); };
    CheckBox14.onClick = [this] { CheckBox14Click(); };
    CheckBox15.onClick = [this] { CheckBox15Click(); };
    CheckBox16.onClick = [this] { CheckBox16Click(); };
    CheckBox17.onClick = [this] { CheckBox17Click(); };
    aufloesung.onChange = [this] { aufloesungChange(); };
    ComboBox1.onChange = [this] { ComboBox1Change(); };
    ComboBox2.onChange = [this] { ComboBox2Change(); };
    ComboBox3.onChange = [this] { ComboBox3Change(); };
    ComboBox4.onChange = [this] { ComboBox4Change(); };
    ComboBox5.onChange = [this] { ComboBox5Change(); };
    ComboBox6.onChange = [this] { ComboBox6Change(); };
    TrackBar1.onChange = [this] { TrackBar1Change(); };
    TrackBar2.onChange = [this] { TrackBar2Change(); };
    ListBox1.onClick = [this] { ListBox1Click(); };
    ListBox4.onClick = [this] { ListBox4Click(); };
    ListBox5.onClick = [this] { ListBox5Click(); };
}

void MainForm::Guarded(const std::function<void()>& work) noexcept {
    try {
        try {
            work();
        } catch (const std::exception& e) {
            platform.ShowErrorBox(ErrorBoxText(e.what()));
        } catch (...) {
            platform.ShowErrorBox(ErrorBoxText("Unknown error"));
        }
    } catch (...) {
        // Showing the box itself failed (out of memory): nothing more can be done here.
    }
}

Control* MainForm::Find(int id) noexcept {
    for (Control* c : all_) {
        if (c->Id() == id) {
            return c;
        }
    }
    return nullptr;
}

void MainForm::HideAllPages() {
    Panel1.SetVisible(false);
    Panel2.SetVisible(false);
    Panel4.SetVisible(false);
    Panel5.SetVisible(false);
    Panel6.SetVisible(false);
}

void MainForm::ResetButtonStyles() {
    SpeedButton4.SetStyle(FontStyle::Bold);
    SpeedButton5.SetStyle(FontStyle::Bold);
    SpeedButton6.SetStyle(FontStyle::Bold);
    SpeedButton7.SetStyle(FontStyle::Regular);
    SpeedButton9.SetStyle(FontStyle::Regular);
}

void MainForm::ShowPage(Panel& page, SpeedButton& button, FontStyle style) {
    HideAllPages();
    page.SetVisible(true);
    ResetButtonStyles();
    button.SetStyle(style);
}

void MainForm::SpeedButton4Click() {
    ShowPage(Panel1, SpeedButton4, FontStyle::BoldItalic);
}
void MainForm::SpeedButton5Click() {
    ShowPage(Panel4, SpeedButton5, FontStyle::BoldItalic);
}
void MainForm::SpeedButton6Click() {
    ShowPage(Panel5, SpeedButton6, FontStyle::BoldItalic);
}
void MainForm::SpeedButton7Click() {
    ShowPage(Panel6, SpeedButton7, FontStyle::Italic);
}

void MainForm::SpeedButton9Click() {
    HideAllPages();
    ResetButtonStyles();
    Panel2.SetVisible(true);
    SpeedButton9.SetStyle(FontStyle::Italic);
}

std::string MainForm::LookupInstallDir() {
    return platform.LookupInstallDir();
}

void MainForm::LoadDocument() {
    documentLoaded_ = false;
    document.Clear();
    // The whole file is read before anything is appended: a failed read leaves the
    // document empty.
    document.Append(platform.ReadFile(InstallDir + "\\f1graphics.cfg"));
    documentLoaded_ = true;
}

void MainForm::SaveDocument() {
    // Writing an empty document over the player's file would destroy it: Save writes only
    // a file that was read completely.
    if (!documentLoaded_) {
        return;
    }
    platform.ReplaceFile(InstallDir + "\\f1graphics.cfg", document.Write());
}

void MainForm::SpeedButton1Click() {
    InstallDir = LookupInstallDir();
    CheckBox1.SetChecked(false);
    CheckBox2.SetChecked(false);
    CheckBox3.SetChecked(false);
    CheckBox4.SetChecked(false);
    CheckBox5.SetChecked(false);
    LoadDocument();
    SpeedButton4.SetVisible(true);
    SpeedButton5.SetVisible(true);
    SpeedButton6.SetVisible(true);
    SpeedButton9.SetVisible(true);
    ApplyDocumentToControls();
}

void MainForm::SpeedButton2Click() {
    SaveDocument();
}

void MainForm::SpeedButton3Click() {
    platform.CloseProgram();
}

} // namespace korvane
