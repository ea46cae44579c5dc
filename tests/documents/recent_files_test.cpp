// SPDX-License-Identifier: GPL-3.0-or-later
// The recent-files list: nine newest first, a file used again moves up, the
// documents folder shortened to "..", and the list kept in the settings file
// without the files that have gone.
#include "documents/recent_files.h"
#include "settings/ini_file.h"

#include <gtest/gtest.h>

namespace wrenpad {
namespace {

TEST(RecentFiles, NineNewestFirstShortenedAndKeptWithoutGoneFiles) {
  RecentFiles list(QStringLiteral("/home/ann/Documents"));
  for (int i = 1; i <= 10; ++i) list.Add(QStringLiteral("/tmp/file%1.txt").arg(i));
  list.Add("/tmp/file5.txt");
  ASSERT_EQ(list.entries().size(), 9);
  EXPECT_EQ(list.entries().first(), "/tmp/file5.txt");
  EXPECT_EQ(list.entries().last(), "/tmp/file2.txt");  // file5 once, file1 dropped
  list.Add("/tmp/R&D notes.txt");
  list.Add("");  // no entry
  EXPECT_EQ(list.captions().first(), "&1  /tmp/R&&D notes.txt");  // shown with its "&"

  RecentFiles shortened(QStringLiteral("/home/ann/Documents"));
  shortened.Add(QString::fromUtf8("/home/ann/Documents/報告 1.txt"));
  shortened.Add("/home/ann/Documents2/other.txt");   // not inside the folder
  shortened.Add("/srv/home/ann/Documents/x.txt");    // holds the folder's text further on
  EXPECT_EQ(shortened.entries()[2], QString::fromUtf8("../報告 1.txt"));
  EXPECT_EQ(shortened.fullName(2), QString::fromUtf8("/home/ann/Documents/報告 1.txt"));
  EXPECT_EQ(shortened.entries()[1], "/home/ann/Documents2/other.txt");
  EXPECT_EQ(shortened.entries()[0], "/srv/home/ann/Documents/x.txt");

  IniFile ini = IniFile::fromBytes("[KeepFileNames]\r\nFileName9=stale\r\n[Settings]\r\nJpn=0\r\n");
  shortened.save(ini);
  EXPECT_EQ(ini.value(u"KeepFileNames", u"FileName1"), "/srv/home/ann/Documents/x.txt");
  EXPECT_EQ(ini.value(u"KeepFileNames", u"FileName3"), QString::fromUtf8("../報告 1.txt"));
  EXPECT_EQ(ini.value(u"KeepFileNames", u"FileName9"), "");
  EXPECT_EQ(ini.value(u"Settings", u"Jpn"), "0");

  RecentFiles again(QStringLiteral("/home/ann/Documents"));
  again.load(ini, [](const QString& name) { return name != "/home/ann/Documents2/other.txt"; });
  EXPECT_EQ(again.entries(), (QStringList{"/srv/home/ann/Documents/x.txt", QString::fromUtf8("../報告 1.txt")}));
}

}  // namespace
}  // namespace wrenpad
