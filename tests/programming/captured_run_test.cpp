// SPDX-License-Identifier: GPL-3.0-or-later
// Running a tool hidden and capturing its output, with real processes.
#include "programming/captured_run.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace wrenpad {
namespace {

RunResult runToEnd(CapturedRun& run, const RunRequest& request) {
  QSignalSpy finished(&run, &CapturedRun::finished);
  run.start(request);
  if (finished.isEmpty()) finished.wait(20000);
  return run.result();
}

// 200 KB to standard error before a line to standard output: reading one
// channel to its end first would block both sides on a full pipe.
TEST(CapturedRun, AToolThatFillsStandardErrorFirstNeverBlocksAndOutputComesFirst) {
  CapturedRun run;
  QStringList changes;
  QObject::connect(&run, &CapturedRun::outputChanged, [&changes](const QString& text) { changes << text; });
  const RunResult result = runToEnd(run, {"/bin/sh", {"-c", "head -c 200000 /dev/zero | tr '\\0' e >&2; echo out"}, {}, {}});
  ASSERT_TRUE(result.started);
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.standardOutput, "out\n");
  EXPECT_EQ(result.standardError.size(), 200000);
  EXPECT_TRUE(result.paneText().startsWith("out\ne"));
  EXPECT_GE(changes.size(), 2);  // shown while it ran, not only at the end
}

// Names travel as they are: blanks, quotes, semicolons, non-ASCII, and
// nothing a shell would act on. A missing tool says which tool and where.
TEST(CapturedRun, ArgumentsAndInputReachTheToolUntouchedAndAMissingToolSaysWhichAndWhere) {
  QTemporaryDir folder;
  CapturedRun run;
  const QString odd = QString::fromUtf8("my prog; \"x\" 'y' $(rm -rf /) 日本.c");
  RunResult result = runToEnd(run, {"/bin/sh", {"-c", "printf '%s|' \"$1\"; pwd; cat", "sh", odd},
                                    folder.path(), QString::fromUtf8("入力\n")});
  ASSERT_TRUE(result.started);
  EXPECT_EQ(result.standardOutput, odd + "|" + folder.path() + "\n" + QString::fromUtf8("入力\n"));

  result = runToEnd(run, {"/bin/sh", {"-c", "exit 3"}, {}, {}});
  EXPECT_EQ(result.exitCode, 3);

  result = runToEnd(run, {"no-such-compiler-here", {"a.c"}, "/tmp", {}});
  EXPECT_FALSE(result.started);
  EXPECT_TRUE(result.failure.contains("no-such-compiler-here")) << result.failure.toStdString();
  EXPECT_TRUE(result.failure.contains("/tmp")) << result.failure.toStdString();
}

}  // namespace
}  // namespace wrenpad
