// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The file system under the document commands, as plain functions on paths.
//
// Reading takes ordinary (regular) files only, never reads more than it is
// allowed to, and never waits on a FIFO or a device. Saving keeps the file's
// identity: a file is replaced (written beside itself and renamed into place)
// only when the new file can be the old one in every way that matters (owner,
// group, permissions, no second hard link, no extended attributes such as
// access lists); otherwise it is written in place, after a backup copy of its
// old bytes. A symbolic link is followed as the kernel follows it
// (resolveTarget) and its target written. Whatever
// fails, the old file stays as it was, and the result says why.

#include "files/file_failure.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <functional>
#include <string_view>
#include <vector>

namespace wrenpad::files {

// What tells one state of a file from another: when any of it differs, the
// file was changed or replaced since the stamp was taken.
struct FileStamp {
  bool exists = false;
  qint64 size = 0;
  qint64 modifiedNs = 0;  // modification time in nanoseconds
  quint64 device = 0;
  quint64 inode = 0;
  friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

// The stamp of the file a path names, symbolic links followed.
FileStamp stampOf(const QString& path);
// True when the path names a regular file (links followed); false when it
// names nothing, a folder, a device, a FIFO or a socket.
bool isRegularFile(const QString& path);

struct ReadResult {
  QByteArray bytes;
  FileStamp stamp;  // the file as it was when reading began
  Failure failure;
};
// Reads a regular file whole; TooLarge when it holds more than maxBytes.
ReadResult readRegularFile(const QString& path, qint64 maxBytes);

struct WriteResult {
  FileStamp stamp;      // the file as written
  bool inPlace = false; // written over the old bytes rather than replaced
  Failure failure;
};
WriteResult writeFileKeepingIdentity(const QString& path, const QByteArray& bytes);

// The bytes of a save given a block at a time, for a document too large to
// be held whole: `produce` calls `put` with each block in order and returns
// the first error (an errno) `put` returned, else 0. The blocks may be read
// from the very file being saved (a large document): a file written in
// place gets them through a copy beside it first, so the old bytes are read
// whole before any is written over.
using BlockPut = std::function<int(std::string_view block)>;
using BlockProducer = std::function<int(const BlockPut& put)>;
// `beforeInPlace`, when given, is called once the save knows it must write
// over the file in place (its new bytes already staged), before any old byte
// is touched: a document that reads the old bytes keeps them elsewhere then.
// False stops the save (Problem::Cancelled) with the file as it was.
using BeforeInPlace = std::function<bool()>;
WriteResult writeFileKeepingIdentity(const QString& path, qint64 size, const BlockProducer& produce,
                                     const BeforeInPlace& beforeInPlace = {});

// Saves keep a note of what they write in this folder (the program's state
// folder), so that a run killed in the middle of a save can be told at the
// next start; a save in place does not go on without its note
// (Problem::SaveNoteNotWritten). The backup of a file whose folder takes no
// new file is kept in this folder too. Without a folder no note is kept.
void setSaveJournalFolder(const QString& folder);

// A save of a gone run that was killed while it wrote a file in place: the
// file may be half new, half old; `backup` holds its bytes from before.
struct InterruptedSave {
  QString target;
  QString backup;
  QString journal;  // the note that told of it
};
// The interrupted saves of runs that are gone. Finding them also removes the
// half-written files such runs left beside the files they were replacing,
// the backups they were killed making, and the notes of saves that left
// nothing to offer.
std::vector<InterruptedSave> findInterruptedSaves();
// Writes the old bytes back into the file; the copy and the note go.
Failure restoreInterruptedSave(const InterruptedSave& save);
// Leaves the file as it is and the copy where it is; only the note goes.
void forgetInterruptedSave(const InterruptedSave& save);

namespace test_hooks {
// Called when a save has made its new bytes (or its backup) and is about to
// put them in place: a test stops the process here to play a kill.
inline void (*beforeCommit)() = nullptr;
}  // namespace test_hooks

}  // namespace wrenpad::files
