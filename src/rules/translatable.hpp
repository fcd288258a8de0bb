// Marks a text the player sees where it is only named, in a table or as a
// value, so that the translators' catalogue collects it (xgettext knows the
// name); it is translated where it is shown.
#pragma once

namespace velmora {

constexpr const char* gettext_noop(const char* text) { return text; }

}  // namespace velmora
