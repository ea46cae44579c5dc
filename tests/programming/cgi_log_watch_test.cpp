// What the error log gained during a CGI test, with real files.
#include "programming/cgi_log_watch.h"

#include "support/temp_folder.h"

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

TEST(CgiLogWatch, CopiesTakeTheLogsNameWithNumberedExtensions) {
  EXPECT_EQ(CgiLogSnapshotFile("/srv/web/logs/error.log", 1), "/srv/web/logs/error.lg1");
  EXPECT_EQ(CgiLogSnapshotFile("/srv/web/logs/error.log", 2), "/srv/web/logs/error.lg2");
  EXPECT_EQ(CgiLogSnapshotFile("/srv/web/logs/cgi.errors.log", 1), "/srv/web/logs/cgi.errors.lg1");
  EXPECT_EQ(CgiLogSnapshotFile("/srv/web/logs/errors", 2), "/srv/web/logs/errors.lg2");
}

// A log that did not exist when the test began is new whole, reported once;
// an old test's first copy lying about changes nothing.
TEST(CgiLogWatch, ALogThatAppearsIsReportedWholeOnce) {
  TempFolder folder;
  const QString log = folder.file("logs/error.log");
  folder.write("logs/error.lg1", "from an older test\n");
  CgiLogWatch watch;
  watch.begin(log);
  EXPECT_TRUE(watch.active());
  EXPECT_EQ(watch.tick(), std::nullopt);  // no log yet

  folder.write("logs/error.log", "syntax error at a.cgi line 3\n");
  EXPECT_EQ(watch.tick(), std::optional<QString>("syntax error at a.cgi line 3\n"));
  EXPECT_FALSE(watch.active());
  append(log, "more\n");
  EXPECT_EQ(watch.tick(), std::nullopt);  // finished until the next begin
  EXPECT_TRUE(watch.problem().isEmpty());
}

TEST(CgiLogWatch, OnlyWhatWasAppendedIsReportedAndNothingWhileUnchanged) {
  TempFolder folder;
  const QString log = folder.write("logs/error.log", QString::fromUtf8("old line 日本\n").toUtf8());
  CgiLogWatch watch;
  watch.begin(log);
  EXPECT_EQ(watch.tick(), std::nullopt);
  EXPECT_EQ(watch.tick(), std::nullopt);
  EXPECT_TRUE(watch.active());

  append(log, QString::fromUtf8("新しい error at b.cgi line 7\n").toUtf8());
  EXPECT_EQ(watch.tick(), std::optional<QString>(QString::fromUtf8("新しい error at b.cgi line 7\n")));
  EXPECT_EQ(TempFolder::read(folder.file("logs/error.lg1")), QString::fromUtf8("old line 日本\n").toUtf8());
  EXPECT_EQ(TempFolder::read(folder.file("logs/error.lg2")),
            QString::fromUtf8("old line 日本\n新しい error at b.cgi line 7\n").toUtf8());

  // The next test starts from the log as it is then.
  watch.begin(log);
  append(log, "third\n");
  EXPECT_EQ(watch.tick(), std::optional<QString>("third\n"));
}

// A log over the read limit is not read whole: what lies past its old size
// is the gained text.
TEST(CgiLogWatch, ALargeLogGivesWhatGrewPastItsOldSize) {
  TempFolder folder;
  const QString log = folder.write("logs/error.log", QByteArray(CgiLogWatch::kReadLimit + 10, 'x'));
  CgiLogWatch watch;
  watch.begin(log);
  EXPECT_EQ(watch.tick(), std::nullopt);
  append(log, "line 9\n");
  EXPECT_EQ(watch.tick(), std::optional<QString>("line 9\n"));
}

// A copy that cannot be made ends the watch with one problem to show, not a
// complaint at every tick.
TEST(CgiLogWatch, ACopyThatCannotBeMadeIsOneProblem) {
  TempFolder folder;
  const QString log = folder.write("logs/error.log", "old\n");
  QDir().mkpath(folder.file("logs/error.lg1"));  // a folder where the first copy goes
  CgiLogWatch watch;
  watch.begin(log);
  EXPECT_FALSE(watch.active());
  EXPECT_TRUE(watch.problem().contains("error.lg1")) << watch.problem().toStdString();
  append(log, "new\n");
  EXPECT_EQ(watch.tick(), std::nullopt);

  QDir().rmdir(folder.file("logs/error.lg1"));
  QDir().mkpath(folder.file("logs/error.lg2"));
  watch.begin(log);
  EXPECT_TRUE(watch.active());
  EXPECT_TRUE(watch.problem().isEmpty());
  append(log, "newer\n");
  EXPECT_EQ(watch.tick(), std::nullopt);
  EXPECT_FALSE(watch.active());
  EXPECT_TRUE(watch.problem().contains("error.lg2")) << watch.problem().toStdString();
  EXPECT_EQ(watch.tick(), std::nullopt);
}

}  // namespace
}  // namespace wrenpad
