// The Windows build runs under wine at all: a real file round trip through the core.
#include "file/config_document.hpp"

#include <gtest/gtest.h>
#include <windows.h>

TEST(WineSmoke, CreatesAWindow) {
    HWND hwnd = CreateWindowExA(0, "STATIC", "x", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(hwnd, nullptr);
    DestroyWindow(hwnd);
}
