// SPDX-License-Identifier: GPL-3.0-or-later
// Loading the settings file tells a file that is missing from one that is
// there but cannot be read, so the caller never writes over the latter.
#include "settings/ini_file.h"

#include "support/temp_folder.h"

#include <QFile>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace wrenpad;
using Status = IniFile::LoadStatus;

namespace {

Status statusOf(const QString& path, QString* error = nullptr) {
  Status status = Status::Loaded;
  QString text = "stale";
  const IniFile ini = IniFile::load(path, &text, &status);
  if (status != Status::Loaded) {
    EXPECT_EQ(ini.lineCount(), 0);
  }
  EXPECT_EQ(text.isEmpty(), status != Status::Unreadable) << text.toStdString();
  if (error) *error = text;
  return status;
}

QByteArray native(const QString& path) { return QFile::encodeName(path); }

}  // namespace

TEST(IniFileLoad, MissingIsToldFromUnreadable) {
  test::TempFolder folder;
  const QString good = folder.write("good.ini", "[S]\nk=1\n");
  EXPECT_EQ(statusOf(good), Status::Loaded);
  EXPECT_EQ(IniFile::load(good).value(u"S", u"k"), QStringLiteral("1"));
  EXPECT_EQ(statusOf(folder.file("none.ini")), Status::Missing);
  EXPECT_EQ(statusOf(folder.path()), Status::Unreadable);  // a folder
  // A link to nothing: writing would replace the link.
  ASSERT_EQ(::symlink("gone.ini", native(folder.file("link.ini")).constData()), 0);
  EXPECT_EQ(statusOf(folder.file("link.ini")), Status::Unreadable);
  // A FIFO is not waited on.
  ASSERT_EQ(::mkfifo(native(folder.file("pipe.ini")).constData(), 0600), 0);
  EXPECT_EQ(statusOf(folder.file("pipe.ini")), Status::Unreadable);
  // Nothing is read without bound.
  QFile large(folder.file("large.ini"));
  ASSERT_TRUE(large.open(QIODevice::WriteOnly) && large.resize(IniFile::kMaxFileBytes + 1));
  QString error;
  EXPECT_EQ(statusOf(large.fileName(), &error), Status::Unreadable);
  EXPECT_EQ(error, "File too large");
}
