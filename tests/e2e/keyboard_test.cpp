// The real program on a real X server (Xvfb, no window manager) with key
// presses from xdotool: the window takes the keyboard when it first shows, so
// Alt+letter opens a menu instead of typing into the editor.
#include "support/process_output.h"
#include "support/temp_folder.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>
#include <gtest/gtest.h>

namespace {


// An X server of its own, on the first free display it finds.
struct VirtualScreen {
  QProcess server;
  QString display;

  bool start() {
    server.start(QStringLiteral("Xvfb"), {"-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
    if (!server.waitForStarted(5000)) return false;
    QString number;
    if (!wrenpad::test::waitForOutput(server, number, "\n", 10000)) return false;
    display = QStringLiteral(":") + number.trimmed();
    return true;
  }
  ~VirtualScreen() {
    server.kill();
    server.waitForFinished(5000);
  }
};

}  // namespace

TEST(Keyboard, AltLetterOpensTheMenuOnARealXServer) {
  if (QStandardPaths::findExecutable("Xvfb").isEmpty() ||
      QStandardPaths::findExecutable("xdotool").isEmpty())
    GTEST_SKIP() << "Xvfb and xdotool are needed";
  VirtualScreen screen;
  ASSERT_TRUE(screen.start());
  wrenpad::test::TempFolder folder;
  const QString program = folder.file("wrenpad");
  QFile::copy(QStringLiteral(WRENPAD_BINARY), program);
  folder.write("wrenpad.ini", "[Settings]\r\nJpn=0\r\n");

  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("QT_QPA_PLATFORM", "xcb");
  environment.insert("DISPLAY", screen.display);
  environment.insert("QT_LOGGING_RULES", "wrenpad.window.info=true");
  QProcess editor;
  editor.setProcessEnvironment(environment);
  editor.setWorkingDirectory(folder.path());
  editor.start(program, {});
  ASSERT_TRUE(editor.waitForStarted(10000));
  QString trace;
  ASSERT_TRUE(wrenpad::test::waitForOutput(editor, trace, "shown", 15000)) << trace.toStdString();
  QThread::msleep(1500);  // the X server settles the focus

  QProcess keys;
  keys.setProcessEnvironment(environment);
  keys.start(QStringLiteral("xdotool"), {"key", "alt+f"});
  ASSERT_TRUE(keys.waitForFinished(10000));
  EXPECT_TRUE(wrenpad::test::waitForOutput(editor, trace, "menu mmFile opened", 5000)) << trace.toStdString();
  EXPECT_FALSE(trace.contains("text changed")) << trace.toStdString();
  editor.kill();
  editor.waitForFinished(5000);
}
