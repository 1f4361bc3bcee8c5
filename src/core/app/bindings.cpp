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

SettingPages::Values SettingPages::Current(const Setting& setting) const {
    const FileLayout layout = form_.folder.File().Layout();
    Values values;
    for (std::size_t i = 0; i < setting.count; ++i) {
        const int line = LineIn(layout, setting.lines[i]);
        if (line == kNoLine ||
            (i > 0 && static_cast<std::size_t>(line) >= form_.document.Count())) {
            values.emplace_back();
        } else {
            values.emplace_back(form_.document.Value(line));
        }
    }
    return values;
}

SettingPages::Shown SettingPages::ShownFor(const Setting& setting, const Values& values) const {
    Shown shown;
    const std::optional<std::string>& first = values[0];
    switch (setting.shows) {
    case Shows::Flag: {
        const auto checked = [&](const std::string& v) {
            return setting.anyButCleared ? v != setting.cleared : v == setting.checked;
        };
        shown.checked = first && checked(*first);
        // A value the box never writes, or lines that disagree, it cannot show.
        for (const std::optional<std::string>& v : values) {
            shown.marked =
                shown.marked ||
                (v && (setting.anyButCleared ? !ReadInteger(*v)
                                             : *v != setting.checked && *v != setting.cleared)) ||
                (v && first && *v != *first);
        }
        break;
    }
    case Shows::Index: {
        const auto& combo = dynamic_cast<const ComboBox&>(*form_.Find(setting.control));
        const std::optional<std::int32_t> n = first ? ReadInteger(*first) : std::nullopt;
        const bool listed = n && *n >= 0 && static_cast<std::size_t>(*n) < combo.Items().size();
        shown.number = listed ? *n : -1;
        shown.marked = first && !listed;
        break;
    }
    case Shows::Position: {
        const auto& slider = dynamic_cast<const TrackBar&>(*form_.Find(setting.control));
        const std::optional<std::int32_t> n = first ? ReadInteger(*first) : std::nullopt;
        // Read once into a plain number: gcc's optimiser otherwise warns of the optional.
        const bool holdsNumber = n.has_value();
        const long long wanted = holdsNumber ? static_cast<long long>(*n) : slider.Min();
        shown.number = std::clamp<long long>(wanted, slider.Min(), slider.Max());
        shown.marked = first && (!holdsNumber || wanted != shown.number);
        break;
    }
    default:
        shown.text = StoredChoice(setting, values).value_or(first.value_or(""));
        break;
    }
    return shown;
}

void SettingPages::Show(const Setting& setting, const Shown& shown) {
    switch (setting.shows) {
    case Shows::Flag: {
        CheckBox& box = ControlOf<CheckBox>(form_, setting.control);
        box.ShowChecked(shown.checked);
        box.SetMarked(shown.marked);
        FollowBox(box, false);
        break;
    }
    case Shows::Index:
        ControlOf<ComboBox>(form_, setting.control).SetItemIndex(shown.number);
        break;
    case Shows::Position: {
        // A marked slider's label says what its line holds.
        ControlOf<TrackBar>(form_, setting.control).ShowPosition(shown.number);
        const std::string value = LineValue(setting.lines[0]);
        form_.Find(setting.label)
            ->SetCaption(!shown.marked        ? IntToStr(shown.number) + setting.unit
                         : ReadInteger(value) ? value + setting.unit
                                              : value);
        break;
    }
    default:
        ControlOf<ComboBox>(form_, setting.control).SetText(shown.text);
        break;
    }
}

bool SettingPages::PutBack(const Setting& setting) {
    const GameFile& file = form_.folder.File();
    const Control& control = *form_.Find(setting.control);
    Shown now;
    switch (setting.shows) {
    case Shows::Flag:
        now.checked = dynamic_cast<const CheckBox&>(control).Checked();
        break;
    case Shows::Index:
        now.number = dynamic_cast<const ComboBox&>(control).ItemIndex();
        break;
    case Shows::Position:
        now.number = dynamic_cast<const TrackBar&>(control).Position();
        break;
    default:
        now.text = dynamic_cast<const ComboBox&>(control).Text();
        break;
    }
    std::vector<long long> lines;
    for (std::size_t i = 0; i < setting.count; ++i) {
        const int line = LineIn(file.Layout(), setting.lines[i]);
        if (line == kNoLine || static_cast<std::size_t>(line) >= file.Document().Count()) {
            return false;
        }
        lines.push_back(line);
    }
    for (const bool asRead : {true, false}) {
        Values values;
        for (const long long line : lines) {
            values.push_back(asRead
                                 ? std::optional<std::string>(file.Document().ReadValueView(line))
                                 : file.FileValue(line));
        }
        if (std::all_of(values.begin(), values.end(),
                        [](const auto& v) { return v.has_value(); }) &&
            ShownFor(setting, values).LooksLike(now)) {
            for (std::size_t i = 0; i < lines.size(); ++i) {
                form_.folder.File().Write(lines[i], *values[i]);
            }
            return true;
        }
    }
    return false;
}

void SettingPages::ShowToolTip(const Setting& setting, const Values& values, bool marked) {
    const Texts& texts = form_.texts;
    const ConfigDocument& document = form_.document;
    std::string text;
    for (std::size_t i = 0; i < setting.count; ++i) {
        const int line = LineIn(form_.folder.File().Layout(), setting.lines[i]);
        if (line == kNoLine) {
            text = texts.LanguageText(entries::kNotInThisFile);
            break;
        }
        if (!text.empty()) {
            text += "\r\n";
        }
        const std::string comment =
            static_cast<std::size_t>(line) < document.Count()
                ? std::string(document.CommentView(line).substr(0, kToolTipCommentLimit))
                : std::string();
        if (marked && values[i]) {
            text += FillIn(texts.LanguageText(entries::kToolTipLineHolds), IntToStr(line),
                           *values[i], comment);
        } else {
            text += texts.LanguageText(entries::kToolTipLine) + " " + IntToStr(line);
            if (static_cast<std::size_t>(line) < document.Count()) {
                text += ": " + comment;
            }
        }
    }
    form_.Find(setting.control)->SetToolTip(std::move(text));
}

std::optional<std::string> SettingPages::StoredChoice(const Setting& setting,
                                                      const Values& values) const {
    const std::string v = values[0].value_or("");
    switch (setting.shows) {
    case Shows::Resolution: {
        // The resolution as stored, when both lines hold a number.
        const std::string height = values[1].value_or("");
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
        return ItemText(ControlOf<ComboBox>(form_, setting.control), v == "3" ? 1 : 0);
    }
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
        combo->SetText(ShownFor(setting, Current(setting)).text);
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

void SettingPages::ApplyDocumentToControls() {
    // What the player typed into a drop-down gives way to what its lines hold.
    typedInto_.clear();
    for (const Setting& setting : kSettings) {
        if (setting.shows != Shows::Flag && setting.shows != Shows::Index &&
            setting.shows != Shows::Position) {
            ControlOf<ComboBox>(form_, setting.control).SetMarked(false);
        }
    }
    for (const Setting& setting : kSettings) {
        const Values values = Current(setting);
        const Shown shown = ShownFor(setting, values);
        Show(setting, shown);
        ShowToolTip(setting, values, shown.marked);
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
    if (!PutBack(setting)) {
        const char* value = box.Checked() ? setting.checked : setting.cleared;
        for (std::size_t i = 0; i < setting.count; ++i) {
            SetLine(setting.lines[i], value);
        }
    }
    const Values values = Current(setting);
    const bool marked = ShownFor(setting, values).marked;
    box.SetMarked(marked);
    ShowToolTip(setting, values, marked);
    FollowBox(box, true);
}

void SettingPages::ResolutionChange(ComboBox& combo) {
    // Width and height go together; a text that names no resolution writes nothing, so a
    // half-typed "1920x10" leaves the file as it was.
    const auto size = ParseResolution(combo.Text());
    Typed(combo, size.has_value());
    if (size && !PutBack(Of(combo))) {
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
    if (known && !PutBack(Of(combo))) {
        SetLine(Of(combo).lines[0], kTextures[index].value);
    }
}

void SettingPages::DistanceChange(ComboBox& combo) {
    // A distance in whole metres, as the line holds it; the empty first item stands for an
    // empty value.
    const std::string& text = combo.Text();
    const bool storable = text.empty() ? combo.ItemIndex() == 0 : AllDigits(text);
    Typed(combo, storable);
    if (storable && !PutBack(Of(combo))) {
        SetLine(Of(combo).lines[0], text);
    }
}

void SettingPages::ReflectionChange(ComboBox& combo) {
    const std::string& text = combo.Text();
    const bool known = text == ItemText(combo, 0) || text == ItemText(combo, 1);
    Typed(combo, known);
    if (!known || PutBack(Of(combo))) {
        return;
    }
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
    if (combo.ItemIndex() >= 0 && !PutBack(Of(combo))) {
        SetLine(Of(combo).lines[0], IntToStr(combo.ItemIndex()));
    }
}

void SettingPages::PositionChange(TrackBar& slider) {
    const Setting& setting = Of(slider);
    // A drag is one step, however many positions it passes: until the slider is released.
    form_.folder.File().JoinStep(slider.Id());
    if (!PutBack(setting)) {
        SetLine(setting.lines[0], IntToStr(slider.Position()));
    }
    const Values values = Current(setting);
    const Shown shown = ShownFor(setting, values);
    Show(setting, shown);
    ShowToolTip(setting, values, shown.marked);
}

} // namespace korvane
