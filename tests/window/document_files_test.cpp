// Opening and saving files in the Japanese codes, UTF-8 and binary files,
// through the main window with scripted answers.
#include "documents/document_commands.h"
#include "editor/editor_control.h"
#include "window/main_window.h"
#include "support/window_fixture.h"

#include <QAction>
#include <gtest/gtest.h>

using namespace wrenpad;

namespace {

struct DocumentFiles : ::testing::Test {
  test::TempFolder folder;
  test::ScriptedDialogs dialogs;
  std::unique_ptr<TMain> main;

  void SetUp() override { main = test::startWindow(folder, dialogs, {}, test::kEnglishSettings); }
  void TearDown() override { test::closeWithoutSaving(*main); }
  QString open(const QString& name, const QByteArray& bytes) {
    const QString path = folder.write(name, bytes);
    main->documents().OpenFile(path);
    return path;
  }
  QByteArray saved(const QString& path) {
    EXPECT_TRUE(main->documents().mmSaveClick());
    return test::TempFolder::read(path);
  }
  void append(const QString& text) {
    main->editor().select(main->editor().textLength(), 0);
    main->editor().replaceSelection(text);
  }
};

const QByteArray kSjis("\x93\xfa\x96\x7b\r\n");
const QByteArray kEuc("\xc6\xfc\xcb\xdc\r\n");

}  // namespace

TEST_F(DocumentFiles, EucAndJisBecomeShiftJisAndEucOutputWritesEuc) {
  const QString path = open("euc.txt", "\xc6\xfc\xcb\xdc\n");
  EXPECT_EQ(main->editor().text(), QString::fromUtf8("日本\r\n"));
  EXPECT_EQ(saved(path), kSjis);
  main->action("mmEUC")->trigger();
  EXPECT_TRUE(main->action("mmEUC")->isChecked());
  EXPECT_FALSE(main->action("mmSJIS")->isChecked());
  EXPECT_EQ(saved(path), kEuc);
  append("x");
  EXPECT_EQ(saved(path), kEuc + "x\r\n");
  const QString jis = open("jis.txt", "\x1b$BF|K\\\x1b(B\r\n");
  EXPECT_EQ(saved(jis), kEuc);
}

TEST_F(DocumentFiles, PagesDeclaringShiftJisStayShiftJisUnderEuc) {
  main->action("mmEUC")->trigger();
  const QByteArray page = "<meta charset=\"Shift_JIS\">\r\n" + kSjis;
  // As a plain text document the declaration means nothing: EUC-JP.
  const QString text = open("page.txt", page);
  append("x");
  EXPECT_EQ(saved(text), "<meta charset=\"Shift_JIS\">\r\n" + kEuc + "x\r\n");
  const QString path = open("page.htm", page);
  append("x");
  EXPECT_EQ(saved(path), page + "x\r\n");
}

TEST_F(DocumentFiles, Utf8FilesAreReadAndWrittenAsUtf8) {
  main->action("mmEUC")->trigger();
  const QString path = open("utf8.txt", QString::fromUtf8("日本語 é\n").toUtf8());
  EXPECT_EQ(main->editor().text(), QString::fromUtf8("日本語 é\r\n"));
  append(QString::fromUtf8("続き"));
  EXPECT_EQ(saved(path), QString::fromUtf8("日本語 é\r\n続き\r\n").toUtf8());
  EXPECT_TRUE(dialogs.asked.isEmpty());
}

TEST_F(DocumentFiles, SavingWithoutEditsKeepsEveryByte) {
  // An IBM extension kanji whose code page 932 round trip picks another
  // code, and bytes that decode to nothing.
  const QByteArray odd("\xee\xef\x80\x81 \x85\x40\xfd\r\n");
  const QString path = open("odd.txt", odd);
  EXPECT_EQ(saved(path), odd);
}

TEST_F(DocumentFiles, CharactersShiftJisCannotHoldAreNeverDroppedSilently) {
  const QString path = open("plain.txt", "abc\r\n");
  append(QString::fromUtf8("café"));
  dialogs.answers = {Answer::No};
  EXPECT_FALSE(main->documents().mmSaveClick());
  EXPECT_EQ(test::TempFolder::read(path), "abc\r\n");
  EXPECT_TRUE(main->editor().isModified());
  ASSERT_EQ(dialogs.askedOf("question").size(), 1);
  EXPECT_TRUE(dialogs.askedOf("question").first().contains(QString::fromUtf8("\"é\"")));
  dialogs.answers = {Answer::Yes};
  EXPECT_EQ(saved(path), QString::fromUtf8("abc\r\ncafé\r\n").toUtf8());
  // From now on the document is UTF-8: no more questions.
  append("!");
  EXPECT_EQ(saved(path), QString::fromUtf8("abc\r\ncafé!\r\n").toUtf8());
  EXPECT_EQ(dialogs.askedOf("question").size(), 2);
}

TEST_F(DocumentFiles, BinaryFilesOpenOnlyWithConsentAndChangeOnlyWithConsent) {
  const QByteArray binary("\x7f" "ELF\x02\x01\x01\x00rest", 12);
  const QString path = folder.write("prog.bin", binary);
  dialogs.answers = {Answer::No};
  EXPECT_FALSE(main->documents().OpenFile(path));
  EXPECT_EQ(main->windowTitle(), "Untitled.txt - Wrenpad");

  dialogs.answers = {Answer::Yes};
  ASSERT_TRUE(main->documents().OpenFile(path));
  EXPECT_EQ(saved(path), binary);  // unchanged: written back as it was
  append("x");
  dialogs.answers = {Answer::No};
  EXPECT_FALSE(main->documents().mmSaveClick());
  EXPECT_EQ(test::TempFolder::read(path), binary);
  EXPECT_EQ(dialogs.askedOf("question").size(), 3);
}
