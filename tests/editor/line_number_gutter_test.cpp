// The line-number gutter beside the editor: its numbers and width as the
// text changes, the caret and error marks, a click on a number, and the
// font and colours it takes from the editor.
#include "editor/editor_control.h"
#include "editor/gutter_look.h"
#include "editor/line_number_gutter.h"

#include <QApplication>
#include <QImage>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>
#include <QWidget>
#include <gtest/gtest.h>

using namespace wrenpad;

namespace {

QString numberedLines(int count) {
  QStringList lines;
  for (int n = 1; n <= count; ++n) lines << QStringLiteral("line %1 of the text").arg(n);
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
  std::vector<LineNumberGutter::ShownLine> shown() const { return gutter.linesIn(gutter.rect()); }
  std::vector<int> numbersShown() const {
    std::vector<int> numbers;
    for (const auto& line : shown()) numbers.push_back(line.number);
    return numbers;
  }
  LineNumberGutter::ShownLine shownLine(int number) const {
    for (const auto& line : shown())
      if (line.number == number) return line;
    ADD_FAILURE() << "line " << number << " is not shown";
    return {};
  }
  // Where the text starts: right of the gutter when it is shown.
  int textLeft() const { return edit.viewport()->geometry().left(); }
  QColor pixel(int x, int y) const { return gutter.grab().toImage().pixelColor(x, y); }
};

TEST_F(Gutter, NumbersAndWidthFollowTheLineCountAndOnlyLinesOnScreenAreDrawn) {
  editor.setText(numberedLines(5));
  EXPECT_EQ(textLeft(), edit.contentsRect().left());
  gutter.setShown(true);
  EXPECT_EQ(numbersShown(), (std::vector<int>{1, 2, 3, 4, 5}));
  const int oneDigit = gutter.width();
  EXPECT_EQ(gutter.geometry().left(), edit.contentsRect().left());
  EXPECT_EQ(textLeft(), gutter.geometry().right() + 1);
  // Each number stands beside its own line.
  for (int line = 0; line < 5; ++line) {
    const QRect caret = edit.cursorRect(QTextCursor(edit.document()->findBlockByNumber(line)));
    EXPECT_TRUE(shownLine(line + 1).strip.contains(QPoint(2, caret.center().y()))) << line;
  }

  // Lines typed and taken away: a tenth line widens the gutter by a digit,
  // the ninth narrows it again.
  editor.setSelStart(editor.textLength());
  editor.replaceSelection(QStringLiteral("\r\nsix\r\nseven\r\neight\r\nnine"));
  EXPECT_EQ(gutter.width(), oneDigit);
  editor.replaceSelection(QStringLiteral("\r\nten"));
  const int twoDigits = gutter.width();
  EXPECT_GT(twoDigits, oneDigit);
  EXPECT_EQ(textLeft(), edit.contentsRect().left() + twoDigits);
  EXPECT_EQ(numbersShown().back(), 10);
  editor.select(editor.positionOfLine(8), editor.textLength() - editor.positionOfLine(8));
  editor.replaceSelection(QStringLiteral("nine"));
  EXPECT_EQ(gutter.width(), oneDigit);
  EXPECT_EQ(numbersShown().back(), 9);

  // A long text: six digits, and only the lines on screen, counted from the
  // first one shown.
  editor.setText(numberedLines(150'000));
  EXPECT_EQ(lineNumberDigits(editor.lineCount()), 6);
  EXPECT_GT(gutter.width(), twoDigits);
  editor.scrollLines(90'000);
  const std::vector<int> numbers = numbersShown();
  ASSERT_FALSE(numbers.empty());
  EXPECT_EQ(numbers.front(), editor.firstVisibleLine() + 1);
  EXPECT_GT(numbers.front(), 80'000);
  EXPECT_EQ(numbers.back() - numbers.front() + 1, int(numbers.size()));
  EXPECT_LE(numbers.size(), std::size_t(gutter.height() / edit.fontMetrics().height() + 2));

  gutter.setShown(false);
  EXPECT_TRUE(gutter.isHidden());
  EXPECT_EQ(textLeft(), edit.contentsRect().left());
}

TEST_F(Gutter, MarksTheCaretLineAndTheErrorLineAndAClickPutsTheCaretOnALine) {
  editor.setText(numberedLines(20));
  gutter.setShown(true);
  editor.setSelStart(editor.positionOfLine(2) + 3);
  gutter.setErrorLine(6);
  QApplication::processEvents();
  for (const auto& line : shown()) {
    EXPECT_EQ(line.caret, line.number == 3) << line.number;
    EXPECT_EQ(line.error, line.number == 7) << line.number;
  }
  // Drawn: the caret's strip, the error's strip and bar, and the plain
  // background, all different, left of the numbers.
  const GutterColours look = gutterColoursFor(edit.palette().color(QPalette::Base),
                                              edit.palette().color(QPalette::Text));
  const int beforeNumbers = 4;
  EXPECT_EQ(pixel(beforeNumbers, shownLine(3).strip.center().y()), look.caretStrip);
  EXPECT_EQ(pixel(beforeNumbers, shownLine(7).strip.center().y()), look.errorStrip);
  EXPECT_EQ(pixel(1, shownLine(7).strip.center().y()), look.errorMark);
  EXPECT_EQ(pixel(beforeNumbers, shownLine(5).strip.center().y()), look.background);

  // A click on number 12 puts the caret at the start of that line.
  QTest::mouseClick(&gutter, Qt::LeftButton, {}, QPoint(gutter.width() / 2, shownLine(12).strip.center().y()));
  EXPECT_EQ(editor.selStart(), editor.positionOfLine(11));
  EXPECT_TRUE(shownLine(12).caret);
  EXPECT_FALSE(shownLine(3).caret);

  gutter.setErrorLine(std::nullopt);
  for (const auto& line : shown()) EXPECT_FALSE(line.error) << line.number;
}

TEST_F(Gutter, TakesTheEditorsFontAndZoomAndDrawsOnItsBackground) {
  editor.setText(numberedLines(30));
  gutter.setShown(true);
  const int usualWidth = gutter.width();
  const int usualPoints = gutter.font().pointSize();
  // A zoom of the widget changes the font the text is shown in.
  edit.zoomIn(4);
  QApplication::processEvents();
  EXPECT_EQ(gutter.font().pointSize(), edit.document()->defaultFont().pointSize());
  EXPECT_GT(gutter.font().pointSize(), usualPoints);

  editor.setDefaultFont({QStringLiteral("DejaVu Serif"), 20, 1, Qt::white});
  editor.setBackground(QColor(20, 30, 60));
  QApplication::processEvents();
  EXPECT_EQ(gutter.font().family(), edit.document()->defaultFont().family());
  EXPECT_EQ(gutter.font().pointSize(), 20);
  EXPECT_GT(gutter.width(), usualWidth);
  EXPECT_EQ(textLeft(), edit.contentsRect().left() + gutter.width());

  const GutterColours look = gutterColoursFor(QColor(20, 30, 60), Qt::white);
  EXPECT_EQ(pixel(4, shownLine(2).strip.center().y()), look.background);
  EXPECT_EQ(pixel(4, gutter.height() - 2), look.background);  // below the last line as well
}

TEST(GutterColours, NumbersAndMarksStayReadableOnEveryBackground) {
  const QColor backgrounds[] = {Qt::white, QColor(255, 255, 230), QColor(128, 128, 128), QColor(0, 0, 128),
                                Qt::black, QColor(255, 255, 0), QColor(200, 0, 0)};
  const QColor texts[] = {Qt::black, Qt::white, QColor(0, 0, 255), QColor(128, 128, 128)};
  for (const QColor& page : backgrounds) {
    for (const QColor& text : texts) {
      SCOPED_TRACE(QStringLiteral("%1 on %2").arg(text.name(), page.name()).toStdString());
      const GutterColours look = gutterColoursFor(page, text);
      EXPECT_GE(contrastRatio(look.number, look.background), kReadableContrast);
      EXPECT_GE(contrastRatio(look.caretNumber, look.caretStrip), kReadableContrast);
      EXPECT_GE(contrastRatio(look.errorNumber, look.errorStrip), kReadableContrast);
      EXPECT_NE(look.caretStrip, look.background);
      EXPECT_NE(look.errorStrip, look.background);
      EXPECT_NE(look.errorStrip, look.caretStrip);
      // Muted: the numbers stand out less than the text does, where the
      // text stands out well.
      if (contrastRatio(text, page) > 7) {
        EXPECT_LT(contrastRatio(look.number, look.background), contrastRatio(text, page));
      }
    }
  }
  EXPECT_NEAR(contrastRatio(Qt::black, Qt::white), 21.0, 1e-9);
  EXPECT_EQ(lineNumberDigits(9), 1);
  EXPECT_EQ(lineNumberDigits(10), 2);
  EXPECT_EQ(lineNumberDigits(1'000'000), 7);
}

}  // namespace
