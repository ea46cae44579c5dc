// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The edits of a large document as they are made, kept in a file of ours so
// that a run that is killed leaves them for the next start: a head that
// names the file the edits apply to (path, device, inode, size and
// modification time, and its kanji code), then one record per change of the
// text (its position, the bytes it removed, the bytes it put in). Keeping
// the edits costs what they cost, never a copy of the document.
//
// A record is handed to the kernel (write) at once, so a killed process
// loses none; it is put on disk (fsync) at most once a second, and when the
// caller finds the program idle, so typing stays fast. A long inserted
// stretch (the undo of a large deletion, Replace All) goes a block at a
// time. Every record ends with a check sum of itself: a record cut short by
// a kill in the middle of its writing, and anything after it, is ignored.
//
// Replaying puts the records back onto the file as it was, in order, only
// when the file is still that file: edits are never applied to other bytes.

#include "files/file_failure.h"
#include "large/large_document.h"
#include "large/original_bytes.h"

#include <QElapsedTimer>
#include <QString>
#include <optional>

namespace wrenpad::large {

// What the records apply to.
struct JournalBase {
  QString path;           // the file, as the document was shown or saved
  FileIdentity identity;  // the file then
  TextEncoding encoding = TextEncoding::ShiftJis;
  friend bool operator==(const JournalBase&, const JournalBase&) = default;
};

class EditJournal {
 public:
  static constexpr qint64 kBlockBytes = qint64(1) << 20;
  static constexpr qint64 kSyncIntervalMs = 1000;

  // The file `journalPath` is made at the first record, not before: a
  // document that is only looked at leaves nothing.
  EditJournal(QString journalPath, JournalBase base);
  ~EditJournal();  // closes; the file stays until remove()
  EditJournal(const EditJournal&) = delete;
  EditJournal& operator=(const EditJournal&) = delete;

  const QString& path() const { return path_; }
  const JournalBase& base() const { return base_; }

  // Adds `change`, just made in `document` (its inserted bytes are read from
  // there). After a failure nothing more is written, the file is removed
  // (a journal with an edit missing would replay wrong text), and the
  // failure comes back once.
  files::Failure record(const LargeDocument& document, const Change& change);
  // Whether records were written since the last fsync.
  bool unsynced() const { return unsynced_; }
  void sync();
  // The file goes; later records start a new one.
  void remove();

 private:
  files::Failure open();
  int append(std::string_view bytes);
  int writeRecord(const LargeDocument& document, const Change& change);

  QString path_;
  JournalBase base_;
  int fd_ = -1;
  bool failed_ = false;
  bool unsynced_ = false;
  QElapsedTimer sinceSync_;
};

// The head of a journal file; nothing when it is not one of ours or cannot
// be read.
std::optional<JournalBase> readJournalBase(const QString& journalPath);

// How many whole records the journal holds (0 when it is none).
qint64 wholeRecords(const QString& journalPath);

// How a replay went.
enum class ReplayOutcome {
  Replayed,         // every whole record was put back
  OriginalChanged,  // the file is not the one the edits apply to: nothing done
  Unreadable,       // not a journal, or a record does not fit the document: nothing done
};
struct Replay {
  ReplayOutcome outcome = ReplayOutcome::Unreadable;
  qint64 records = 0;  // the records put back
};
// Puts the whole records of `journalPath` back onto `document`, which holds
// the file whose identity is `current`. The records are checked through
// before the first is put back.
Replay replayJournal(const QString& journalPath, const FileIdentity& current, LargeDocument& document);

// The bytes the records put in, decoded in the journal's code: the text the
// user typed, for a file that has changed since. Records that follow on
// from each other join; the others start a line of their own. At most
// `limitBytes` of inserted bytes are taken. Nothing when the file is not a
// journal.
std::optional<QString> typedText(const QString& journalPath, qint64 limitBytes);

}  // namespace wrenpad::large
