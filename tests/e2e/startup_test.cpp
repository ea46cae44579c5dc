// SPDX-License-Identifier: GPL-3.0-or-later
// Starts the real program with a file on its command line and follows the
// window's trace on standard error.
#include "support/process_output.h"
#include "support/program_copy.h"
#include "support/temp_folder.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <csignal>

namespace {

// Starts a portable copy of the program in `folder`, on no screen, with the
// window's trace on standard error.
void startOffscreen(QProcess& process, const wrenpad::test::TempFolder& folder, const QStringList& arguments) {
  const QString program = wrenpad::test::copyPortableProgram(folder);
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("QT_QPA_PLATFORM", "offscreen");
  environment.insert("QT_LOGGING_RULES", "wrenpad.window.info=true");
  process.setProcessEnvironment(environment);
  process.setWorkingDirectory(folder.path());
  process.start(program, arguments);
}

}  // namespace

// The runs of this program whose command line ends in "-- <name>".
QList<pid_t> runsFor(const QString& name) {
  QList<pid_t> runs;
  const QByteArray tail = QByteArray("--") + '\0' + name.toUtf8() + '\0';
  for (const QFileInfo& entry : QDir("/proc").entryInfoList(QDir::Dirs)) {
    QFile cmdline(entry.filePath() + "/cmdline");
    if (cmdline.open(QIODevice::ReadOnly) && cmdline.readAll().endsWith(tail)) runs << entry.fileName().toInt();
  }
  return runs;
}

TEST(Startup, EachCommandLineFileOpensInAWindowOfItsOwn) {
  wrenpad::test::TempFolder folder;
  const QString document = folder.write("memo.txt", "hello\r\n");
  QProcess process;
  startOffscreen(process, folder, {"memo.txt", "second file.txt"});
  ASSERT_TRUE(process.waitForStarted(10000));
  QString output;
  EXPECT_TRUE(wrenpad::test::waitForOutput(process, output, "title memo.txt - Wrenpad", 10000)) << output.toStdString();
  ASSERT_TRUE(wrenpad::test::waitForOutput(process, output, "loaded " + document, 15000)) << output.toStdString();
  // The second name went to a run of its own (which writes to the same
  // terminal), where it begins a new document.
  EXPECT_TRUE(wrenpad::test::waitForOutput(process, output, "loaded " + folder.file("second file.txt"), 15000))
      << output.toStdString();
  const QList<pid_t> second = runsFor("second file.txt");
  EXPECT_EQ(second.size(), 1);
  for (const pid_t run : second) ::kill(run, SIGKILL);
  process.kill();
  process.waitForFinished(5000);
}

// The texts themselves are the command line's (tests/app); here the real
// program prints one with no display to open, ending by itself with success.
TEST(Startup, HelpAndVersionNeedNoDisplay) {
  wrenpad::test::TempFolder folder;
  QProcess process;
  process.setProcessEnvironment(QProcessEnvironment());
  process.start(wrenpad::test::copyPortableProgram(folder), {"--version"});
  EXPECT_TRUE(process.waitForFinished(10000));
  EXPECT_EQ(process.exitCode(), 0);
  EXPECT_EQ(QString::fromUtf8(process.readAllStandardOutput()), "Wrenpad " WRENPAD_VERSION "\n");
}

TEST(Startup, ATerminationSignalWaitsForNoAnswerAndLeavesAForeignSettingsFileAlone) {
  wrenpad::test::TempFolder folder;
  const QByteArray foreign = "[core]\nname=another program\n";
  const QString other = folder.write("other.conf", foreign);
  ASSERT_TRUE(QFile::link(other, folder.file("wrenpad.ini")));

  QProcess process;
  startOffscreen(process, folder, {});
  ASSERT_TRUE(process.waitForStarted(10000));
  QString output;
  ASSERT_TRUE(wrenpad::test::waitForOutput(process, output, "shown", 15000)) << output.toStdString();
  ::kill(pid_t(process.processId()), SIGTERM);
  // The refusal to write the settings goes to standard error, not into a
  // message box that nobody is left to answer.
  ASSERT_TRUE(process.waitForFinished(10000));
  output += QString::fromUtf8(process.readAllStandardError());
  EXPECT_EQ(process.exitCode(), 0);
  EXPECT_TRUE(output.contains("settings not saved")) << output.toStdString();
  EXPECT_EQ(wrenpad::test::TempFolder::read(other), foreign);
  EXPECT_TRUE(QFileInfo(folder.file("wrenpad.ini")).isSymLink());
}
