#pragma once
// Where the program keeps the files it writes beside itself. A copy run from
// a writable folder (the build tree, a portable folder) keeps them next to the
// executable; an installed copy in a read-only folder uses the XDG folders.

#include <QString>
#include <QStringList>

namespace wrenpad {

struct AppPaths {
  QString executablePath;     // full path of the running program
  QString applicationFolder;  // its folder, no trailing slash
  bool applicationFolderWritable = false;
  QString configFolder;       // settings when the program folder is read-only
  QString stateFolder;        // instance markers and undo snapshots, likewise

  // Folder for per-instance files: the program folder when writable.
  QString instanceFileFolder() const;
  // Where the shipped lists (keywords, templates) are looked for, in order:
  // beside the program, the user's own copies, then the installed ones in
  // <prefix>/share/wrenpad.
  QStringList dataFolders() const;

  // Paths for the running executable and the user's XDG folders.
  static AppPaths forExecutable(const QString& executablePath);
  // All folders inside one folder: for tests and portable use.
  static AppPaths inFolder(const QString& folder);
};

// True when a new file can be created in `folder`.
bool isFolderWritable(const QString& folder);

}  // namespace wrenpad
