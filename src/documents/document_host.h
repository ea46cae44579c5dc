// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the document commands need from the main window, and nothing more.

#include <QString>
#include <optional>

class QDialog;

namespace wrenpad {

// The kinds of new document that do not start as plain text: a page made by
// the text-to-page conversion, and a program from its template.
inline constexpr int kNewPage = 1;
inline constexpr int kNewProgram = 2;

class DocumentHost {
 public:
  virtual ~DocumentHost() = default;

  virtual void setWindowCaption(const QString& caption) = 0;
  // Status panel 0: the current-folder text followed by the folder.
  virtual void showCurrentFolder() = 0;
  // Mode switches: program mode by extension, HTML mode on or off.
  virtual void SelectProgramMode() = 0;
  virtual void SetWebPageMode(bool on) = 0;
  virtual void setHtmlToolBarVisible(bool visible) = 0;

  // A value the window shows as a check mark (automatic naming) changed.
  virtual void showCommandStates() = 0;
  // A document begins (New, or a file just read): what belonged to the last
  // one goes, its mode, read-only state, colouring switch-off and the marks
  // of its caret.
  virtual void beginDocument() = 0;

  // Recolours the tags of [start, finish) in a page; nothing in other modes.
  virtual void paintTags(int start, int finish) = 0;
  // The size painted tags take, after the Font command changed it.
  virtual void setEditorFontSize(int points) = 0;

  // Starts the one-shot timer that takes the next undo snapshot.
  virtual void startUndoTimer() = 0;

  // The document-type question of the New command: the chosen kind (0 text,
  // 1 HTML: kNewPage, 2 program: kNewProgram), nothing on Cancel.
  virtual std::optional<int> askDocumentType() = 0;
  // A new program document: the cleared editor gets the starting program of
  // the current language.
  virtual void newProgramFromTemplate() = 0;
  // A new page: the cleared editor becomes a page skeleton through the
  // text-to-page conversion and its page-settings dialog.
  virtual void newPageFromText() = 0;
  // A file was opened or saved under this full name (the recent-files list).
  virtual void fileUsed(const QString& fullName) = 0;
  // Another document view was chosen for the document (document_view.h):
  // the window shows it in place of the one before.
  virtual void showView() {}
};

}  // namespace wrenpad
