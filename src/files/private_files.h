// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one door for the files the program keeps for itself (settings, undo
// snapshots, the recovery name file, instance markers, preview pages, copies
// of logs, desktop entries) and for its temporary folders, and the rule by
// which every writer finds the file a path names.
//
// A file of ours is written whole beside its place and renamed over it, so it
// is either complete or not there at all; never through a symbolic link in its
// place (a link is replaced, not followed: callers that mean to follow one
// resolve the path first); readable by its owner only, or less; and every
// failure, a full disk above all, comes back to the caller with the old file
// untouched.

#include "files/file_failure.h"

#include <QByteArray>
#include <QString>
#include <sys/types.h>

namespace wrenpad::files {

// The file the kernel would open for `path`: every folder on the way with its
// links resolved, then the last name's links followed the way the kernel
// follows them (a relative target counts from the folder the link really lies
// in, not from the name it was reached by). A link to nothing gives the name
// it points to, in its real folder. When a folder on the way is missing, the
// absolute path as it stands.
QString resolveTarget(const QString& path);

// Who owns a file written over another. By default whoever writes it: a
// file of root's (a snapshot of a document root edits) is never given to the
// owner of a file that stood in its place. A user's own file (their
// settings, written by root through a link or beside a copy of theirs) keeps
// its owner and group, so root's rewrite does not lock them out of it.
enum class Owner { Writer, Kept };

// Writes `bytes` as the file `path`, atomically, with the permissions
// 0600 & `modeLimit` (pass the mode of a document the file copies, so a copy
// is never more readable than its original). A missing folder is made,
// readable by its owner only.
Failure writePrivateFile(const QString& path, const QByteArray& bytes, mode_t modeLimit = 0600,
                         Owner owner = Owner::Writer);

// Makes `folder` and the folders above it that are missing, each readable by
// the owner only; an existing folder is left as it is.
Failure makePrivateFolders(const QString& folder);

// A new file of ours that grows by records added at its end (a journal): made
// with O_EXCL, so never an existing file and never through a link in its
// place, 0600, with its folder made readable by the owner only when missing.
// The descriptor is open for appending only; the caller closes it.
struct AppendOnlyFile {
  int fd = -1;
  Failure failure;
};
AppendOnlyFile createAppendOnlyFile(const QString& path);

struct PrivateFolder {
  QString path;  // empty when it could not be made
  Failure failure;
};
// A new folder of an unpredictable name "<prefix>-<process>-XXXXXX" that only
// its owner may enter, in $XDG_RUNTIME_DIR when that is a folder of the user's own, else
// in the temporary folder.
PrivateFolder makePrivateFolder(const QString& prefix);
// A private folder made by makePrivateFolder that goes, with all it holds,
// when its owner goes.
class TemporaryFolder {
 public:
  explicit TemporaryFolder(const QString& prefix) : made_(makePrivateFolder(prefix)) {}
  ~TemporaryFolder();
  TemporaryFolder(const TemporaryFolder&) = delete;
  TemporaryFolder& operator=(const TemporaryFolder&) = delete;
  bool isValid() const { return !made_.path.isEmpty(); }
  const QString& path() const { return made_.path; }
  QString filePath(const QString& name) const { return made_.path + u'/' + name; }
  const Failure& failure() const { return made_.failure; }

 private:
  PrivateFolder made_;
};

// Where makePrivateFolder makes its folders.
QString privateFolderBase();

// Removes, in `folder`, the half-written files of ours ("<kind>" temporaries)
// that runs which are gone left behind; a live run's are left alone.
void removeLeftOverTemporaries(const QString& folder, const QString& kind = QStringLiteral("new"));
// Removes, in privateFolderBase(), the user's own "<prefix>-<process>-XXXXXX"
// folders whose process is gone.
void removeLeftOverPrivateFolders(const QString& prefix);

// True when the process with this id is still running.
bool processIsLive(qint64 pid);

// The permission bits of the file `path` names (links followed); 0600 when it
// cannot be told.
mode_t permissionsOf(const QString& path);

}  // namespace wrenpad::files
