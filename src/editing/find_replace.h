// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Find and Replace through the two modeless dialogs. Find searches forward
// from the end of the selection and never wraps; Replace replaces the
// selection and finds the next occurrence; Replace All replaces from the
// caret to the end, reports the count and offers to go on from the start of
// the document up to the caret.
//
// The dialogs are created on first use, as children of the editor's window,
// and keep their fields while the window lives. Their requests come to the
// serve...Dialog methods; tests send requests there directly.

#include "editing/find_dialogs.h"

#include <QCoreApplication>
#include <QPointer>
#include <QString>
#include <functional>

namespace wrenpad {

class Dialogs;
class EditorControl;
class ShownView;

// The messages of Replace All, in the interface language.
QString ReplacedCountQuestion(int count);
QString AdditionalReplacedMessage(int count);

struct FindReplaceContext {
  EditorControl& editor;  // the window the dialogs belong to, and the focus after them
  // The view searched and replaced in: the editor, or a large file's own view.
  ShownView& view;
  Dialogs& dialogs;
  // false takes Ctrl+V from the paste menu item while a dialog is open, so
  // that it pastes into the dialog's fields; true gives it back.
  std::function<void(bool)> setPasteShortcut;
  // Colours the whole text again after Replace All has set it anew.
  std::function<void()> recolourWholeText;
};

class FindReplace {
  Q_DECLARE_TR_FUNCTIONS(FindReplace)

 public:
  explicit FindReplace(FindReplaceContext context);
  ~FindReplace();
  FindReplace(const FindReplace&) = delete;
  FindReplace& operator=(const FindReplace&) = delete;

  // Menu items mmFind / mmReplace and tool buttons tbFind / tbReplace.
  void mmFindClick();
  void mmReplaceClick();

  // The dialogs' buttons, working on the fields the dialogs last reported.
  void FindDialogFind();
  void ReplaceDialogFind();
  void ReplaceDialogReplace(bool all);
  void FindDialogClose();
  void ReplaceDialogClose();

  // What each dialog's buttons send; its fields are remembered first.
  void serveFindDialog(const FindRequest& request);
  void serveReplaceDialog(const FindRequest& request);

  bool findDialogOpen() const { return findOpen_; }
  bool replaceDialogOpen() const { return replaceOpen_; }
  // The fields each dialog holds.
  const FindFields& findFields() const { return findFields_; }
  const FindFields& replaceFields() const { return replaceFields_; }

 private:
  TFindDialog& findForm();
  TReplaceDialog& replaceForm();
  void givePasteShortcut(bool on);
  void returnToEditor();
  void closeFindDialog();
  void closeReplaceDialog();
  void replaceSelection();
  void replaceAll();

  FindReplaceContext c_;
  FindFields findFields_;
  FindFields replaceFields_;
  bool findOpen_ = false;
  bool replaceOpen_ = false;
  // Owned by the editor's window, which may go first.
  QPointer<TFindDialog> findForm_;
  QPointer<TReplaceDialog> replaceForm_;
};

}  // namespace wrenpad
