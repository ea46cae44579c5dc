// SPDX-License-Identifier: GPL-3.0-or-later
// What the error log gained during a CGI test, with real files.
#include "programming/cgi_log_watch.h"

#include "support/temp_folder.h"
#include "text/translation.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace wrenpad {
namespace {

using test::TempFolder;

void append(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::Append));
  file.write(bytes);
}

// A log that did not exist when the test began is new whole, reported once;
// copies of the log that an older version kept beside it are removed. Then
// only what was appended is reported, and the log is never copied: a large
// log costs no second copy on disk however often the watch looks.
TEST(CgiLogWatch, ANewLogIsReportedWholeOnceThenOnlyWhatWasAppended) {
  TempFolder folder;
  const QString log = folder.file("logs/error.log");
  folder.write("logs/error.lg2", "from an older test\n");
  CgiLogWatch watch;
  watch.begin(log);
  EXPECT_EQ(QDir(folder.file("logs")).entryList(QDir::Files), QStringList{});
  EXPECT_EQ(watch.tick(), std::nullopt);  // no log yet
  folder.write("logs/error.log", "syntax error at a.cgi line 3\n");
  EXPECT_EQ(watch.tick(), std::optional<QString>("syntax error at a.cgi line 3\n"));
  EXPECT_FALSE(watch.active());
  append(log, QByteArray(CgiLogWatch::kReadLimit * 3, 'x'));
  EXPECT_EQ(watch.tick(), std::nullopt);  // finished until the next begin

  // The next test starts from the log as it is then.
  watch.begin(log);
  EXPECT_EQ(watch.tick(), std::nullopt);
  append(log, QString::fromUtf8("新しい error at b.cgi line 7\n").toUtf8());
  EXPECT_EQ(watch.tick(), std::optional<QString>(QString::fromUtf8("新しい error at b.cgi line 7\n")));
  EXPECT_EQ(QDir(folder.file("logs")).entryList(QDir::Files), QStringList{"error.log"});

  // A script that writes much: at most the read limit of it is read.
  watch.begin(log);
  append(log, QByteArray(CgiLogWatch::kReadLimit + 10, 'y'));
  EXPECT_EQ(watch.tick()->size(), CgiLogWatch::kReadLimit);

  // A log that shrank (emptied and written afresh) or was replaced by another
  // file (rotated) starts over: all of it is new.
  watch.begin(log);
  folder.write("logs/error.log", "short\n");
  EXPECT_EQ(watch.tick(), std::optional<QString>("short\n"));
  watch.begin(log);
  ASSERT_TRUE(QFile::rename(log, folder.file("logs/error.log.1")));
  folder.write("logs/error.log", "after the rotation, a longer line than before\n");
  EXPECT_EQ(watch.tick(), std::optional<QString>("after the rotation, a longer line than before\n"));
}

// A log that cannot be read ends the watch with one problem to show, not a
// complaint at every tick; the next test starts clean.
TEST(CgiLogWatch, ALogThatCannotBeReadIsOneProblem) {
  const InterfaceLanguageScope japanese(InterfaceLanguage::Japanese);
  TempFolder folder;
  const QString log = folder.write("logs/error.log", "old\n");
  CgiLogWatch watch;
  watch.begin(log);
  ASSERT_TRUE(QFile::remove(log));
  ASSERT_TRUE(QDir().mkpath(log));  // a folder where the log was
  EXPECT_EQ(watch.tick(), std::nullopt);
  EXPECT_FALSE(watch.active());
  EXPECT_TRUE(watch.problem().contains(QString::fromUtf8("読めません"))) << watch.problem().toStdString();
  EXPECT_EQ(watch.tick(), std::nullopt);

  ASSERT_TRUE(QDir().rmdir(log));
  watch.begin(log);
  EXPECT_TRUE(watch.active());
  EXPECT_TRUE(watch.problem().isEmpty());
  folder.write("logs/error.log", "new\n");
  EXPECT_EQ(watch.tick(), std::optional<QString>("new\n"));
}

}  // namespace
}  // namespace wrenpad
