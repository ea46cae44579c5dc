#include "platform/app_paths.h"

#include "files/private_files.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

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
QString xdgFolder(const char* variable, const QString& fallbackBelowHome) {
  QString base = qEnvironmentVariable(variable);
  if (base.isEmpty()) base = QDir::home().filePath(fallbackBelowHome);
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
