#pragma once
// Undo, Redo and Enable Multi Undo over the snapshots of UndoSnapshots.
// With multi-level undo on, Undo first goes back to the newest snapshot when
// the text changed after it, else to the snapshot before the one shown; Redo
// goes forward again up to the newest written. An edit after an Undo starts
// the history anew from the state shown.

#include "documents/undo_snapshots.h"

#include <QString>
#include <functional>

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

class UndoCommands {
 public:
  UndoCommands(UndoContext context, QString folder, int slot);

  // The Timer2 tick: the document as it stands becomes the next snapshot.
  void takeSnapshot();
  void mmUndoClick();
  void mmRedoClick();
  void mmEnableMultiUndoClick();
  // At shut-down: the snapshot files go, but for the one the count names,
  // and so does the name that would offer them to a later start.
  void cleanUp() const;
  // Before the program ends without its questions (SIGTERM, SIGHUP): the
  // unsaved text is kept as a snapshot a later start offers back.
  void keepForRecovery();

  const UndoSnapshots& snapshots() const { return snapshots_; }

 private:
  QByteArray contentOfEditor() const;
  bool restore(int number);
  QString tr2(const char* english, const char16_t* japanese) const;

  UndoContext c_;
  UndoSnapshots snapshots_;
  // The snapshot the editor shows, and the editor's revision then.
  int shown_ = 0;
  quint64 shownRevision_ = ~0ull;
  bool failureReported_ = false;
  QString recordedName_;  // the document name last written beside the snapshots
};

}  // namespace wrenpad
