// Horizontal sliders with ticks below. Every scroll notification of the user's drag or key
// press reaches the model, also one that leaves the position as it was: the model runs the
// handler for each.
#include "win32/control_view.hpp"

#include <commctrl.h>

namespace korvane::win32 {

namespace {

constexpr int kThumbLength = 16;

class TrackBarView : public ControlView {
public:
    TrackBarView(ViewHost& host, TrackBar& model, const ControlDef& def) noexcept
        : ControlView(host, model, def), bar_(model) {}

    void Create(HWND parent) override {
        HWND hwnd = CreateChild(
            TRACKBAR_CLASSA, TBS_HORZ | TBS_AUTOTICKS | TBS_BOTTOM | TBS_FIXEDLENGTH | WS_TABSTOP,
            0, parent);
        SetThumbLength();
        SendMessageA(hwnd, TBM_SETRANGEMIN, FALSE, bar_.Min());
        SendMessageA(hwnd, TBM_SETRANGEMAX, FALSE, bar_.Max());
        SendMessageA(hwnd, TBM_SETTICFREQ, static_cast<WPARAM>(bar_.TickFrequency()), 0);
        ShowPosition();
    }

    void Mirror(Property property, std::ptrdiff_t index) override {
        if (property == Property::Position) {
            ShowPosition();
        } else if (property != Property::Caption) {
            ControlView::Mirror(property, index);
        }
    }

    void Rescale() override {
        ControlView::Rescale();
        SetThumbLength();
    }

    void OnScroll(UINT code) override {
        const int position = static_cast<int>(SendMessageA(Hwnd(), TBM_GETPOS, 0, 0));
        Host().UserInput([this, position, code] {
            bar_.UserScroll(position);
            if (code == TB_ENDTRACK) {
                bar_.UserRelease();
            }
        });
    }

private:
    // A shorter thumb than the system's leaves room for the ticks in 25 pixels (at 96 dpi).
    void SetThumbLength() {
        SendMessageA(Hwnd(), TBM_SETTHUMBLENGTH, static_cast<WPARAM>(Scaled(kThumbLength)), 0);
    }

    void ShowPosition() {
        if (Hwnd() && SendMessageA(Hwnd(), TBM_GETPOS, 0, 0) != bar_.Position()) {
            SendMessageA(Hwnd(), TBM_SETPOS, TRUE, bar_.Position());
        }
    }

    TrackBar& bar_;
};

} // namespace

std::unique_ptr<ControlView> MakeTrackBarView(ViewHost& host, TrackBar& model,
                                              const ControlDef& def) {
    return std::make_unique<TrackBarView>(host, model, def);
}

} // namespace korvane::win32
