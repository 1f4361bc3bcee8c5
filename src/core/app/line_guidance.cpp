#include "app/line_guidance.hpp"

#include "file/text.hpp"

namespace korvane {

void LineGuidance::Follow(long long line, std::string_view fallback) {
    const ConfigDocument& document = file_.Document();
    if (line != line_) {
        line_ = line;
        values_ = line < 0 ? CommentValues{} : ReadCommentValues(document.CommentView(line));
        if (line >= 0 && !values_.StatesValues() && !fallback.empty()) {
            values_ = ReadCommentValues(fallback);
        }
        choices_.SetItems(ChoiceTexts(values_));
        choices_.SetEnabled(!values_.choices.empty());
    }
    choices_.SetItemIndex(line < 0 ? -1 : ChoiceOf(values_, document.ValueView(line)));
    restore_.SetEnabled(file_.IsChanged(line));
}

void LineGuidance::Forget() {
    line_ = -1;
    values_ = {};
    choices_.SetItems({});
    choices_.SetEnabled(false);
}

std::optional<std::string> LineGuidance::Picked() const {
    const int index = choices_.ItemIndex();
    if (line_ < 0 || index < 0 || static_cast<std::size_t>(index) >= values_.choices.size()) {
        return std::nullopt;
    }
    return IntToStr(values_.choices[static_cast<std::size_t>(index)].value);
}

std::string LineGuidance::Hint(std::string_view typedText) const {
    const CommentValues& v = values_;
    const std::string range = v.range ? FillIn(texts_.LanguageText(entries::kRange),
                                               IntToStr(v.range->min), IntToStr(v.range->max))
                                      : std::string();
    std::string hint = !range.empty() ? range
                       : !v.set.empty()
                           ? FillIn(texts_.LanguageText(entries::kOneOf), ListOf(v.set))
                           : std::string();
    const std::string_view typed = Trim(line_ < 0 ? std::string_view() : typedText);
    if (v.StatesValues() && !typed.empty()) {
        const std::optional<std::int32_t> n = WholeNumber(typed);
        if (!n) {
            hint = texts_.LanguageText(entries::kNotWholeNumber);
        } else if (!v.Allows(*n)) {
            hint =
                v.range ? FillIn(texts_.LanguageText(entries::kOutsideRange), IntToStr(*n), range)
                : !v.set.empty()
                    ? FillIn(texts_.LanguageText(entries::kNotOneOf), IntToStr(*n), ListOf(v.set))
                    : FillIn(texts_.LanguageText(entries::kNoChoice), IntToStr(*n));
        }
    }
    // A line a setting control cannot show says what belongs there.
    if (const std::optional<std::string> wanted = file_.WholeNumberWanted(line_)) {
        hint = *wanted + (hint.empty() ? "" : "\r\n" + hint);
    }
    // A changed line also says what f1graphics.cfg holds, which Restore puts back.
    if (file_.IsChanged(line_)) {
        if (const std::optional<std::string> held = file_.FileValue(line_)) {
            hint = FillIn(texts_.LanguageText(entries::kFileValue), *held) +
                   (hint.empty() ? "" : "\r\n" + hint);
        }
    }
    return hint;
}

} // namespace korvane
