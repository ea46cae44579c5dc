// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The programming language of program documents, as the settings store it
// ("PL") and as the programming options' radio group counts it.

namespace wrenpad {

enum class LanguageMode { Cpp = 0, Java = 1, Perl = 2, Pascal = 3 };

// A stored value outside 0 to 3 reads as C/C++.
inline LanguageMode languageModeFrom(int stored) {
  return stored >= 0 && stored <= 3 ? LanguageMode(stored) : LanguageMode::Cpp;
}

}  // namespace wrenpad
