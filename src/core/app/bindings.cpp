// The setting bindings: which lines each setting control shows, how the window shows them
// (which writes nothing) and how the player's change writes them back.
//
// Lines are addressed by their literal index in the game's release file, and reached
// through the document's layout (file_layout.hpp); values are compared and written as
// literal strings. Handlers do not catch: a failed read or write stops the work there and
// leaves everything done before it, including the control's new state.
#include "app/bindings.hpp"
#include "app/form_layout.hpp"
#include "app/main_form.hpp"
#include "app/setting_pages.hpp"
#include "file/errors.hpp"
#include "file/text.hpp"

#include <algorithm>
#include <optional>
#include <string>

namespace korvane {

namespace {

// Item i of a drop-down, or the empty text if the list is shorter.
std::string ItemText(const ComboBox& combo, std::size_t i) {
    return i < combo.Items().size() ? combo.Items()[i] : std::string();
}

bool AllDigits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

struct Resolution {
    int width;
    int height;
};

// "WIDTHxHEIGHT" ("x" or "X", blanks around it and at either end) with a width of 320 to
// 16384 and a height of 200 to 16384; nothing else names a resolution.
std::optional<Resolution> ParseResolution(std::string_view text) {
    auto blank = [](char c) { return c == ' ' || c == '\t'; };
    auto skipBlanks = [&] {
        while (!text.empty() && blank(text.front())) {
            text.remove_prefix(1);
        }
    };
    auto number = [&](int max) -> int {
        if (text.empty() || text.front() < '0' || text.front() > '9') {
            return -1;
        }
        int value = 0;
        while (!text.empty() && text.front() >= '0' && text.front() <= '9') {
            value = std::min(value * 10 + (text.front() - '0'), max + 1);
            text.remove_prefix(1);
        }
        return value;
    };
    constexpr int kMax = 16384;
    skipBlanks();
    const int width = number(kMax);
    skipBlanks();
    if (text.empty() || (text.front() != 'x' && text.front() != 'X')) {
        return std::nullopt;
    }
    text.remove_prefix(1);
    skipBlanks();
    const int height = number(kMax);
    skipBlanks();
    if (!text.empty() || width < 320 || width > kMax || height < 200 || height > kMax) {
        return std::nullopt;
    }
    return Resolution{width, height};
}

// A stored value and the text its drop-down shows for it.
struct NamedValue {
    const char* value;
    const char* text;
};
constexpr NamedValue kResolutions[] = {
    {"800", "800x600"}, {"1024", "1024x768"}, {"1152", "1152x864"}};
// In item order: the texture quality writes its selected item's code.
constexpr NamedValue kTextures[] = {{"0", "100%"}, {"2", "50%"}, {"4", "25%"}, {"8", "12.5%"}};

template <std::size_t N>
std::optional<std::string> Named(const NamedValue (&table)[N], std::string_view value) {
    for (const auto& row : table) {
        if (value == row.value) {
            return std::string(row.text);
        }
    }
    return std::nullopt;
}

// Rows of the table.
constexpr Setting Box(int id, int line, const char* checked = "1", const char* cleared = "0") {
    return {.control = id,
            .shows = Shows::Flag,
            .lines = {line},
            .count = 1,
            .checked = checked,
            .cleared = cleared};
}
constexpr Setting Pair(int id, int line, int second, const char* checked = "1") {
    return {.control = id,
            .shows = Shows::Flag,
            .lines = {line, second},
            .count = 2,
            .checked = checked};
}
constexpr Setting Drop(int id, Shows shows, int line) {
    return {.control = id, .shows = shows, .lines = {line}, .count = 1};
}
constexpr Setting Slider(int id, int line, int label, const char* unit) {
    return {.control = id,
            .shows = Shows::Position,
            .lines = {line},
            .count = 1,
            .label = label,
            .unit = unit};
}

constexpr Setting kSettings[] = {
    {.control = ids::kAufloesung, .shows = Shows::Resolution, .lines = {1, 2}, .count = 2},
    Box(ids::CheckBox(3), 0),
    Box(ids::CheckBox(1), 3),
    Box(ids::CheckBox(2), 5),
    Drop(ids::ComboBox(1), Shows::Texture, 23),
    Drop(ids::ComboBox(2), Shows::Distance, 101),
    Drop(ids::ComboBox(3), Shows::Reflection, 53),
    {.control = ids::CheckBox(5),
     .shows = Shows::Flag,
     .lines = {50},
     .count = 1,
     .enabledBy = ids::CheckBox(4)},
    {.control = ids::CheckBox(4),
     .shows = Shows::Flag,
     .lines = {43},
     .count = 1,
     .anyButCleared = true},
    Box(ids::CheckBox(6), 60),
    // The tint needs a line of its own, which not every file has.
    {.control = ids::CheckBox(7),
     .shows = Shows::Flag,
     .lines = {67},
     .count = 1,
     .enabledBy = ids::CheckBox(6),
     .clearedWith = true},
    Box(ids::CheckBox(8), 4),
    Slider(ids::TrackBar(1), 46, ids::Label(15), ""),
    Drop(ids::ComboBox(4), Shows::Index, 51),
    Drop(ids::ComboBox(5), Shows::Index, 117),
    Drop(ids::ComboBox(6), Shows::Index, 123),
    Box(ids::CheckBox(9), 109),
    Box(ids::CheckBox(10), 121),
    Box(ids::CheckBox(11), 107),
    // The filter lines take "2" for on.
    Pair(ids::CheckBox(12), 93, 94, "2"),
    Pair(ids::CheckBox(13), 102, 165),
    Box(ids::CheckBox(14), 59),
    // This line stores the opposite of the box.
    Box(ids::CheckBox(15), 25, "0", "1"),
    Box(ids::CheckBox(16), 34),
    Box(ids::CheckBox(17), 37),
    Slider(ids::TrackBar(2), 49, ids::Label(36), "%"),
};

// A tooltip row's comment: the line's own, cut to a length a tooltip can show.
constexpr std::size_t kToolTipCommentLimit = 200;

// The control of a row, of the class its row says.
template <class Model> Model& ControlOf(MainForm& form, int id) {
    return dynamic_cast<Model&>(*form.Find(id));
}

} // namespace

std::span<const Setting> Settings() {
    return kSettings;
}

const Setting* SettingOf(int controlId) {
    const auto it = std::find_if(std::begin(kSettings), std::end(kSettings),
                                 [controlId](const Setting& s) { return s.control == controlId; });
    return it == std::end(kSettings) ? nullptr : it;
}

void CheckNumbers(const ConfigDocument& document, FileLayout layout) {
    for (const Setting& setting : kSettings) {
        if (setting.shows == Shows::Index || setting.shows == Shows::Position) {
            StrToInt(document.Value(LineIn(layout, setting.lines[0])));
        }
    }
}

std::string SettingPages::LineValue(int releaseLine) const {
    return form_.document.Value(LineIn(form_.folder.File().Layout(), releaseLine));
}

void SettingPages::SetLine(int releaseLine, std::string_view value) {
    const int line = LineIn(form_.folder.File().Layout(), releaseLine);
    if (line != kNoLine) {
        form_.folder.File().Write(line, value);
    }
}

bool SettingPages::HasLine(int releaseLine) const noexcept {
    return LineIn(form_.folder.File().Layout(), releaseLine) != kNoLine;
}

const Setting& SettingPages::Of(const Control& control) const {
    return *SettingOf(control.Id());
}

void SettingPages::ShowLineToolTips() {
    const Texts& texts = form_.texts;
    const ConfigDocument& document = form_.document;
    const std::string word = texts.LanguageText(entries::kToolTipLine);
    const std::string missing = texts.LanguageText(entries::kNotInThisFile);
    for (const Setting& setting : kSettings) {
        std::string text;
        for (std::size_t i = 0; i < setting.count; ++i) {
            const int line = LineIn(form_.folder.File().Layout(), setting.lines[i]);
            if (line == kNoLine) {
                text = missing;
                break;
            }
            if (!text.empty()) {
                text += "\r\n";
            }
            text += word + " " + IntToStr(line);
            if (static_cast<std::size_t>(line) < document.Count()) {
                text += ": ";
                text += document.CommentView(line).substr(0, kToolTipCommentLimit);
            }
        }
        form_.Find(setting.control)->SetToolTip(std::move(text));
    }
}

std::optional<std::string> SettingPages::StoredChoice(const ComboBox& combo) const {
    const Setting& setting = Of(combo);
    const std::string v = LineValue(setting.lines[0]);
    switch (setting.shows) {
    case Shows::Resolution: {
        // The resolution as stored, when both lines hold a number; the height's line is read
        // only when the file has it, so a file that short still stops where it did.
        const bool hasHeight =
            static_cast<std::size_t>(LineIn(form_.folder.File().Layout(), setting.lines[1])) <
            form_.document.Count();
        const std::string height = hasHeight ? LineValue(setting.lines[1]) : std::string();
        if (AllDigits(v) && AllDigits(height)) {
            return v + "x" + height;
        }
        return Named(kResolutions, v);
    }
    case Shows::Texture:
        return Named(kTextures, v);
    case Shows::Distance:
        return v;
    default:
        return ItemText(combo, v == "3" ? 1 : 0);
    }
}

std::string SettingPages::ShownChoice(const ComboBox& combo) const {
    if (auto named = StoredChoice(combo)) {
        return *named;
    }
    return LineValue(Of(combo).lines[0]);
}

void SettingPages::SettleDropDowns() {
    for (const Setting& setting : kSettings) {
        const auto typing =
            std::find_if(typedInto_.begin(), typedInto_.end(),
                         [&setting](const Typing& t) { return t.combo->Id() == setting.control; });
        if (typing == typedInto_.end()) {
            continue; // it shows its line already
        }
        ComboBox* combo = typing->combo;
        const Typing typed = std::move(*typing);
        typedInto_.erase(typing);
        // The text names nothing the drop-down can store: what a completion wrote on the way
        // is not the player's choice, and the lines go back to what they held before.
        if (combo->Marked()) {
            form_.folder.File().JoinStep(combo->Id());
            for (const auto& [line, value] : typed.lines) {
                form_.folder.File().Write(line, value);
            }
        }
        form_.folder.File().SealStep(combo->Id());
        combo->SetMarked(false);
        const int line = LineIn(form_.folder.File().Layout(), setting.lines[0]);
        if (line == kNoLine || static_cast<std::size_t>(line) >= form_.document.Count()) {
            continue; // nothing stored to show
        }
        combo->SetText(ShownChoice(*combo));
    }
}

void SettingPages::Typed(ComboBox& combo, bool storable) {
    // What the player types or picks in a drop-down is one step until the player leaves it.
    form_.folder.File().JoinStep(combo.Id());
    if (std::none_of(typedInto_.begin(), typedInto_.end(),
                     [&combo](const Typing& t) { return t.combo == &combo; })) {
        Typing typing{&combo, {}};
        const Setting& setting = Of(combo);
        for (std::size_t i = 0; i < setting.count; ++i) {
            const int line = LineIn(form_.folder.File().Layout(), setting.lines[i]);
            if (line != kNoLine && static_cast<std::size_t>(line) < form_.document.Count()) {
                typing.lines.emplace_back(line, form_.document.Value(line));
            }
        }
        typedInto_.push_back(std::move(typing));
    }
    combo.SetMarked(!storable);
}

void SettingPages::ApplyDocumentToControls(bool strict) {
    // A slider's or fixed list's number; a value that is none stops a strict show with the
    // conversion's error and leaves the control as it is otherwise.
    auto number = [&](int releaseLine) -> std::optional<long long> {
        try {
            return StrToInt(LineValue(releaseLine));
        } catch (const ConvertError&) {
            if (strict) {
                throw;
            }
            return std::nullopt;
        }
    };
    // What the player typed into a drop-down gives way to what its lines hold.
    typedInto_.clear();
    for (const Setting& setting : kSettings) {
        if (setting.shows != Shows::Flag && setting.shows != Shows::Index &&
            setting.shows != Shows::Position) {
            ControlOf<ComboBox>(form_, setting.control).SetMarked(false);
        }
    }
    for (const Setting& setting : kSettings) {
        const int first = setting.lines[0];
        switch (setting.shows) {
        case Shows::Flag: {
            CheckBox& box = ControlOf<CheckBox>(form_, setting.control);
            box.ShowChecked(HasLine(first) &&
                            (setting.anyButCleared ? LineValue(first) != setting.cleared
                                                   : LineValue(first) == setting.checked));
            FollowBox(box, false);
            break;
        }
        case Shows::Index:
            if (const auto index = number(first)) {
                ControlOf<ComboBox>(form_, setting.control).SetItemIndex(*index);
            }
            break;
        case Shows::Position:
            if (const auto position = number(first)) {
                TrackBar& slider = ControlOf<TrackBar>(form_, setting.control);
                slider.ShowPosition(*position);
                form_.Find(setting.label)->SetCaption(IntToStr(slider.Position()) + setting.unit);
            }
            break;
        default: {
            ComboBox& combo = ControlOf<ComboBox>(form_, setting.control);
            combo.SetText(ShownChoice(combo));
            break;
        }
        }
    }
}

void SettingPages::FollowBox(const CheckBox& box, bool byPlayer) {
    for (const Setting& setting : kSettings) {
        if (setting.enabledBy != box.Id()) {
            continue;
        }
        CheckBox& follower = ControlOf<CheckBox>(form_, setting.control);
        // A box keeps its own check mark while disabled, unless clearing the other clears it.
        follower.SetEnabled(box.Checked() && HasLine(setting.lines[0]));
        if (byPlayer && setting.clearedWith && !box.Checked()) {
            follower.SetChecked(false); // runs its handler, which writes its line
        }
    }
}

void SettingPages::BoxClick(CheckBox& box) {
    const Setting& setting = Of(box);
    const char* value = box.Checked() ? setting.checked : setting.cleared;
    for (std::size_t i = 0; i < setting.count; ++i) {
        SetLine(setting.lines[i], value);
    }
    FollowBox(box, true);
}

void SettingPages::ResolutionChange(ComboBox& combo) {
    // Width and height go together; a text that names no resolution writes nothing, so a
    // half-typed "1920x10" leaves the file as it was.
    const auto size = ParseResolution(combo.Text());
    Typed(combo, size.has_value());
    if (size) {
        SetLine(Of(combo).lines[0], IntToStr(size->width));
        SetLine(Of(combo).lines[1], IntToStr(size->height));
    }
}

void SettingPages::AddDesktopResolution() {
    const auto [width, height] = form_.platform.DesktopResolution();
    if (width <= 0 || height <= 0) {
        return;
    }
    const std::string item = IntToStr(width) + "x" + IntToStr(height);
    ComboBox& combo = ControlOf<ComboBox>(form_, ids::kAufloesung);
    const std::vector<std::string>& listed = combo.Items();
    if (std::find(listed.begin(), listed.end(), item) == listed.end()) {
        combo.AddItem(item);
    }
}

void SettingPages::TextureChange(ComboBox& combo) {
    // By the selected item, when the field shows its text (it is marked while it does not).
    const int index = combo.ItemIndex();
    const bool known = index >= 0 && static_cast<std::size_t>(index) < std::size(kTextures) &&
                       combo.Text() == ItemText(combo, index);
    Typed(combo, known);
    if (known) {
        SetLine(Of(combo).lines[0], kTextures[index].value);
    }
}

void SettingPages::DistanceChange(ComboBox& combo) {
    // A distance in whole metres, as the line holds it; the empty first item stands for an
    // empty value.
    const std::string& text = combo.Text();
    const bool storable = text.empty() ? combo.ItemIndex() == 0 : AllDigits(text);
    Typed(combo, storable);
    if (storable) {
        SetLine(Of(combo).lines[0], text);
    }
}

void SettingPages::ReflectionChange(ComboBox& combo) {
    const std::string& text = combo.Text();
    Typed(combo, text == ItemText(combo, 0) || text == ItemText(combo, 1));
    if (text == ItemText(combo, 1)) {
        SetLine(Of(combo).lines[0], "3");
    } else if (text == ItemText(combo, 0)) {
        SetLine(Of(combo).lines[0], "2");
    }
}

// The fixed lists write their selected item's index. With no item selected (a stored index
// outside the list, then Backspace in the search) they write nothing rather than "-1",
// which would replace the stored value with one the game does not know either.
void SettingPages::IndexChange(ComboBox& combo) {
    if (combo.ItemIndex() >= 0) {
        SetLine(Of(combo).lines[0], IntToStr(combo.ItemIndex()));
    }
}

void SettingPages::PositionChange(TrackBar& slider) {
    const Setting& setting = Of(slider);
    const std::string position = IntToStr(slider.Position());
    // A drag is one step, however many positions it passes: until the slider is released.
    form_.folder.File().JoinStep(slider.Id());
    SetLine(setting.lines[0], position);
    form_.Find(setting.label)->SetCaption(position + setting.unit);
}

} // namespace korvane
