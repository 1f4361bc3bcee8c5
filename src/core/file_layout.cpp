#include "core/file_layout.hpp"

#include "core/form_layout.hpp"

#include <algorithm>

namespace korvane {

namespace {

// Every bound option: its release line, its patched line and the patched comment's start.
constexpr BoundOption kOptions[] = {
    {ids::kAufloesung,
     {{1, 1, "[RELEASE] Game 3D Horizontal Resolution", Holds::Value},
      {2, 2, "[RELEASE] Game 3D Vertical Resolution", Holds::Value}},
     2},
    {ids::CheckBox(3), {{0, 0, "f1graphics.cfg controls all settings"}}, 1},
    {ids::CheckBox(1), {{3, 3, "[RELEASE] Enable 32bit mode"}}, 1},
    {ids::CheckBox(8), {{4, 4, "[RELEASE] Enable hardware T&L"}}, 1},
    {ids::CheckBox(2), {{5, 5, "[RELEASE] Run in a window"}}, 1},
    {ids::ComboBox(1), {{23, 23, "Texture quality", Holds::Value}}, 1},
    {ids::CheckBox(15), {{25, 25, "Low track geometry"}}, 1},
    {ids::CheckBox(16), {{34, 34, "Enable AdvancedCarShader"}}, 1},
    {ids::CheckBox(17), {{37, 37, "Rotate wheels via textures"}}, 1},
    {ids::CheckBox(4), {{43, 44, "Enable mirrors"}}, 1},
    {ids::TrackBar(1), {{46, 47, "Magnify mirror"}}, 1},
    {ids::TrackBar(2), {{49, 50, "Cockpit zoom"}}, 1},
    {ids::CheckBox(5), {{50, 51, "Enable external view mirrors"}}, 1},
    {ids::ComboBox(4), {{51, 52, "Enable track map"}}, 1},
    {ids::ComboBox(3), {{53, 54, "Reflect effect", Holds::Value}}, 1},
    {ids::CheckBox(14), {{59, 60, "Enable rain droplets on lens/visor"}}, 1},
    {ids::CheckBox(6), {{60, 61, "Enable visor when in cockpit view"}}, 1},
    {ids::CheckBox(7), {{67, kNoLine, ""}}, 1},
    {ids::CheckBox(12),
     {{93, 98, "[MAIN VIEW] Texture filter quality ("},
      {94, 99, "[MAIN VIEW] Texture filter quality for mipmaps"}},
     2},
    {ids::ComboBox(2),
     {{101, 106, "[MAIN VIEW] Threshold distance in metres to switch in low LOD track",
       Holds::AnyValue}},
     1},
    {ids::CheckBox(13),
     {{102, 107, "[MAIN VIEW] Display track shadows"},
      {165, 170, "[MIRROR VIEW] Display track shadows"}},
     2},
    {ids::CheckBox(11), {{107, 112, "[MAIN VIEW] Enable wet weather reflections"}}, 1},
    {ids::CheckBox(9), {{109, 114, "[MAIN VIEW] Reflect cars in wet track"}}, 1},
    {ids::ComboBox(5), {{117, 122, "[MAIN VIEW] DrawExternalSteering"}}, 1},
    {ids::CheckBox(10), {{121, 126, "[MAIN VIEW] Draw sky"}}, 1},
    {ids::ComboBox(6), {{123, 128, "[MAIN VIEW] Draw lens flare"}}, 1},
};

} // namespace

std::span<const BoundOption> BoundOptions() {
    return kOptions;
}

const BoundOption* BoundOptionOf(int controlId) {
    const auto it =
        std::find_if(std::begin(kOptions), std::end(kOptions),
                     [controlId](const BoundOption& o) { return o.control == controlId; });
    return it == std::end(kOptions) ? nullptr : it;
}

int LineIn(FileLayout layout, int releaseLine) {
    if (layout == FileLayout::Release) {
        return releaseLine;
    }
    for (const BoundOption& option : kOptions) {
        for (std::size_t i = 0; i < option.count; ++i) {
            if (option.lines[i].release == releaseLine) {
                return option.lines[i].patched;
            }
        }
    }
    return releaseLine;
}

Holds LineHolds(FileLayout layout, long long line) {
    if (line < 0) {
        return Holds::Value;
    }
    for (const BoundOption& option : kOptions) {
        for (std::size_t i = 0; i < option.count; ++i) {
            const BoundLine& bound = option.lines[i];
            if ((layout == FileLayout::Release ? bound.release : bound.patched) == line) {
                return bound.holds;
            }
        }
    }
    return Holds::Value;
}

FileLayout RecogniseLayout(const ConfigDocument& document) {
    for (const BoundOption& option : kOptions) {
        for (std::size_t i = 0; i < option.count; ++i) {
            const BoundLine& line = option.lines[i];
            if (line.patched == line.release || line.patched == kNoLine) {
                continue;
            }
            if (static_cast<std::size_t>(line.patched) >= document.Count() ||
                !document.CommentView(line.patched).starts_with(line.comment)) {
                return FileLayout::Release;
            }
        }
    }
    return FileLayout::Patched;
}

} // namespace korvane
