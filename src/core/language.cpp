// The language start-up: language.txt, the caption table and the version check.
#include "core/main_form.hpp"

namespace korvane {

void MainForm::FormCreate() {}
bool MainForm::LanguageFileExists() {
    return false;
}
void MainForm::ReadLanguageFile() {}
void MainForm::ApplyCaptions() {}

} // namespace korvane
