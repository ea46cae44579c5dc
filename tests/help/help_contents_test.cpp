// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/help_contents.h"

#include "encoding/cp932.h"
#include "support/temp_folder.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <gtest/gtest.h>

inline void PrintTo(const QString& text, std::ostream* out) { *out << text.toStdString(); }

namespace wrenpad {

void PrintTo(const HelpEntry& entry, std::ostream* out) {
  *out << entry.level << " \"" << entry.caption.toStdString() << "\" -> \"" << entry.page.toStdString() << '"';
}

namespace {

using test::TempFolder;

HelpEntry entry(int level, const char* caption, const char* page = "") {
  return {level, QString::fromUtf8(caption), QString::fromUtf8(page)};
}

// Levels come from leading tabs or blanks; a line too deep becomes a child
// of the line before; the caption ends at the first "=".
TEST(HelpContents, ParsesLevelsCaptionsAndPages) {
  const QList<HelpEntry> entries = parseContents(QString::fromUtf8(
      "\t\tはじめに = Introduction\r\n"
      "\t\t\t\t基本 = b = c\r\n"
      " Menu = Menu Commands\r\n"
      "\t\tDeeper = Deep\n"
      "\n"
      "Top\n"
      "Nothing =\n"));
  EXPECT_EQ(entries, (QList<HelpEntry>{entry(0, "はじめに", "Introduction.htm"), entry(1, "基本", "b=c.htm"),
                                       entry(1, "Menu", "MenuCommands.htm"), entry(2, "Deeper", "Deep.htm"),
                                       entry(0, "Top"), entry(0, "Nothing")}));
  // The index is sorted without regard to case; lines without "=" are skipped.
  EXPECT_EQ(parseIndex("zebra = Z\nno page here\nApple = Fruit Page\nbanana = B\n"),
            (QList<HelpEntry>{entry(0, "Apple", "FruitPage.htm"), entry(0, "banana", "B.htm"),
                              entry(0, "zebra", "Z.htm")}));
}

TEST(HelpContents, AMissingFileIsWrittenFromTheBuiltInContentsAnUnreadableOneIsKept) {
  TempFolder folder;
  const ContentsLoad load = loadContents(folder.path());
  EXPECT_TRUE(load.error.isEmpty());
  const QByteArray written = TempFolder::read(folder.file(kContentsFileName));
  EXPECT_TRUE(written.startsWith(QString::fromUtf8("はじめに = Introduction\r\n基本的な使用方法\r\n\t").toUtf8()));
  EXPECT_EQ(load.entries, parseContents(contentsFileText(builtInContentsLines())));

  TempFolder blocked;
  QDir(blocked.path()).mkdir(kContentsFileName);  // a folder in the file's place
  const ContentsLoad failed = loadContents(blocked.path());
  EXPECT_EQ(failed.error, kContentsLoadFailed);
  EXPECT_EQ(failed.entries, load.entries);
  const ContentsLoad nowhere = loadContents(folder.file(QStringLiteral("no-such-folder")));
  EXPECT_EQ(nowhere.error, kContentsLoadFailed);
  EXPECT_FALSE(QFileInfo::exists(folder.file(QStringLiteral("no-such-folder"))));
}

// Pages in file-name order whose text, tags included, holds the word as
// written; Shift-JIS and UTF-8 pages alike; a page without a title by its name.
TEST(HelpSearchPages, FindsTheWordInPagesOfEitherCode) {
  TempFolder folder;
  folder.write(QStringLiteral("b.htm"), "<HTML><Title>Second</TITLE><body>text</body>");
  folder.write(QStringLiteral("a.htm"), "<html><title>First</title><font color=teal>x</font>");
  folder.write(QStringLiteral("c.htm"), "<html>teal</html>");
  folder.write(QStringLiteral("d.txt"), "teal text in a file that is not a page");
  folder.write(QStringLiteral("sjis.htm"), cp932::encode(u"<title>マクロ置換</title>マクロの使い方").bytes);
  folder.write(QStringLiteral("utf8.htm"), QString::fromUtf8("<title>辞書</title>マクロと辞書").toUtf8());
  EXPECT_EQ(searchPages(folder.path(), QStringLiteral("teal")),
            (QList<HelpEntry>{entry(0, "First", "a.htm"), entry(0, "c.htm", "c.htm")}));
  EXPECT_TRUE(searchPages(folder.path(), QStringLiteral("TEAL")).isEmpty());
  EXPECT_EQ(searchPages(folder.path(), QStringLiteral("title")).size(), 3);
  EXPECT_TRUE(searchPages(folder.path(), QString()).isEmpty());
  EXPECT_EQ(searchPages(folder.path(), QString::fromUtf8("マクロ")),
            (QList<HelpEntry>{entry(0, "マクロ置換", "sjis.htm"), entry(0, "辞書", "utf8.htm")}));
  EXPECT_EQ(pageTitle(QStringLiteral("<TITLE lang=\"ja\">\n  Tom &amp; Jerry\n</Title>")), "Tom & Jerry");
  EXPECT_EQ(pageTitle(QStringLiteral("<titles>no</titles>")), QString());
}

// A missing number, zero, or a page not there fall back to "index"; names
// match without regard to case.
TEST(HelpContext, TheNumbersPageOrTheIndex) {
  TempFolder folder;
  folder.write(kHelpContextFileName, "[ID]\r\n1=editor\r\n5=As_an_IDE\r\n6=menucommands\r\n9=gone\r\n");
  for (const char* page : {"editor.htm", "As_an_IDE.htm", "Index.htm", "MenuCommands.htm"})
    folder.write(page, "<html>");
  const std::pair<int, const char*> cases[] = {
      {5, "As_an_IDE.htm"}, {0, "editor.htm"}, {42, "Index.htm"}, {9, "Index.htm"}, {6, "MenuCommands.htm"}};
  for (const auto& [number, page] : cases)
    EXPECT_EQ(contextPagePath(folder.path(), number), folder.file(page)) << number;
  EXPECT_EQ(findPageFile(folder.path(), QStringLiteral("*.htm")), QString());
  TempFolder empty;
  EXPECT_EQ(contextPagePath(empty.path(), 3), empty.file(QStringLiteral("index.htm")));
}

// The help pages shipped with the program: every page the contents, the
// index and the context numbers name is there, in both languages, with a
// title, and the two languages offer the same pages.
const QString kShippedHelp = QStringLiteral(WRENPAD_TEST_DATA "/../../resources/help");

QSet<QString> namedPages(const QString& folder) {
  QSet<QString> pages;
  for (const HelpEntry& entry : loadContents(folder).entries)
    if (!entry.page.isEmpty()) pages << entry.page;
  for (const HelpEntry& entry : loadIndex(folder)) pages << entry.page;
  for (int context = 1; context <= 9; ++context) pages << QFileInfo(contextPagePath(folder, context)).fileName();
  return pages;
}

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
    const QStringList pages = QDir(folder).entryList({QStringLiteral("*.htm")});
    // Names that differ only in case become one file on a FAT or NTFS stick.
    QSet<QString> folded;
    for (const QString& page : pages) folded.insert(page.toLower());
    EXPECT_EQ(folded.size(), pages.size()) << sub;
    pagesOf[language++] = QSet<QString>(pages.begin(), pages.end());
  }
  EXPECT_EQ(pagesOf[0], pagesOf[1]);
}

}  // namespace
}  // namespace wrenpad
