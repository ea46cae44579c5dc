// SPDX-License-Identifier: GPL-3.0-or-later
// What the window shows: programs coloured as they open and as they are
// typed, colours that read on a dark background, a page rendered partly as
// a browser shows it, the faces that draw U+005C as a backslash or a yen
// sign, and tool-bar pictures drawn in the palette's text colour.
#include "colouring/tag_painter.h"
#include "editor/gutter_look.h"
#include "html/forms/link_dialog.h"
#include "platform/font_substitution.h"
#include "window/icons.h"
#include "support/format_dump.h"
#include "window_case.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QClipboard>
#include <QFontInfo>
#include <QGlyphRun>
#include <QLabel>
#include <QPainterPath>
#include <QRawFont>
#include <QScopeGuard>
#include <QTextBlock>
#include <QTextLayout>

using namespace wrenpad;

namespace {

const QColor kKeyword(0, 0, 255);
const QColor kString(0, 128, 128);
const QColor kComment(128, 128, 128);
const QColor kBlack(Qt::black);

struct Display : test::WindowCase {
  // What a fresh colouring of the text now in the editor shows.
  std::vector<test::ShownLine> freshColours() {
    main->programPainter().PaintWholeProgram();
    return test::shownLines(editor());
  }
};

// Programs open coloured too (TypingKeepsTheColoursOfAFreshColouring).
TEST_F(Display, APagesScriptOpensColouredInItsLanguage) {
  open("page.htm",
       "<html><body>\r\n<script type=\"text/javascript\">\r\n  if (x) return \"y\"; // note\r\n"
       "</script>\r\n<p class=\"z\">if</p>\r\n</body></html>\r\n");
  const std::pair<const char*, QColor> colours[] = {{"if (x)", kKeyword}, {"\"y\"", kString},
      {"// note", kComment}, {"<p class", kKeyword}, {"if</p>", kBlack}};
  for (const auto& [piece, colour] : colours) EXPECT_EQ(colourOf(piece), colour) << piece;
  // Typing in the script colours its line; on a dark background the page is
  // coloured again in colours that read.
  editor().setSelStart(at("  if (x)"));
  type("  return 1; ");
  EXPECT_EQ(colourOf("return 1;"), kKeyword);
  dialogs.colors = {QColor(0x20, 0x24, 0x2a)};
  trigger("mmBackGroundColor");
  EXPECT_GE(contrastRatio(colourOf("return 1;"), editor().background()), 3.0);
  EXPECT_NE(colourOf("return 1;"), kKeyword);
}

// Typed a character at a time, a program shows what a fresh colouring of the
// whole text shows, comments and strings opened and closed on the way. An
// opened comment reaches far: the lines near the caret at once, the rest at
// the quiet moment after typing.
TEST_F(Display, TypingKeepsTheColoursOfAFreshColouring) {
  QString program = "\r\n";
  // Under the size that switches colouring off on opening.
  for (int i = 0; i < 1000; ++i) program += QStringLiteral("  return %1;\r\n").arg(i);
  open("typed.cpp", program.toUtf8());
  editor().setSelStart(0);
  type("int f(int a) {\n  /* sum\n  of */ if (a) return \"a\\\"b\"; // end\n  for (;;) x;\n}\n");
  EXPECT_EQ(test::shownLines(editor()), freshColours());
  // Deleting the comment's closer makes the rest a comment.
  editor().setSelStart(at("*/") + 2);
  QTest::keyClick(editor().widget(), Qt::Key_Backspace);
  QTest::keyClick(editor().widget(), Qt::Key_Backspace);
  EXPECT_EQ(colourOf("return 10;"), kComment);
  EXPECT_EQ(colourOf("return 999;"), kKeyword);  // still to come
  main->Timer2Timer();
  EXPECT_EQ(colourOf("return 999;"), kComment);
  EXPECT_EQ(test::shownLines(editor()), freshColours());
}

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
      return drawn.contains(
          QPointF(box.left() + across * box.width(), box.top() + down * box.height()));
    };
    return filled(0.85, 0.1) && !filled(0.85, 0.9);
  }
  ADD_FAILURE() << "nothing drawn at " << position;
  return false;
}

// A first run: Japanese interface and faces.
struct Faces : Display {
  QByteArray settingsText() const override { return QByteArray(); }
  void SetUp() override {
    installFontSubstitutions();
    Display::SetUp();
  }
};

// The Japanese faces draw U+005C as a yen sign. A Shift-JIS or EUC-JP text
// keeps the yen sign its code means; a UTF-8 text, which has a yen sign of its
// own, and a program draw a backslash. Programs and the message pane share a
// monospaced face, the one the user chooses too.
TEST_F(Faces, BackslashesAreDrawnAsTheDocumentsCodeMeansThem) {
  const QByteArray line = "C:\\Users\\taro ";
  const struct {
    const char* name;
    QByteArray bytes;
    bool yen;
  } files[] = {
      {"utf8.txt", line + "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E \xC2\xA5\r\n", false},
      {"sjis.txt", line + "\x93\xfa\x96{\x8c\xea\x82\xcc\x83" "e\x83L\x83X\x83g\r\n", true},
      {"euc.txt",
       line + "\xc6\xfc\xcb\xdc\xb8\xec\xa4\xce\xa5\xc6\xa5\xad\xa5\xb9\xa5\xc8\r\n", true},
      {"a.c", line + "\r\n", false},
  };
  auto* edit = qobject_cast<QPlainTextEdit*>(editor().widget());
  const auto pane = [this] {
    return QFontInfo(main->findChild<MessagePane*>("CMsgWindow")->font()).family();
  };
  for (const auto& file : files) {
    ASSERT_TRUE(main->documents().OpenFile(folder.write(file.name, file.bytes))) << file.name;
    if (QFontInfo(QFont(editor().defaultFont().name)).family() != u"IPAPGothic" && file.yen)
      GTEST_SKIP() << "IPAPGothic, which draws U+005C as a yen sign, is not installed";
    EXPECT_EQ(drawnAsYen(*edit, 2), file.yen) << file.name;
    if (file.bytes.contains("\xC2\xA5")) {  // the yen sign stays one
      EXPECT_TRUE(drawnAsYen(*edit, int(edit->document()->firstBlock().length()) - 2));
    }
  }
  const auto face = [edit] {
    QTextCursor cursor(edit->document());
    cursor.setPosition(3);
    return QFontInfo(cursor.charFormat().font()).family();
  };
  EXPECT_EQ(pane(), face());
  dialogs.fonts.push_back(QFont(QStringLiteral("DejaVu Sans Mono"), 12));
  trigger("mmFont");
  EXPECT_EQ(face(), QStringLiteral("DejaVu Sans Mono"));
  EXPECT_EQ(pane(), QStringLiteral("DejaVu Sans Mono"));
}

QPalette darkPalette() {
  QPalette palette(QColor(0x35, 0x35, 0x35), QColor(0x2b, 0x2b, 0x2b));
  for (const auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
    palette.setColor(role, QColor(0xee, 0xee, 0xee));
  return palette;
}

// The mean lightness (0 to 255) of a picture's opaque pixels, and the least
// contrast of its solid pixels with `back`.
std::pair<double, double> inkOf(const QIcon& icon, const QColor& back) {
  const QImage image = icon.pixmap(QSize(24, 24)).toImage().convertToFormat(QImage::Format_ARGB32);
  double sum = 0, least = 21;
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QColor pixel = image.pixelColor(x, y);
      if (pixel.alpha() == 255) least = std::min(least, contrastRatio(pixel, back));
      if (pixel.alpha() < 200) continue;
      sum += pixel.lightness();
      ++count;
    }
  return {count ? sum / count : -1, least};
}

// Glyph pictures take the palette's text colour, the window's buttons after a
// change of palette too; coloured lines and the link dialog's red hint read on dark.
TEST_F(Display, ToolPicturesAndHintsReadOnTheirPalette) {
  const auto restore =
      qScopeGuard([before = QApplication::palette()] { QApplication::setPalette(before); });
  const QColor back = darkPalette().color(QPalette::Window);
  const char* const glyphs[] = {"tbFind", "tbReplace", "tbCut", "tbHTMLfont", "tbBold", "tbItalic",
                                "tbBulletList", "tbNumbering", "tbCenter", "tbRight", "tbBR"};
  QApplication::setPalette(darkPalette());
  for (const char* name : glyphs) EXPECT_GT(inkOf(toolIcon(name), back).first, 150) << name;
  EXPECT_GT(inkOf(main->action("tbBold")->icon(), back).first, 150);
  for (const char* name : {"tbLink", "tbUndo", "tbBrowse", "tbOpen", "tbSaveAs"})
    EXPECT_GE(inkOf(toolIcon(name), back).second, 2.95) << name;
  TLinkDialog dialog(nullptr);
  dialog.showValues(LinkValues{});
  const QLabel* hint = dialog.findChild<QLabel*>(QStringLiteral("BrinkerLabel1"));
  const QColor red(hint->styleSheet().section(u' ', -1));
  ASSERT_TRUE(red.isValid());
  EXPECT_GE(contrastRatio(red, back), 4.5);
  EXPECT_GT(red.red(), red.green());  // still red

  QApplication::setPalette(QPalette(Qt::lightGray, Qt::white));
  for (const char* name : glyphs) EXPECT_LT(inkOf(toolIcon(name), back).first, 100) << name;
  EXPECT_LT(inkOf(main->action("tbBold")->icon(), back).first, 100);
}

}  // namespace
