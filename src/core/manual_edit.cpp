// The manual edit page: three synchronised lists and the apply button.
#include "core/main_form.hpp"

namespace korvane {

void MainForm::ListBox1Click() {}
void MainForm::ListBox4Click() {}
void MainForm::ListBox5Click() {}
void MainForm::SpeedButton10Click() {}

} // namespace korvane
