// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The interface language beyond our own texts: the notice shown when the
// language is changed, and Qt's own translations for its dialogs and buttons.

#include <QString>

class QTranslator;

namespace wrenpad {

// Shown, in English whatever the interface language, when the language is
// changed: the change takes effect at the next start.
inline const QString kRestartToChangeLanguage =
    QStringLiteral("Please restart this software to change language.");

// Loads Qt's Japanese translations into `translator` and installs it, so
// message-box buttons and file dialogs speak Japanese too. False when the
// translations are not installed.
bool installQtJapanese(QTranslator& translator);

}  // namespace wrenpad
