// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The commands on a large file: a file too large for the editor's text widget
// (above kLargeFileBytes, or with a line longer than kLongestLineBytes) is
// opened in the large view (large_view/large_text_view.h) over its own
// storage instead. Saving, Find and Replace, Go to Line, Undo and Redo and
// the clipboard work on it; colouring and the in-page rendering do not, and
// the window disables every command that cannot work while it is shown.
//
// The document stays in its file's own bytes and kanji code: a save writes
// them as they are, with the edits, through file_access (a block at a time,
// so a file of a gigabyte is saved with memory to spare).

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
  // Another program changed the shown file: the document can no longer be
  // trusted (called once, from the event loop; the callee closes or reopens it).
  std::function<void()> changedOnDisk;
  // Where the edits are kept for recovery after a crash (the program's state
  // folder); none keeps nothing.
  QString stateFolder = QString();
};

class LargeFiles {
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
  ~LargeFiles();

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
  bool isModified() const;
  void setReadOnly(bool readOnly);

  // Writes the document to `path`, keeping the file's identity; on a
  // failure nothing changes, and the result says why.
  files::WriteResult write(const QString& path);

  // The status bar's note while the view is shown, in the interface language.
  QString statusNote() const;
  // What the user typed into the document, decoded, a few MiB at most: kept
  // when the file changed on disk under the edits.
  QString typedText() const;
  // How often the file is looked at for changes by other programs.
  static constexpr int kWatchMilliseconds = 500;

  // Find Next from the end of the selection, and the selection replaced.
  bool findNext(const QString& what, bool matchCase);
  // False when the file's code cannot hold the replacement (the user is told).
  bool replaceSelection(const QString& with);
  // Replace All around the caret as the editor's does: from just before the
  // caret to the end; on `goOn` (asked with the count), from the start up to
  // the first hit too, as one undo step. Without `goOn` (the caller asks
  // nothing), one pass over the whole file. The counts of both passes.
  struct ReplacedCounts {
    qint64 first = 0;
    std::optional<qint64> second;  // nothing when the user did not go on
  };
  ReplacedCounts replaceAll(const QString& what, const QString& with, bool matchCase,
                            const std::function<bool(qint64 count)>& goOn);

  void goToLine(qint64 line);  // 1-based, as the line-number box shows it
  qint64 caretLine() const;    // 1-based
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
