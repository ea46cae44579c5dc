// SPDX-License-Identifier: GPL-3.0-or-later
// Macro Replace from the window: a list edited in its dialog is applied to
// the document in one undo step and recoloured, saved automatically or
// after a question (atomically, Japanese kept), loaded, started anew; a list
// that cannot be written says so and stays in the dialog.
#include "editing/macro_dialog.h"
#include "editing/macro_replace.h"
#include "support/document_window.h"

using namespace wrenpad;

namespace {

struct MacroCommand : test::DocumentWindow {
  TMacroReplaceDialog* dialog() { return main->findChild<TMacroReplaceDialog*>(); }
  void send(MacroRequest::Kind kind, const QString& list, bool modified = true, bool autoSave = true) {
    main->macros().serve(MacroRequest{kind, list, modified, autoSave});
  }
};

TEST_F(MacroCommand, TheListIsAppliedInOneUndoStepAndTheProgramStaysColoured) {
  open("count.c", "int main(void) { int Count = 0; return count; }\r\n");
  main->settings().MacroFile = folder.write("rules.txt", "");
  main->action("mmMacroReplace")->trigger();
  ASSERT_TRUE(main->macros().dialogOpen());
  EXPECT_TRUE(main->action("mmPaste")->shortcut().isEmpty());  // Ctrl+V belongs to the list now
  send(MacroRequest::Kind::Execute, "count==>>total\nCount==>>Sum\n==>>/* end */");
  EXPECT_EQ(main->editor().text(), "int main(void) { int Sum = 0; return total; }\r\n/* end */");
  EXPECT_FALSE(main->macros().dialogOpen());
  EXPECT_FALSE(dialog()->isVisible());
  EXPECT_EQ(main->action("mmPaste")->shortcut(), QKeySequence("Ctrl+V"));
  main->editor().select(int(main->editor().text().indexOf("end */")), 0);
  EXPECT_EQ(main->editor().selAttributes().color, main->colouring().CommentColour);
  // Saved automatically before it ran.
  EXPECT_EQ(test::TempFolder::read(folder.file("rules.txt")), "count==>>total\r\nCount==>>Sum\r\n==>>/* end */\r\n");

  main->editor().undo();
  EXPECT_EQ(main->editor().text(), "int main(void) { int Count = 0; return count; }\r\n");
}

TEST_F(MacroCommand, JapaneseListsAreSavedAndLoadedAndANewListBelongsToNoFile) {
  const QString rules = QString::fromUtf8("見出し==>>表題\n");
  main->settings().MacroFile.clear();
  main->action("mmMacroReplace")->trigger();
  dialogs.filesToSave.push_back(folder.file("日本語 list"));
  send(MacroRequest::Kind::New, rules);  // no file yet: asked for one
  EXPECT_TRUE(dialogs.askedOf("message").value(0).contains("save the list to a new file"));
  EXPECT_EQ(QString::fromUtf8(test::TempFolder::read(folder.file("日本語 list.txt"))), QString::fromUtf8("見出し==>>表題\r\n"));
  EXPECT_EQ(dialog()->list(), "");
  EXPECT_TRUE(main->settings().MacroFile.isEmpty());

  // A Shift-JIS list from elsewhere is read as Japanese.
  dialogs.filesToOpen.push_back({folder.write("old.txt", "\x8c\xa9\x8f\x6f\x82\xb5==>>x\r\n"), 0});
  send(MacroRequest::Kind::Load, "", false);
  EXPECT_EQ(dialog()->list(), QString::fromUtf8("見出し==>>x\n"));
  EXPECT_EQ(main->settings().MacroFile, folder.file("old.txt"));
  EXPECT_TRUE(dialog()->windowTitle().endsWith("old.txt"));

  // Without automatic saving the user is asked; No keeps the file as it was.
  dialogs.answers.push_back(Answer::No);
  send(MacroRequest::Kind::Execute, "a==>>b", true, false);
  EXPECT_TRUE(dialogs.askedOf("question").value(0).contains("Do you save the list?"));
  EXPECT_EQ(test::TempFolder::read(folder.file("old.txt")), "\x8c\xa9\x8f\x6f\x82\xb5==>>x\r\n");
  EXPECT_FALSE(main->settings().AutoFileSave);
}

TEST_F(MacroCommand, AListThatCannotBeWrittenSaysSoAndStaysInTheDialog) {
  const QString blocked = folder.write("blocked", "a file where a folder should be");
  main->settings().MacroFile = blocked + "/rules.txt";
  main->action("mmMacroReplace")->trigger();
  dialog()->showValues({main->settings().MacroFile, QString("keep==>>me"), true});
  send(MacroRequest::Kind::New, "keep==>>me");
  ASSERT_EQ(dialogs.askedOf("error").size(), 1);
  EXPECT_TRUE(dialogs.askedOf("error")[0].contains("could not be saved"));
  EXPECT_EQ(test::TempFolder::read(blocked), "a file where a folder should be");
  // New stopped: the list and its file name are still there to save elsewhere.
  EXPECT_EQ(dialog()->list(), "keep==>>me");
  EXPECT_EQ(main->settings().MacroFile, blocked + "/rules.txt");
}

TEST(MacroPageTemplate, TheLaboratoryPlaceAndTheMarksGoWhereTheTemplateWantsThem) {
  EXPECT_EQ(InsertPageTemplateMarks(QString::fromUtf8("名前\r\n【メールアドレス】a@b\r\nhttp://x/\r\nnext")),
            QString::fromUtf8("名前\r\n【研究室のページ】 \r\n<! 研究室のページへのリンクはここに挿入 /a>\r\n"
                              "【メールアドレス】a@b\r\nhttp://x/\r\n###next"));
  // Already there: only the marks; a last line gets them at its end.
  EXPECT_EQ(InsertPageTemplateMarks(QString::fromUtf8("【研究室のページ】 http://y")),
            QString::fromUtf8("【研究室のページ】 http://y###"));
}

}  // namespace
