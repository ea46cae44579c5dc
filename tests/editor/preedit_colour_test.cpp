// SPDX-License-Identifier: GPL-3.0-or-later
// Text being composed in an input method right after a coloured tag.
#include "editor/editor_control.h"

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextLayout>
#include <QWidget>
#include <gtest/gtest.h>

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

}  // namespace

TEST(Preedit, ComposedTextTakesThePlainColourNotTheTagsAndTheInputMethodsUnderlineStays) {
  QWidget parent;
  EditorControl editor(&parent);
  editor.setText("<b>");
  EditorControl::FormatRun tag;
  tag.length = 3;
  tag.attributes.color = QColor(Qt::blue);
  editor.applyFormats({tag});
  editor.select(3, 0);
  auto& view = *qobject_cast<QPlainTextEdit*>(editor.widget());

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
  EXPECT_EQ(editor.text(), QStringLiteral("<b>日本"));
  EXPECT_TRUE(view.document()->firstBlock().layout()->formats().isEmpty());
}

// A composition given up (Esc in the input method) changes nothing; one
// committed is an edit.
TEST(Preedit, ACompositionThatCommitsNothingLeavesTheDocumentUnchanged) {
  QWidget parent;
  EditorControl editor(&parent);
  editor.setText("line one\r\nline two");
  editor.setModified(false);
  editor.select(8, 0);
  auto& view = *qobject_cast<QPlainTextEdit*>(editor.widget());
  const quint64 revision = editor.revision();
  for (const char* shown : {"に", "にほ", "にほんご", ""}) {
    QInputMethodEvent composing(QString::fromUtf8(shown), {});
    QCoreApplication::sendEvent(&view, &composing);
  }
  EXPECT_EQ(editor.text(), "line one\r\nline two");
  EXPECT_FALSE(editor.isModified());
  EXPECT_EQ(editor.revision(), revision);

  QInputMethodEvent commit;
  commit.setCommitString(QStringLiteral("日本語"));
  QCoreApplication::sendEvent(&view, &commit);
  EXPECT_EQ(editor.text(), QStringLiteral("line one日本語\r\nline two"));
  EXPECT_TRUE(editor.isModified());
}
