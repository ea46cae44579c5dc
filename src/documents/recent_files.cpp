// SPDX-License-Identifier: GPL-3.0-or-later
#include "documents/recent_files.h"

#include "settings/ini_file.h"
#include "settings/settings_file.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace wrenpad {

namespace {

const QString& kSection = kRecentFilesSection;
const QString kShortPrefix = QStringLiteral("..");

QString keyOf(int position) { return QStringLiteral("FileName%1").arg(position); }

}  // namespace

QString UserDocumentsFolder() {
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (!documents.isEmpty() && QFileInfo(documents).isDir()) return QDir::cleanPath(documents);
  return QDir::cleanPath(QDir::homePath());
}

RecentFiles::RecentFiles(QString documentsFolder) : documentsFolder_(QDir::cleanPath(documentsFolder)) {
  if (documentsFolder.isEmpty()) documentsFolder_.clear();
}

// Only a whole leading folder is shortened, so "/home/ann/Documents2/x" or a
// path that merely holds the folder's text further on keeps its full name.
QString RecentFiles::shortForm(const QString& path) const {
  if (documentsFolder_.isEmpty() || documentsFolder_ == u'/') return path;
  if (path.startsWith(documentsFolder_ + u'/')) return kShortPrefix + path.mid(documentsFolder_.size());
  return path;
}

QString RecentFiles::longForm(const QString& shortName) const {
  if (documentsFolder_.isEmpty() || !shortName.startsWith(kShortPrefix + u'/')) return shortName;
  return documentsFolder_ + shortName.mid(kShortPrefix.size());
}

void RecentFiles::Add(const QString& fullName) {
  if (fullName.isEmpty()) return;
  const QString name = shortForm(fullName);
  entries_.removeAll(name);
  entries_.prepend(name);
  while (entries_.size() > kCapacity) entries_.removeLast();
}

QStringList RecentFiles::captions() const {
  QStringList captions;
  // An "&" in a name is shown as itself, not taken for an accelerator.
  for (int i = 0; i < entries_.size(); ++i)
    captions << QStringLiteral("&%1  %2").arg(i + 1).arg(QString(entries_[i]).replace(u'&', QStringLiteral("&&")));
  return captions;
}

QString RecentFiles::fullName(int index) const { return longForm(entries_.value(index)); }

void RecentFiles::load(const IniFile& ini, const std::function<bool(const QString&)>& exists) {
  entries_.clear();
  for (int position = kCapacity; position >= 1; --position) {
    const QString stored = ini.value(kSection, keyOf(position)).value_or(QString());
    if (stored.isEmpty()) continue;
    const QString name = longForm(stored);
    if (exists(name)) Add(name);
  }
}

void RecentFiles::save(IniFile& ini) const {
  ini.removeSection(kSection);
  for (int position = 1; position <= kCapacity; ++position)
    ini.setValue(kSection, keyOf(position), entries_.value(position - 1));
}

}  // namespace wrenpad
