// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Ties the program into the desktop through freedesktop files: relating a
// file extension to the program (a MIME type for it when the desktop knows
// none, our desktop entry listing that type, and `xdg-mime default`), and an
// "Open With" entry that file managers offer, which passes "/starup" before
// the file name. After a change of the entries the desktop's cache of them is
// brought up to date. Every path comes from a ShellEnvironment, so tests work
// in a temporary data folder.

#include <QCoreApplication>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace wrenpad {

class Dialogs;
struct DocumentState;
struct MessageTable;

struct ToolRun {
  bool started = false;  // false: the program was not found or did not start
  int exitCode = -1;
  QString output;
  QString errors;
};

using ToolRunner = std::function<ToolRun(const QString& program, const QStringList& arguments)>;

struct ShellEnvironment {
  QString dataHome;    // $XDG_DATA_HOME, or ~/.local/share
  QString executable;  // full path of the running program
  ToolRunner runTool;
};

// Runs a program to its end with `environment`, reading both channels.
ToolRun RunTool(const QString& program, const QStringList& arguments,
                const QProcessEnvironment& environment);
// The user's environment: data home from XDG_DATA_HOME, tools run with it.
ShellEnvironment SystemShellEnvironment(const QString& executable);

// The extension offered for relating: the file's own, without its point, at
// most 4 characters.
QString ProposedExtension(const QString& fileName);

// Where the relating command writes its files.
QString DesktopEntryPath(const ShellEnvironment& environment);     // wrenpad.desktop
QString SendToEntryPath(const ShellEnvironment& environment);      // wrenpad-open-with.desktop
QString MimePackagePath(const ShellEnvironment& environment, const QString& extension);
// The MIME type we declare for an extension the desktop does not know.
QString OwnMimeTypeFor(const QString& extension);
// The MIME package declaring OwnMimeTypeFor(extension) for "*.<extension>".
QString MimePackageXml(const QString& extension);
// An Exec= word for a path, quoted as desktop entries require when needed.
QString DesktopExecWord(const QString& path);

// True when the "Open With" entry is installed; the check mark of the menu
// item shows this at start-up.
bool SendToEntryExists(const ShellEnvironment& environment);

struct ShellContext {
  Dialogs& dialogs;
  const MessageTable& messages;
  const DocumentState& document;  // CurrentFileName proposes the extension
  ShellEnvironment environment;
};

class ShellIntegration {
  Q_DECLARE_TR_FUNCTIONS(wrenpad::ShellIntegration)

 public:
  explicit ShellIntegration(ShellContext context);

  // Asks for an extension and makes the program the desktop's default for
  // its files. A type that another program opens is taken over only when
  // the user agrees. Every failure is reported; nothing is reported as done
  // after one.
  void mmRelateTxtFileToThisClick();
  // Installs the "Open With" entry, or removes it when `checked`; returns the
  // new check state (unchanged when the file could not be written or removed).
  bool mmSCSendToClick(bool checked);

 private:
  std::optional<QString> askExtension();
  std::optional<QString> mimeTypeToRelate(const QString& extension);
  bool mayTakeOver(const QString& mimeType, const QString& extension);
  bool writeDesktopEntry(const QString& mimeType);
  // Runs update-desktop-database on the folder of our entries when the tool
  // is installed.
  void refreshApplicationsCache();
  // Runs a tool; a tool that cannot start or ends with an error is reported.
  bool runStep(const QString& program, const QStringList& arguments);
  bool succeeded(const ToolRun& run, const QString& program, const QStringList& arguments);
  bool writeFile(const QString& path, const QString& text);
  void reportFailure(const QString& what, const QString& detail);

  ShellContext c_;
};

}  // namespace wrenpad
