// The setting bindings: which line each setting control shows, how Load sets it and how
// a change writes it back.
#include "core/main_form.hpp"

namespace korvane {

void MainForm::ApplyDocumentToControls() {}
void MainForm::CheckBox1Click() {}
void MainForm::CheckBox2Click() {}
void MainForm::CheckBox3Click() {}
void MainForm::CheckBox4Click() {}
void MainForm::CheckBox5Click() {}
void MainForm::CheckBox6Click() {}
void MainForm::CheckBox7Click() {}
void MainForm::CheckBox8Click() {}
void MainForm::CheckBox9Click() {}
void MainForm::CheckBox10Click() {}
void MainForm::CheckBox11Click() {}
void MainForm::CheckBox12Click() {}
void MainForm::CheckBox13Click() {}
void MainForm::CheckBox14Click() {}
void MainForm::CheckBox15Click() {}
void MainForm::CheckBox16Click() {}
void MainForm::CheckBox17Click() {}
void MainForm::aufloesungChange() {}
void MainForm::ComboBox1Change() {}
void MainForm::ComboBox2Change() {}
void MainForm::ComboBox3Change() {}
void MainForm::ComboBox4Change() {}
void MainForm::ComboBox5Change() {}
void MainForm::ComboBox6Change() {}
void MainForm::TrackBar1Change() {}
void MainForm::TrackBar2Change() {}

} // namespace korvane
