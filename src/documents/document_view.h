// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The view a document is shown and edited in. Most files open in the
// editor's text widget (editor_view.h); a file too large for it opens in the
// large view (large_files.h). Commands and the window talk to whichever is
// shown through this interface, and ask it what it can do rather than which
// view it is: a command written against it works in both.
//
// Positions are the view's own: the editor counts the characters of its
// CR LF text (a line break counts two), the large view the bytes of its
// file. A position is only ever handed back to the view it came from.
// Lines are 0-based.

#include <QString>
#include <QtGlobal>
#include <functional>
#include <optional>

class QFont;
class QWidget;

namespace wrenpad {

// What a command may need of the view beyond the text itself.
enum class ViewAbility {
  EditorCommands,    // commands written against the editor's text widget
  PageCommands,      // the mark-up commands of the HTML menu
  ProgramCommands,   // compile, run and the other commands of the Coding menu
  ToolCommands,      // the Tools menu's own commands
  Colouring,         // tag and program colours
  CharacterFormats,  // a font and colour per run of characters
  PageRendering,     // the page shown in the editor as a browser shows it
  BackgroundColour,  // a background of the user's choosing
  UndoLevels,        // a choice between one undo level and many
  Print,
  OtherCodes,        // writing the text in another kanji code or line end
};

class DocumentView {
 public:
  virtual ~DocumentView() = default;

  // The widget that shows the document and takes its keys.
  virtual QWidget* widget() const = 0;
  // Why the view cannot do `ability`, in the interface language; empty when it can.
  virtual QString whyNot(ViewAbility ability) const = 0;
  bool can(ViewAbility ability) const { return whyNot(ability).isEmpty(); }

  // The text.
  virtual qint64 lineCount() = 0;
  virtual QString lineText(qint64 line) = 0;  // without its line break
  virtual QString textBetween(qint64 from, qint64 to) = 0;

  // Caret and selection. The caret is where typing goes; the selection runs
  // from its start to its end whichever way it was made.
  virtual qint64 caret() const = 0;
  virtual qint64 selectionStart() const = 0;
  virtual qint64 selectionEnd() const = 0;
  bool hasSelection() const { return selectionEnd() > selectionStart(); }
  QString selectedText() { return textBetween(selectionStart(), selectionEnd()); }
  // Selects [from, to) and brings it into sight.
  virtual void select(qint64 from, qint64 to) = 0;
  virtual void selectAll() = 0;
  virtual qint64 caretLine() = 0;
  // The caret to `column` characters into `line` (clamped to the text), in
  // sight, and the keyboard focus to the view.
  virtual void goToLine(qint64 line, int column = 0) = 0;

  // Edits, each one undo step. replaceSelection does nothing without a
  // selection, and is false when the document's code cannot hold a
  // character of `text` (the user is told), nothing changed.
  virtual bool replaceSelection(const QString& text) = 0;
  virtual void cut() = 0;
  virtual void copy() = 0;
  virtual void paste() = 0;
  virtual void undo() = 0;
  virtual void redo() = 0;

  // Find Next from the end of the selection, selecting the hit.
  virtual bool findNext(const QString& what, bool matchCase) = 0;
  // Replace All from just before the caret to the end; on `goOn` (asked
  // with that count; none: nothing is asked and one pass covers the whole
  // text), from the start up to the first hit too. Both passes are one
  // undo step.
  struct ReplacedCounts {
    qint64 first = 0;
    std::optional<qint64> second;  // nothing when the user did not go on
  };
  virtual ReplacedCounts replaceAll(const QString& what, const QString& with, bool matchCase,
                                    const std::function<bool(qint64 count)>& goOn) = 0;

  // The characters of the selection (of the whole text when nothing is
  // selected, which it then selects), line breaks not counted; the lines
  // too where the view counts them. Nothing when the user stopped a long count.
  struct TextCount {
    qint64 characters = 0;
    std::optional<qint64> lines;
  };
  virtual std::optional<TextCount> countSelection() = 0;

  virtual bool isModified() const = 0;
  virtual bool isReadOnly() const = 0;
  virtual void setReadOnly(bool readOnly) = 0;
  // The settings the view shows the text with: line numbers beside it and
  // the columns of a tab.
  virtual void showLineNumbers(bool shown) = 0;
  virtual void setTabColumns(int columns) = 0;
  // The face the whole text is shown in, where the view has one face.
  virtual QFont face() const = 0;
  virtual void setFace(const QFont& face) = 0;
  // A note for the status bar on what the view is showing; empty for none.
  virtual QString statusNote() const = 0;
  // The session ends: the edits are kept for the next start, or let go.
  virtual void endEdits(bool keepForRecovery) = 0;
};

// Which view shows the document now. Only the code that opens a file
// chooses it; everyone else asks for the view it holds.
class ShownView {
 public:
  explicit ShownView(DocumentView& first) : view_(&first) {}
  DocumentView& operator*() const { return *view_; }
  DocumentView* operator->() const { return view_; }
  void show(DocumentView& view) { view_ = &view; }

 private:
  DocumentView* view_;
};

}  // namespace wrenpad
