// The line-number gutter in the window: shown by the kind of the document,
// Option > Show Line Numbers kept for each kind, and the mark of the line a
// compiler message leads to.
#include "documents/document_commands.h"
#include "editor/editor_control.h"
#include "editor/line_number_gutter.h"
#include "programming/program_commands.h"
#include "window/doc_type_dialog.h"
#include "window/main_window.h"
#include "support/window_fixture.h"

#include <QAction>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <gtest/gtest.h>

using namespace wrenpad;

namespace {

struct LineNumbersInWindow : ::testing::Test {
  test::TempFolder folder;
  test::ScriptedDialogs dialogs;
  std::unique_ptr<TMain> main;
  void SetUp() override { main = test::startWindow(folder, dialogs, {}, test::kEnglishSettings); }
  void TearDown() override { test::closeWithoutSaving(*main); }
  QAction* item() { return main->action(QStringLiteral("mmShowLineNumbers")); }
  LineNumberGutter& gutter() { return LineNumberGutter::of(main->editor()); }
  void open(const QString& name, const QByteArray& text) { main->documents().OpenFile(folder.write(name, text)); }
  // The gutter and the menu's check agree, and say `shown`.
  void expectShown(bool shown) {
    EXPECT_EQ(gutter().isShown(), shown);
    EXPECT_EQ(item()->isChecked(), shown);
  }
};

TEST_F(LineNumbersInWindow, ShownByTheDocumentsKindAndTheChoiceIsKeptForEachKind) {
  ASSERT_NE(item(), nullptr);
  EXPECT_TRUE(item()->isCheckable());
  // Out of the box: programs only.
  open("notes.txt", "words\r\n");
  expectShown(false);
  open("prog.c", "int main(void) { return 0; }\r\n");
  expectShown(true);
  open("page.htm", "<p>x</p>\r\n");
  expectShown(false);

  // Switched on for pages: pages show it, texts and programs keep theirs.
  item()->trigger();
  expectShown(true);
  EXPECT_TRUE(main->settings().LineNumbersPage);
  open("notes.txt", "words\r\n");
  expectShown(false);
  main->SetWebPageMode(true);  // the text becomes a page
  expectShown(true);
  main->SetWebPageMode(false);
  expectShown(false);

  // Switched off for programs, and a new program follows that.
  open("prog.c", "int main(void) { return 0; }\r\n");
  item()->trigger();
  expectShown(false);
  dialogs.answerFormWith<DocumentTypeValues>([](DocumentTypeValues& v) { v.kind = 2; });
  main->documents().mmNewClick();
  expectShown(false);

  const Settings written = main->settingsToWrite();
  EXPECT_FALSE(written.LineNumbersText);
  EXPECT_TRUE(written.LineNumbersPage);
  EXPECT_FALSE(written.LineNumbersProgram);
}

TEST_F(LineNumbersInWindow, TheLineAMessageLeadsToIsMarkedUntilAnotherDocumentComes) {
  open("calc.cpp", "int main() {\r\n  int a = 1;\r\n  return b;\r\n}\r\n");
  main->settings().PL = int(LanguageMode::Cpp);
  main->messagePane().setPlainText("calc.cpp: In function 'int main()':\n"
                                   "calc.cpp:3:10: error: 'b' was not declared in this scope\n");
  QTextCursor pane(main->messagePane().document()->findBlockByNumber(1));
  main->messagePane().setTextCursor(pane);
  main->programs().CMsgWindowDblClick();
  EXPECT_EQ(gutter().errorLine(), 2);
  const LineNumberGutter::ShownLine marked = gutter().linesIn(gutter().rect()).at(2);
  EXPECT_TRUE(marked.error);
  EXPECT_TRUE(marked.caret);

  open("other.cpp", "int main() {}\r\n");
  EXPECT_EQ(gutter().errorLine(), std::nullopt);
}

}  // namespace
