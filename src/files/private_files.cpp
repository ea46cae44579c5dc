// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/private_files.h"

#include "files/descriptors.h"
#include "files/file_names.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <optional>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace wrenpad::files {

namespace {

// The real path of an existing folder; empty when it cannot be had.
QString realFolder(const QString& folder) {
  char* resolved = ::realpath(native(folder).constData(), nullptr);
  if (!resolved) return QString();
  const QString result = fileNameFromBytes(resolved);
  std::free(resolved);
  return result;
}

// The text of a symbolic link; nothing when the path is no link.
std::optional<QString> linkText(const QString& path) {
  QByteArray buffer(PATH_MAX, Qt::Uninitialized);
  const ssize_t length = ::readlink(native(path).constData(), buffer.data(), std::size_t(buffer.size()));
  if (length < 0 || length >= buffer.size()) return std::nullopt;
  buffer.truncate(length);
  return fileNameFromBytes(buffer);
}

QString joined(const QString& folder, const QString& name) {
  return folder.endsWith(u'/') ? folder + name : folder + u'/' + name;
}

}  // namespace

QString resolveTarget(const QString& path) {
  QString current = QFileInfo(path).absoluteFilePath();
  // As many links as the kernel follows before it gives up.
  for (int depth = 0; depth < 40; ++depth) {
    const qsizetype slash = current.lastIndexOf(u'/');
    const QString name = current.mid(slash + 1);
    const QString folder = realFolder(slash <= 0 ? QStringLiteral("/") : current.left(slash));
    if (folder.isEmpty()) return current;
    if (name.isEmpty() || name == u"." || name == u"..") {
      const QString real = realFolder(current);
      return real.isEmpty() ? current : real;
    }
    const QString candidate = joined(folder, name);
    const std::optional<QString> target = linkText(candidate);
    if (!target) return candidate;
    current = target->startsWith(u'/') ? *target : joined(folder, *target);
  }
  return current;
}

mode_t permissionsOf(const QString& path) {
  struct stat st;
  if (::stat(native(path).constData(), &st) != 0) return 0600;
  return st.st_mode & 07777;
}

Failure makePrivateFolders(const QString& folder) {
  const QString absolute = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
  QString built;
  for (const QString& part : absolute.split(u'/', Qt::SkipEmptyParts)) {
    built += u'/' + part;
    if (::mkdir(native(built).constData(), 0700) != 0 && errno != EEXIST) return folderFailure(errno);
  }
  struct stat st;
  if (::stat(native(absolute).constData(), &st) != 0) return failureOf(errno);
  return S_ISDIR(st.st_mode) ? Failure{} : because(Problem::FolderMissing);
}

namespace {
// The new file takes the owner and group of the file it replaces; 0, or the
// error when the owner cannot be kept by a process that may give files away.
int keepOwner(int fd, const QString& path) {
  struct stat old, now;
  if (::lstat(native(path).constData(), &old) != 0 || !S_ISREG(old.st_mode) || ::fstat(fd, &now) != 0) return 0;
  if (old.st_uid == now.st_uid && old.st_gid == now.st_gid) return 0;
  if (::fchown(fd, old.st_uid, old.st_gid) == 0) return 0;
  // Anyone else replaces only files in folders they may write, as before.
  return ::geteuid() == 0 ? errno : 0;
}
}  // namespace

Failure writePrivateFile(const QString& path, const QByteArray& bytes, mode_t modeLimit, Owner owner) {
  const QString absolute = QFileInfo(path).absoluteFilePath();
  const QString folder = QFileInfo(absolute).absolutePath();
  if (Failure failure = makePrivateFolders(folder); failure.failed()) return failure;
  TempFile temp;
  if (const int error = temp.create(folder, QStringLiteral("new"), 0600 & modeLimit))
    return folderFailure(error);
  int error = owner == Owner::Kept ? keepOwner(temp.fd(), absolute) : 0;
  // The creation mode passes through the umask, which only takes bits away;
  // set it again so a stricter limit holds whatever the umask (and after
  // the owner: a change of owner may clear bits).
  if (!error && ::fchmod(temp.fd(), 0600 & modeLimit) != 0) error = errno;
  if (!error) error = overwrite(temp.fd(), bytes);
  if (!error) error = temp.close();
  if (!error && ::rename(native(temp.path()).constData(), native(absolute).constData()) != 0) error = errno;
  if (error) return error == EISDIR ? because(Problem::NotRegular) : failureOf(error);
  temp.keep();
  syncFolder(folder);
  return {};
}

AppendOnlyFile createAppendOnlyFile(const QString& path) {
  const QString absolute = QFileInfo(path).absoluteFilePath();
  if (Failure failure = makePrivateFolders(QFileInfo(absolute).absolutePath()); failure.failed())
    return {-1, failure};
  const int fd = ::open(native(absolute).constData(),
                        O_WRONLY | O_APPEND | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (fd < 0) return {-1, errno == EISDIR ? because(Problem::NotRegular) : failureOf(errno)};
  // The umask may have taken even the owner's bits away: 0600 it is, whatever it was.
  if (::fchmod(fd, 0600) != 0) {
    const int error = errno;
    ::close(fd);
    ::unlink(native(absolute).constData());
    return {-1, failureOf(error)};
  }
  return {fd, Failure{}};
}

namespace {
// $XDG_RUNTIME_DIR only when it is a real folder of the user's own that
// nobody else may enter: a runtime folder others can reach is no private place.
bool isOwnRuntimeFolder(const QString& folder) {
  struct stat st;
  return !folder.isEmpty() && QDir::isAbsolutePath(folder) &&
         ::lstat(native(folder).constData(), &st) == 0 && S_ISDIR(st.st_mode) &&
         st.st_uid == ::geteuid() && (st.st_mode & 077) == 0 && ::access(native(folder).constData(), W_OK) == 0;
}
}  // namespace

QString privateFolderBase() {
  const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
  return isOwnRuntimeFolder(runtime) ? runtime : QDir::tempPath();
}

PrivateFolder makePrivateFolder(const QString& prefix) {
  QByteArray pattern =
      native(joined(privateFolderBase(), QStringLiteral("%1-%2-XXXXXX").arg(prefix).arg(::getpid())));
  // mkdtemp makes the folder with mode 0700 and a name nobody could guess.
  if (!::mkdtemp(pattern.data())) return {QString(), folderFailure(errno)};
  return {fileNameFromBytes(pattern), Failure{}};
}

TemporaryFolder::~TemporaryFolder() {
  if (isValid()) QDir(made_.path).removeRecursively();
}

bool processIsLive(qint64 pid) {
  if (pid <= 0 || pid > INT_MAX) return false;
  // Another user's process answers EPERM: it is there all the same.
  return ::kill(pid_t(pid), 0) == 0 || errno != ESRCH;
}

namespace {
// The process id in a name "<prefix><pid>-..."; 0 when there is none.
qint64 processInName(const QString& name, const QString& prefix) {
  if (!name.startsWith(prefix)) return 0;
  const qsizetype dash = name.indexOf(u'-', prefix.size());
  if (dash < 0) return 0;
  bool ok = false;
  const qint64 pid = name.mid(prefix.size(), dash - prefix.size()).toLongLong(&ok);
  return ok ? pid : 0;
}

bool ownedByUs(const QString& path) {
  struct stat st;
  return ::lstat(native(path).constData(), &st) == 0 && st.st_uid == ::geteuid();
}
}  // namespace

void removeLeftOverTemporaries(const QString& folder, const QString& kind) {
  const QString prefix = tempFilePrefix(kind);
  const QStringList names =
      QDir(folder).entryList({prefix + u'*'}, QDir::Files | QDir::Hidden | QDir::System);
  for (const QString& name : names) {
    const qint64 pid = processInName(name, prefix);
    const QString path = QDir(folder).filePath(name);
    if (pid > 0 && pid != ::getpid() && !processIsLive(pid) && ownedByUs(path))
      ::unlink(native(path).constData());
  }
}

void removeLeftOverPrivateFolders(const QString& prefix) {
  const QString base = privateFolderBase();
  const QString start = prefix + u'-';
  for (const QString& name : QDir(base).entryList({start + u'*'}, QDir::Dirs | QDir::Hidden)) {
    const qint64 pid = processInName(name, start);
    const QString path = QDir(base).filePath(name);
    if (pid > 0 && pid != ::getpid() && !processIsLive(pid) && ownedByUs(path))
      QDir(path).removeRecursively();
  }
}

}  // namespace wrenpad::files
