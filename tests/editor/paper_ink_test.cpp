// SPDX-License-Identifier: GPL-3.0-or-later
// Text colours on white paper: colours that vanish on white print black,
// colours that read on white print as they are, and no text keeps a
// background.
#include "editor/paper_ink.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>

using namespace wrenpad;

namespace {

TEST(PaperInk, ADocumentLosesItsBackgroundsAndLightTextTurnsBlackWhileTheRestStays) {
  QTextDocument document;
  QTextCursor cursor(&document);
  const auto write = [&cursor](const QString& text, const QColor& foreground, const QColor& background) {
    QTextCharFormat format;
    format.setForeground(foreground);
    if (background.isValid()) format.setBackground(background);
    format.setFontItalic(true);
    cursor.insertText(text, format);
  };
  write("white on black ", Qt::white, Qt::black);
  write("yellow ", Qt::yellow, QColor());
  write("red", Qt::red, QColor());
  cursor.insertText("\nplain", QTextCharFormat());

  prepareForPaper(document);

  // The format of the character at `position`.
  const auto formatAt = [&document](int position) {
    QTextCursor at(&document);
    at.setPosition(position + 1);
    return at.charFormat();
  };
  EXPECT_EQ(document.toPlainText(), "white on black yellow red\nplain");
  EXPECT_EQ(formatAt(0).foreground().color(), QColor(Qt::black));   // white
  EXPECT_EQ(formatAt(15).foreground().color(), QColor(Qt::black));  // yellow
  EXPECT_EQ(formatAt(22).foreground().color(), QColor(Qt::red));
  EXPECT_FALSE(formatAt(26).hasProperty(QTextFormat::ForegroundBrush));  // plain
  for (int position = 0; position < 31; ++position) {
    if (position == 25) continue;  // the line break
    EXPECT_FALSE(formatAt(position).hasProperty(QTextFormat::BackgroundBrush)) << position;
    EXPECT_EQ(formatAt(position).fontItalic(), position < 25) << position;
  }
}

}  // namespace
