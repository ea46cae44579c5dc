// SPDX-License-Identifier: GPL-3.0-or-later
// Which file a compile makes, and when an unchanged program need not be built again.
#include "programming/build_output.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace wrenpad {
namespace {

// What a failed compile left (a class javac wrote, an old program) is not a
// build of the source as it was then, for every tool chain; a change of the
// source or a compile that succeeds ends that. A source saved after the
// build is newer than the program: the program is built again, not run stale.
TEST(BuildOutput, OutputsOfAFailedCompileOrOlderThanTheSourceAreNeverUpToDate) {
  EXPECT_EQ(BuildOutputFor(LanguageMode::Cpp, "/w/a.b.c", ToolProfile::Windows), "/w/a.b.exe");
  QTemporaryDir folder;
  const std::pair<LanguageMode, const char*> cases[] = {
      {LanguageMode::Cpp, "a.c"}, {LanguageMode::Java, "A.java"}, {LanguageMode::Pascal, "p.pas"}};
  for (const auto& [mode, name] : cases) {
    SCOPED_TRACE(name);
    const QString source = folder.filePath(name);
    const auto write = [](const QString& path, const QByteArray& bytes, int secondsAhead) {
      QFile file(path);
      ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
      file.write(bytes);
      file.flush();
      file.setFileTime(QDateTime::currentDateTime().addSecs(secondsAhead), QFileDevice::FileModificationTime);
    };
    write(source, "x", 0);
    write(*BuildOutputFor(mode, source, ToolProfile::Linux), "built", 60);
    FailedBuilds failed;
    failed.compiled(files::stampOf(source), false);
    EXPECT_FALSE(IsBuildUpToDate(mode, source, ToolProfile::Linux, failed));
    failed.compiled(files::stampOf(source), true);
    EXPECT_TRUE(IsBuildUpToDate(mode, source, ToolProfile::Linux, failed));
    failed.compiled(files::stampOf(source), false);
    write(source, "y", 30);  // changed since, by another program
    EXPECT_TRUE(IsBuildUpToDate(mode, source, ToolProfile::Linux, failed));
    write(source, "z", 65);  // saved a few seconds after the build
    EXPECT_FALSE(IsBuildUpToDate(mode, source, ToolProfile::Linux, failed));
  }
}

}  // namespace
}  // namespace wrenpad
