// The window at other dpi than 96: every place and size of the layout, every font, the list
// rows, the slider thumb and the client area scale by dpi/96 (rounded as MulDiv rounds),
// when the window is created and when its dpi changes. Wine gives a process the dpi of
// HKCU\Control Panel\Desktop\LogPixels as it starts, so the runs at 120, 144 and 192 dpi
// start this test program again with the value set, and put it back afterwards.
#include "window_test_support.hpp"

#include <commctrl.h>

#include <cstdlib>
#include <string>
#include <vector>

using namespace korvane;
using namespace korvane::wintest;

#ifndef WM_GETDPISCALEDSIZE
#define WM_GETDPISCALEDSIZE 0x02E4
#endif

namespace {

// Set in the runs at another dpi: the dpi the window must have there.
constexpr const char* kExpectedDpiVariable = "KORVANE_TEST_DPI";

int At(int length, int dpi) {
    return win32::ScaleToDpi(length, dpi);
}

// Where a control is, in its parent's client area.
RECT PlaceOf(HWND hwnd) {
    RECT rc;
    GetWindowRect(hwnd, &rc);
    MapWindowPoints(nullptr, GetParent(hwnd), reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

bool SameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

class WindowDpiTest : public WindowTest {
protected:
    // The client area, and every control at its place and size with its font, at the dpi.
    void ExpectLayoutAt(int dpi) {
        RECT client;
        GetClientRect(window->Hwnd(), &client);
        EXPECT_EQ(client.right, At(587, dpi));
        EXPECT_EQ(client.bottom, At(277, dpi));
        for (const ControlDef& def : MainFormLayout()) {
            SCOPED_TRACE(std::string(def.name));
            const RECT rc = PlaceOf(Ctl(def.id));
            EXPECT_EQ(rc.left, At(def.left, dpi));
            EXPECT_EQ(rc.top, At(def.top, dpi));
            if (def.kind == ControlKind::CheckBox || def.wordWrap) {
                // Wider where the caption needs it.
                EXPECT_GE(rc.right - rc.left, At(def.width, dpi));
                EXPECT_EQ(rc.bottom - rc.top, At(def.height, dpi));
            } else if (def.kind != ControlKind::Label || def.centred || def.wordWrap) {
                EXPECT_EQ(rc.right - rc.left, At(def.width, dpi));
                EXPECT_EQ(rc.bottom - rc.top, At(def.height, dpi));
            }
            if (def.kind != ControlKind::Panel && def.kind != ControlKind::GroupBox &&
                def.kind != ControlKind::Shape && def.kind != ControlKind::TrackBar) {
                EXPECT_EQ(FontOf(Ctl(def.id)).lfHeight, -At(def.font.height, dpi));
            }
        }
        EXPECT_EQ(SendMessageA(Ctl(ids::ListBox(4)), LB_GETITEMHEIGHT, 0, 0), At(14, dpi));
        EXPECT_EQ(SendMessageA(Ctl(ids::TrackBar(1)), TBM_GETTHUMBLENGTH, 0, 0), At(16, dpi));
    }

    std::vector<RECT> Places() const {
        std::vector<RECT> places;
        for (const ControlDef& def : MainFormLayout()) {
            places.push_back(PlaceOf(Ctl(def.id)));
        }
        return places;
    }
};

} // namespace

// Also run at 120, 144 and 192 dpi (below).
TEST_F(WindowDpiTest, TheLayoutHasTheWindowsDpi) {
    const int dpi = window->Dpi();
    if (const char* expected = std::getenv(kExpectedDpiVariable)) {
        ASSERT_EQ(dpi, std::atoi(expected)) << "wine did not start this run at the dpi asked for";
    }
    ExpectLayoutAt(dpi);
    RECT outer;
    GetWindowRect(window->Hwnd(), &outer);
    EXPECT_EQ(outer.left, At(293, dpi));
    EXPECT_EQ(outer.top, At(202, dpi));
    // Asked for its size at its own dpi (as Windows asks before a move to another
    // monitor), the window names the size it has.
    SIZE size{};
    EXPECT_TRUE(SendMessageA(window->Hwnd(), WM_GETDPISCALEDSIZE, static_cast<WPARAM>(dpi),
                             reinterpret_cast<LPARAM>(&size)));
    EXPECT_EQ(size.cx, outer.right - outer.left);
    EXPECT_EQ(size.cy, outer.bottom - outer.top);
}

// Moved to a monitor of 144 dpi, the window takes the rectangle the system suggests and
// shows the layout at 144 dpi; moved back, it is exactly as before.
TEST_F(WindowDpiTest, ADpiChangeRescalesTheWindowAndBackAgain) {
    ASSERT_EQ(window->Dpi(), 96);
    const std::vector<RECT> before = Places();
    RECT start;
    GetWindowRect(window->Hwnd(), &start);
    const LONG style = GetWindowLongA(window->Hwnd(), GWL_STYLE);

    RECT suggested{0, 0, 881, 416};
    AdjustWindowRectEx(&suggested, static_cast<DWORD>(style), FALSE, 0);
    OffsetRect(&suggested, 40 - suggested.left, 30 - suggested.top);
    SendMessageA(window->Hwnd(), WM_DPICHANGED, MAKEWPARAM(144, 144),
                 reinterpret_cast<LPARAM>(&suggested));
    EXPECT_EQ(window->Dpi(), 144);
    RECT outer;
    GetWindowRect(window->Hwnd(), &outer);
    EXPECT_TRUE(SameRect(outer, suggested));
    ExpectLayoutAt(144);

    SendMessageA(window->Hwnd(), WM_DPICHANGED, MAKEWPARAM(96, 96),
                 reinterpret_cast<LPARAM>(&start));
    ExpectLayoutAt(96);
    const std::vector<RECT> after = Places();
    for (std::size_t i = 0; i < before.size(); ++i) {
        EXPECT_TRUE(SameRect(after[i], before[i])) << MainFormLayout()[i].name;
    }
}

namespace {

// Sets the dpi wine gives the processes started from now on, and puts the value back as it
// was at the end of the scope, also when the test fails: the tests after this one share
// the prefix and expect 96 dpi.
class ScopedLogPixels {
public:
    explicit ScopedLogPixels(DWORD dpi) {
        if (RegCreateKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, nullptr, 0,
                            KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &key_,
                            nullptr) != ERROR_SUCCESS) {
            key_ = nullptr;
            ADD_FAILURE() << "cannot open HKCU\\Control Panel\\Desktop";
            return;
        }
        DWORD type = 0;
        DWORD size = sizeof old_;
        had_ = RegQueryValueExA(key_, kValue, nullptr, &type, reinterpret_cast<BYTE*>(&old_),
                                &size) == ERROR_SUCCESS &&
               type == REG_DWORD;
        Set(dpi);
    }
    ScopedLogPixels(const ScopedLogPixels&) = delete;
    ScopedLogPixels& operator=(const ScopedLogPixels&) = delete;
    ~ScopedLogPixels() {
        if (!key_) {
            return;
        }
        if (had_) {
            Set(old_);
        } else {
            RegDeleteValueA(key_, kValue);
        }
        RegCloseKey(key_);
    }

private:
    static constexpr const char* kValue = "LogPixels";
    void Set(DWORD dpi) {
        EXPECT_EQ(RegSetValueExA(key_, kValue, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi),
                                 sizeof dpi),
                  ERROR_SUCCESS);
    }
    HKEY key_ = nullptr;
    bool had_ = false;
    DWORD old_ = 0;
};

// An environment variable of this process (and the processes it starts) for a scope.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const std::string& value) : name_(name) {
        SetEnvironmentVariableA(name_, value.c_str());
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;
    ~ScopedEnvironment() { SetEnvironmentVariableA(name_, nullptr); }

private:
    const char* name_;
};

class OtherDpiRun : public ::testing::TestWithParam<int> {};

} // namespace

// The window's layout and the caption-fit test of the shipped language files, in a run of
// this program at the dpi.
TEST_P(OtherDpiRun, TheWindowScalesAndEveryCaptionFits) {
    const int dpi = GetParam();
    ScopedLogPixels logPixels(static_cast<DWORD>(dpi));
    ScopedEnvironment expected(kExpectedDpiVariable, std::to_string(dpi));
    const ProcessOutput run =
        RunCapturingOutput("\"" + TestProgramPath() +
                               "\" --gtest_filter=WindowDpiTest.TheLayoutHasTheWindowsDpi:"
                               "LanguageStart/ShippedCaptionFitTest.*",
                           120000);
    EXPECT_EQ(run.exitCode, 0) << run.output;
    // The layout test and the caption-fit test of both language files.
    EXPECT_NE(run.output.find("[  PASSED  ] 3 tests."), std::string::npos) << run.output;
}

INSTANTIATE_TEST_SUITE_P(Dpi, OtherDpiRun, ::testing::Values(120, 144, 192));
