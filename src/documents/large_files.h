// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The commands on a large file: a file too large for the editor's text widget
// (above kLargeFileBytes, or with a line longer than kLongestLineBytes) is
// opened in the large view (large_view/large_text_view.h) over its own
// storage instead. It is a document view (document_view.h) like the
// editor: saving, Find and Replace, Go to Line, Undo and Redo, the
// clipboard and Count work on it; what it cannot do (colouring, the in-page
// rendering, the commands written against the editor's widget) it says,
// and the window disables those commands while it is shown.
//
// The document stays in its file's own bytes and kanji code: a save writes
// them as they are, with the edits, through file_access (a block at a time,
// so a file of a gigabyte is saved with memory to spare).

#include "documents/document_view.h"
#include "documents/file_access.h"
#include "documents/large_recovery.h"
#include "large/large_document.h"

#include <QCoreApplication>
#include <QString>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>

namespace wrenpad {

namespace large {
class LargeTextView;
}

class Dialogs;
struct Settings;

struct LargeFilesContext {
  large::LargeTextView& view;
  Dialogs& dialogs;
  const Settings& settings;
  // The window shows the large view in place of the editor, or the editor again.
  std::function<void(bool shown)> showView;
  // The face the view shows the text in (its columns line up), chosen anew
  // by the Font command.
  std::function<QFont()> programFace = {};
  // Another program changed the shown file: the document can no longer be
  // trusted (called once, from the event loop; the callee closes or reopens it).
  std::function<void()> changedOnDisk;
  // Where the edits are kept for recovery after a crash (the program's state
  // folder); none keeps nothing.
  QString stateFolder = QString();
};

class LargeFiles final : public DocumentView {
  Q_DECLARE_TR_FUNCTIONS(wrenpad::LargeFiles)

 public:
  // Measured on the editor's text widget (Shift-JIS text, from outside):
  // 8 MB take 0.3 s of processor time and 65 MiB above the empty window to
  // open, 16 MB 0.5 s and 130 MiB, 50 MB 3.7 s and 526 MiB; a line of a MiB
  // makes every key on it slow. The large view opens any of them in under
  // 0.1 s and a few MiB, but without colouring and most commands.
  static constexpr qint64 kLargeFileBytes = qint64(16) << 20;
  static constexpr qint64 kLongestLineBytes = qint64(1) << 20;

  explicit LargeFiles(LargeFilesContext context);
  ~LargeFiles() override;

  // Whether the file at `path` is opened in the large view.
  static bool isLargeFile(const QString& path);

  // The file opened for reading, ready to be shown, or why it cannot be read.
  large::LargeDocument::Opened read(const QString& path) const;
  // Shows a document read by read() from `path`; the caret at its start.
  // Its edits are kept for recovery from here on (large_recovery.h).
  void show(std::unique_ptr<large::LargeDocument> document, bool readOnly, const QString& path = QString());
  // Back to the editor; the large document goes.
  void close();
  bool shown() const { return shown_; }

  // Writes the document to `path`, keeping the file's identity; on a
  // failure nothing changes, and the result says why.
  files::WriteResult write(const QString& path);
  // What the user typed into the document, decoded, a few MiB at most: kept
  // when the file changed on disk under the edits.
  QString typedText() const;
  // How often the file is looked at for changes by other programs.
  static constexpr int kWatchMilliseconds = 500;

  // ---- the document view ----
  QWidget* widget() const override;
  QString whyNot(ViewAbility ability) const override;
  qint64 lineCount() override;
  QString lineText(qint64 line) override;
  // Line breaks as CR LF; nothing for a stretch too long to hold (the
  // view's clipboard limit).
  QString textBetween(qint64 from, qint64 to) override;
  qint64 caret() const override;
  qint64 selectionStart() const override;
  qint64 selectionEnd() const override;
  void select(qint64 from, qint64 to) override;
  void selectAll() override;
  qint64 caretLine() override;
  void goToLine(qint64 line, int column = 0) override;
  bool replaceSelection(const QString& with) override;
  void cut() override;
  void copy() override;
  void paste() override;
  void undo() override;
  void redo() override;
  bool findNext(const QString& what, bool matchCase) override;
  // Over the file's own bytes, the hits found in its code.
  ReplacedCounts replaceAll(const QString& what, const QString& with, bool matchCase,
                            const std::function<bool(qint64 count)>& goOn) override;
  // With a progress dialog for a long count, which the user may stop.
  std::optional<TextCount> countSelection() override;
  bool isModified() const override;
  bool isReadOnly() const override;
  void setReadOnly(bool readOnly) override;
  void showLineNumbers(bool shown) override;
  void setTabColumns(int columns) override;
  QFont face() const override;
  void setFace(const QFont& face) override;
  // The file's code and line end, and what the view leaves out.
  QString statusNote() const override;
  void endEdits(bool keepForRecovery) override;

  large::LargeTextView& view() { return c_.view; }
  LargeEditKeeper& edits() { return edits_; }

 private:
  large::LargeDocument& document() const;
  void watchFile();
  // Before the file the document reads is written over in place: the
  // document goes on over a private copy of its bytes, so undo survives
  // the save; without room for one, the user decides.
  bool keepOriginalBeforeWritingOver(const QString& path);

  LargeFilesContext c_;
  bool shown_ = false;
  std::unique_ptr<QTimer> watch_;
  LargeEditKeeper edits_{c_.stateFolder};
};

}  // namespace wrenpad
