// The manual edit page: three synchronised lists (line number, value, description) and the
// apply button that writes a typed value into the chosen line.
#include "core/main_form.hpp"

namespace korvane {

namespace {

// Selecting row 0 first makes the list take row r afresh, so every list brings r into
// view even when it already had it selected.
void SelectRow(ListBox& list, long long r) {
    list.Select(0);
    list.Select(r);
}

} // namespace

void MainForm::ListBox1Click() {
    SelectRow(ListBox5, ListBox1.Selected());
    SelectRow(ListBox4, ListBox1.Selected());
    SelectRow(ListBox1, ListBox4.Selected());
    edit1.SetText(ListBox1.Item(ListBox1.Selected()));
    edit2.SetText(ListBox4.Item(ListBox4.Selected()));
}

void MainForm::ListBox4Click() {
    SelectRow(ListBox5, ListBox4.Selected());
    SelectRow(ListBox1, ListBox4.Selected());
    SelectRow(ListBox4, ListBox1.Selected());
    edit1.SetText(ListBox1.Item(ListBox1.Selected()));
    edit2.SetText(ListBox4.Item(ListBox4.Selected()));
}

// Leaves edit1 and edit2 alone: they keep the line chosen before, so a value can be
// carried from one line to another.
void MainForm::ListBox5Click() {
    SelectRow(ListBox1, ListBox5.Selected());
    SelectRow(ListBox4, ListBox5.Selected());
    SelectRow(ListBox5, ListBox1.Selected());
}

// The text goes in as typed, unless it would break the line (see WriteValue). With no row
// selected there is no line to write, and the document must keep one value per line, so
// nothing happens.
void MainForm::SpeedButton10Click() {
    const int row = ListBox1.Selected();
    if (row < 0) {
        return;
    }
    WriteValue(row, edit1.Text());
}

} // namespace korvane
