// Horizontal sliders with ticks below. Every scroll notification of the user's drag or key
// press reaches the model, also one that leaves the position as it was: the model runs the
// handler for each.
#include "win32/control_messages.hpp"
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
        CreateChild(TRACKBAR_CLASSA,
                    TBS_HORZ | TBS_AUTOTICKS | TBS_BOTTOM | TBS_FIXEDLENGTH | WS_TABSTOP, 0,
                    parent);
        SetThumbLength();
        Bar().SetRange(bar_.Min(), bar_.Max());
        Bar().SetTickFrequency(bar_.TickFrequency());
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
        const int position = Bar().Position();
        Host().UserInput([this, position, code] {
            bar_.UserScroll(position);
            if (code == TB_ENDTRACK) {
                bar_.UserRelease();
            }
        });
    }

private:
    TrackBarWindow Bar() const noexcept { return TrackBarWindow(Hwnd()); }

    // A shorter thumb than the system's leaves room for the ticks in 25 pixels (at 96 dpi).
    void SetThumbLength() { Bar().SetThumbLength(Scaled(kThumbLength)); }

    void ShowPosition() {
        if (Hwnd() && Bar().Position() != bar_.Position()) {
            Bar().SetPosition(bar_.Position());
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
