// SPDX-License-Identifier: GPL-3.0-or-later
// The Japanese faces draw U+005C as a yen sign. A UTF-8 document, which has
// a yen sign of its own, draws its backslash as a backslash; a Shift-JIS or
// EUC-JP document keeps the yen sign its code means at 0x5C.
#include "documents/document_commands.h"
#include "editor/editor_control.h"
#include "platform/font_substitution.h"
#include "window/main_window.h"
#include "support/window_fixture.h"

#include <QAbstractTextDocumentLayout>
#include <QFontInfo>
#include <QGlyphRun>
#include <QPainterPath>
#include <QRawFont>
#include <QTextBlock>
#include <QTextDocument>
#include <QPlainTextEdit>
#include <QTextLayout>
#include <gtest/gtest.h>

using namespace wrenpad;

namespace {

// Whether the character at `position` of the first line is drawn as a yen
// sign: the arms of a Y fill the top right of the glyph and leave the bottom
// right empty, a backslash the other way round.
bool drawnAsYen(const QPlainTextEdit& edit, int position) {
  const QTextBlock block = edit.document()->firstBlock();
  edit.document()->documentLayout()->blockBoundingRect(block);  // lays the line out
  for (const QGlyphRun& run : block.layout()->glyphRuns(position, 1)) {
    QRawFont face = run.rawFont();
    face.setPixelSize(100);
    const QPainterPath drawn = face.pathForGlyph(run.glyphIndexes().value(0));
    const QRectF box = drawn.boundingRect();
    const auto filled = [&](double across, double down) {
      return drawn.contains(QPointF(box.left() + across * box.width(), box.top() + down * box.height()));
    };
    return filled(0.85, 0.1) && !filled(0.85, 0.9);
  }
  ADD_FAILURE() << "nothing drawn at " << position;
  return false;
}

TEST(BackslashGlyph, AUtf8DocumentDrawsItsBackslashApartFromItsYenSign) {
  installFontSubstitutions();
  test::TempFolder folder;
  test::ScriptedDialogs dialogs;
  std::unique_ptr<TMain> main = test::startWindow(folder, dialogs);
  const QByteArray line = "C:\\Users\\taro ";
  const struct {
    const char* name;
    QByteArray bytes;
    bool yen;
  } files[] = {
      {"utf8.txt", line + "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E \xC2\xA5\r\n", false},
      {"sjis.txt", line + "\x93\xfa\x96{\x8c\xea\x82\xcc\x83" "e\x83L\x83X\x83g\r\n", true},
      {"euc.txt", line + "\xc6\xfc\xcb\xdc\xb8\xec\xa4\xce\xa5\xc6\xa5\xad\xa5\xb9\xa5\xc8\r\n", true},
  };
  auto* edit = qobject_cast<QPlainTextEdit*>(main->editor().widget());
  ASSERT_TRUE(edit);
  for (const auto& file : files) {
    ASSERT_TRUE(main->documents().OpenFile(folder.write(file.name, file.bytes))) << file.name;
    if (QFontInfo(QFont(main->editor().defaultFont().name)).family() != u"IPAPGothic")
      GTEST_SKIP() << "IPAPGothic, which draws U+005C as a yen sign, is not installed";
    EXPECT_EQ(drawnAsYen(*edit, 2), file.yen) << file.name;
    if (!file.yen) {  // the yen sign stays one
      EXPECT_TRUE(drawnAsYen(*edit, int(edit->document()->firstBlock().length()) - 2)) << file.name;
    }
  }
  test::closeWithoutSaving(*main);
}

}  // namespace
