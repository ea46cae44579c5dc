// SPDX-License-Identifier: GPL-3.0-or-later
// Count, the tab width and the line-number box.
#include "text/text_helpers.h"
#include "editing/editing_fixture.h"
#include "text/translation.h"


using namespace wrenpad;
using namespace wrenpad::test;

TEST_F(EditingFixture, CountTakesTheWholeTextWhenNothingIsSelected) {
  editor.setText("ab\r\ncd");
  tools.mmCountClick();
  EXPECT_EQ(dialogs.askedOf("message"),
            QStringList{"Number of letters in the selected text = 4 including spaces."});
  EXPECT_EQ(editor.selLength(), 6);  // everything stays selected

  editor.setText(QString::fromUtf8("日本語 x"));
  editor.select(0, 2);
  messages = japaneseMessages();
  tools.mmCountClick();
  EXPECT_EQ(dialogs.askedOf("message").last(), QString::fromUtf8("選択された範囲の文字数は，スペースを含め2個です。"));
  EXPECT_EQ(CountLetters(QString::fromUtf8("a😀\r\nb")), 3);
}

TEST_F(EditingFixture, TheTabWidthIsAskedAndCheckedBeforeItIsKept) {
  // The prompt speaks the window's language, not the one chosen for the next start.
  settings.Jpn = true;
  dialogs.inputs = {"4", "abc", "200", QString(), QString()};
  tools.mmTabWidthClick();
  EXPECT_EQ(settings.TabWidth, 4);
  EXPECT_EQ(dialogs.askedOf("input").first(), "Please input the tab width you like.");
  {
    const InterfaceLanguageScope inJapanese(InterfaceLanguage::Japanese);
    tools.mmTabWidthClick();
    EXPECT_EQ(dialogs.askedOf("input").last(), "お好きなタブ幅を入力してください。");
  }
  tools.mmTabWidthClick();
  tools.mmTabWidthClick();
  tools.mmTabWidthClick();  // Cancel
  EXPECT_EQ(settings.TabWidth, 4);
  EXPECT_EQ(dialogs.askedOf("error"),
            (QStringList{"'abc' is not a valid integer value",
                         "200 is not within the valid range of -128..127"}));
}

// The line jump goes to column four of the line, counting a character beyond
// sixteen bits as one.
TEST_F(EditingFixture, TheLineJumpGoesToColumnFourAndNeverSplitsACharacter) {
  // U+20B9F: one character, two UTF-16 units.
  const QString wide = QString::fromUcs4(U"\U00020B9F");
  editor.setText("first\r\nab" + wide + "c\r\n" + wide + wide + wide + wide + "\r\n");
  host.lineNumber = "2";
  tools.EnhancedEdit1KeyUp(Qt::Key_Return);
  EXPECT_EQ(editor.selStart() - editor.positionOfLine(1), 4);  // a, b and the whole character
  tools.GoToLine(3, 3);
  EXPECT_EQ(editor.selStart() - editor.positionOfLine(2), 6);
  tools.GoToLine(3, 9);  // past the line's end: its end
  EXPECT_EQ(editor.selStart() - editor.positionOfLine(2), 8);
  tools.GoToLine(99, 3);  // past the last line: the last line
  EXPECT_EQ(editor.selStart(), editor.positionOfLine(editor.lineCount() - 1));

  host.lineNumber = "x1";
  tools.EnhancedEdit1KeyUp(Qt::Key_Return);
  EXPECT_EQ(dialogs.askedOf("error"), QStringList{"'x1' is not a valid integer value"});
}
