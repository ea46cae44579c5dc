// SPDX-License-Identifier: GPL-3.0-or-later
// The line-number gutter in the window: shown by the kind of the document,
// Option > Show Line Numbers kept for each kind. (The error line's mark is
// tested with the compile, in program_commands_test.)
#include "editor/line_number_gutter.h"
#include "window/doc_type_dialog.h"
#include "support/document_window.h"

#include <QAction>
#include <gtest/gtest.h>

using namespace wrenpad;

namespace {

struct LineNumbersInWindow : test::DocumentWindow {
  QAction* item() { return main->action(QStringLiteral("mmShowLineNumbers")); }
  LineNumberGutter& gutter() { return LineNumberGutter::of(main->editor()); }
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

}  // namespace
