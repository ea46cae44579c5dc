// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/editor_control.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <QPlainTextEdit>
#include <random>
#include <QWidget>
#include <gtest/gtest.h>

#include "text/tag_index.h"

using namespace wrenpad;

namespace {
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

TEST_F(Editor, PositionsCountALineBreakAsTwoAcrossJapaneseText) {
  editor.setText(QString::fromUtf8("日本語\nab\r\ncd"));
  EXPECT_EQ(editor.text(), QString::fromUtf8("日本語\r\nab\r\ncd"));
  EXPECT_EQ(editor.lineCount(), 3);
  // Line 1 starts after three characters and CR LF.
  EXPECT_EQ((std::vector{editor.positionOfLine(0), editor.positionOfLine(1), editor.positionOfLine(2),
                         editor.positionOfLine(3)}), (std::vector{0, 5, 9, -1}));
  EXPECT_EQ((std::vector{editor.lineFromPosition(4), editor.lineFromPosition(5), editor.lineFromPosition(10)}),
            (std::vector{0, 1, 2}));
  // A selection across a line break counts the break as two characters.
  editor.select(1, 6);
  EXPECT_EQ(editor.selText(), QString::fromUtf8("本語\r\nab"));
  EXPECT_EQ(editor.selLength(), 6);
  // Replacing leaves the caret after the inserted text.
  editor.select(9, 0);
  editor.replaceSelection("X\r\nY");
  EXPECT_EQ(editor.text(), QString::fromUtf8("日本語\r\nab\r\nX\r\nYcd"));
  EXPECT_EQ(std::pair(editor.selStart(), editor.selLength()), std::pair(13, 0));
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

TEST_F(Editor, ANewOrRestoredTextStartsWithTheDefaultFormat) {
  editor.setDefaultFont({"DejaVu Sans", 12, 1, Qt::black});
  EditorControl::FormatRun tag{0, 3, {}};
  tag.attributes.color = QColor(0, 0, 255);
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
}

// The CR LF text is kept up to date change by change; after any run of edits
// it must equal the text read afresh from the widget. The changes it reports
// keep a tag index that agrees with one built afresh.
TEST_F(Editor, TheKeptTextAgreesWithTheDocumentAfterRandomEdits) {
  auto* view = qobject_cast<QPlainTextEdit*>(editor.widget());
  const auto fresh = [view] { return view->toPlainText().replace(QStringLiteral("\n"), QStringLiteral("\r\n")); };
  // Pieces that make, split and join tags in both cases, with a capital
  // dotted I that lowers to "i".
  const QStringList pieces = {"a", "\r\n", "日本", "x\r\ny", "", "<", ">", "b", "B>", "</", "<b>", "</B>",
                              "<I>", "</i>", "<u>", "<TABLE", "</table", "<script", "</SCRIPT", "<head",
                              "</head>", "<p ", "</P>", "<div ", "</div>", "<d", "iv ",
                              QString::fromUtf8("<\xC4\xB0>"), QString::fromUcs4(U"\U0001F600")};
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
