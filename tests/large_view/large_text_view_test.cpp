// SPDX-License-Identifier: GPL-3.0-or-later
// The large view on the offscreen platform: what it lays out for a scroll
// position (a line of ten megabytes only in the stretch in sight), and the
// keys, the input method, the clipboard and the mouse as a user meets them.
#include "large_view/large_text_view.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace wrenpad::large {
namespace {

struct LargeView : ::testing::Test {
  LargeTextView view;
  void open(std::string bytes, TextEncoding code = TextEncoding::Utf8) {
    view.resize(480, 320);
    view.setDocument(LargeDocument::holding(std::move(bytes), code));
    view.show();
    view.setFocus();
  }
  std::string bytes() const { return view.document()->bytes(0, view.document()->size()); }
  void keys(std::initializer_list<int> list, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    for (int key : list) QTest::keyClick(&view, Qt::Key(key), modifiers);
  }
  void commit(const QString& text) {
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(&view, &event);
  }
};

TEST_F(LargeView, ALineOfTenMegabytesIsLaidOutOnlyWhereItIsSeen) {
  std::string line;
  while (line.size() < 10'000'000) line += "0123456789";
  open(line + "\nnext\n");
  view.scrollTo(0, 5'000'000);
  const std::vector<ShownLine> shown = view.shownLines();
  ASSERT_GE(shown.size(), 2u);
  const ShownLine& first = shown.front();
  EXPECT_LT(first.text.text.size(), 400);
  EXPECT_LE(first.column, 5'000'000 - ScreenText::kMarginColumns);
  EXPECT_GE(first.column + first.text.text.size(), 5'000'000 + view.viewport()->width() / 20);
  EXPECT_EQ(first.text.text, QString::fromStdString(line.substr(std::size_t(first.from), std::size_t(first.to - first.from))));
  EXPECT_EQ(shown[1].text.text, "next");
  // Typing in the middle of the line shows the key where it went.
  view.setCaret(5'000'010);
  QTest::keyClicks(&view, "xy");
  EXPECT_EQ(bytes().substr(5'000'005, 10), "56789xy012");
  const QString seen = view.shownLines().front().text.text;
  EXPECT_TRUE(seen.contains("9xy0")) << seen.toStdString();
  EXPECT_LT(seen.size(), 400);
}

TEST_F(LargeView, KeysMoveSelectAndEditKeepingTheFilesLineEnds) {
  std::string lines;
  for (int i = 0; i < 1000; ++i) lines += "line " + std::to_string(i) + "\r\n";
  open(lines);
  keys({Qt::Key_Down, Qt::Key_End});
  EXPECT_EQ(view.caret(), 14);  // after "line 1"
  QTest::keyClicks(&view, "abc");
  keys({Qt::Key_Return});
  QTest::keyClicks(&view, "new");
  EXPECT_EQ(bytes().substr(8, 16), "line 1abc\r\nnew\r\n");
  keys({Qt::Key_Home});
  keys({Qt::Key_End}, Qt::ShiftModifier);
  EXPECT_EQ(view.selectionEnd() - view.selectionStart(), 3);
  keys({Qt::Key_Backspace, Qt::Key_Backspace, Qt::Key_Backspace});
  EXPECT_EQ(bytes().substr(8, 14), "line 1ab\r\nline");
  // Undo: the Backspaces (one step), the selection's deletion, the typing.
  QTest::keyClick(&view, Qt::Key_Z, Qt::ControlModifier);
  QTest::keyClick(&view, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(bytes().substr(8, 16), "line 1abc\r\nnew\r\n");
  keys({Qt::Key_End}, Qt::ControlModifier);
  EXPECT_EQ(view.caret(), view.document()->size());
  // 1,002 lines now ("new" is one more): the last at the bottom.
  EXPECT_EQ(view.topLine(), 1001 - view.viewport()->height() / view.lineHeight() + 1);
  EXPECT_EQ(view.verticalScrollBar()->value(), view.topLine());
  keys({Qt::Key_Home}, Qt::ControlModifier);
  keys({Qt::Key_PageDown});
  EXPECT_EQ(view.caretLine(), view.viewport()->height() / view.lineHeight() - 1);
  EXPECT_EQ(view.topLine(), view.caretLine());
}

TEST_F(LargeView, InputMethodTextIsWrittenInTheFilesCodeOrRefused) {
  open("\x82\xa0\n", TextEncoding::ShiftJis);  // あ
  QSignalSpy refused(&view, &LargeTextView::cannotWrite);
  keys({Qt::Key_End});
  commit(QStringLiteral("漢字"));
  EXPECT_EQ(bytes(), "\x82\xa0\x8a\xbf\x8e\x9a\n");
  commit(QStringLiteral("€"));
  EXPECT_EQ(refused.count(), 1);
  EXPECT_EQ(refused.front().front().toString(), QStringLiteral("€"));
  EXPECT_EQ(bytes(), "\x82\xa0\x8a\xbf\x8e\x9a\n");
  keys({Qt::Key_Left});
  EXPECT_EQ(view.caret(), 4);
  // A pasted character beyond U+FFFF is named whole, not by half of it.
  QApplication::clipboard()->setText(QStringLiteral("emoji 😀 here"));
  view.paste();
  ASSERT_EQ(refused.count(), 2);
  EXPECT_EQ(refused.back().front().toString(), QStringLiteral("😀"));
  EXPECT_EQ(bytes(), "\x82\xa0\x8a\xbf\x8e\x9a\n");
}

TEST_F(LargeView, CopiedBytesComeBackAsTheyWereAndTheMouseSetsTheCaret) {
  open("ab\x80z\r\nsecond line\r\n", TextEncoding::ShiftJis);
  view.select(0, 4);
  view.copy();
  EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("ab") + QChar(0xF780) + u'z');
  keys({Qt::Key_End}, Qt::ControlModifier);
  view.paste();
  EXPECT_EQ(bytes(), "ab\x80z\r\nsecond line\r\nab\x80z");
  // Text from elsewhere with LF line ends gets the file's CR LF.
  QApplication::clipboard()->setText(QStringLiteral("x\ny"));
  view.paste();
  EXPECT_EQ(bytes().substr(19), "ab\x80zx\r\ny");
  // A click on the second line, a few characters in.
  const int x = view.viewport()->fontMetrics().horizontalAdvance(QStringLiteral("seco")) + 4 + 1;
  QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, QPoint(x, view.lineHeight() + view.lineHeight() / 2));
  EXPECT_EQ(view.caret(), 6 + 4);
  QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, QPoint(x, view.lineHeight() + view.lineHeight() / 2));
  EXPECT_EQ(view.selectionStart(), 6);
  EXPECT_EQ(view.selectionEnd(), 12);
}

// 7-bit JIS: escapes take no column and belong to the character after them,
// a kanji pair takes two columns, as the document decodes it.
TEST_F(LargeView, SevenBitJisIsSteppedShownAndCopiedByItsCharacters) {
  const std::string nihon = "\x1b$BF|K\\\x1b(B";  // 日本, between escapes
  std::string longLine = "\x1b$B";
  for (int i = 0; i < 3000; ++i) longLine += "F|K\\";
  longLine += "\x1b(B";
  // Down from column 3 lands on 本, not inside 日.
  open("abcde\n" + nihon + "xy\n");
  ASSERT_TRUE(view.document()->form().jis);
  view.setCaret(3);
  keys({Qt::Key_Down});
  EXPECT_EQ(view.caret(), 11);
  // End, then Up, keeps the column past the kanji.
  open("abcdefgh\n" + nihon + "xy\n");
  view.setCaret(9);
  keys({Qt::Key_End, Qt::Key_Up});
  EXPECT_EQ(view.caret(), 6);
  // Copied text has no escapes.
  open(nihon + "xy\r\n" + nihon + "\n");
  view.setCopiedLineBreak("\n");
  view.select(0, 24);
  view.copy();
  EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("日本xy\n日本"));
  // A long line in sight from column 3002 begins on a character.
  open("abc\n" + longLine + "\n");
  ASSERT_TRUE(view.document()->form().jis);
  view.scrollTo(0, 3002);
  EXPECT_EQ(view.shownLines().at(1).text.text.left(4), QStringLiteral("本日本日"));
}

}  // namespace
}  // namespace wrenpad::large
