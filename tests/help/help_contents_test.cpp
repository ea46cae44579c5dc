// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/help_contents.h"
#include "help/help_folder.h"

#include "encoding/cp932.h"
#include "support/temp_folder.h"

#include <QDir>
#include <gtest/gtest.h>

inline void PrintTo(const QString& text, std::ostream* out) { *out << text.toStdString(); }

namespace wrenpad {

void PrintTo(const HelpEntry& entry, std::ostream* out) {
  *out << entry.level << " \"" << entry.caption.toStdString() << "\" -> \"" << entry.page.toStdString() << '"';
}

namespace {

using test::TempFolder;

QByteArray utf8(const QString& text) { return text.toUtf8(); }

TEST(HelpContents, LevelsComeFromLeadingTabsOrBlanks) {
  const QList<HelpEntry> entries = parseContents(QStringLiteral(
      "はじめに = Introduction\r\n"
      "基本的な使用方法\r\n"
      "\tプログラミング = As_an_IDE\r\n"
      " Menu = Menu Commands\r\n"
      "\t\tDeeper = Deep\n"
      "\n"
      "Top\n"));
  const QList<HelpEntry> expected{
      {0, QStringLiteral("はじめに"), QStringLiteral("Introduction.htm")},
      {0, QStringLiteral("基本的な使用方法"), QString()},
      {1, QStringLiteral("プログラミング"), QStringLiteral("As_an_IDE.htm")},
      {1, QStringLiteral("Menu"), QStringLiteral("MenuCommands.htm")},
      {2, QStringLiteral("Deeper"), QStringLiteral("Deep.htm")},
      {0, QStringLiteral("Top"), QString()},
  };
  EXPECT_EQ(entries, expected);
}

TEST(HelpContents, LineTooDeepBecomesChildOfTheLineBefore) {
  const QList<HelpEntry> entries = parseContents(QStringLiteral("\t\tFirst\n\t\t\t\tSecond = A\n"));
  ASSERT_EQ(entries.size(), 2);
  EXPECT_EQ(entries[0].level, 0);
  EXPECT_EQ(entries[1].level, 1);
}

TEST(HelpContents, SplitsAtTheFirstEqualsSign) {
  EXPECT_EQ(entryFromText(u"a = b = c"), (HelpEntry{0, QStringLiteral("a"), QStringLiteral("b=c.htm")}));
  EXPECT_EQ(entryFromText(u"Chapter"), (HelpEntry{0, QStringLiteral("Chapter"), QString()}));
  EXPECT_EQ(entryFromText(u"Nothing ="), (HelpEntry{0, QStringLiteral("Nothing"), QString()}));
}

TEST(HelpContents, HoldsAnyNumberOfEntries) {
  QString text;
  for (int i = 0; i < 1000; ++i) text += QStringLiteral("Topic %1 = Page %1\n").arg(i);
  const QList<HelpEntry> entries = parseContents(text);
  ASSERT_EQ(entries.size(), 1000);
  EXPECT_EQ(entries.last().page, QStringLiteral("Page999.htm"));
  EXPECT_EQ(parseIndex(text).size(), 1000);
}

TEST(HelpContents, MissingFileIsWrittenFromTheBuiltInContentsAndReadBack) {
  TempFolder folder;
  const ContentsLoad load = loadContents(folder.path());
  EXPECT_TRUE(load.error.isEmpty());
  const QByteArray written = TempFolder::read(folder.file(kContentsFileName));
  EXPECT_TRUE(written.startsWith(utf8(QStringLiteral("はじめに = Introduction\r\n基本的な使用方法\r\n\t"))));
  int topLevel = 0;
  for (const HelpEntry& entry : load.entries) topLevel += entry.level == 0;
  EXPECT_EQ(topLevel, 4);
  EXPECT_EQ(load.entries.size(), 10);
  EXPECT_EQ(load.entries.last(), (HelpEntry{0, QStringLiteral("著作権およびユーザーサポート"), QStringLiteral("Licence.htm")}));
}

TEST(HelpContents, UnreadableFileKeepsTheBuiltInContentsAndSaysSo) {
  TempFolder folder;
  QDir(folder.path()).mkdir(kContentsFileName);  // a folder in the file's place
  const ContentsLoad load = loadContents(folder.path());
  EXPECT_EQ(load.error, kContentsLoadFailed);
  EXPECT_EQ(load.entries.size(), 10);

  const ContentsLoad nowhere = loadContents(folder.file(QStringLiteral("no-such-folder")));
  EXPECT_EQ(nowhere.error, kContentsLoadFailed);
  EXPECT_FALSE(QFileInfo::exists(folder.file(QStringLiteral("no-such-folder"))));
}

TEST(HelpIndex, SortedWithoutRegardToCaseAndLinesWithoutEqualsSkipped) {
  const QList<HelpEntry> entries =
      parseIndex(QStringLiteral("zebra = Z\nno page here\nApple = Fruit Page\nbanana = B\n"));
  const QList<HelpEntry> expected{
      {0, QStringLiteral("Apple"), QStringLiteral("FruitPage.htm")},
      {0, QStringLiteral("banana"), QStringLiteral("B.htm")},
      {0, QStringLiteral("zebra"), QStringLiteral("Z.htm")},
  };
  EXPECT_EQ(entries, expected);
}

class HelpSearchPages : public ::testing::Test {
 protected:
  TempFolder folder;
};

TEST_F(HelpSearchPages, FindsWordsInsideTagsInFileNameOrder) {
  folder.write(QStringLiteral("b.htm"), "<HTML><Title>Second</TITLE><body>text</body>");
  folder.write(QStringLiteral("a.htm"), "<html><title>First</title><font color=teal>x</font>");
  folder.write(QStringLiteral("c.htm"), "<html><title>Third</title>no match</html>");
  folder.write(QStringLiteral("d.txt"), "teal text in a file that is not a page");
  const QList<HelpEntry> hits = searchPages(folder.path(), QStringLiteral("teal"));
  EXPECT_EQ(hits, (QList<HelpEntry>{{0, QStringLiteral("First"), QStringLiteral("a.htm")}}));
  EXPECT_EQ(searchPages(folder.path(), QStringLiteral("TEAL")).size(), 0);  // case counts
  EXPECT_EQ(searchPages(folder.path(), QStringLiteral("title")).size(), 2);
  EXPECT_TRUE(searchPages(folder.path(), QString()).isEmpty());
}

TEST_F(HelpSearchPages, PageWithoutTitleIsListedByFileName) {
  folder.write(QStringLiteral("untitled.htm"), "<html><body>macro</body></html>");
  const QList<HelpEntry> hits = searchPages(folder.path(), QStringLiteral("macro"));
  ASSERT_EQ(hits.size(), 1);
  EXPECT_EQ(hits[0].caption, QStringLiteral("untitled.htm"));
}

TEST_F(HelpSearchPages, ShiftJisAndUtf8PagesAreSearchedForJapaneseWords) {
  folder.write(QStringLiteral("sjis.htm"), cp932::encode(u"<title>マクロ置換</title>マクロの使い方").bytes);
  folder.write(QStringLiteral("utf8.htm"), utf8(QStringLiteral("<title>辞書</title>マクロと辞書")));
  const QList<HelpEntry> hits = searchPages(folder.path(), QStringLiteral("マクロ"));
  const QList<HelpEntry> expected{
      {0, QStringLiteral("マクロ置換"), QStringLiteral("sjis.htm")},
      {0, QStringLiteral("辞書"), QStringLiteral("utf8.htm")},
  };
  EXPECT_EQ(hits, expected);
}

TEST_F(HelpSearchPages, FindsAnyNumberOfPages) {
  for (int i = 0; i < 320; ++i) folder.write(QStringLiteral("p%1.htm").arg(i, 3, 10, QChar(u'0')), "word");
  EXPECT_EQ(searchPages(folder.path(), QStringLiteral("word")).size(), 320);
}

TEST(HelpPageTitle, FoldsWhiteSpaceAndResolvesReferences) {
  EXPECT_EQ(pageTitle(QStringLiteral("<TITLE lang=\"ja\">\n  Tom &amp; Jerry\n</Title>")),
            QStringLiteral("Tom & Jerry"));
  EXPECT_EQ(pageTitle(QStringLiteral("<titles>no</titles>")), QString());
}

TEST(HelpContext, MissingNumberAndZeroFallBack) {
  TempFolder folder;
  folder.write(kHelpContextFileName, "[ID]\r\n1=editor\r\n5=As_an_IDE\r\n9=gone\r\n");
  for (const char* page : {"editor.htm", "As_an_IDE.htm", "index.htm"}) folder.write(page, "<html>");
  EXPECT_EQ(contextPagePath(folder.path(), 5), folder.file(QStringLiteral("As_an_IDE.htm")));
  EXPECT_EQ(contextPagePath(folder.path(), 0), folder.file(QStringLiteral("editor.htm")));
  EXPECT_EQ(contextPagePath(folder.path(), 42), folder.file(QStringLiteral("index.htm")));
  EXPECT_EQ(contextPagePath(folder.path(), 9), folder.file(QStringLiteral("index.htm")));
  TempFolder empty;
  EXPECT_EQ(contextPagePath(empty.path(), 3), empty.file(QStringLiteral("index.htm")));
}

TEST(HelpContext, PageNamesMatchWithoutRegardToCase) {
  TempFolder folder;
  folder.write(kHelpContextFileName, "[ID]\r\n6=menucommands\r\n");
  folder.write(QStringLiteral("Index.htm"), "<html>");
  folder.write(QStringLiteral("MenuCommands.htm"), "<html>");
  EXPECT_EQ(contextPagePath(folder.path(), 6), folder.file(QStringLiteral("MenuCommands.htm")));
  EXPECT_EQ(contextPagePath(folder.path(), 7), folder.file(QStringLiteral("Index.htm")));
  EXPECT_EQ(findPageFile(folder.path(), QStringLiteral("*.htm")), QString());
}

TEST(HelpFolder, PrefersTheInterfaceLanguageAndFallsBackToTheOther) {
  TempFolder first, second;
  first.write(QStringLiteral("Help/html_en/index.htm"), "<html>");
  second.write(QStringLiteral("Help/html/index.htm"), "<html>");
  const QStringList data{first.path(), second.path()};
  EXPECT_EQ(chooseHelpFolder(data, false), first.file(QStringLiteral("Help/html_en")));
  EXPECT_EQ(chooseHelpFolder(data, true), second.file(QStringLiteral("Help/html")));
  EXPECT_EQ(chooseHelpFolder({first.path()}, true), first.file(QStringLiteral("Help/html_en")));
  TempFolder none;
  EXPECT_EQ(chooseHelpFolder({none.path()}, true), none.file(QStringLiteral("Help/html")));
}

}  // namespace
}  // namespace wrenpad
