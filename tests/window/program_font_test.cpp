// SPDX-License-Identifier: GPL-3.0-or-later
// Program documents and the compiler message pane show code in one face, a
// monospaced one that draws U+005C as a backslash (the Japanese gothic faces
// draw it as a yen sign); texts and pages keep the Japanese face.
#include "documents/document_commands.h"
#include "platform/font_substitution.h"
#include "support/window_fixture.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPlainTextEdit>
#include <QRawFont>
#include <gtest/gtest.h>

using namespace wrenpad;

namespace {

// The ink of one character drawn large in `family`, cut to its bounds and
// scaled to 32 by 32, so glyphs of different widths compare.
QImage inkOf(const QString& family, QChar character) {
  QImage canvas(96, 96, QImage::Format_Grayscale8);
  canvas.fill(255);
  QFont font(family);
  font.setPixelSize(48);
  QPainter painter(&canvas);
  painter.setFont(font);
  painter.drawText(20, 70, QString(character));
  painter.end();
  QRect ink;
  for (int y = 0; y < canvas.height(); ++y)
    for (int x = 0; x < canvas.width(); ++x)
      if (qGray(canvas.pixel(x, y)) < 128) ink |= QRect(x, y, 1, 1);
  return ink.isEmpty() ? QImage() : canvas.copy(ink).scaled(32, 32);
}

// Shared ink over all ink of two 32 by 32 pictures.
double overlap(const QImage& a, const QImage& b) {
  if (a.isNull() || b.isNull()) return 0;
  int both = 0, either = 0;
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      const bool inA = qGray(a.pixel(x, y)) < 128, inB = qGray(b.pixel(x, y)) < 128;
      both += inA && inB;
      either += inA || inB;
    }
  return either ? double(both) / either : 0;
}

// A backslash is a slash seen in a mirror; a yen sign drawn for U+005C looks
// like U+00A5 instead. Each face's glyph indexes differ, so only the shapes tell.
bool drawsBackslash(const QString& family) {
  const QImage backslash = inkOf(family, u'\\');
  return overlap(backslash.mirrored(true, false), inkOf(family, u'/')) > overlap(backslash, inkOf(family, QChar(0xA5)));
}

struct ProgramFont : ::testing::Test {
  test::TempFolder folder;
  test::ScriptedDialogs dialogs;
  std::unique_ptr<TMain> main;
  void SetUp() override { installFontSubstitutions(); }
  void TearDown() override {
    if (main) test::closeWithoutSaving(*main);
  }
  void start(const QByteArray& settings) { main = test::startWindow(folder, dialogs, {}, settings); }

  // The face the editor shows the character at `position` in.
  QString editorFaceAt(int position) {
    auto* view = qobject_cast<QPlainTextEdit*>(main->editor().widget());
    QTextCursor cursor(view->document());
    cursor.setPosition(main->editor().toDocumentPosition(position) + 1);
    return QFontInfo(cursor.charFormat().font()).family();
  }
  QString paneFace() {
    return QFontInfo(main->findChild<MessagePane*>("CMsgWindow")->font()).family();
  }
  void expectCodeFace(const QString& face) {
    EXPECT_TRUE(drawsBackslash(face)) << face.toStdString();
    const QFontMetrics metrics{QFont(face)};
    EXPECT_EQ(metrics.horizontalAdvance(u'i'), metrics.horizontalAdvance(u'W')) << face.toStdString();
    EXPECT_EQ(paneFace(), face);
    if (QFontDatabase::hasFamily(QStringLiteral("Noto Sans Mono CJK JP"))) {
      EXPECT_EQ(face, QStringLiteral("Noto Sans Mono CJK JP"));
      EXPECT_TRUE(QRawFont::fromFont(QFont(face)).supportsCharacter(QChar(0x6F22)));  // a kanji
    }
  }
};

TEST_F(ProgramFont, ProgramsAndMessagesShareAFaceThatDrawsABackslash) {
  // The gothic face standing in for the program's Japanese face draws a yen
  // sign: that is the fault the program face avoids.
  ASSERT_FALSE(drawsBackslash(QFontInfo(QFont(kFixedGothic)).family()));

  start({});  // a first run: Japanese interface and faces
  main->documents().OpenFile(folder.write("a.c", "int main(void) {\r\n  printf(\"\\n\");\r\n}\r\n"));
  expectCodeFace(editorFaceAt(int(main->editor().text().indexOf(u'\\'))));

  // A Shift-JIS text keeps the Japanese face the user has, yen sign and all
  // (a UTF-8 text draws its backslash apart: see backslash_glyph_test.cpp).
  main->documents().OpenFile(folder.write("notes.txt", "\x93\xfa\x96{\x8c\xea C:\\\r\n"));
  EXPECT_EQ(editorFaceAt(0), QFontInfo(QFont(kProportionalGothic)).family());
}

TEST_F(ProgramFont, TheEnglishInterfaceAndAChosenFaceKeepEditorAndPaneTogether) {
  start(test::kEnglishSettings);
  main->documents().OpenFile(folder.write("a.cpp", "int main() { return '\\\\'; }\r\n"));
  expectCodeFace(editorFaceAt(int(main->editor().text().indexOf(u'\\'))));

  // A face the user chooses for programs is shown by the pane too.
  dialogs.fonts.push_back(QFont(QStringLiteral("DejaVu Sans Mono"), 12));
  main->action("mmFont")->trigger();
  EXPECT_EQ(editorFaceAt(0), QStringLiteral("DejaVu Sans Mono"));
  EXPECT_EQ(paneFace(), QStringLiteral("DejaVu Sans Mono"));
}

}  // namespace
