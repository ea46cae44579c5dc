// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Undo, Redo and Enable Multi Undo over the snapshots of UndoSnapshots.
// With multi-level undo on, Undo first goes back to the newest snapshot when
// the text changed after it, else to the snapshot before the one shown; Redo
// goes forward again up to the newest written. An edit after an Undo starts
// the history anew from the state shown.

#include "documents/recovery.h"
#include "documents/undo_snapshots.h"
#include "files/file_failure.h"
#include "text/rich_text.h"

#include <QCoreApplication>
#include <QFutureWatcher>
#include <QString>
#include <functional>
#include <optional>
#include <variant>

namespace wrenpad {

class Dialogs;
class EditorControl;
struct DocumentState;
struct SessionState;
struct Settings;

struct UndoContext {
  EditorControl& editor;
  Dialogs& dialogs;
  const DocumentState& document;
  SessionState& session;
  Settings& settings;
  // Colours a restored text as the document's kind wants.
  std::function<void()> recolour;
  // A page that is no page any more returns to a text document of this name.
  std::function<void(const QString& name)> backToText;
  std::function<void()> stopSnapshotTimer;
};

// Puts a snapshot's text into the editor: from RTF with its formats when
// `rich`, else as UTF-8 text. False, and the editor untouched, when the RTF
// cannot be read.
bool ShowSnapshot(EditorControl& editor, const QByteArray& bytes, bool rich);

// What a snapshot write in the background came to.
struct SnapshotWrite {
  bool written = false;
  int undoCount = 0;
  int undoTop = 0;
  files::Failure failure;
};

// Encodes and writes the next snapshot, away from the window: every failure,
// running out of memory included, comes back in the outcome, so the window
// tells of it instead of ending.
SnapshotWrite WriteSnapshot(const UndoSnapshots& snapshots, const std::function<QByteArray()>& encode,
                            int undoCount, int undoTop, mode_t modeLimit);

class UndoCommands {
  Q_DECLARE_TR_FUNCTIONS(wrenpad::UndoCommands)

 public:
  UndoCommands(UndoContext context, QString folder, int slot);
  ~UndoCommands();
  UndoCommands(const UndoCommands&) = delete;
  UndoCommands& operator=(const UndoCommands&) = delete;

  // The Timer2 tick: the document as it stands becomes the next snapshot.
  // The text and its formats are read here; encoding and writing the file
  // run in the background, so typing goes on meanwhile. The counts follow
  // once the file is whole.
  void takeSnapshot();
  // Waits for a snapshot still being written and takes its outcome in:
  // false when there was none or it failed.
  bool finishPendingWrite();
  void mmUndoClick();
  void mmRedoClick();
  void mmEnableMultiUndoClick();
  // At shut-down: the snapshot files go, but for the one the count names,
  // and so does the name that would offer them to a later start.
  void cleanUp();
  // Before the program ends without its questions (SIGTERM, SIGHUP): the
  // unsaved text is kept as a snapshot a later start offers back.
  void keepForRecovery();
  // Work just taken back from a gone run becomes this run's first snapshot,
  // so a second crash does not lose it; a failure is told. True when kept.
  bool keepRecoveredWork();
  // The document as shown is in its file (just saved or opened): nothing is
  // left for a later start to offer until the next change.
  void workIsInFile();

  const UndoSnapshots& snapshots() const { return snapshots_; }

 private:
  // A page's text with its formats, or the plain text of other documents.
  using Content = std::variant<RichDocument, QString>;
  Content contentOfEditor() const;
  // A snapshot is never more readable than the document's file.
  mode_t modeLimit() const;
  bool snapshotNow();
  // Keeps the document's name beside the snapshots while it has changes not
  // in its file, and removes it once it has none.
  void recordWork(const RecordedDocument& document, mode_t modeLimit);
  void reportWriteFailure(const files::Failure& failure);
  bool restore(int number);

  UndoContext c_;
  UndoSnapshots snapshots_;
  // The snapshot the editor shows, and the editor's revision then.
  int shown_ = 0;
  quint64 shownRevision_ = ~0ull;
  // A failed write is told once, and again only after one succeeded.
  bool failureReported_ = false;
  std::optional<RecordedDocument> recorded_;  // what the name file holds
  // The write running in the background, with the history it belongs to
  // and the editor's revision it shows.
  QFutureWatcher<SnapshotWrite> writing_;
  bool pending_ = false;
  int pendingSeries_ = 0;
  quint64 pendingRevision_ = 0;
  SnapshotKind pendingKind_ = SnapshotKind::Plain;
  mode_t pendingModeLimit_ = 0600;
};

}  // namespace wrenpad
