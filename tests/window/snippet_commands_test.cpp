// SPDX-License-Identifier: GPL-3.0-or-later
// The Coding menu's writers in the window: a new program from its template
// in each language (with the name checks), the inspector's block and the
// input wizard's statement at the caret; and code templates: Ctrl+J expands
// with the list of the document's language, coloured on the quiet tick, and
// the list dialog saves the list sorted where the program keeps its lists.
#include "editing/code_template_dialog.h"
#include "editing/template_commands.h"
#include "programming/snippet_dialogs.h"
#include "window/doc_type_dialog.h"
#include "support/caret_text.h"
#include "support/document_window.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QTest>

using namespace wrenpad;

namespace {

const QString kResources = QFileInfo(QStringLiteral(__FILE__)).dir().filePath(QStringLiteral("../../resources"));

struct SnippetCommand : test::DocumentWindow {
  void SetUp() override {
    // The shipped lists beside the program, as the build puts them.
    for (const char* name : {"CodeTemplateList_C.ini", "CodeTemplateList_Pascal.ini", "KeyWords_cpp.ini"})
      QFile::copy(QDir(kResources).filePath(name), folder.file(name));
    DocumentWindow::SetUp();
    main->document().CurrentFolder = folder.path();
  }
  void typeAtEnd(const QString& text) {
    main->editor().select(main->editor().textLength(), 0);
    QTest::keyClicks(main->editor().widget(), text);
  }
  void newProgram(LanguageMode mode) {
    main->settings().PL = std::int8_t(mode);
    dialogs.answerFormWith<DocumentTypeValues>([](DocumentTypeValues& v) { v.kind = 2; });
    main->documents().mmNewClick();
  }
};

TEST_F(SnippetCommand, NewProgramsStartFromTheirTemplatesWithNamesTheToolsAccept) {
  newProgram(LanguageMode::Cpp);
  EXPECT_EQ(main->document().CurrentFileName, folder.file("Untitled.cpp"));
  EXPECT_TRUE(main->editor().text().contains("#include <iostream>"));
  EXPECT_EQ(main->document().DocumentMode, kProgramMode);
  EXPECT_FALSE(main->session().AutoFileNaming);
  // The user's own starting program beside the program wins.
  folder.write("Default.cpp", "// mine\r\nint main() { return 0; }\r\n");
  newProgram(LanguageMode::Cpp);
  EXPECT_EQ(main->editor().text(), "// mine\r\nint main() { return 0; }\r\n");

  // A class name that cannot be one is refused with the reason, then asked again.
  dialogs.inputs = {"1st try", "Hello"};
  newProgram(LanguageMode::Java);
  ASSERT_EQ(dialogs.askedOf("error").size(), 1);
  EXPECT_TRUE(dialogs.askedOf("error")[0].contains("1st try"));
  EXPECT_EQ(main->document().CurrentFileName, folder.file("Hello.java"));
  EXPECT_TRUE(main->editor().text().contains("public class Hello"));
  dialogs.inputs = {QString()};  // Cancel takes the proposal
  newProgram(LanguageMode::Java);
  EXPECT_EQ(QFileInfo(main->document().CurrentFileName).fileName(),
            "J" + QDate::currentDate().toString("yyyyMMdd") + ".java");

  // Perl gets its interpreter line, from a Default.cgi that lacks it too.
  folder.write("Default.cgi", "print \"Content-type: text/plain\\n\\nhi\";\r\n");
  newProgram(LanguageMode::Perl);
  EXPECT_TRUE(main->editor().text().startsWith("#!"));
  EXPECT_TRUE(main->editor().text().contains("hi\";"));
  EXPECT_EQ(main->document().CurrentFileName, folder.file("untitled.cgi"));

  // Pascal saves first; a name fpc cannot take is refused before anything is
  // written: a file that already has it stays as it was.
  folder.write("my-prog.pas", "program old;\nbegin\nend.\n");
  dialogs.filesToSave = {folder.file("my prog.pas"), folder.file("my-prog.pas"), folder.file("hello.pas")};
  newProgram(LanguageMode::Pascal);
  EXPECT_TRUE(dialogs.askedOf("message").value(0).contains("decide name and location"));
  EXPECT_EQ(dialogs.askedOf("error").size(), 3);
  EXPECT_FALSE(QFileInfo::exists(folder.file("my prog.pas")));
  EXPECT_EQ(test::TempFolder::read(folder.file("my-prog.pas")), "program old;\nbegin\nend.\n");
  EXPECT_TRUE(QFileInfo::exists(folder.file("hello.pas")));
  EXPECT_EQ(main->document().CurrentFileName, folder.file("hello.pas"));
  EXPECT_TRUE(main->editor().text().contains("begin"));
}

TEST_F(SnippetCommand, TheInspectorAndTheInputWizardWriteAtTheCaretInTheLanguage) {
  open("watch.cpp", "int main()\r\n{\r\n  int x = 1;\r\n  \r\n}\r\n");
  const int caret = int(main->editor().text().indexOf("  \r\n}")) + 2;
  main->editor().select(caret, 0);
  dialogs.answerFormWith<InspectionValues>([](InspectionValues& v) { v.names = {"x", "", "", ""}; });
  main->action("mmBreakPoint")->trigger();
  const QString text = main->editor().text();
  EXPECT_TRUE(text.contains("/*------------------ Inspector -------------------*/\r\n"));
  EXPECT_TRUE(text.contains("    cout << \"x = \" << x << endl;\r\n"));  // the caret's column, two more blanks
  EXPECT_TRUE(text.contains("  /*------------------------------------------------*/\r\n"));
  EXPECT_EQ(main->editor().selStart(), int(text.indexOf("------*/\r\n", caret + 60)) + 10);
  // The dialog keeps its names for the next time.
  dialogs.answerFormWith<InspectionValues>([](InspectionValues& v) { EXPECT_EQ(v.names[0], "x"); });
  main->action("mmBreakPoint")->trigger();

  open("Read.java", "class Read {\r\n  long n;\r\n  void f() {\r\n");
  main->editor().select(main->editor().textLength(), 0);
  dialogs.answerFormWith<InputWizardValues>([](InputWizardValues& v) {
    v.prompt = "n?";
    v.variable = "n";
  });
  main->action("mmInputWizard")->trigger();
  EXPECT_TRUE(main->editor().text().endsWith(
      "System.out.print(\"n?\"); S = br.readLine(); n = Integer.valueOf(S).intValue();"));

  open("page.cgi", "print 1;\r\n");
  EXPECT_TRUE(main->action("mmBreakPoint")->isEnabled());
  EXPECT_FALSE(main->action("mmInputWizard")->isEnabled());
}

using TemplateCommand = SnippetCommand;

TEST_F(TemplateCommand, CtrlJExpandsWithTheListOfTheLanguageAndColoursOnTheQuietTick) {
  open("loop.c", "int main(void)\r\n{\r\n");
  EXPECT_EQ(main->templates().templateFile(), "CodeTemplateList_C.ini");
  typeAtEnd("    for");
  main->action("mmCodeTemplate")->trigger();
  EXPECT_EQ(test::textWithCaret(main->editor()), "int main(void)\r\n{\r\n    for (|; ; ) {\r\n    }");
  main->Timer2Timer();
  const int keyword = int(main->editor().text().indexOf("for")) + 1;
  main->editor().select(keyword, 0);
  EXPECT_EQ(main->editor().selAttributes().color, main->colouring().TagColour);

  open("hello.pas", "program hello;\r\n");
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
  open("page.htm", "<html><body>\r\n");
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
