#pragma once
// Puts the Japanese captions on the main window's menus, tool buttons and
// heading box. The English captions are the designed ones and need no step.

#include "window/main_menu.h"

class QComboBox;

namespace wrenpad {

void applyJapaneseCaptions(const ActionTable& actions, QComboBox* headings);

// Shown, in English whatever the interface language, when the language is
// changed: the change takes effect at the next start.
inline const QString kRestartToChangeLanguage =
    QStringLiteral("Please restart this software to change language.");

}  // namespace wrenpad
