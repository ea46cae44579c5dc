// SPDX-License-Identifier: GPL-3.0-or-later
// The line-number gutter beside the editor: numbers and width as the text
// changes, the caret and error marks, a click on a number, and the font and
// colours it takes from the editor.
#include "editor/editor_control.h"
#include "editor/gutter_look.h"
#include "editor/line_number_gutter.h"

#include <QApplication>
#include <QImage>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>
#include <gtest/gtest.h>

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
    editor.widget()->resize(520, 320);
    parent.show();
  }
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
  for (int line = 0; line < 9; ++line) {  // each number beside its own line
    const QRect caret = edit.cursorRect(QTextCursor(edit.document()->findBlockByNumber(line)));
    EXPECT_TRUE(shownLine(line + 1).strip.contains(QPoint(2, caret.center().y()))) << line;
  }
  // A tenth line widens the gutter by a digit; taking it away narrows it.
  editor.setSelStart(editor.textLength());
  editor.replaceSelection(QStringLiteral("\r\nten"));
  EXPECT_GT(gutter.width(), oneDigit);
  EXPECT_EQ(textLeft(), gutter.width());
  EXPECT_EQ(numbersShown().back(), 10);
  editor.select(editor.positionOfLine(9) - 2, 5);
  editor.replaceSelection(QString());
  EXPECT_EQ(gutter.width(), oneDigit);

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

TEST_F(Gutter, TakesTheEditorsFontAfterAZoomAndTheFontCommandAndDrawsOnItsBackground) {
  editor.setText(numberedLines(30));
  gutter.setShown(true);
  const int usualWidth = gutter.width();
  const int usualPoints = gutter.font().pointSize();
  edit.zoomIn(4);
  QApplication::processEvents();
  EXPECT_GT(gutter.font().pointSize(), usualPoints);
  EXPECT_EQ(gutter.font().pointSize(), edit.document()->defaultFont().pointSize());

  editor.setDefaultFont({QStringLiteral("DejaVu Serif"), 20, 1, Qt::white});
  editor.setBackground(QColor(20, 30, 60));
  QApplication::processEvents();
  EXPECT_EQ(gutter.font().family(), edit.document()->defaultFont().family());
  EXPECT_EQ(gutter.font().pointSize(), 20);
  EXPECT_GT(gutter.width(), usualWidth);
  EXPECT_EQ(textLeft(), gutter.width());
  EXPECT_EQ(pixelBeside(2), gutterColoursFor(QColor(20, 30, 60), Qt::white).background);
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
      // Muted: where the text stands out well, the numbers stand out less.
      if (contrastRatio(text, page) > 7) {
        EXPECT_LT(contrastRatio(look.number, look.background), contrastRatio(text, page));
      }
    }
  }
}

}  // namespace
