#pragma once
// Documents and settings keep the Windows face names the program was designed
// with; these substitutions map them to faces installed on Linux, so Japanese
// text never shows as empty boxes.

namespace wrenpad {

void installFontSubstitutions();

}  // namespace wrenpad
