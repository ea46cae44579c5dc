// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Recovery of a large document's edits. While a large file is shown, its
// edits go into a journal (large/edit_journal.h) in the program's state
// folder, "large-edits-<process>-<n>.journal", begun anew at every save and
// removed when the document goes or the program ends normally. A run that
// was killed leaves its journal behind; the next start offers the edits
// back: made again on the file when it is still the very file they were
// made on, or else their typed text as a new document.

#include "documents/file_access.h"
#include "large/edit_journal.h"

#include <QDateTime>
#include <QString>
#include <QTimer>
#include <memory>
#include <vector>

namespace wrenpad {

class LargeFiles;

inline large::FileIdentity IdentityOf(const files::FileStamp& stamp) {
  return {stamp.device, stamp.inode, stamp.size, stamp.modifiedNs};
}

// Keeps the edits of the shown large document.
class LargeEditKeeper {
 public:
  // The folder of the journal; none keeps nothing.
  explicit LargeEditKeeper(QString folder);
  // The journal goes, unless it was kept for recovery.
  ~LargeEditKeeper();
  LargeEditKeeper(const LargeEditKeeper&) = delete;
  LargeEditKeeper& operator=(const LargeEditKeeper&) = delete;

  // `document` is shown from `path`, or was just saved there, and the file
  // is now `file`: the edits from here on are kept, relative to it; those
  // kept before go.
  void start(large::LargeDocument& document, const QString& path, const large::FileIdentity& file);
  // The document goes: so does its journal.
  void stop();
  // The program ends without its questions (a termination signal) with the
  // document modified: the journal is put on disk and stays for the next start.
  void keepForRecovery();
  // The journal of the shown document; null when none is kept.
  const large::EditJournal* journal() const { return journal_.get(); }

 private:
  void recorded(const large::LargeDocument& document, const large::Change& change);

  QString folder_;
  std::unique_ptr<large::EditJournal> journal_;
  QTimer idle_;  // puts the records on disk once typing pauses
  bool kept_ = false;
};

// A gone run's edits of a large file.
struct LargeEditsOffer {
  QString journal;
  large::JournalBase base;
  QDateTime written;         // the journal's last record
  bool fileChanged = false;  // the file is no longer the one the edits were made on
};

// The journals in `folder` whose run is gone, newest first. Those that hold
// no edit are removed.
std::vector<LargeEditsOffer> FindLargeEditsOffers(const QString& folder);
void RemoveLargeEdits(const LargeEditsOffer& offer);

QString LargeEditsQuestion(const LargeEditsOffer& offer);
QString LargeEditsFailedMessage(const LargeEditsOffer& offer);

// The text the edits typed, for a file that changed: at most this much of it.
inline constexpr qint64 kLargestTypedText = qint64(4) << 20;

// Makes the offer's edits again on the document `files` shows, just read
// from the offer's file; nothing is done when that file is not the one the
// edits were made on.
large::Replay ReplayLargeEdits(const LargeEditsOffer& offer, LargeFiles& files);

}  // namespace wrenpad
