// The setting bindings: which line each setting control shows, how Load sets it and how
// a change writes it back.
//
// Lines are addressed by their literal index, values compared and written as literal
// strings. Handlers do not catch: a failed read or write stops the work there and leaves
// everything done before it, including the control's new state.
#include "core/main_form.hpp"
#include "core/text.hpp"

#include <string>

namespace korvane {

namespace {

const char* Flag(bool checked) {
    return checked ? "1" : "0";
}

// Item i of a drop-down, or the empty text if the list is shorter.
std::string ItemText(const ComboBox& combo, std::size_t i) {
    return i < combo.Items().size() ? combo.Items()[i] : std::string();
}

} // namespace

void MainForm::ApplyDocumentToControls() {
    // Every step reads its line when it comes: a handler run by an earlier step may have
    // rewritten it (CheckBox6 clearing CheckBox7 rewrites line 67 before step 11).
    {
        const std::string v = document.Value(1);
        if (v == "800") {
            aufloesung.SetText("800x600");
        } else if (v == "1024") {
            aufloesung.SetText("1024x768");
        } else if (v == "1152") {
            aufloesung.SetText("1152x864");
        }
    }
    CheckBox3.SetChecked(document.Value(0) == "1");
    CheckBox1.SetChecked(document.Value(3) == "1");
    CheckBox2.SetChecked(document.Value(5) == "1");
    {
        const std::string v = document.Value(23);
        if (v == "0") {
            ComboBox1.SetText("100%");
        } else if (v == "2") {
            ComboBox1.SetText("50%");
        } else if (v == "4") {
            ComboBox1.SetText("25%");
        } else if (v == "8") {
            ComboBox1.SetText("12.5%");
        }
    }
    ComboBox2.SetText(document.Value(101));
    ComboBox3.SetText(ItemText(ComboBox3, document.Value(53) == "3" ? 1 : 0));
    if (document.Value(50) == "1") {
        CheckBox5.SetChecked(true);
    }
    if (document.Value(43) == "0") {
        CheckBox4.SetChecked(false);
        CheckBox5.SetEnabled(false);
    } else {
        CheckBox4.SetChecked(true);
    }
    if (document.Value(60) == "1") {
        CheckBox7.SetEnabled(true);
        CheckBox6.SetChecked(true);
    } else {
        CheckBox7.SetEnabled(false);
        CheckBox6.SetChecked(false);
    }
    CheckBox7.SetChecked(document.Value(67) == "1");
    CheckBox8.SetChecked(document.Value(4) == "1");
    TrackBar1.SetPosition(StrToInt(document.Value(46)));
    ComboBox4.SetItemIndex(StrToInt(document.Value(51)));
    ComboBox5.SetItemIndex(StrToInt(document.Value(117)));
    ComboBox6.SetItemIndex(StrToInt(document.Value(123)));
    CheckBox9.SetChecked(document.Value(109) == "1");
    CheckBox10.SetChecked(document.Value(121) == "1");
    CheckBox11.SetChecked(document.Value(107) == "1");
    CheckBox12.SetChecked(document.Value(93) == "2");
    CheckBox13.SetChecked(document.Value(102) == "1");
    CheckBox14.SetChecked(document.Value(59) == "1");
    CheckBox15.SetChecked(document.Value(25) == "0");
    CheckBox16.SetChecked(document.Value(34) == "1");
    CheckBox17.SetChecked(document.Value(37) == "1");
    TrackBar2.SetPosition(StrToInt(document.Value(49)));
}

void MainForm::CheckBox1Click() {
    document.SetValue(3, Flag(CheckBox1.Checked()));
}

void MainForm::CheckBox2Click() {
    document.SetValue(5, Flag(CheckBox2.Checked()));
}

void MainForm::CheckBox3Click() {
    document.SetValue(0, Flag(CheckBox3.Checked()));
}

void MainForm::CheckBox4Click() {
    // CheckBox5 keeps its own check mark while disabled.
    const bool checked = CheckBox4.Checked();
    CheckBox5.SetEnabled(checked);
    document.SetValue(43, Flag(checked));
}

void MainForm::CheckBox5Click() {
    document.SetValue(50, Flag(CheckBox5.Checked()));
}

void MainForm::CheckBox6Click() {
    if (CheckBox6.Checked()) {
        document.SetValue(60, "1");
        CheckBox7.SetEnabled(true);
    } else {
        document.SetValue(60, "0");
        CheckBox7.SetEnabled(false);
        // No tint without a visor: clearing the box runs CheckBox7Click, which writes line 67.
        CheckBox7.SetChecked(false);
    }
}

void MainForm::CheckBox7Click() {
    document.SetValue(67, Flag(CheckBox7.Checked()));
}

void MainForm::CheckBox8Click() {
    document.SetValue(4, Flag(CheckBox8.Checked()));
}

void MainForm::CheckBox9Click() {
    document.SetValue(109, Flag(CheckBox9.Checked()));
}

void MainForm::CheckBox10Click() {
    document.SetValue(121, Flag(CheckBox10.Checked()));
}

void MainForm::CheckBox11Click() {
    document.SetValue(107, Flag(CheckBox11.Checked()));
}

void MainForm::CheckBox12Click() {
    // The filter lines take "2" for on.
    const char* value = CheckBox12.Checked() ? "2" : "0";
    document.SetValue(93, value);
    document.SetValue(94, value);
}

void MainForm::CheckBox13Click() {
    const char* value = Flag(CheckBox13.Checked());
    document.SetValue(102, value);
    document.SetValue(165, value);
}

void MainForm::CheckBox14Click() {
    document.SetValue(59, Flag(CheckBox14.Checked()));
}

void MainForm::CheckBox15Click() {
    // This line stores the opposite of the box.
    document.SetValue(25, CheckBox15.Checked() ? "0" : "1");
}

void MainForm::CheckBox16Click() {
    document.SetValue(34, Flag(CheckBox16.Checked()));
}

void MainForm::CheckBox17Click() {
    document.SetValue(37, Flag(CheckBox17.Checked()));
}

void MainForm::aufloesungChange() {
    // Width and height go together; a text that names no known resolution writes nothing.
    const std::string& text = aufloesung.Text();
    if (text == "800x600") {
        document.SetValue(1, "800");
        document.SetValue(2, "600");
    } else if (text == "1024x768") {
        document.SetValue(1, "1024");
        document.SetValue(2, "768");
    } else if (text == "1152x864") {
        document.SetValue(1, "1152");
        document.SetValue(2, "864");
    }
}

void MainForm::ComboBox1Change() {
    // By the selected item, whatever the field shows.
    static const char* const kCodes[] = {"0", "2", "4", "8"};
    const int index = ComboBox1.ItemIndex();
    if (index >= 0 && index < 4) {
        document.SetValue(23, kCodes[index]);
    }
}

void MainForm::ComboBox2Change() {
    document.SetValue(101, ComboBox2.Text());
}

void MainForm::ComboBox3Change() {
    const std::string& text = ComboBox3.Text();
    if (text == ItemText(ComboBox3, 1)) {
        document.SetValue(53, "3");
    } else if (text == ItemText(ComboBox3, 0)) {
        document.SetValue(53, "2");
    }
}

// The fixed lists write their selected item's index. With no item selected (a stored index
// outside the list, then Backspace in the search) they write nothing rather than "-1",
// which would replace the stored value with one the game does not know either.
void MainForm::ComboBox4Change() {
    if (ComboBox4.ItemIndex() >= 0) {
        document.SetValue(51, IntToStr(ComboBox4.ItemIndex()));
    }
}

void MainForm::ComboBox5Change() {
    if (ComboBox5.ItemIndex() >= 0) {
        document.SetValue(117, IntToStr(ComboBox5.ItemIndex()));
    }
}

void MainForm::ComboBox6Change() {
    if (ComboBox6.ItemIndex() >= 0) {
        document.SetValue(123, IntToStr(ComboBox6.ItemIndex()));
    }
}

void MainForm::TrackBar1Change() {
    const std::string position = IntToStr(TrackBar1.Position());
    document.SetValue(46, position);
    Label15.SetCaption(position);
}

void MainForm::TrackBar2Change() {
    const std::string position = IntToStr(TrackBar2.Position());
    document.SetValue(49, position);
    Label36.SetCaption(position + "%");
}

} // namespace korvane
