// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Macro Replace: the list of replacement rules edited in its modeless
// dialog, kept in the list file the settings name, saved automatically or
// after a question, and applied to the whole document in one undo step.

#include "editing/macro_dialog.h"

#include <QCoreApplication>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <functional>

namespace wrenpad {

class Dialogs;
class EditorControl;
struct Settings;

// The F2 hook of the dialog: a page from a laboratory's template gets the
// place for the link to the laboratory's page, and "###" at the start of the
// line after the first line that holds "http://".
QString InsertPageTemplateMarks(const QString& text);

struct MacroReplaceContext {
  EditorControl& editor;
  Dialogs& dialogs;
  Settings& settings;    // MacroFile and AutoFileSave
  // false takes Ctrl+V from the paste menu item while the dialog is open.
  std::function<void(bool)> setPasteShortcut;
  // Colours the whole text again after the list has been applied.
  std::function<void()> recolourWholeText;
  // Where a list named without a folder is looked for, in order; the first
  // is where the open dialog starts.
  QStringList listFolders;
};

class MacroReplace {
  Q_DECLARE_TR_FUNCTIONS(MacroReplace)

 public:
  explicit MacroReplace(MacroReplaceContext context);
  ~MacroReplace();
  MacroReplace(const MacroReplace&) = delete;
  MacroReplace& operator=(const MacroReplace&) = delete;

  void mmMacroReplaceClick();
  // What the dialog's buttons send; tests send the same requests.
  void serve(const MacroRequest& request);

  bool dialogOpen() const { return open_; }
  // The full name of the list file, "" when the settings name none that
  // exists and no list was saved yet.
  QString listFile() const;

 private:
  TMacroReplaceDialog& form();
  void FormShow(std::optional<QString> list);
  bool saveIfModified(const MacroRequest& request);
  bool saveAs(const QString& list);
  bool writeList(const QString& path, const QString& list);
  void btnOKClick(const MacroRequest& request);
  void btnLoadClick(const MacroRequest& request);
  void btnNewClick(const MacroRequest& request);
  void FormKeyUp();
  void FormClose();

  MacroReplaceContext c_;
  bool open_ = false;
  // Owned by the editor's window, which may go first.
  QPointer<TMacroReplaceDialog> form_;
};

}  // namespace wrenpad
