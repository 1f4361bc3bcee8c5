#include "app/form_layout.hpp"

#include "app/main_form.hpp"

#include <algorithm>
#include <type_traits>

namespace korvane {

namespace {

using ids::OfName;

const FontDef kBold{.bold = true};
const FontDef kItalic{.italic = true};
// The one-character buttons of undo and redo.
const FontDef kGlyph{.height = 16, .bold = true};
const FontDef kBig{.height = 27};
const FontDef kItalicUnderlined{.italic = true, .underline = true};
const FontDef kWebLink{.face = "MS Sans Serif", .underline = true};

// A row as form_controls.inc writes it, completed by its declaration.
template <ControlKind Kind, class Model>
ControlDef Declared(std::string_view name, Model MainForm::*member, ControlDef row) {
    static_assert(std::is_same_v<Model, ModelOf<Kind>>);
    row.kind = Kind;
    row.name = name;
    row.id = OfName(name);
    row.member = member;
    return row;
}

const std::vector<ControlDef>& Layout() {
    static const std::vector<ControlDef> layout = {
#define KORVANE_CONTROL(kind, name, ...)                                                           \
    Declared<ControlKind::kind>(#name, &MainForm::name, ControlDef __VA_ARGS__),
#include "app/form_controls.inc"
#undef KORVANE_CONTROL
    };
    return layout;
}

} // namespace

// Set by the build from its cache variables; none by default.
#ifndef KORVANE_CONTACT_MAIL
#define KORVANE_CONTACT_MAIL ""
#endif
#ifndef KORVANE_CONTACT_MESSENGER
#define KORVANE_CONTACT_MESSENGER ""
#endif
#ifndef KORVANE_WEB_ADDRESS
#define KORVANE_WEB_ADDRESS ""
#endif
#ifndef KORVANE_SHORT_WEB_ADDRESS
#define KORVANE_SHORT_WEB_ADDRESS ""
#endif

const Contacts& BuildContacts() {
    static const Contacts contacts{KORVANE_CONTACT_MAIL, KORVANE_CONTACT_MESSENGER,
                                   KORVANE_WEB_ADDRESS, KORVANE_SHORT_WEB_ADDRESS};
    return contacts;
}

std::string LanguagePageAddress(const Contacts& contacts) {
    if (contacts.web.empty()) {
        return {};
    }
    std::string address(contacts.web);
    if (address.back() != '/') {
        address += '/';
    }
    return address + "language.htm";
}

const FormDef& MainFormDef() {
    static const FormDef def{"VQR Korvane", 293, 202, 587, 277};
    return def;
}

std::span<const ControlDef> MainFormLayout() {
    return Layout();
}

const ControlDef* FindControlDef(int id) {
    const auto& l = Layout();
    auto it = std::find_if(l.begin(), l.end(), [id](const ControlDef& s) { return s.id == id; });
    return it == l.end() ? nullptr : &*it;
}

} // namespace korvane
