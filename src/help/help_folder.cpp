// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/help_folder.h"

#include <QDir>

namespace wrenpad {
namespace {

bool holdsPages(const QString& folder) {
  return !QDir(folder).entryList({QStringLiteral("*.htm")}, QDir::Files).isEmpty();
}

QString firstWithPages(const QStringList& dataFolders, bool japanese) {
  for (const QString& dataFolder : dataFolders) {
    const QString folder = helpFolderIn(dataFolder, japanese);
    if (holdsPages(folder)) return folder;
  }
  return {};
}

}  // namespace

QString helpFolderIn(const QString& dataFolder, bool japanese) {
  if (japanese) return QDir(dataFolder).filePath(QStringLiteral("Help/html"));
  return QDir(dataFolder).filePath(QStringLiteral("Help/html_en"));
}

bool holdsJapanesePages(const QString& helpFolder) {
  return QDir::cleanPath(helpFolder).endsWith(QStringLiteral("/Help/html"));
}

QString chooseHelpFolder(const QStringList& dataFolders, bool japanese) {
  QString folder = firstWithPages(dataFolders, japanese);
  if (folder.isEmpty()) folder = firstWithPages(dataFolders, !japanese);
  if (folder.isEmpty() && !dataFolders.isEmpty()) folder = helpFolderIn(dataFolders.first(), japanese);
  return folder;
}

}  // namespace wrenpad
