#include "file/file_layout.hpp"

#include <algorithm>

namespace korvane {

namespace {

// Every line a setting control edits: its release number, its patched number, how the
// patched comment for it begins, and what it holds (a whole number unless said).
constexpr BoundLine kLines[] = {
    {1, 1, "[RELEASE] Game 3D Horizontal Resolution", Holds::Value},
    {2, 2, "[RELEASE] Game 3D Vertical Resolution", Holds::Value},
    {0, 0, "f1graphics.cfg controls all settings"},
    {3, 3, "[RELEASE] Enable 32bit mode"},
    {4, 4, "[RELEASE] Enable hardware T&L"},
    {5, 5, "[RELEASE] Run in a window"},
    {23, 23, "Texture quality", Holds::Value},
    {25, 25, "Low track geometry"},
    {34, 34, "Enable AdvancedCarShader"},
    {37, 37, "Rotate wheels via textures"},
    {43, 44, "Enable mirrors"},
    {46, 47, "Magnify mirror"},
    {49, 50, "Cockpit zoom"},
    {50, 51, "Enable external view mirrors"},
    {51, 52, "Enable track map"},
    {53, 54, "Reflect effect", Holds::Value},
    {59, 60, "Enable rain droplets on lens/visor"},
    {60, 61, "Enable visor when in cockpit view"},
    {67, kNoLine, ""},
    {93, 98, "[MAIN VIEW] Texture filter quality ("},
    {94, 99, "[MAIN VIEW] Texture filter quality for mipmaps"},
    {101, 106, "[MAIN VIEW] Threshold distance in metres to switch in low LOD track",
     Holds::AnyValue},
    {102, 107, "[MAIN VIEW] Display track shadows"},
    {165, 170, "[MIRROR VIEW] Display track shadows"},
    {107, 112, "[MAIN VIEW] Enable wet weather reflections"},
    {109, 114, "[MAIN VIEW] Reflect cars in wet track"},
    {117, 122, "[MAIN VIEW] DrawExternalSteering"},
    {121, 126, "[MAIN VIEW] Draw sky"},
    {123, 128, "[MAIN VIEW] Draw lens flare"},
};

} // namespace

std::span<const BoundLine> BoundLines() {
    return kLines;
}

int LineIn(FileLayout layout, int releaseLine) {
    if (layout == FileLayout::Release) {
        return releaseLine;
    }
    for (const BoundLine& line : kLines) {
        if (line.release == releaseLine) {
            return line.patched;
        }
    }
    return releaseLine;
}

Holds LineHolds(FileLayout layout, long long line) {
    if (line < 0) {
        return Holds::Value;
    }
    for (const BoundLine& bound : kLines) {
        if ((layout == FileLayout::Release ? bound.release : bound.patched) == line) {
            return bound.holds;
        }
    }
    return Holds::Value;
}

FileLayout RecogniseLayout(const ConfigDocument& document) {
    for (const BoundLine& line : kLines) {
        if (line.patched == line.release || line.patched == kNoLine) {
            continue;
        }
        if (static_cast<std::size_t>(line.patched) >= document.Count() ||
            !document.CommentView(line.patched).starts_with(line.comment)) {
            return FileLayout::Release;
        }
    }
    return FileLayout::Patched;
}

} // namespace korvane
