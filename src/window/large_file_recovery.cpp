// SPDX-License-Identifier: GPL-3.0-or-later
// A large file's edits kept by a run that ended without saving them, taken
// over at the next start: made again on the file, or their typed text kept.

#include "documents/document_commands.h"
#include "documents/large_files.h"
#include "documents/large_recovery.h"
#include "documents/undo_commands.h"
#include "editor/editor_control.h"
#include "platform/dialogs.h"
#include "window/main_window.h"

namespace wrenpad {

// The file is opened as the user would open it, and the edits are made on
// it again: the document is modified, not saved, under its old name, and
// its journal keeps them as this run's own. A file that is no longer the
// one they were made on gets none of them: its typed text comes instead.
bool TMain::takeOverLargeEdits(const LargeEditsOffer& offer) {
  if (!offer.fileChanged && LargeFiles::isLargeFile(offer.base.path) && documents().LoadDocument(offer.base.path) &&
      largeFiles().shown()) {
    const large::Replay replay = ReplayLargeEdits(offer, largeFiles());
    if (replay.outcome == large::ReplayOutcome::Replayed) {
      showCommandStates();
      return true;
    }
    if (replay.outcome == large::ReplayOutcome::Unreadable) {
      dialogs_.showError(kApplicationTitle, LargeEditsFailedMessage(offer));
      return false;
    }
  }
  return recoverTypedText(offer);
}

bool TMain::recoverTypedText(const LargeEditsOffer& offer) {
  const std::optional<QString> typed = large::typedText(offer.journal, kLargestTypedText);
  if (!typed) {
    dialogs_.showError(kApplicationTitle, LargeEditsFailedMessage(offer));
    return false;
  }
  if (largeFiles().shown()) beginDocument();
  documents().startNewDocument();
  document_.CurrentFileName = kUntitledName;
  documents().SetDocumentTitle(kUntitledName);
  Editor->setText(*typed);
  Editor->setModified(true);
  showCommandStates();
  return undo_->keepRecoveredWork();
}

}  // namespace wrenpad
