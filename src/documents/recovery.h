#pragma once
// Work left by a run that did not end cleanly (a crash, a kill, a lost
// session): its undo snapshots and the name of the document they belong to,
// kept beside them. A later start offers the newest snapshot back when it is
// newer than the document's file.

#include <QDateTime>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

namespace wrenpad {

struct RecoveryOffer {
  int slot = 0;
  QString documentName;  // the name the document had (a bare name if never saved)
  QString snapshot;      // the newest snapshot's file
  QDateTime written;     // when it was written
};

// The file beside the snapshots of `slot` that names their document.
QString DocumentNameFile(const QString& folder, int slot);
// Written whole before it replaces the old one.
bool RecordDocumentName(const QString& folder, int slot, const QString& name);

// The slots in `folder` (1 to `lastSlot`) whose run is gone (`isLive` says
// no) and left a document name with a snapshot newer than the document's
// file; newest first.
std::vector<RecoveryOffer> FindRecoveryOffers(const QString& folder, int lastSlot,
                                              const std::function<bool(int slot)>& isLive);

// Removes the snapshots and the name file of a gone run.
void RemoveRecoveryFiles(const QString& folder, int slot);

}  // namespace wrenpad
