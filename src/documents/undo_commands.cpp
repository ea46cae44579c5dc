// SPDX-License-Identifier: GPL-3.0-or-later
#include "documents/undo_commands.h"

#include "documents/document_kind.h"
#include "documents/document_state.h"
#include "editor/editor_control.h"
#include "files/private_files.h"
#include "platform/dialogs.h"
#include "settings/settings.h"
#include "text/rich_text.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtConcurrent/QtConcurrentRun>
#include <new>

namespace wrenpad {

namespace {
constexpr int kRepaintedRestoreLength = 5000;
}  // namespace

UndoCommands::UndoCommands(UndoContext context, QString folder, int slot)
    : c_(std::move(context)), snapshots_(std::move(folder), slot) {
  QObject::connect(&writing_, &QFutureWatcher<SnapshotWrite>::finished, &writing_, [this] { finishPendingWrite(); });
}

UndoCommands::~UndoCommands() { writing_.waitForFinished(); }

// Pages keep their colours as rich text; other documents are plain text.
UndoCommands::Content UndoCommands::contentOfEditor() const {
  if (c_.document.DocumentMode == kHtmlMode) return c_.editor.richDocument();
  return c_.editor.text();
}

mode_t UndoCommands::modeLimit() const {
  const QFileInfo file(c_.document.CurrentFileName);
  return file.isAbsolute() && file.isFile() ? files::permissionsOf(file.filePath()) : mode_t(0600);
}

// Runs away from the window: nothing here touches the editor.
SnapshotWrite WriteSnapshot(const UndoSnapshots& snapshots, const std::function<QByteArray()>& encode,
                            int undoCount, int undoTop, mode_t modeLimit) {
  SnapshotWrite outcome{false, undoCount, undoTop, {}};
  try {
    UndoSnapshots writer = snapshots;
    outcome.failure = writer.take(encode(), outcome.undoCount, outcome.undoTop, modeLimit);
  } catch (const std::bad_alloc&) {
    outcome.failure = files::because(files::Problem::OutOfMemory);
  }
  outcome.written = !outcome.failure.failed();
  if (!outcome.written) {
    outcome.undoCount = undoCount;
    outcome.undoTop = undoTop;
  }
  return outcome;
}

void UndoCommands::takeSnapshot() {
  if (c_.stopSnapshotTimer) c_.stopSnapshotTimer();
  if (!c_.settings.MultiUndo) {
    c_.session.UndoCount = 1;
    return;
  }
  finishPendingWrite();  // one write at a time, in order
  Content content = contentOfEditor();
  // An empty text is no state to go back to: a snapshot that reads back
  // empty is taken for a damaged one.
  if (std::holds_alternative<QString>(content) && std::get<QString>(content).isEmpty()) return;
  pending_ = true;
  pendingSeries_ = c_.session.UndoSeries;
  pendingRevision_ = c_.editor.revision();
  pendingKind_ = std::holds_alternative<RichDocument>(content) ? SnapshotKind::Rich : SnapshotKind::Plain;
  pendingModeLimit_ = modeLimit();
  auto encode = [content = std::move(content)] {
    return std::holds_alternative<RichDocument>(content) ? WriteRtf(std::get<RichDocument>(content))
                                                         : std::get<QString>(content).toUtf8();
  };
  writing_.setFuture(QtConcurrent::run(WriteSnapshot, snapshots_, std::function<QByteArray()>(std::move(encode)),
                                       c_.session.UndoCount, c_.session.UndoTop, pendingModeLimit_));
}

bool UndoCommands::finishPendingWrite() {
  if (!pending_) return false;
  pending_ = false;
  writing_.waitForFinished();
  const SnapshotWrite outcome = writing_.result();
  // A history begun meanwhile does not take the older document's state.
  if (pendingSeries_ != c_.session.UndoSeries) return false;
  if (!outcome.written) {
    reportWriteFailure(outcome.failure);
    return false;
  }
  failureReported_ = false;
  c_.session.UndoCount = outcome.undoCount;
  c_.session.UndoTop = outcome.undoTop;
  shown_ = outcome.undoCount;
  shownRevision_ = pendingRevision_;
  recordWork({c_.document.CurrentFileName, pendingKind_}, pendingModeLimit_);
  return true;
}

// The name a later start shows when it offers this work back, written when
// it changes rather than with every snapshot.
void UndoCommands::recordWork(const RecordedDocument& document, mode_t modeLimit) {
  if (!c_.editor.isModified()) {
    workIsInFile();
    return;
  }
  if (recorded_ == document) return;
  if (!RecordDocumentName(snapshots_.folder(), snapshots_.slot(), document, modeLimit).failed())
    recorded_ = document;
}

void UndoCommands::workIsInFile() {
  QFile::remove(DocumentNameFile(snapshots_.folder(), snapshots_.slot()));
  recorded_.reset();
}

// Typing goes on, with fewer steps to undo; told once until a write succeeds.
void UndoCommands::reportWriteFailure(const files::Failure& failure) {
  if (!failureReported_)
    c_.dialogs.showError(kApplicationTitle,
                         tr("An undo step could not be saved (%1): %2\nEditing goes on; Undo may not reach this state.")
                            .arg(QDir::toNativeSeparators(snapshots_.path(c_.session.UndoCount + 1)),
                                 files::describe(failure)));
  failureReported_ = true;
}

// A snapshot written at once, whatever the multi-level undo setting.
bool UndoCommands::snapshotNow() {
  const bool multiUndo = c_.settings.MultiUndo;
  c_.settings.MultiUndo = true;
  takeSnapshot();
  const bool written = finishPendingWrite();
  c_.settings.MultiUndo = multiUndo;
  return written;
}

void UndoCommands::keepForRecovery() {
  const bool reported = failureReported_;
  failureReported_ = true;  // no message box while the session ends
  snapshotNow();
  failureReported_ = reported;
}

bool UndoCommands::keepRecoveredWork() {
  failureReported_ = false;  // the user is told why the old files stay
  return snapshotNow();
}

bool ShowSnapshot(EditorControl& editor, const QByteArray& bytes, bool rich) {
  if (!rich) {
    editor.setText(QString::fromUtf8(bytes));
    return true;
  }
  const std::optional<RichDocument> document = ReadRtf(bytes);
  if (document) editor.setRichDocument(*document);
  return document.has_value();
}

bool UndoCommands::restore(int number) {
  finishPendingWrite();
  const std::optional<QByteArray> bytes = snapshots_.read(number);
  const bool rich = c_.document.DocumentMode == kHtmlMode;
  if (!bytes || (rich && !ReadRtf(*bytes))) {
    c_.dialogs.showError(kApplicationTitle, tr("The undo step \"%1\" could not be read; the text stays as it is.")
                                               .arg(QDir::toNativeSeparators(snapshots_.path(number))));
    return false;
  }
  if (c_.stopSnapshotTimer) c_.stopSnapshotTimer();
  const int caret = c_.editor.selStart();
  const bool watching = c_.session.ChangeWatch;
  c_.session.ChangeWatch = false;
  ShowSnapshot(c_.editor, *bytes, rich);
  c_.editor.setModified(true);
  const QString text = c_.editor.text();
  if (c_.recolour && (c_.document.DocumentMode == kProgramMode ||
                      (c_.document.DocumentMode == kHtmlMode && text.size() < kRepaintedRestoreLength)))
    c_.recolour();
  // A page made from a new text document by the conversion is a text again
  // once its mark-up is undone.
  if (c_.document.DocumentMode == kHtmlMode && !text.contains(QStringLiteral("<HTML>")) &&
      !text.contains(QStringLiteral("<html>")) &&
      QFileInfo(c_.document.CurrentFileName).fileName() == QStringLiteral("Untitled.htm") && c_.backToText) {
    const QString folder = folderOf(c_.document.CurrentFileName);
    c_.backToText(folder.isEmpty() ? QString(kUntitledName) : QDir(folder).filePath(kUntitledName));
  }
  c_.editor.setSelStart(std::min(caret, c_.editor.textLength()));
  c_.session.ChangeWatch = watching;
  shown_ = number;
  shownRevision_ = c_.editor.revision();
  // An edit from here on builds on this state.
  c_.session.UndoCount = number;
  return true;
}

void UndoCommands::mmUndoClick() {
  if (!c_.settings.MultiUndo) {
    c_.editor.undo();
    return;
  }
  finishPendingWrite();
  // Back to the newest snapshot when the text moved on from the one shown
  // (an edit not yet saved as a step), else one step further back.
  const bool unchanged = shown_ >= 1 && c_.editor.revision() == shownRevision_;
  const int target = unchanged ? shown_ - 1 : c_.session.UndoCount;
  if (target >= 1) restore(target);
}

void UndoCommands::mmRedoClick() {
  if (!c_.settings.MultiUndo || !c_.session.RedoEnabled) return;
  finishPendingWrite();
  const bool unchanged = shown_ >= 1 && c_.editor.revision() == shownRevision_;
  if (!unchanged) return;  // an edit after the Undo ended the way forward
  const int target = shown_ + 1;
  if (target <= c_.session.UndoTop && target <= UndoSnapshots::kLevels) restore(target);
}

void UndoCommands::mmEnableMultiUndoClick() {
  c_.settings.MultiUndo = !c_.settings.MultiUndo;
  c_.session.RedoEnabled = false;
}

void UndoCommands::cleanUp() {
  finishPendingWrite();
  snapshots_.removeAllBut(c_.session.UndoCount);
  QFile::remove(DocumentNameFile(snapshots_.folder(), snapshots_.slot()));
}

}  // namespace wrenpad
