// SPDX-License-Identifier: GPL-3.0-or-later
// Program colouring in the window: a program opens coloured; typing keeps the
// colours what a fresh colouring of the same text gives; a page's script is
// coloured as a program.
#include "support/document_window.h"
#include "support/format_dump.h"

#include <QPlainTextEdit>
#include <QTest>

using namespace wrenpad;

namespace {

const QColor kKeyword(0, 0, 255);
const QColor kString(0, 128, 128);
const QColor kComment(128, 128, 128);

struct ProgramColouring : test::DocumentWindow {
  void SetUp() override {
    folder.write("KeyWords_cpp.ini", "|int\r\n|void\r\nreturn\r\nfor\r\nif\r\nelse|\r\n");
    folder.write("KeyWords_pas.ini", "|begin|\r\n|end.|\r\nmy\r\n|print\r\n");
    DocumentWindow::SetUp();
    QApplication::setActiveWindow(main.get());
  }

  QColor colourAt(int position) {
    auto* view = qobject_cast<QPlainTextEdit*>(main->editor().widget());
    QTextCursor cursor(view->document());
    cursor.setPosition(main->editor().toDocumentPosition(position) + 1);
    return cursor.charFormat().foreground().color();
  }
  QColor colourOf(const QString& piece) { return colourAt(int(main->editor().text().indexOf(piece))); }
  // The formats a fresh colouring of the text now in the editor gives.
  std::vector<test::ShownLine> freshColours() {
    main->programPainter().PaintWholeProgram();
    return test::shownLines(main->editor());
  }
  void type(const QString& text) {
    for (QChar c : text) {
      if (c == u'\n')
        QTest::keyClick(main->editor().widget(), Qt::Key_Return);
      else
        QTest::keyClicks(main->editor().widget(), QString(c));
    }
  }
};

TEST_F(ProgramColouring, AProgramOpensColouredInItsLanguage) {
  open("a.c", "int main(void) {\r\n  return 0; /* done */\r\n  s = \"x\";\r\n}\r\n");
  EXPECT_EQ(colourOf("int"), kKeyword);
  EXPECT_EQ(colourOf("return"), kKeyword);
  EXPECT_EQ(colourOf("/* done"), kComment);
  EXPECT_EQ(colourOf("\"x\""), kString);
  EXPECT_EQ(colourOf("main"), QColor(Qt::black));

  open("t.cgi", "my $x = 1; # one\r\nprint \"a\";\r\n");
  EXPECT_EQ(colourOf("# one"), kComment);
  EXPECT_EQ(colourOf("print"), kKeyword);

  open("p.pas", "program p;\r\nbegin\r\n  { note }\r\nend.\r\n");
  EXPECT_EQ(colourOf("program"), kKeyword);
  EXPECT_EQ(colourOf("{ note"), kComment);
  EXPECT_EQ(colourOf("end."), kKeyword);
}

// Typed a character at a time, a program shows what a fresh colouring of
// the whole text shows, comments and strings opened and closed on the way.
TEST_F(ProgramColouring, TypingKeepsTheColoursOfAFreshColouring) {
  open("typed.cpp", "\r\n");
  main->editor().setSelStart(0);
  type("int f(int a) {\n  /* sum\n  of */ if (a) return \"a\\\"b\"; // end\n  for (;;) x;\n}\n");
  const std::vector<test::ShownLine> typed = test::shownLines(main->editor());
  EXPECT_EQ(colourOf("of */"), kComment);
  EXPECT_EQ(colourOf("return"), kKeyword);
  EXPECT_EQ(typed, freshColours());

  // Deleting the comment's opener makes its lines code again.
  const int opener = int(main->editor().text().indexOf("/*"));
  main->editor().setSelStart(opener + 2);
  QTest::keyClick(main->editor().widget(), Qt::Key_Backspace);
  QTest::keyClick(main->editor().widget(), Qt::Key_Backspace);
  EXPECT_EQ(colourOf("sum"), QColor(Qt::black));
  EXPECT_EQ(test::shownLines(main->editor()), freshColours());
}

// An opened comment reaches far: the lines near the caret at once, the rest
// at the quiet moment after typing.
TEST_F(ProgramColouring, AFarReachingChangeFinishesAtTheQuietMoment) {
  QString program;
  // Under the size that switches colouring off on opening.
  for (int i = 0; i < 1000; ++i) program += QStringLiteral("  return %1;\r\n").arg(i);
  open("long.c", program.toUtf8());
  main->editor().setSelStart(0);
  type("/");
  type("*");
  EXPECT_EQ(colourOf("return 10;"), kComment);
  EXPECT_EQ(colourOf("return 999;"), kKeyword);  // still to come
  main->Timer2Timer();
  EXPECT_EQ(colourOf("return 999;"), kComment);
  EXPECT_EQ(test::shownLines(main->editor()), freshColours());
}

TEST_F(ProgramColouring, APagesScriptIsColouredAsAProgram) {
  open("page.htm", "<html><body>\r\n<script type=\"text/javascript\">\r\n  if (x) return \"y\"; // note\r\n"
                   "</script>\r\n<p class=\"z\">if</p>\r\n</body></html>\r\n");
  EXPECT_EQ(colourOf("if (x)"), kKeyword);
  EXPECT_EQ(colourOf("\"y\""), kString);
  EXPECT_EQ(colourOf("// note"), kComment);
  EXPECT_EQ(colourOf("<p class"), kKeyword);  // the tags keep the tag colour, the same blue
  EXPECT_EQ(colourOf("if</p>"), QColor(Qt::black));

  // Typing in the script colours its line.
  main->editor().setSelStart(int(main->editor().text().indexOf("  if (x)")));
  type("  return 1; ");
  EXPECT_EQ(colourOf("return 1;"), kKeyword);
}

}  // namespace
