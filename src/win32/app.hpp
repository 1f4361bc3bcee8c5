// The program's entry: everything WinMain does, callable from tests.
#pragma once

#include <windows.h>

namespace korvane::win32 {

// Creates the main window and runs the event loop until it closes; returns the exit code.
int RunApplication(HINSTANCE instance, int show) noexcept;

} // namespace korvane::win32
