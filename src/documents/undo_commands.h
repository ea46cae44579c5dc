#pragma once
// Undo, Redo and Enable Multi Undo over the snapshots of UndoSnapshots.
// With multi-level undo on, Undo first goes back to the newest snapshot when
// the text changed after it, else to the snapshot before the one shown; Redo
// goes forward again up to the newest written. An edit after an Undo starts
// the history anew from the state shown.

#include "documents/undo_snapshots.h"
#include "text/rich_text.h"

#include <QFutureWatcher>
#include <QString>
#include <functional>
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
  DocumentState& document;
  SessionState& session;
  Settings& settings;
  const bool& japanese;
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
  QString error;
};

class UndoCommands {
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
  // Waits for a snapshot still being written and takes its outcome in.
  void finishPendingWrite();
  void mmUndoClick();
  void mmRedoClick();
  void mmEnableMultiUndoClick();
  // At shut-down: the snapshot files go, but for the one the count names,
  // and so does the name that would offer them to a later start.
  void cleanUp();
  // Before the program ends without its questions (SIGTERM, SIGHUP): the
  // unsaved text is kept as a snapshot a later start offers back.
  void keepForRecovery();

  const UndoSnapshots& snapshots() const { return snapshots_; }

 private:
  // A page's text with its formats, or the plain text of other documents.
  using Content = std::variant<RichDocument, QString>;
  Content contentOfEditor() const;
  void reportWriteFailure(const QString& error);
  bool restore(int number);
  QString tr2(const char* english, const char16_t* japanese) const;

  UndoContext c_;
  UndoSnapshots snapshots_;
  // The snapshot the editor shows, and the editor's revision then.
  int shown_ = 0;
  quint64 shownRevision_ = ~0ull;
  bool failureReported_ = false;
  QString recordedName_;  // the document name last written beside the snapshots
  // The write running in the background, with the history it belongs to
  // and the editor's revision it shows.
  QFutureWatcher<SnapshotWrite> writing_;
  bool pending_ = false;
  int pendingSeries_ = 0;
  quint64 pendingRevision_ = 0;
};

}  // namespace wrenpad
