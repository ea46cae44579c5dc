// SPDX-License-Identifier: GPL-3.0-or-later
// Mark-up written by the form and table commands is coloured as it goes in:
// its colours are those a whole repaint of the page gives afterwards.
#include "colouring/tag_painter.h"
#include "html/form_markup.h"
#include "html/forms/table_dialog.h"
#include "support/document_window.h"

#include <QAction>
#include <gtest/gtest.h>

using namespace wrenpad;

namespace {

struct InsertedMarkupColours : test::DocumentWindow {
  EditorControl& editor() { return main->editor(); }

  // The colour, face, size, bold and italic of every character but the line
  // breaks, each with its position and character.
  QStringList colours() {
    QStringList list;
    const QString text = editor().text();
    for (int at = 0; at < text.size(); ++at) {
      if (text[at] == u'\r' || text[at] == u'\n') continue;
      editor().select(at, 1);
      const CharAttributes a = editor().selAttributes();
      list << QStringLiteral("%1 %2 %3 %4 %5%6%7").arg(at).arg(text[at]).arg(a.color->name(), a.fontName.value_or("?"))
                  .arg(a.sizePoints.value_or(0)).arg(a.bold.value_or(false)).arg(a.italic.value_or(false));
    }
    editor().select(0, 0);
    return list;
  }

  // Runs the command and checks its colours against a whole repaint: the
  // characters whose colour the repaint changed.
  void expectColouredAsRepainted(const char* command) {
    main->action(command)->trigger();
    const QStringList written = colours();
    main->painter().mmRepaintTagsClick();
    const QStringList repainted = colours();
    ASSERT_EQ(written.size(), repainted.size());
    QStringList wrong;
    for (qsizetype i = 0; i < written.size(); ++i)
      if (written[i] != repainted[i]) wrong << written[i] + " -> " + repainted[i].section(' ', 2);
    EXPECT_EQ(wrong.join('\n').toStdString(), "") << command;
  }
};

TEST_F(InsertedMarkupColours, FormAndTableCommandsColourWhatTheyWrite) {
  open("page.htm", "<html>\r\n<head>\r\n<script language=\"JavaScript\"><!--\r\nvar n = 1;\r\n// --></script>\r\n"
                   "</head>\r\n<body>\r\nWelcome\r\n</body>\r\n</html>\r\n");
  const auto newForm = [this](const char* event, const char* handler) {
    dialogs.answerFormWith<FormValues>([=](FormValues& v) {
      v.event = event;
      v.handler = handler;
    });
    expectColouredAsRepainted("mmNewForm");
    ASSERT_TRUE(editor().text().contains(QString("function %1()").arg(handler)));
  };
  editor().select(int(editor().text().indexOf("Welcome")), 0);
  newForm("onClick", "check");
  // The function goes into a script after the form.
  editor().replaceText("<html><body>\r\nHello\r\n<script><!--\r\nvar n = 1;\r\n// --></script>\r\n</body></html>");
  main->painter().mmRepaintTagsClick();
  editor().select(int(editor().text().indexOf("Hello")), 5);
  newForm("onSubmit", "send");
  // The selection holds the script: the function goes into the form with it.
  editor().replaceText("<html><body>\r\nHello\r\n<script><!--\r\nvar n = 1;\r\n// --></script>\r\nBye\r\n</body></html>");
  main->painter().mmRepaintTagsClick();
  const int hello = int(editor().text().indexOf("Hello"));
  editor().select(hello, int(editor().text().indexOf("Bye")) + 3 - hello);
  newForm("onReset", "clear");

  editor().select(int(editor().text().indexOf("</body>")), 0);
  dialogs.answerFormWith<TableValues>([](TableValues& v) { v.caption = "Prices"; });
  expectColouredAsRepainted("mmTable");
  ASSERT_TRUE(editor().text().contains("<br>\r\n<table"));
}

}  // namespace
