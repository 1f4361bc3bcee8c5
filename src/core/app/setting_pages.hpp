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
    // was shown before. Strict (Load, Use): a value a slider or fixed list cannot show as a
    // number stops it with the conversion's error. Otherwise (after an edit by hand) such a
    // control keeps what it showed.
    void ApplyDocumentToControls(bool strict = true);
    // After a Load: each setting control's tooltip names the lines it edits.
    void ShowLineToolTips();
    // At start: the player's own screen as a fourth resolution, when it is none of the three.
    void AddDesktopResolution();
    // The text a settings drop-down shows for what its line holds, by its load rule;
    // nothing for a value the rule does not name.
    std::optional<std::string> StoredChoice(const ComboBox& combo) const;
    // The text a settings drop-down shows for its line: the named choice, else the value.
    std::string ShownChoice(const ComboBox& combo) const;
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
