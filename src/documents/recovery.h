// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Work left by a run that did not end cleanly (a crash, a kill, a lost
// session): its undo snapshots and, kept beside them while the document has
// changes not in its file, the name of the document and the kind of text the
// snapshots hold. A later start offers the newest snapshot back, and tells
// when the document's file changed after it was written.

#include "files/file_failure.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <functional>
#include <optional>
#include <sys/types.h>
#include <vector>

namespace wrenpad {

// What a snapshot holds: a page's rich text (RTF) or a document's plain
// text, which may well be RTF source. Unknown for a name file of an earlier
// version, which held the name alone.
enum class SnapshotKind { Unknown, Plain, Rich };

struct RecoveryOffer {
  int slot = 0;
  QString documentName;  // the name the document had (a bare name if never saved)
  QString snapshot;      // the newest snapshot's file
  QDateTime written;     // when it was written
  SnapshotKind kind = SnapshotKind::Unknown;
  // When the document's file was changed after the snapshot was written;
  // null when it was not.
  QDateTime fileChanged;
};

struct RecordedDocument {
  QString name;
  SnapshotKind kind = SnapshotKind::Unknown;
  bool operator==(const RecordedDocument&) const = default;
};

// The file beside the snapshots of `slot` that names their document.
QString DocumentNameFile(const QString& folder, int slot);
// Written whole before it replaces the old one, 0600 & `modeLimit`.
files::Failure RecordDocumentName(const QString& folder, int slot, const RecordedDocument& document,
                                  mode_t modeLimit = 0600);
// What the name file of `slot` holds; nothing when there is none or it
// cannot be read.
std::optional<RecordedDocument> ReadDocumentName(const QString& folder, int slot);

// The slots in `folder` (1 to `lastSlot`) whose run is gone (`isLive` says
// no) and left a document name with a snapshot; newest first.
std::vector<RecoveryOffer> FindRecoveryOffers(const QString& folder, int lastSlot,
                                              const std::function<bool(int slot)>& isLive);

// Whether the snapshot bytes of an offer are rich text to be read as RTF.
// A name file of an earlier version did not say: then only a page's
// snapshot is taken for rich text.
bool IsRichSnapshot(const RecoveryOffer& offer, const QByteArray& bytes);

// The question that offers the work back, and the message when the kept text
// could not be read or shown.
QString RecoveryQuestion(const RecoveryOffer& offer);
QString RecoveryFailedMessage(const RecoveryOffer& offer);
// A date and time in a recovery question, as the interface's language writes them.
QString RecoveryTime(const QDateTime& time);

// Removes the snapshots and the name file of a gone run.
void RemoveRecoveryFiles(const QString& folder, int slot);

// The right to offer one gone run's work, held by one instance at a time
// (a lock on its name file), so that two instances started together do not
// both offer it. Released when it goes, or when the instance ends.
class RecoveryClaim {
 public:
  RecoveryClaim(const QString& folder, int slot);
  // The same for a file of recovery that is not a slot's (a large file's edits).
  explicit RecoveryClaim(const QString& path);
  ~RecoveryClaim();
  RecoveryClaim(const RecoveryClaim&) = delete;
  RecoveryClaim& operator=(const RecoveryClaim&) = delete;
  // False when another instance holds it, or its files are gone meanwhile.
  bool held() const { return descriptor_ >= 0; }

 private:
  int descriptor_ = -1;
};

}  // namespace wrenpad
