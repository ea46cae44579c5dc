// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The notice shown when the interface language is changed. (The language
// itself, with Qt's own translations, is installed by text/translation.h.)

#include <QString>

namespace wrenpad {

// Shown, in English whatever the interface language, when the language is
// changed: the change takes effect at the next start.
QString restartToChangeLanguage();

}  // namespace wrenpad
