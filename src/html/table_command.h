// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Table command of the HTML menu, which writes a table skeleton at the
// caret from what the table dialog gives, and Add Row of the pop-up menu,
// which inserts an empty row modelled on the first row of the table around
// the caret.

#include "colouring/page_painting.h"
#include "html/forms/table_dialog.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace wrenpad {

class Dialogs;
class EditorControl;
struct ColouringState;
struct DocumentState;
struct SessionState;
struct Settings;

struct TableCommandContext {
  EditorControl& editor;
  Dialogs& dialogs;
  const DocumentState& document;
  SessionState& session;
  const Settings& settings;
  const ColouringState& colouring;
  // The table dialog, owned by the window and kept between uses.
  ValueForm<TableValues>& form;
  // Not read: the captions follow the interface language (text/translation.h).
  // The screen's font families the dialog's font frame offers.
  std::function<QStringList()> screenFonts;
  // Colouring of the table written anew: its old formats are dropped, then
  // it is painted, with the progress bar from 0 to 100.
  PagePainting& painting;
  // The window's progress bar, 0 to 100.
  std::function<void(int value)> setProgress;
};

class TableCommand {
 public:
  explicit TableCommand(TableCommandContext context);

  // Menu item mmTable and tool button tbTable. Nothing in a text document;
  // nothing is written when the dialog is cancelled. The dialog is shown
  // the values confirmed last, with the face in force at the caret.
  void mmTableClick();

  // Pop-up item pmAddRow. Nothing when the caret is in no table.
  void pmAddRowClick();

 private:
  TableCommandContext c_;
  TableValues last_;
};

}  // namespace wrenpad
