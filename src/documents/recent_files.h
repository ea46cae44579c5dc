// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The nine files used most recently, newest first, as the File menu lists
// them and the settings file keeps them (section "KeepFileNames", keys
// FileName1 to FileName9). Names inside the user's documents folder are
// kept and shown in a short form that begins with "..".

#include <QString>
#include <QStringList>
#include <functional>

namespace wrenpad {

class IniFile;

// The user's documents folder: the XDG user directory for documents when it
// exists, else the home folder.
QString UserDocumentsFolder();

class RecentFiles {
 public:
  static constexpr int kCapacity = 9;

  explicit RecentFiles(QString documentsFolder = UserDocumentsFolder());

  // "..", then the rest of the path, for a file inside the documents folder;
  // other names as they are.
  QString shortForm(const QString& path) const;
  QString longForm(const QString& shortName) const;

  // Puts the file at the top; a file already listed moves up, the tenth
  // drops off.
  void Add(const QString& fullName);
  // Short forms, newest first.
  const QStringList& entries() const { return entries_; }
  // Menu captions: "&1  name" and so on, the digit being the accelerator.
  QStringList captions() const;
  // The full name of the entry at `index` (0-based).
  QString fullName(int index) const;

  // Reads the stored list, keeping only files that `exists` still finds,
  // in their stored order.
  void load(const IniFile& ini, const std::function<bool(const QString&)>& exists);
  // Replaces the stored list with this one (nine keys, empty ones empty).
  void save(IniFile& ini) const;

 private:
  QString documentsFolder_;
  QStringList entries_;
};

}  // namespace wrenpad
