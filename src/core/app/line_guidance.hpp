// The guidance beside a chosen line, shared by the manual page and the Views page: the
// choices its comment lists, the hint about its values (with what f1graphics.cfg holds
// while the line is changed) and whether Restore can put it back.
#pragma once

#include "file/comment_values.hpp"
#include "file/game_file.hpp"
#include "file/texts.hpp"
#include "form/controls.hpp"

#include <optional>
#include <string>
#include <string_view>

namespace korvane {

class LineGuidance {
public:
    LineGuidance(const Texts& texts, const GameFile& file, ComboBox& choices, Control& restore)
        : texts_(texts), file_(file), choices_(choices), restore_(restore) {}

    // Follows a line (-1: none): its comment's choices, the one its value holds, Restore.
    // A comment that names no values takes fallback's (another line's comment).
    void Follow(long long line, std::string_view fallback = {});
    // No line is followed: no choices to offer.
    void Forget();
    // The next Follow reads its line's comment again, even for the line followed now.
    void Reread() noexcept { line_ = -1; }
    long long Line() const noexcept { return line_; }
    // The value of the choice picked in the drop-down; nothing for none.
    std::optional<std::string> Picked() const;
    // The range or set the comment states, or, while the typed value is one it does not
    // allow, a warning. It informs only: Apply writes what was typed.
    std::string Hint(std::string_view typed) const;

private:
    const Texts& texts_;
    const GameFile& file_;
    ComboBox& choices_;
    Control& restore_;
    long long line_ = -1;
    CommentValues values_;
};

} // namespace korvane
