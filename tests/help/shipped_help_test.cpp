// SPDX-License-Identifier: GPL-3.0-or-later
// The help pages shipped with the program: every page the contents, the
// index and the context numbers name is there, in both languages, with a
// title, and the two languages offer the same pages.
#include "help/help_contents.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <gtest/gtest.h>

using namespace wrenpad;

namespace {

const QString kShippedHelp = QStringLiteral(WRENPAD_TEST_DATA "/../../resources/help");

QSet<QString> namedPages(const QString& folder) {
  QSet<QString> pages;
  for (const HelpEntry& entry : loadContents(folder).entries)
    if (!entry.page.isEmpty()) pages << entry.page;
  for (const HelpEntry& entry : loadIndex(folder)) pages << entry.page;
  for (int context = 1; context <= 9; ++context) pages << QFileInfo(contextPagePath(folder, context)).fileName();
  return pages;
}

}  // namespace

TEST(ShippedHelp, EveryNamedPageIsThereWithATitleInBothLanguages) {
  QSet<QString> pagesOf[2];
  int language = 0;
  for (const char* sub : {"html", "html_en"}) {
    const QString folder = QDir(kShippedHelp).filePath(QString::fromLatin1(sub));
    ASSERT_TRUE(QFile::exists(QDir(folder).filePath(kContentsFileName))) << sub;
    const QSet<QString> named = namedPages(folder);
    EXPECT_TRUE(named.contains(QStringLiteral("index.htm")));
    for (const QString& page : named) {
      QFile file(QDir(folder).filePath(page));
      ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << sub << "/" << page.toStdString();
      EXPECT_FALSE(pageTitle(QString::fromUtf8(file.readAll())).isEmpty()) << sub << "/" << page.toStdString();
    }
    // F1 on each tab of the help window opens the page about the help window.
    for (int tab : {7, 4, 9})
      EXPECT_EQ(QFileInfo(contextPagePath(folder, tab)).fileName(), "UsingHelp.htm") << sub << " " << tab;
    const QStringList pages = QDir(folder).entryList({QStringLiteral("*.htm")});
    // Names that differ only in case become one file on a FAT or NTFS stick.
    QSet<QString> folded;
    for (const QString& page : pages) folded.insert(page.toLower());
    EXPECT_EQ(folded.size(), pages.size()) << sub;
    pagesOf[language++] = QSet<QString>(pages.begin(), pages.end());
  }
  EXPECT_EQ(pagesOf[0], pagesOf[1]);
  EXPECT_GE(loadIndex(QDir(kShippedHelp).filePath("html_en")).size(), 50);
}
