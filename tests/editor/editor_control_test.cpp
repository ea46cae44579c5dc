// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/editor_control.h"

#include <QApplication>
#include <QClipboard>
#include <QFontMetrics>
#include <QImage>
#include <QInputMethodEvent>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <QPlainTextEdit>
#include <random>
#include <QWidget>
#include <gtest/gtest.h>

#include "support/format_dump.h"
#include "text/tag_index.h"

using namespace wrenpad;

namespace {
CharAttributes Attributes(QColor colour, std::optional<QString> font = {}, std::optional<int> size = {}) {
  CharAttributes attributes;
  attributes.color = colour;
  attributes.fontName = font;
  attributes.sizePoints = size;
  return attributes;
}

// The foreground the layout gives the character at `column` of the first
// line, from the formats laid over the document's own (the pre-edit ones).
QColor overlaidColourAt(QPlainTextEdit& view, int column) {
  QColor colour;
  for (const QTextLayout::FormatRange& range : view.document()->firstBlock().layout()->formats())
    if (column >= range.start && column < range.start + range.length && range.format.hasProperty(QTextFormat::ForegroundBrush))
      colour = range.format.foreground().color();
  return colour;
}

struct Editor : ::testing::Test {
  QWidget parent;
  EditorControl editor{&parent};
};
}  // namespace

TEST_F(Editor, PositionsCountALineBreakAsTwoAcrossJapaneseTextAndUndoIsOneLevel) {
  editor.setText(QString::fromUtf8("日本語\nab\r\ncd"));
  EXPECT_EQ(editor.text(), QString::fromUtf8("日本語\r\nab\r\ncd"));
  EXPECT_EQ(editor.lineCount(), 3);
  // Line 1 starts after three characters and CR LF.
  EXPECT_EQ((std::vector{editor.positionOfLine(0), editor.positionOfLine(1), editor.positionOfLine(2),
                         editor.positionOfLine(3)}), (std::vector{0, 5, 9, -1}));
  EXPECT_EQ((std::vector{editor.lineFromPosition(4), editor.lineFromPosition(5), editor.lineFromPosition(10)}),
            (std::vector{0, 1, 2}));
  editor.select(5, 2);
  EXPECT_EQ(editor.selText(), "ab");
  // A selection across a line break counts the break as two characters.
  editor.select(1, 6);
  EXPECT_EQ(editor.selText(), QString::fromUtf8("本語\r\nab"));
  EXPECT_EQ(editor.selLength(), 6);
  // Replacing leaves the caret after the inserted text.
  editor.select(9, 0);
  editor.replaceSelection("X\r\nY");
  EXPECT_EQ(editor.text(), QString::fromUtf8("日本語\r\nab\r\nX\r\nYcd"));
  EXPECT_EQ(std::pair(editor.selStart(), editor.selLength()), std::pair(13, 0));

  // One level of undo: a second undo redoes.
  editor.setText("abc");
  EXPECT_FALSE(editor.canUndo());
  editor.select(3, 0);
  editor.replaceSelection("def");
  editor.undo();
  EXPECT_EQ(editor.text(), "abc");
  editor.undo();
  EXPECT_EQ(editor.text(), "abcdef");
}

TEST_F(Editor, FormatsNeitherModifyNorRaiseTextChanged) {
  editor.setText("<b>bold</b>");
  editor.setModified(false);
  QSignalSpy changes(&editor, &EditorControl::textChanged);
  const quint64 revision = editor.revision();
  editor.select(0, 3);
  CharAttributes tag = Attributes(QColor(0, 0, 255), QString::fromUtf8("ＭＳ Ｐゴシック"), 11);
  tag.charset = 128;
  tag.bold = false;
  editor.setSelAttributes(tag);
  EXPECT_FALSE(editor.isModified());
  EXPECT_EQ(changes.count(), 0);
  EXPECT_EQ(editor.revision(), revision);
  editor.select(1, 1);
  const CharAttributes read = editor.selAttributes();
  EXPECT_EQ(std::tuple(*read.color, *read.fontName, *read.sizePoints, *read.charset),
            std::tuple(*tag.color, *tag.fontName, 11, 128));
  // Uncoloured text reads back the default colour.
  editor.select(4, 1);
  EXPECT_EQ(*editor.selAttributes().color, editor.defaultFont().color);
  editor.resetAllFormats();
  editor.select(1, 1);
  EXPECT_EQ(*editor.selAttributes().color, editor.defaultFont().color);
  EXPECT_FALSE(editor.isModified());
  editor.select(0, 0);
  editor.replaceSelection("x");
  EXPECT_TRUE(editor.isModified());
  EXPECT_EQ(changes.count(), 1);
}

TEST_F(Editor, ClipboardAndLines) {
  editor.setText("one\r\ntwo\r\n");
  EXPECT_EQ(editor.line(1), "two");
  EXPECT_EQ(editor.line(2), "");
  editor.select(5, 3);
  editor.copyToClipboard();
  EXPECT_EQ(QApplication::clipboard()->text(), "two");
  // Copied lines end with LF, as other programs here expect.
  editor.select(0, 8);
  editor.copyToClipboard();
  EXPECT_EQ(QApplication::clipboard()->text(), "one\ntwo");
  // Or with the break the program chooses, which the widget's own copy
  // (Ctrl+Insert) and cut (Shift+Delete) carry as well.
  QString lineBreak = "\r\n";
  editor.setCopiedLineBreak([&lineBreak] { return lineBreak; });
  editor.copyToClipboard();
  EXPECT_EQ(QApplication::clipboard()->text(), "one\r\ntwo");
  QApplication::clipboard()->clear();
  QTest::keyClick(editor.widget(), Qt::Key_Insert, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), "one\r\ntwo");
  lineBreak = "\n";
  QTest::keyClick(editor.widget(), Qt::Key_Delete, Qt::ShiftModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), "one\ntwo");
  EXPECT_EQ(editor.text(), "\r\n");
}

TEST_F(Editor, ANewOrRestoredTextStartsWithTheDefaultFormatAndBatchFormatsLandExactly) {
  editor.setDefaultFont({"DejaVu Sans", 12, 1, Qt::black});
  const CharAttributes blue = Attributes(QColor(0, 0, 255));
  const EditorControl::FormatRun tag{0, 3, blue};
  editor.setText("<p>");
  editor.applyFormats({tag});
  editor.setSelStart(1);  // inside the blue tag
  editor.setText("");
  editor.replaceSelection("typed");
  editor.select(0, 1);
  EXPECT_EQ(*editor.selAttributes().color, QColor(Qt::black));

  editor.setText("<p>");
  editor.applyFormats({tag});
  editor.setSelStart(2);
  editor.replaceSelection("x");  // an edit the control can undo
  editor.undo();
  editor.setSelStart(2);
  editor.replaceSelection("y");
  editor.select(2, 1);
  EXPECT_EQ(*editor.selAttributes().color, QColor(Qt::black));
  // Batch formats land on the right characters across lines, unmodified.
  editor.setText(QString::fromUtf8("<a>\r\n日本<b>\r\n<c>"));
  editor.setModified(false);
  // "<b>" starts at 7: three characters, CR LF, two kanji.
  editor.applyFormats({{0, 3, blue}, {7, 3, blue}, {12, 3, blue}});
  EXPECT_FALSE(editor.isModified());
  for (int position : {0, 2, 5, 6, 7, 9, 12, 14}) {
    editor.select(position, 1);
    EXPECT_EQ(*editor.selAttributes().color, position == 5 || position == 6 ? QColor(Qt::black) : *blue.color) << position;
  }
}

// The CR LF text is kept up to date change by change; after any run of edits
// it must equal the text read afresh from the widget. The changes it reports
// keep a tag index that agrees with one built afresh.
TEST_F(Editor, TheKeptTextAgreesWithTheDocumentAfterRandomEdits) {
  auto* view = qobject_cast<QPlainTextEdit*>(editor.widget());
  const auto fresh = [view] { return view->toPlainText().replace(QStringLiteral("\n"), QStringLiteral("\r\n")); };
  const QStringList pieces = {"a", "\r\n", "日本", "x\r\ny", "", "\r\n\r\n", "<b>", "</B>", "<table", "</p>",
                              QString::fromUcs4(U"\U0001F600")};
  std::mt19937 random(20261206);
  editor.setText("start\r\nof the text\r\n");
  TagIndex followed;
  followed.rebuild(editor.text());
  QObject::connect(&editor, &EditorControl::textChanged, [&] {
    if (const auto splice = editor.lastSplice())
      followed.splice(editor.text(), splice->start, splice->removed, splice->added);
    else
      followed.rebuild(editor.text());
  });
  for (int step = 0; step < 2000; ++step) {
    const int length = editor.textLength();
    const int start = std::uniform_int_distribution<int>(0, length)(random);
    const int span = std::uniform_int_distribution<int>(0, std::min(6, length - start))(random);
    editor.select(start, span);
    switch (std::uniform_int_distribution<int>(0, 9)(random)) {
      case 0: editor.undo(); break;
      case 1: QTest::keyClick(view, Qt::Key_Backspace); break;
      case 2: QTest::keyClick(view, Qt::Key_Return); break;
      case 3: QTest::keyClick(view, Qt::Key_Delete); break;
      default: editor.replaceSelection(pieces[std::uniform_int_distribution<int>(0, int(pieces.size()) - 1)(random)]);
    }
    ASSERT_EQ(editor.text(), fresh()) << "after step " << step;
    TagIndex rebuilt;
    rebuilt.rebuild(editor.text());
    for (int tag = 0; tag < TagIndex::kTags; ++tag)
      ASSERT_EQ(followed.starts(TagIndex::Tag(tag)), rebuilt.starts(TagIndex::Tag(tag))) << "after step " << step;
  }
}

// A composition given up (Esc in the input method) changes nothing; text
// composed right after a coloured tag takes the plain colour while the input
// method's underline stays; the committed text is an edit.
TEST_F(Editor, ComposedTextTakesThePlainColourAndOnlyACommitIsAnEdit) {
  editor.setText("<b>\r\nline two");
  EditorControl::FormatRun tag;
  tag.length = 3;
  tag.attributes.color = QColor(Qt::blue);
  editor.applyFormats({tag});
  editor.setModified(false);
  editor.select(3, 0);
  auto& view = *qobject_cast<QPlainTextEdit*>(editor.widget());
  const quint64 revision = editor.revision();
  for (const char* shown : {"に", "にほ", "にほんご", ""}) {
    QInputMethodEvent composing(QString::fromUtf8(shown), {});
    QCoreApplication::sendEvent(&view, &composing);
  }
  EXPECT_EQ(editor.text(), "<b>\r\nline two");
  EXPECT_FALSE(editor.isModified());
  EXPECT_EQ(editor.revision(), revision);

  QTextCharFormat underline;
  underline.setFontUnderline(true);
  QInputMethodEvent composing(QStringLiteral("にほん"), {{QInputMethodEvent::TextFormat, 0, 3, underline}});
  QCoreApplication::sendEvent(&view, &composing);
  EXPECT_EQ(overlaidColourAt(view, 4), editor.defaultFont().color);
  bool underlined = false;
  for (const QTextLayout::FormatRange& range : view.document()->firstBlock().layout()->formats())
    underlined |= range.format.fontUnderline();
  EXPECT_TRUE(underlined);

  QInputMethodEvent commit;
  commit.setCommitString(QStringLiteral("日本"));
  QCoreApplication::sendEvent(&view, &commit);
  EXPECT_EQ(editor.text(), QStringLiteral("<b>日本\r\nline two"));
  EXPECT_TRUE(view.document()->firstBlock().layout()->formats().isEmpty());
  EXPECT_TRUE(editor.isModified());
}

// Repainting lines slice by slice, over whatever formats and alignments the
// lines held, gives exactly what one batch from plain gives; a second pass
// finds nothing to change.
TEST(EditorRepaint, SlicesGiveTheFormatsOfOneBatchAndTouchOnlyChangedLines) {
  std::mt19937 random(20261206);
  const auto below = [&random](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
  QString text;
  for (int line = 0; line < 300; ++line) {
    text += QString(below(40), QChar(u'a' + below(26)));
    if (below(5) == 0) text += QString::fromUtf8("日本語");
    text += QStringLiteral("\r\n");
  }
  const QColor colours[] = {Qt::blue, Qt::red, QColor(0, 128, 128), Qt::gray};
  const auto randomRuns = [&](int count) {
    std::vector<EditorControl::FormatRun> runs{
        {0, int(text.size()), Attributes(Qt::black, QStringLiteral("IPAGothic"), 11)}};
    for (int i = 0; i < count; ++i) {
      const int start = below(int(text.size()));
      const int length = std::min(1 + below(below(4) == 0 ? 400 : 12), int(text.size()) - start);
      EditorControl::FormatRun run{start, length, Attributes(colours[below(4)])};
      if (below(3) == 0) run.attributes.bold = below(2) == 0;
      if (below(4) == 0) run.attributes.sizePoints = 8 + below(10);
      runs.push_back(run);
    }
    return runs;
  };
  const std::vector<EditorControl::FormatRun> runs = randomRuns(2000);
  // Centred and right-aligned stretches, some empty, some over many lines.
  std::vector<EditorControl::AlignmentRun> alignments;
  for (int i = 0; i < 60; ++i) {
    const int start = below(int(text.size()));
    const int length = std::min(below(3) == 0 ? 0 : below(2000), int(text.size()) - start);
    alignments.push_back({start, length, below(2) == 0 ? Alignment::Center : Alignment::Right});
  }

  QWidget parent;
  EditorControl batch(&parent);
  batch.setText(text);
  batch.applyFormats(runs, true, alignments);

  EditorControl sliced(&parent);
  sliced.setText(text);
  sliced.setModified(false);
  sliced.applyFormats(randomRuns(500), false);  // old colours to paint over
  for (int line : {3, 150, 299}) {
    sliced.setSelStart(sliced.positionOfLine(line));
    sliced.setParagraphAlignment(Alignment::Center);
  }
  for (int first = 0; first < sliced.lineCount();) {
    const int last = first + below(40);
    sliced.repaintLines(first, last, runs, alignments);
    first = last + 1;
  }
  EXPECT_TRUE(test::shownLines(sliced) == test::shownLines(batch));
  EXPECT_EQ(sliced.repaintLines(0, sliced.lineCount() - 1, runs, alignments), 0);
  EXPECT_EQ(sliced.text(), text);
  EXPECT_FALSE(sliced.isModified());
}

// The line-by-line layout still shows a paragraph's alignment: the ink of a
// centred line sits in the middle of the editor, that of a right-aligned
// line at its right.
TEST(EditorAlignment, CentredAndRightAlignedLinesAreDrawnWhereTheirAlignmentSays) {
  QWidget parent;
  parent.resize(600, 200);
  EditorControl editor(&parent);
  editor.widget()->resize(600, 200);
  editor.setText("left\r\ncentre\r\nright");
  editor.setSelStart(editor.positionOfLine(1));
  editor.setParagraphAlignment(Alignment::Center);
  editor.setSelStart(editor.positionOfLine(2));
  editor.setParagraphAlignment(Alignment::Right);
  EXPECT_EQ(editor.paragraphAlignment(), Alignment::Right);
  parent.show();
  const QImage image = editor.widget()->grab().toImage();
  auto* view = qobject_cast<QPlainTextEdit*>(editor.widget());
  // Leftmost and rightmost dark pixel in the rows of a line, the frame and
  // the scroll bar aside.
  const auto ink = [&](int line) {
    const QRect caret = view->cursorRect(QTextCursor(view->document()->findBlockByNumber(line)));
    const int top = view->viewport()->y() + caret.top();
    int left = image.width(), right = -1;
    for (int y = top; y <= top + caret.height(); ++y) {
      for (int x = 2; x < image.width() - 30; ++x) {
        if (qGray(image.pixel(x, y)) >= 100) continue;
        left = std::min(left, x);
        right = std::max(right, x);
      }
    }
    return std::pair(left, right);
  };
  const auto [centreStart, centreEnd] = ink(1);
  const auto [rightStart, rightEnd] = ink(2);
  const int width = image.width() - 20;
  EXPECT_LT(ink(0).first, 20);
  EXPECT_GT(centreStart, width / 3);
  EXPECT_LT(centreEnd, 2 * width / 3);
  EXPECT_GT(rightStart, width / 2);
  EXPECT_GT(rightEnd, width - 60);
}
