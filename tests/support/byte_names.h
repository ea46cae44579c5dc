// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Files whose names are bytes that are not UTF-8, made and read past Qt
// (which turns such bytes into U+FFFD and skips such names in listings).

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>
#include <cstdio>
#include <dirent.h>

namespace wrenpad::test {

inline QByteArray bytePath(const QString& folder, const QByteArray& name) {
  return QFile::encodeName(folder) + '/' + name;
}

inline bool writeByName(const QString& folder, const QByteArray& name, const QByteArray& bytes) {
  std::FILE* file = std::fopen(bytePath(folder, name).constData(), "wb");
  if (!file) return false;
  const bool written = std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), file) == std::size_t(bytes.size());
  return std::fclose(file) == 0 && written;
}

// The file's bytes; a null array when it cannot be read.
inline QByteArray readByName(const QString& folder, const QByteArray& name) {
  std::FILE* file = std::fopen(bytePath(folder, name).constData(), "rb");
  if (!file) return QByteArray();
  QByteArray bytes("");
  char buffer[4096];
  while (const std::size_t got = std::fread(buffer, 1, sizeof buffer, file)) bytes.append(buffer, qsizetype(got));
  std::fclose(file);
  return bytes;
}

// Qt's temporary folder cannot remove a file it cannot list: tests remove
// theirs by name.
inline void removeByName(const QString& folder, const QByteArray& name) {
  std::remove(bytePath(folder, name).constData());
}

// Every name in the folder as the file system holds it.
inline QList<QByteArray> namesInFolder(const QString& folder) {
  QList<QByteArray> names;
  if (DIR* dir = ::opendir(QFile::encodeName(folder).constData())) {
    while (const dirent* entry = ::readdir(dir)) names << QByteArray(entry->d_name);
    ::closedir(dir);
  }
  return names;
}

// True when some name in the folder holds U+FFFD: a file written under a
// name that lost its bytes.
inline bool folderHoldsReplacedName(const QString& folder) {
  for (const QByteArray& name : namesInFolder(folder))
    if (name.contains("\xef\xbf\xbd")) return true;
  return false;
}

}  // namespace wrenpad::test
