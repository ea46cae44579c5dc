// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the program keeps the files it writes for itself. A copy run from its
// build folder, or from a folder marked portable (a file "wrenpad.portable"
// beside the executable), keeps them next to the executable when it may write
// there; any other copy, an installed one above all and whoever runs it (root
// included), uses the XDG folders: settings in the config folder, instance
// markers and undo snapshots in the state folder. Nothing is ever written
// beside an installed executable, so nothing under /usr. An XDG folder, or a
// $HOME, that belongs to another user is passed over for the runner's own
// home: root started with a user's $HOME keeps its files in root's home and
// never makes root-owned folders in the user's.

#include <QString>
#include <QStringList>

namespace wrenpad {

struct AppPaths {
  QString executablePath;     // full path of the running program
  QString applicationFolder;  // its folder, no trailing slash
  bool keepsFilesBeside = false;  // a build or portable copy in a folder it may write
  QString configFolder;       // settings, unless kept beside the program
  QString stateFolder;        // instance markers and undo snapshots, likewise

  // Folder for per-instance files: the program folder when files are kept beside it.
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
// True when the folder holds a program built there or marked portable.
bool isBuildOrPortableFolder(const QString& folder);

}  // namespace wrenpad
