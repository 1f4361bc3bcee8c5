// The three setting pages (General, graphics quality, objects): each setting control shows
// its lines and writes them on the player's input, as the table of bindings.hpp says.
#pragma once

#include "app/bindings.hpp"
#include "form/controls.hpp"

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace korvane {

class MainForm;

class SettingPages {
public:
    explicit SettingPages(MainForm& form) : form_(form) {}

    // The one way the setting controls show the document: each control is set from its
    // lines and nothing is written, so the same document always looks the same, whatever
    // was shown before. A control whose lines hold what it cannot show (lines that disagree,
    // no whole number, a number outside its items or range) shows its first line's state,
    // nothing chosen or its nearest end, and is marked; its tooltip names the lines it edits,
    // with their values where it is marked.
    void ApplyDocumentToControls();
    // At start: the player's own screen as a fourth resolution, when it is none of the three.
    void AddDesktopResolution();
    // The drop-downs the player typed into since they last showed their lines show what is
    // stored again (the player left them, or pressed a button of the strip); one whose text
    // names nothing it can store first puts its lines back as they were before the typing.
    void SettleDropDowns();

    // The player's input, by kind of control.
    void BoxClick(CheckBox& box);
    void ResolutionChange(ComboBox& combo);
    void TextureChange(ComboBox& combo);
    void DistanceChange(ComboBox& combo);
    void ReflectionChange(ComboBox& combo);
    void IndexChange(ComboBox& combo);
    void PositionChange(TrackBar& slider);

private:
    // Values of a control's lines, one per line (none where there is no such line).
    using Values = std::vector<std::optional<std::string>>;
    // What a control shows for values of its lines.
    struct Shown {
        bool checked = false;  // a check box
        long long number = -1; // a fixed list's item (-1: none), a slider's position
        std::string text;      // a drop-down's text
        bool marked = false;   // the values are what the control cannot show
        bool LooksLike(const Shown& other) const {
            return checked == other.checked && number == other.number && text == other.text;
        }
    };
    // The document's values of a control's lines: the first is read as the transfer reads
    // it (a file that ends before it stops the show), a later one only where the file has it.
    Values Current(const Setting& setting) const;
    Shown ShownFor(const Setting& setting, const Values& values) const;
    void Show(const Setting& setting, const Shown& shown);
    // The player's input brought the control back to what it shows for its lines as read,
    // or as f1graphics.cfg holds them: those values go back into the lines (true), so that
    // setting a control back is no change.
    bool PutBack(const Setting& setting);
    // The tooltip: the lines a control edits with their comments (and values, where marked).
    void ShowToolTip(const Setting& setting, const Values& values, bool marked);
    // The text a settings drop-down shows for values of its lines, by its load rule; nothing
    // for a value the rule does not name.
    std::optional<std::string> StoredChoice(const Setting& setting, const Values& values) const;
    // Entry n of the value list, n being a release line number (see file_layout.hpp).
    std::string LineValue(int releaseLine) const;
    // Replaces it; nothing when the document's layout lacks the line.
    void SetLine(int releaseLine, std::string_view value);
    bool HasLine(int releaseLine) const noexcept;
    const Setting& Of(const Control& control) const;
    // The boxes usable only while this one is checked follow it.
    void FollowBox(const CheckBox& box, bool byPlayer);
    // A settings drop-down's text after the player's input: marked when it names nothing
    // the drop-down can store, and shown from its line again when the player leaves it.
    void Typed(ComboBox& combo, bool storable);

    MainForm& form_;
    // The drop-downs the player typed into since they last showed their lines, with what
    // those lines held before the typing began.
    struct Typing {
        ComboBox* combo;
        std::vector<std::pair<long long, std::string>> lines;
    };
    std::vector<Typing> typedInto_;
};

} // namespace korvane
