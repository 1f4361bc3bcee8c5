// Korvane.exe: initialise the application, create the main window, run the event loop.
#include "win32/app.hpp"

#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    return korvane::win32::RunApplication(instance, show);
}
