// Starts the real program with a file on its command line and follows the
// window's trace on standard error.
#include "support/process_output.h"
#include "support/program_copy.h"
#include "support/temp_folder.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

TEST(Startup, CommandLineFileOpensAboutTwoSecondsAfterStart) {
  wrenpad::test::TempFolder folder;
  const QString program = wrenpad::test::copyPortableProgram(folder);
  const QString document = folder.write("memo.txt", "hello\r\n");

  QProcess process;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("QT_QPA_PLATFORM", "offscreen");
  environment.insert("QT_LOGGING_RULES", "wrenpad.window.info=true");
  process.setProcessEnvironment(environment);
  process.setWorkingDirectory(folder.path());
  QElapsedTimer clock;
  clock.start();
  process.start(program, {"memo.txt"});
  ASSERT_TRUE(process.waitForStarted(10000));

  QString output;
  EXPECT_TRUE(wrenpad::test::waitForOutput(process, output, "title memo.txt - Wrenpad", 10000)) << output.toStdString();
  ASSERT_TRUE(wrenpad::test::waitForOutput(process, output, "loaded " + document, 15000)) << output.toStdString();
  // The load waits for the first tick of the two-second timer.
  EXPECT_GE(clock.elapsed(), 1900);
  EXPECT_TRUE(QFile::exists(folder.file("Wrenpad_1.txt")));
  process.kill();
  process.waitForFinished(5000);
}
