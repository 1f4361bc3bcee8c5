// The setting bindings: which line each setting control shows, how the window shows it
// (which writes nothing) and how the player's change writes it back.
//
// Lines are addressed by their literal index in the game's release file, and reached
// through the document's layout (file_layout.hpp); values are compared and written as
// literal strings. Handlers do not catch: a failed read or write stops the work there and
// leaves everything done before it, including the control's new state.
#include "app/bindings.hpp"
#include "app/form_layout.hpp"
#include "app/main_form.hpp"
#include "file/errors.hpp"
#include "file/text.hpp"

#include <algorithm>
#include <optional>
#include <string>

namespace korvane {

namespace {

const char* Flag(bool checked) {
    return checked ? "1" : "0";
}

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

constexpr BoundOption kOptions[] = {
    {ids::kAufloesung, {1, 2}, 2},      {ids::CheckBox(3), {0}, 1},
    {ids::CheckBox(1), {3}, 1},         {ids::CheckBox(8), {4}, 1},
    {ids::CheckBox(2), {5}, 1},         {ids::ComboBox(1), {23}, 1},
    {ids::CheckBox(15), {25}, 1},       {ids::CheckBox(16), {34}, 1},
    {ids::CheckBox(17), {37}, 1},       {ids::CheckBox(4), {43}, 1},
    {ids::TrackBar(1), {46}, 1},        {ids::TrackBar(2), {49}, 1},
    {ids::CheckBox(5), {50}, 1},        {ids::ComboBox(4), {51}, 1},
    {ids::ComboBox(3), {53}, 1},        {ids::CheckBox(14), {59}, 1},
    {ids::CheckBox(6), {60}, 1},        {ids::CheckBox(7), {67}, 1},
    {ids::CheckBox(12), {93, 94}, 2},   {ids::ComboBox(2), {101}, 1},
    {ids::CheckBox(13), {102, 165}, 2}, {ids::CheckBox(11), {107}, 1},
    {ids::CheckBox(9), {109}, 1},       {ids::ComboBox(5), {117}, 1},
    {ids::CheckBox(10), {121}, 1},      {ids::ComboBox(6), {123}, 1},
};

// A tooltip row's comment: the line's own, cut to a length a tooltip can show.
constexpr std::size_t kToolTipCommentLimit = 200;

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

std::string MainForm::LineValue(int releaseLine) const {
    return document.Value(LineIn(Layout(), releaseLine));
}

void MainForm::SetLine(int releaseLine, std::string_view value) {
    const int line = LineIn(Layout(), releaseLine);
    if (line != kNoLine) {
        WriteValue(line, value);
    }
}

bool MainForm::HasLine(int releaseLine) const noexcept {
    return LineIn(Layout(), releaseLine) != kNoLine;
}

void MainForm::ShowLineToolTips() {
    const std::string word = LanguageText(entries::kToolTipLine);
    const std::string missing = LanguageText(entries::kNotInThisFile);
    for (const BoundOption& option : BoundOptions()) {
        Control* control = Find(option.control);
        if (!control) {
            continue;
        }
        std::string text;
        for (std::size_t i = 0; i < option.count; ++i) {
            const int line = LineIn(Layout(), option.lines[i]);
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
        control->SetToolTip(std::move(text));
    }
}

std::optional<std::string> MainForm::StoredChoice(const ComboBox& combo) const {
    if (&combo == &aufloesung) {
        // The resolution as stored, when both lines hold a number; the height's line is read
        // only when the file has it, so a file that short still stops where it did.
        const std::string v = LineValue(1);
        const bool hasHeight = static_cast<std::size_t>(LineIn(Layout(), 2)) < document.Count();
        const std::string height = hasHeight ? LineValue(2) : std::string();
        if (AllDigits(v) && AllDigits(height)) {
            return v + "x" + height;
        }
        return Named(kResolutions, v);
    }
    if (&combo == &ComboBox1) {
        return Named(kTextures, LineValue(23));
    }
    if (&combo == &ComboBox2) {
        return LineValue(101);
    }
    return ItemText(ComboBox3, LineValue(53) == "3" ? 1 : 0);
}

std::string MainForm::ShownChoice(const ComboBox& combo) const {
    if (auto named = StoredChoice(combo)) {
        return *named;
    }
    return LineValue(BoundOptionOf(combo.Id())->lines[0]);
}

void MainForm::SettleDropDowns() {
    for (ComboBox* combo : {&aufloesung, &ComboBox1, &ComboBox2, &ComboBox3}) {
        const auto typing = std::find_if(typedInto_.begin(), typedInto_.end(),
                                         [combo](const Typing& t) { return t.combo == combo; });
        if (typing == typedInto_.end()) {
            continue; // it shows its line already
        }
        const Typing typed = std::move(*typing);
        typedInto_.erase(typing);
        // The text names nothing the drop-down can store: what a completion wrote on the way
        // is not the player's choice, and the lines go back to what they held before.
        if (combo->Marked()) {
            for (const auto& [line, value] : typed.lines) {
                WriteValue(line, value);
            }
        }
        combo->SetMarked(false);
        const int line = LineIn(Layout(), BoundOptionOf(combo->Id())->lines[0]);
        if (line == kNoLine || static_cast<std::size_t>(line) >= document.Count()) {
            continue; // nothing stored to show
        }
        combo->SetText(ShownChoice(*combo));
    }
}

void MainForm::Typed(ComboBox& combo, bool storable) {
    if (std::none_of(typedInto_.begin(), typedInto_.end(),
                     [&combo](const Typing& t) { return t.combo == &combo; })) {
        Typing typing{&combo, {}};
        const BoundOption& option = *BoundOptionOf(combo.Id());
        for (std::size_t i = 0; i < option.count; ++i) {
            const int line = LineIn(Layout(), option.lines[i]);
            if (line != kNoLine && static_cast<std::size_t>(line) < document.Count()) {
                typing.lines.emplace_back(line, document.Value(line));
            }
        }
        typedInto_.push_back(std::move(typing));
    }
    combo.SetMarked(!storable);
}

void MainForm::ApplyDocumentToControls(bool strict) {
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
    for (ComboBox* combo : {&aufloesung, &ComboBox1, &ComboBox2, &ComboBox3}) {
        combo->SetMarked(false);
    }
    aufloesung.SetText(ShownChoice(aufloesung));
    CheckBox3.ShowChecked(LineValue(0) == "1");
    CheckBox1.ShowChecked(LineValue(3) == "1");
    CheckBox2.ShowChecked(LineValue(5) == "1");
    ComboBox1.SetText(ShownChoice(ComboBox1));
    ComboBox2.SetText(ShownChoice(ComboBox2));
    ComboBox3.SetText(ShownChoice(ComboBox3));
    CheckBox5.ShowChecked(LineValue(50) == "1");
    const bool mirrors = LineValue(43) != "0";
    CheckBox4.ShowChecked(mirrors);
    CheckBox5.SetEnabled(mirrors);
    const bool visor = LineValue(60) == "1";
    CheckBox6.ShowChecked(visor);
    // The tint needs a line of its own, which not every file has.
    CheckBox7.SetEnabled(visor && HasLine(67));
    CheckBox7.ShowChecked(HasLine(67) && LineValue(67) == "1");
    CheckBox8.ShowChecked(LineValue(4) == "1");
    if (const auto position = number(46)) {
        TrackBar1.ShowPosition(*position);
        Label15.SetCaption(IntToStr(TrackBar1.Position()));
    }
    for (auto [combo, line] : {std::pair{&ComboBox4, 51}, {&ComboBox5, 117}, {&ComboBox6, 123}}) {
        if (const auto index = number(line)) {
            combo->SetItemIndex(*index);
        }
    }
    CheckBox9.ShowChecked(LineValue(109) == "1");
    CheckBox10.ShowChecked(LineValue(121) == "1");
    CheckBox11.ShowChecked(LineValue(107) == "1");
    CheckBox12.ShowChecked(LineValue(93) == "2");
    CheckBox13.ShowChecked(LineValue(102) == "1");
    CheckBox14.ShowChecked(LineValue(59) == "1");
    CheckBox15.ShowChecked(LineValue(25) == "0");
    CheckBox16.ShowChecked(LineValue(34) == "1");
    CheckBox17.ShowChecked(LineValue(37) == "1");
    if (const auto position = number(49)) {
        TrackBar2.ShowPosition(*position);
        Label36.SetCaption(IntToStr(TrackBar2.Position()) + "%");
    }
}

void MainForm::CheckBox1Click() {
    SetLine(3, Flag(CheckBox1.Checked()));
}

void MainForm::CheckBox2Click() {
    SetLine(5, Flag(CheckBox2.Checked()));
}

void MainForm::CheckBox3Click() {
    SetLine(0, Flag(CheckBox3.Checked()));
}

void MainForm::CheckBox4Click() {
    // CheckBox5 keeps its own check mark while disabled.
    const bool checked = CheckBox4.Checked();
    CheckBox5.SetEnabled(checked);
    SetLine(43, Flag(checked));
}

void MainForm::CheckBox5Click() {
    SetLine(50, Flag(CheckBox5.Checked()));
}

void MainForm::CheckBox6Click() {
    if (CheckBox6.Checked()) {
        SetLine(60, "1");
        // The tint needs a line of its own, which not every file has.
        CheckBox7.SetEnabled(HasLine(67));
    } else {
        SetLine(60, "0");
        CheckBox7.SetEnabled(false);
        // No tint without a visor: clearing the box runs CheckBox7Click, which writes line 67.
        CheckBox7.SetChecked(false);
    }
}

void MainForm::CheckBox7Click() {
    SetLine(67, Flag(CheckBox7.Checked()));
}

void MainForm::CheckBox8Click() {
    SetLine(4, Flag(CheckBox8.Checked()));
}

void MainForm::CheckBox9Click() {
    SetLine(109, Flag(CheckBox9.Checked()));
}

void MainForm::CheckBox10Click() {
    SetLine(121, Flag(CheckBox10.Checked()));
}

void MainForm::CheckBox11Click() {
    SetLine(107, Flag(CheckBox11.Checked()));
}

void MainForm::CheckBox12Click() {
    // The filter lines take "2" for on.
    const char* value = CheckBox12.Checked() ? "2" : "0";
    SetLine(93, value);
    SetLine(94, value);
}

void MainForm::CheckBox13Click() {
    const char* value = Flag(CheckBox13.Checked());
    SetLine(102, value);
    SetLine(165, value);
}

void MainForm::CheckBox14Click() {
    SetLine(59, Flag(CheckBox14.Checked()));
}

void MainForm::CheckBox15Click() {
    // This line stores the opposite of the box.
    SetLine(25, CheckBox15.Checked() ? "0" : "1");
}

void MainForm::CheckBox16Click() {
    SetLine(34, Flag(CheckBox16.Checked()));
}

void MainForm::CheckBox17Click() {
    SetLine(37, Flag(CheckBox17.Checked()));
}

void MainForm::aufloesungChange() {
    // Width and height go together; a text that names no resolution writes nothing, so a
    // half-typed "1920x10" leaves the file as it was.
    const auto size = ParseResolution(aufloesung.Text());
    Typed(aufloesung, size.has_value());
    if (size) {
        SetLine(1, IntToStr(size->width));
        SetLine(2, IntToStr(size->height));
    }
}

void MainForm::AddDesktopResolution() {
    const auto [width, height] = platform.DesktopResolution();
    if (width <= 0 || height <= 0) {
        return;
    }
    const std::string item = IntToStr(width) + "x" + IntToStr(height);
    const std::vector<std::string>& listed = aufloesung.Items();
    if (std::find(listed.begin(), listed.end(), item) == listed.end()) {
        aufloesung.AddItem(item);
    }
}

void MainForm::ComboBox1Change() {
    // By the selected item, when the field shows its text (it is marked while it does not).
    const int index = ComboBox1.ItemIndex();
    const bool known = index >= 0 && static_cast<std::size_t>(index) < std::size(kTextures) &&
                       ComboBox1.Text() == ItemText(ComboBox1, index);
    Typed(ComboBox1, known);
    if (known) {
        SetLine(23, kTextures[index].value);
    }
}

void MainForm::ComboBox2Change() {
    // A distance in whole metres, as the line holds it; the empty first item stands for an
    // empty value.
    const std::string& text = ComboBox2.Text();
    const bool storable = text.empty() ? ComboBox2.ItemIndex() == 0 : AllDigits(text);
    Typed(ComboBox2, storable);
    if (storable) {
        SetLine(101, text);
    }
}

void MainForm::ComboBox3Change() {
    const std::string& text = ComboBox3.Text();
    Typed(ComboBox3, text == ItemText(ComboBox3, 0) || text == ItemText(ComboBox3, 1));
    if (text == ItemText(ComboBox3, 1)) {
        SetLine(53, "3");
    } else if (text == ItemText(ComboBox3, 0)) {
        SetLine(53, "2");
    }
}

// The fixed lists write their selected item's index. With no item selected (a stored index
// outside the list, then Backspace in the search) they write nothing rather than "-1",
// which would replace the stored value with one the game does not know either.
void MainForm::ComboBox4Change() {
    if (ComboBox4.ItemIndex() >= 0) {
        SetLine(51, IntToStr(ComboBox4.ItemIndex()));
    }
}

void MainForm::ComboBox5Change() {
    if (ComboBox5.ItemIndex() >= 0) {
        SetLine(117, IntToStr(ComboBox5.ItemIndex()));
    }
}

void MainForm::ComboBox6Change() {
    if (ComboBox6.ItemIndex() >= 0) {
        SetLine(123, IntToStr(ComboBox6.ItemIndex()));
    }
}

void MainForm::TrackBar1Change() {
    const std::string position = IntToStr(TrackBar1.Position());
    SetLine(46, position);
    Label15.SetCaption(position);
}

void MainForm::TrackBar2Change() {
    const std::string position = IntToStr(TrackBar2.Position());
    SetLine(49, position);
    Label36.SetCaption(position + "%");
}

} // namespace korvane
