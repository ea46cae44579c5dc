// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/help_context.h"
#include "help/help_search.h"

#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"

#include <QBuffer>
#include <QImage>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

inline void PrintTo(const QString& text, std::ostream* out) { *out << text.toStdString(); }

namespace wrenpad {
namespace {

QByteArray png(QColor colour) {
  QImage image(16, 16, QImage::Format_RGB32);
  image.fill(colour);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return bytes;
}

QColor iconColour(const QTreeWidgetItem* item) {
  return item->icon(0).pixmap(16, 16).toImage().pixelColor(8, 8);
}

class HelpWindow : public ::testing::Test {
 protected:
  HelpWindow() {
    folder.write(QStringLiteral("Contents.txt"),
                 QStringLiteral("Start = Introduction\r\nChapter\r\n\tTopic A = Menu Commands\r\n"
                                "\tMissing = Nowhere\r\nTopic B = Macro\r\n")
                     .toUtf8());
    folder.write(QStringLiteral("Index.txt"), "zeta = Macro\r\nalpha = Introduction\r\n");
    folder.write(QStringLiteral("Introduction.htm"), "<title>Welcome</title>");
    folder.write(QStringLiteral("MenuCommands.htm"), "<title>Menus</title><b>macro</b>");
    folder.write(QStringLiteral("Macro.htm"), "<title>Macros</title>macro rules");
    folder.write(QStringLiteral("bookshut.png"), png(Qt::red));
    folder.write(QStringLiteral("bookopen.png"), png(Qt::green));
    window.setHelpFolder(folder.path());
  }

  THelpTreeView& tree() { return window.tree(); }
  QTabWidget* tabs() { return window.findChild<QTabWidget*>(QStringLiteral("TabControl")); }
  QLineEdit* edSearch() { return window.findChild<QLineEdit*>(QStringLiteral("edSearch")); }
  QStringList captions() {
    QStringList texts;
    for (int i = 0; i < tree().topLevelItemCount(); ++i) texts << tree().topLevelItem(i)->text(0);
    return texts;
  }
  QTreeWidgetItem* entry(const QString& caption) {
    const QList<QTreeWidgetItem*> found = tree().findItems(caption, Qt::MatchExactly | Qt::MatchRecursive);
    return found.isEmpty() ? nullptr : found.first();
  }

  test::TempFolder folder;
  test::ScriptedDialogs dialogs;
  QStringList opened;
  THelpSearch window{dialogs, [this](const QString& file) { opened << file; }};
};

// A double click on a page opens its file; on a chapter it opens or closes
// it and shows the open or shut book.
TEST_F(HelpWindow, DoubleClickOpensAPageOrTogglesAChapterAndItsBook) {
  window.show();
  QTreeWidgetItem* chapter = entry(QStringLiteral("Chapter"));
  ASSERT_TRUE(chapter);
  EXPECT_EQ(iconColour(chapter), QColor(Qt::red));
  tree().activateEntry(chapter);
  EXPECT_TRUE(chapter->isExpanded());
  EXPECT_EQ(iconColour(chapter), QColor(Qt::green));

  const QPoint centre = tree().visualItemRect(entry(QStringLiteral("Topic A"))).center();
  // A widget's double click arrives after the press and release of the first click.
  QTest::mouseClick(tree().viewport(), Qt::LeftButton, Qt::NoModifier, centre);
  QTest::mouseDClick(tree().viewport(), Qt::LeftButton, Qt::NoModifier, centre);
  EXPECT_EQ(opened, QStringList{folder.file(QStringLiteral("MenuCommands.htm"))});
  tree().activateEntry(entry(QStringLiteral("Missing")));  // no Nowhere.htm
  EXPECT_EQ(opened.size(), 1);

  tree().activateEntry(chapter);
  EXPECT_FALSE(chapter->isExpanded());
  EXPECT_EQ(iconColour(chapter), QColor(Qt::red));
}

TEST_F(HelpWindow, TypingSelectsTheFirstKeywordStartingWithTheWordWhateverItsCase) {
  folder.write(QStringLiteral("Index.txt"),
               "Tail = Macro\r\nData Tab = Macro\r\nTable = Macro\r\nUndo = Macro\r\nTab = Macro\r\n");
  window.show();
  tabs()->setCurrentIndex(THelpSearch::IndexTab);
  ASSERT_EQ(captions(), (QStringList{"Data Tab", "Tab", "Table", "Tail", "Undo"}));
  edSearch()->setFocus();
  edSearch()->setText(QStringLiteral("T"));
  QTest::keyClick(edSearch(), Qt::Key_A);
  EXPECT_EQ(tree().currentItem(), entry(QStringLiteral("Tab")));
  EXPECT_EQ(window.focusWidget(), edSearch());
  QTest::keyClick(edSearch(), Qt::Key_Backspace);  // deleting keeps the selection
  EXPECT_EQ(tree().currentItem(), entry(QStringLiteral("Tab")));
  tree().SelectMatching(QStringLiteral("ABLE"));  // no keyword starts with it: the first holding it
  EXPECT_EQ(tree().currentItem(), entry(QStringLiteral("Table")));

  // On the contents, a chapter opens to show the entry selected.
  tabs()->setCurrentIndex(THelpSearch::ContentsTab);
  tree().SelectMatching(QStringLiteral("topic"));
  EXPECT_EQ(tree().currentItem(), entry(QStringLiteral("Topic A")));
  EXPECT_TRUE(entry(QStringLiteral("Chapter"))->isExpanded());
}

TEST_F(HelpWindow, FailedContentsLoadIsReportedAndTheWindowStaysUsable) {
  QFile::remove(folder.file(QStringLiteral("Contents.txt")));
  QDir(folder.path()).mkdir(QStringLiteral("Contents.txt"));
  window.show();
  EXPECT_EQ(dialogs.askedOf(QStringLiteral("message")), QStringList{kContentsLoadFailed});
  EXPECT_EQ(tree().topLevelItemCount(), 4);
  tabs()->setCurrentIndex(THelpSearch::IndexTab);
  EXPECT_EQ(tree().topLevelItemCount(), 2);
}

// F1 takes the context nearest to the focus (the pages of the numbers are
// checked with the help files alone).
TEST_F(HelpWindow, ContextHelpTakesTheNumberNearestToTheFocus) {
  QWidget form;
  setHelpContext(form, 6);
  QWidget editor(&form), plain(&form);
  setHelpContext(editor, 1);
  EXPECT_EQ(helpContextOf(&editor), 1);
  EXPECT_EQ(helpContextOf(&plain), 6);  // a control without a number: its window's
  EXPECT_EQ(helpContextOf(nullptr), 1);
  tabs()->setCurrentIndex(THelpSearch::SearchTab);
  EXPECT_EQ(helpContextOf(edSearch()), 9);
}

}  // namespace
}  // namespace wrenpad
