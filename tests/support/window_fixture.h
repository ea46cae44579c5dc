// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A main window for command tests: its own temporary folder for settings and
// markers, every question answered by scripted dialogs.

#include "editor/editor_control.h"
#include "window/main_window.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"

#include <memory>

namespace wrenpad::test {

// Settings for an English interface; a first run without settings speaks the
// locale's language, which StartupOptions takes to be Japanese.
inline const QByteArray kEnglishSettings = "[Settings]\r\nJpn=0\r\n";

// Starts a window as the program does, in `folder`. A null `settings` leaves
// the settings file as it is (none, for a first run).
inline std::unique_ptr<TMain> startWindow(const TempFolder& folder, ScriptedDialogs& dialogs,
                                          const QStringList& arguments = {},
                                          const QByteArray& settings = QByteArray()) {
  if (!settings.isNull()) folder.write(QStringLiteral("wrenpad.ini"), settings);
  StartupOptions options;
  options.files = arguments;
  options.paths = AppPaths::inFolder(folder.path());
  options.workingFolder = folder.path();
  auto main = std::make_unique<TMain>(options, &dialogs);
  main->show();
  return main;
}

// Closes a window without the save question.
inline void closeWithoutSaving(TMain& main) {
  main.editor().setModified(false);
  main.close();
}

}  // namespace wrenpad::test
