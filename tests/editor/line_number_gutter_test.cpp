// SPDX-License-Identifier: GPL-3.0-or-later
// The line-number gutter beside the editor: numbers and width as the text
// changes, the caret and error marks, a click on a number, its colours, and
// what it repaints.
#include "editor/editor_control.h"
#include "editor/gutter_look.h"
#include "editor/line_number_gutter.h"

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTest>
#include <QTextBlock>
#include <gtest/gtest.h>
#include <random>

using namespace wrenpad;

namespace {

QString numberedLines(int count) {
  QStringList lines;
  for (int n = 1; n <= count; ++n) lines << QStringLiteral("line %1").arg(n);
  return lines.join(QStringLiteral("\r\n"));
}

struct Gutter : ::testing::Test {
  QWidget parent;
  EditorControl editor{&parent};
  LineNumberGutter& gutter = LineNumberGutter::of(editor);
  QPlainTextEdit& edit = *qobject_cast<QPlainTextEdit*>(editor.widget());

  void SetUp() override {
    parent.resize(520, 320);
    editor.widget()->resize(520, 320);
    parent.show();
  }
  // The gutter as the screen holds it, once every pending paint is done.
  QImage onScreen() {
    QApplication::processEvents();
    const QPixmap shot = parent.screen()->grabWindow(parent.winId());
    const QRect place(gutter.mapTo(&parent, QPoint(0, 0)), gutter.size());
    return shot.copy(place).toImage().convertToFormat(QImage::Format_RGB32);
  }
  QImage paintedAfresh() { return gutter.grab().toImage().convertToFormat(QImage::Format_RGB32); }
  std::vector<int> numbersShown() const {
    std::vector<int> numbers;
    for (const auto& line : gutter.linesIn(gutter.rect())) numbers.push_back(line.number);
    return numbers;
  }
  LineNumberGutter::ShownLine shownLine(int number) const {
    for (const auto& line : gutter.linesIn(gutter.rect()))
      if (line.number == number) return line;
    ADD_FAILURE() << "line " << number << " is not shown";
    return {};
  }
  // Where the text starts: right of the gutter while it is shown.
  int textLeft() const { return edit.viewport()->geometry().left() - edit.contentsRect().left(); }
  QColor pixelBeside(int number) const {
    return gutter.grab().toImage().pixelColor(4, shownLine(number).strip.center().y());
  }
};

TEST_F(Gutter, NumbersAndWidthFollowTheLineCountAndOnlyLinesOnScreenAreDrawn) {
  editor.setText(numberedLines(9));
  EXPECT_EQ(textLeft(), 0);
  gutter.setShown(true);
  EXPECT_EQ(numbersShown(), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
  const int oneDigit = gutter.width();
  EXPECT_EQ(textLeft(), oneDigit);
  const QRect last = edit.cursorRect(QTextCursor(edit.document()->findBlockByNumber(8)));
  EXPECT_TRUE(shownLine(9).strip.contains(QPoint(2, last.center().y())));  // beside its own line
  // A tenth line widens the gutter by a digit.
  editor.setSelStart(editor.textLength());
  editor.replaceSelection(QStringLiteral("\r\nten"));
  EXPECT_GT(gutter.width(), oneDigit);
  EXPECT_EQ(textLeft(), gutter.width());

  // A long text: six digits, and only the lines on screen.
  editor.setText(numberedLines(150'000));
  EXPECT_EQ(lineNumberDigits(editor.lineCount()), 6);
  editor.scrollLines(90'000);
  const std::vector<int> numbers = numbersShown();
  ASSERT_FALSE(numbers.empty());
  EXPECT_EQ(numbers.front(), editor.firstVisibleLine() + 1);
  EXPECT_EQ(numbers.back() - numbers.front() + 1, int(numbers.size()));
  EXPECT_LE(numbers.size(), std::size_t(gutter.height() / edit.fontMetrics().height() + 2));

  gutter.setShown(false);
  EXPECT_EQ(textLeft(), 0);
}

TEST_F(Gutter, MarksTheCaretAndErrorLinesAndAClickPutsTheCaretOnALine) {
  editor.setText(numberedLines(20));
  gutter.setShown(true);
  editor.setSelStart(editor.positionOfLine(2) + 3);
  gutter.setErrorLine(6);
  for (const auto& line : gutter.linesIn(gutter.rect())) {
    EXPECT_EQ(line.caret, line.number == 3) << line.number;
    EXPECT_EQ(line.error, line.number == 7) << line.number;
  }
  const GutterColours look = gutterColoursFor(Qt::white, Qt::black);
  EXPECT_EQ(pixelBeside(3), look.caretStrip);
  EXPECT_EQ(pixelBeside(7), look.errorStrip);
  EXPECT_EQ(pixelBeside(5), look.background);

  QTest::mouseClick(&gutter, Qt::LeftButton, {}, QPoint(gutter.width() / 2, shownLine(12).strip.center().y()));
  EXPECT_EQ(editor.selStart(), editor.positionOfLine(11));
  EXPECT_TRUE(shownLine(12).caret);
  gutter.setErrorLine(std::nullopt);
  EXPECT_FALSE(shownLine(7).error);
}

// The gutter repaints only the stretches whose lines changed: after every
// kind of edit, caret move, scroll and change of colours, what stands on the
// screen beside the text is what painting the gutter afresh gives.
TEST_F(Gutter, WhatTheScreenShowsIsWhatPaintingAfreshGives) {
  editor.setText(numberedLines(60));
  gutter.setShown(true);
  std::mt19937 random(20260607);
  const auto below = [&random](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
  for (int step = 0; step < 300; ++step) {
    switch (below(9)) {
      case 0: QTest::keyClick(&edit, Qt::Key_Return); break;
      case 1: QTest::keyClick(&edit, Qt::Key_Backspace); break;
      case 2: QTest::keyClicks(&edit, QString(below(3) == 0 ? 90 : 1, u'w')); break;  // may wrap
      case 3: editor.setSelStart(below(editor.textLength() + 1)); break;
      case 4: editor.scrollLines(below(21) - 10); break;
      case 5: gutter.setErrorLine(below(4) == 0 ? std::nullopt : std::optional<int>(below(editor.lineCount()))); break;
      case 6: {
        const int start = below(editor.textLength() + 1);
        editor.select(start, std::min(below(40), editor.textLength() - start));
        editor.replaceSelection(QString());
        break;
      }
      case 7: editor.setBackground(below(2) == 0 ? QColor(Qt::white) : QColor(20, 30, 60)); break;
      default: QTest::keyClicks(&edit, QStringLiteral("ab")); break;
    }
    ASSERT_EQ(onScreen(), paintedAfresh()) << "step " << step;
  }
}

TEST(GutterColours, NumbersAndMarksStayReadableOnEveryBackground) {
  for (const QColor page : {QColor(Qt::white), QColor(128, 128, 128), QColor(0, 0, 128), QColor(Qt::black),
                            QColor(255, 255, 0), QColor(200, 0, 0)}) {
    for (const QColor text : {QColor(Qt::black), QColor(Qt::white), QColor(0, 0, 255), QColor(128, 128, 128)}) {
      SCOPED_TRACE(QStringLiteral("%1 on %2").arg(text.name(), page.name()).toStdString());
      const GutterColours look = gutterColoursFor(page, text);
      EXPECT_GE(contrastRatio(look.number, look.background), kReadableContrast);
      EXPECT_GE(contrastRatio(look.caretNumber, look.caretStrip), kReadableContrast);
      EXPECT_GE(contrastRatio(look.errorNumber, look.errorStrip), kReadableContrast);
      EXPECT_NE(look.errorStrip, look.caretStrip);
      EXPECT_NE(look.caretStrip, look.background);
    }
  }
}

}  // namespace
