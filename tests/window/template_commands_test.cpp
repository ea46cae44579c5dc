// SPDX-License-Identifier: GPL-3.0-or-later
// Code templates from the window: Ctrl+J expands with the list of the
// document's language, the expansion is coloured on the quiet tick, and the
// list dialog saves the list sorted where the program keeps its lists.
#include "editing/code_template_dialog.h"
#include "editing/template_commands.h"
#include "documents/document_commands.h"
#include "editor/editor_control.h"
#include "window/main_window.h"
#include "support/caret_text.h"
#include "support/window_fixture.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <gtest/gtest.h>

using namespace wrenpad;

namespace {

const QString kResources = QFileInfo(QStringLiteral(__FILE__)).dir().filePath(QStringLiteral("../../resources"));

struct TemplateCommand : ::testing::Test {
  test::TempFolder folder;
  test::ScriptedDialogs dialogs;
  std::unique_ptr<TMain> main;
  void SetUp() override {
    // The shipped lists beside the program, as the build puts them.
    for (const char* name : {"CodeTemplateList_C.ini", "CodeTemplateList_Pascal.ini", "KeyWords_cpp.ini"})
      QFile::copy(QDir(kResources).filePath(name), folder.file(name));
    main = test::startWindow(folder, dialogs, {}, test::kEnglishSettings);
  }
  void TearDown() override { test::closeWithoutSaving(*main); }

  void typeAtEnd(const QString& text) {
    main->editor().select(main->editor().textLength(), 0);
    QTest::keyClicks(main->editor().widget(), text);
  }
};

TEST_F(TemplateCommand, CtrlJExpandsWithTheListOfTheLanguageAndColoursOnTheQuietTick) {
  main->documents().OpenFile(folder.write("loop.c", "int main(void)\r\n{\r\n"));
  EXPECT_EQ(main->templates().templateFile(), "CodeTemplateList_C.ini");
  typeAtEnd("    for");
  main->action("mmCodeTemplate")->trigger();
  EXPECT_EQ(main->action("mmCodeTemplate")->shortcut(), QKeySequence("Ctrl+J"));
  EXPECT_EQ(test::textWithCaret(main->editor()), "int main(void)\r\n{\r\n    for (|; ; ) {\r\n    }");
  main->Timer2Timer();
  const int keyword = int(main->editor().text().indexOf("for")) + 1;
  main->editor().select(keyword, 0);
  EXPECT_EQ(main->editor().selAttributes().color, main->colouring().TagColour);

  main->documents().OpenFile(folder.write("hello.pas", "program hello;\r\n"));
  EXPECT_EQ(main->templates().templateFile(), "CodeTemplateList_Pascal.ini");
  typeAtEnd("writeln");
  main->action("mmCodeTemplate")->trigger();
  EXPECT_TRUE(main->editor().text().contains("writeln("));
  EXPECT_FALSE(main->editor().text().contains("writelnwriteln"));

  // Nothing typed at a line start: nothing happens.
  typeAtEnd("\r");
  const QString before = main->editor().text();
  main->action("mmCodeTemplate")->trigger();
  EXPECT_EQ(main->editor().text(), before);
}

TEST_F(TemplateCommand, ThePageListServesHtmlAndTheDialogSavesItSorted) {
  main->documents().OpenFile(folder.write("page.htm", "<html><body>\r\n"));
  EXPECT_EQ(main->templates().templateFile(), "CodeTemplateList_C.ini");
  dialogs.answerFormWith<CodeTemplateListValues>([](CodeTemplateListValues& v) {
    EXPECT_TRUE(v.list.contains("table==>>"));
    v.list = QString::fromUtf8("zz==>>last\nAa==>>首|位\nbb==>>middle\n");
  });
  main->action("mmCallCodeTemplateList")->trigger();
  EXPECT_EQ(QString::fromUtf8(test::TempFolder::read(folder.file("CodeTemplateList_C.ini"))),
            QString::fromUtf8("Aa==>>首|位\r\nbb==>>middle\r\nzz==>>last\r\n"));
  typeAtEnd("Aa");
  main->action("mmCodeTemplate")->trigger();
  EXPECT_TRUE(test::textWithCaret(main->editor()).endsWith(QString::fromUtf8("首|位")));
}

}  // namespace
