// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/app_paths.h"

#include "files/file_names.h"
#include "files/private_files.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace wrenpad {

bool isFolderWritable(const QString& folder) {
  // Asking the file system is the only reliable test: permissions, read-only
  // mounts and ACLs all count.
  QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".wrenpad-probe-XXXXXX")));
  return probe.open();
}

bool isBuildOrPortableFolder(const QString& folder) {
  const QDir dir(folder);
  return QFileInfo::exists(dir.filePath(QStringLiteral("CMakeCache.txt"))) ||
         QFileInfo::exists(dir.filePath(QStringLiteral("wrenpad.portable")));
}

QString AppPaths::instanceFileFolder() const {
  return keepsFilesBeside ? applicationFolder : stateFolder;
}

QStringList AppPaths::dataFolders() const {
  QStringList folders{applicationFolder, configFolder,
                      QDir::cleanPath(QDir(applicationFolder).filePath(QStringLiteral("../share/wrenpad")))};
  folders.removeDuplicates();
  return folders;
}

namespace {
// Whether the nearest folder of `path` that exists belongs to another user
// (root's folders, /tmp among them, take anybody's folders).
bool belongsToAnother(const QString& path) {
  for (QString at = QDir::cleanPath(QDir(path).absolutePath());; at = QFileInfo(at).path()) {
    struct stat st;
    if (::stat(files::fileNameToBytes(at).constData(), &st) == 0) return st.st_uid != ::geteuid() && st.st_uid != 0;
    if (at == u"/") return false;
  }
}

// The home folder of the user the program runs as, from the user database:
// $HOME may be another user's (root started by `sudo -E`).
QString ownHome() {
  const struct passwd* user = ::getpwuid(::geteuid());
  return user && user->pw_dir ? files::fileNameFromBytes(user->pw_dir) : QString();
}

// The XDG folder, or its default below the home folder. A folder that
// belongs to another user is not taken for ours: files made there would be
// ours, not that user's, and lock them out of their own settings (a root
// run with a user's $HOME and no XDG variables). The user's own home is
// used instead; when it cannot be had, the folder as given.
QString xdgFolder(const char* variable, const QString& fallbackBelowHome) {
  QString base = qEnvironmentVariable(variable);
  if (base.isEmpty()) base = QDir::home().filePath(fallbackBelowHome);
  const QString home = ownHome();
  if (belongsToAnother(base) && !home.isEmpty() && !belongsToAnother(home))
    base = QDir(home).filePath(fallbackBelowHome);
  return QDir(base).filePath(QStringLiteral("wrenpad"));
}
}  // namespace

AppPaths AppPaths::forExecutable(const QString& executablePath) {
  AppPaths paths;
  const QFileInfo info(executablePath);
  paths.executablePath = info.absoluteFilePath();
  paths.applicationFolder = info.absolutePath();
  paths.keepsFilesBeside =
      isBuildOrPortableFolder(paths.applicationFolder) && isFolderWritable(paths.applicationFolder);
  paths.configFolder = xdgFolder("XDG_CONFIG_HOME", QStringLiteral(".config"));
  paths.stateFolder = xdgFolder("XDG_STATE_HOME", QStringLiteral(".local/state"));
  if (!paths.keepsFilesBeside) {
    // Failures show later, where a file is written and the user is told.
    files::makePrivateFolders(paths.configFolder);
    files::makePrivateFolders(paths.stateFolder);
  }
  return paths;
}

AppPaths AppPaths::inFolder(const QString& folder) {
  AppPaths paths;
  paths.applicationFolder = QDir(folder).absolutePath();
  paths.executablePath = QDir(paths.applicationFolder).filePath(QStringLiteral("wrenpad"));
  paths.keepsFilesBeside = isFolderWritable(paths.applicationFolder);
  paths.configFolder = paths.applicationFolder;
  paths.stateFolder = paths.applicationFolder;
  return paths;
}

}  // namespace wrenpad
