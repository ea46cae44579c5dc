// SPDX-License-Identifier: GPL-3.0-or-later
// A dark editor background chosen with Option > Background Color: plain text
// turns light and tags, values, comments and keywords take colours that read
// on dark; back on a light background every colour is as before.
#include "support/document_window.h"

#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>
#include <gtest/gtest.h>

using namespace wrenpad;

namespace {

// Relative luminance as WCAG 2 defines it, worked out here on its own.
double luminance(const QColor& colour) {
  const auto channel = [](double value) {
    return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) + 0.0722 * channel(colour.blueF());
}
double contrast(const QColor& a, const QColor& b) {
  const double la = luminance(a), lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

const QColor kDark(0x20, 0x24, 0x2a);

struct DarkBackground : test::DocumentWindow {
  void SetUp() override {
    folder.write("KeyWords_cpp.ini", "|int\r\nreturn\r\n");
    DocumentWindow::SetUp();
  }

  QColor colourOf(const QString& piece) {
    auto* view = qobject_cast<QPlainTextEdit*>(main->editor().widget());
    QTextCursor cursor(view->document());
    cursor.setPosition(main->editor().toDocumentPosition(int(main->editor().text().indexOf(piece))) + 1);
    const QBrush brush = cursor.charFormat().foreground();
    return brush.style() == Qt::NoBrush ? view->palette().color(QPalette::Text) : brush.color();
  }
  void chooseBackground(const QColor& colour) {
    dialogs.colors.push_back(colour);
    main->action("mmBackGroundColor")->trigger();
  }
  // Every piece reads on the background: at least the contrast large text needs.
  void expectReadable(const QStringList& pieces) {
    for (const QString& piece : pieces)
      EXPECT_GE(contrast(colourOf(piece), main->editor().background()), 3.0) << piece.toStdString();
  }
};

TEST_F(DarkBackground, AProgramTurnsLightOnDarkAndBackOnWhite) {
  open("a.c", "int main(void) {\r\n  return 0; /* done */\r\n  s = \"x\";\r\n}\r\n");
  const QStringList pieces = {"main", "int", "return", "/* done", "\"x\""};
  QList<QColor> onWhite;
  for (const QString& piece : pieces) onWhite << colourOf(piece);

  chooseBackground(kDark);
  EXPECT_EQ(main->editor().background(), kDark);
  expectReadable(pieces);
  EXPECT_NE(colourOf("int"), colourOf("main"));
  EXPECT_NE(colourOf("/* done"), colourOf("\"x\""));
  // Text typed on the dark background is light too.
  main->editor().setSelStart(int(main->editor().text().indexOf("main")));
  QTest::keyClicks(main->editor().widget(), "q");
  expectReadable({"qmain"});

  chooseBackground(Qt::white);
  for (int i = 0; i < pieces.size(); ++i) EXPECT_EQ(colourOf(pieces[i]), onWhite[i]) << pieces[i].toStdString();
  EXPECT_EQ(colourOf("main"), QColor(Qt::black));
}

TEST_F(DarkBackground, PagesAndTextsFollowTheBackgroundTheyStartOn) {
  chooseBackground(kDark);
  open("p.htm", "<p class=\"a\">words<!-- note --></p>\r\n");
  EXPECT_EQ(main->editor().background(), kDark);
  expectReadable({"<p", "\"a\"", "words", "<!--"});
  EXPECT_NE(colourOf("<p"), colourOf("words"));

  open("notes.txt", "plain words\r\n");
  expectReadable({"plain"});

  // A page's own light background keeps today's colours.
  open("lit.htm", "<body bgcolor=\"#ffffff\">\r\n<p>words</p>\r\n</body>\r\n");
  EXPECT_EQ(colourOf("<p>"), main->colouring().TagColour);
  EXPECT_EQ(colourOf("words"), QColor(Qt::black));
}

}  // namespace
