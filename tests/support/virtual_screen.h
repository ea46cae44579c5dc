// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The real program on an X server of its own (Xvfb, no window manager),
// driven with key presses from xdotool.

#include "support/process_output.h"
#include "support/program_copy.h"
#include "support/temp_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>

namespace wrenpad::test {

inline bool canDriveRealWindows() {
  return !QStandardPaths::findExecutable("Xvfb").isEmpty() && !QStandardPaths::findExecutable("xdotool").isEmpty();
}

inline bool canGrabRealWindows() {
  return canDriveRealWindows() && !QStandardPaths::findExecutable("import").isEmpty();
}

// An X server on the first free display it finds.
struct VirtualScreen {
  QProcess server;
  QString display;

  // The display number comes on standard output alone: what Xvfb says on
  // standard error about displays that other tests took meanwhile is no
  // part of it.
  bool start() {
    server.setStandardErrorFile(QProcess::nullDevice());
    server.start(QStringLiteral("Xvfb"), {"-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
    if (!server.waitForStarted(5000)) return false;
    QString number;
    if (!waitForOutput(server, number, "\n", 10000)) return false;
    display = QStringLiteral(":") + number.trimmed();
    return true;
  }
  QProcessEnvironment environment() const {
    QProcessEnvironment result = QProcessEnvironment::systemEnvironment();
    result.insert("QT_QPA_PLATFORM", "xcb");
    result.insert("DISPLAY", display);
    result.insert("QT_LOGGING_RULES", "wrenpad.window.info=true");
    return result;
  }
  // The title of the window that has the keyboard focus; empty when none.
  QString focusedWindow() const {
    QProcess query;
    query.setProcessEnvironment(environment());
    query.start(QStringLiteral("xdotool"), {"getwindowfocus", "getwindowname"});
    if (!query.waitForFinished(10000) || query.exitCode() != 0) return {};
    return QString::fromUtf8(query.readAllStandardOutput()).trimmed();
  }
  // How many windows of the program are shown (menus and pop-up lists count).
  int shownWindows() const {
    QProcess query;
    query.setProcessEnvironment(environment());
    query.start(QStringLiteral("xdotool"), {"search", "--onlyvisible", "--class", "wrenpad"});
    if (!query.waitForFinished(10000)) return 0;
    return int(QString::fromUtf8(query.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts).size());
  }
  // Waits until a window whose title ends with `title` has the keyboard focus.
  bool waitForFocus(const QString& title, int timeoutMs = 10000) const {
    return waitUntil([&] { return focusedWindow().endsWith(title); }, timeoutMs);
  }
  // Runs xdotool with these arguments on this screen; true when it ran.
  bool xdotool(const QStringList& arguments) const {
    QProcess keys;
    keys.setProcessEnvironment(environment());
    keys.start(QStringLiteral("xdotool"), arguments);
    return keys.waitForFinished(10000) && keys.exitCode() == 0;
  }
  // The whole screen as it shows now, through ImageMagick's `import`; a null
  // image when that fails.
  QImage grab() const {
    const QString file =
        QDir::temp().filePath(QStringLiteral("wrenpad-screen-%1.png").arg(QCoreApplication::applicationPid()));
    QProcess import;
    import.setProcessEnvironment(environment());
    import.start(QStringLiteral("import"), {"-window", "root", file});
    const bool taken = import.waitForFinished(10000) && import.exitCode() == 0;
    const QImage image = taken ? QImage(file) : QImage();
    QFile::remove(file);
    return image;
  }
  ~VirtualScreen() {
    server.kill();
    server.waitForFinished(5000);
  }
};

// Starts a copy of the program from `folder` (settings and instance files
// stay there) on `screen`, and waits until its window is shown, or with
// `file` (a name in the folder) until that file is loaded.
inline bool startShownEditor(QProcess& editor, const VirtualScreen& screen, const TempFolder& folder,
                             QString& trace, const QString& file = {}, int timeoutMs = 15000) {
  const QString program = copyPortableProgram(folder);
  editor.setProcessEnvironment(screen.environment());
  editor.setWorkingDirectory(folder.path());
  editor.start(program, file.isEmpty() ? QStringList{} : QStringList{file});
  if (!editor.waitForStarted(10000) || !waitForOutput(editor, trace, file.isEmpty() ? "shown" : "loaded ", timeoutMs))
    return false;
  // Keys go to the window once it has the focus.
  return screen.waitForFocus(QStringLiteral(" - Wrenpad"));
}

// Waits until the file holds `expected` or the editor ends.
inline bool waitForFile(const QString& path, const QByteArray& expected, const QProcess& editor) {
  return waitUntil([&] { return editor.state() != QProcess::Running || TempFolder::read(path) == expected; }, 10000) &&
         TempFolder::read(path) == expected;
}

}  // namespace wrenpad::test
