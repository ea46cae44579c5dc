// SPDX-License-Identifier: GPL-3.0-or-later
// The key handling and the mark-up commands as the user reaches them: keys
// typed into the window's editor, menu items, tool buttons, the heading box
// and the line-number box.
#include "editing/enhanced_edit.h"
#include "html/html_commands.h"
#include "support/document_window.h"

#include <QAction>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QTest>
#include <gtest/gtest.h>

using namespace wrenpad;

namespace {

struct EditingWiring : test::DocumentWindow {
  void SetUp() override {
    DocumentWindow::SetUp();
    QApplication::setActiveWindow(main.get());
  }
  EditorControl& editor() { return main->editor(); }
  QWidget* editorWidget() { return editor().widget(); }
  // The colour of one character; the caret goes back where it was.
  QColor colourAt(int position) {
    const int caret = editor().selStart();
    editor().select(position, 1);
    const QColor colour = *editor().selAttributes().color;
    editor().setSelStart(caret);
    return colour;
  }
};

}  // namespace

// A typed tag is coloured, text after it (typed or from the input method) is
// not, and Enter adds a break in pages unless the button is up.
TEST_F(EditingWiring, TypedTagIsColouredAndEnterAddsBreakInPages) {
  open("page.htm", "<html><body>\r\n</body></html>\r\n");
  editor().setSelStart(14);
  QTest::keyClicks(editorWidget(), "<b>");
  EXPECT_EQ(colourAt(14), QColor(0, 0, 255));
  editor().setModified(false);
  QInputMethodEvent commit;
  commit.setCommitString(QString::fromUtf8("日本"));
  QApplication::sendEvent(editorWidget(), &commit);
  EXPECT_TRUE(editor().isModified());
  EXPECT_EQ(colourAt(16), QColor(0, 0, 255));
  EXPECT_NE(colourAt(17), QColor(0, 0, 255));
  QTest::keyClicks(editorWidget(), "x");
  EXPECT_NE(colourAt(19), QColor(0, 0, 255));
  QTest::keyClick(editorWidget(), Qt::Key_Return);
  EXPECT_TRUE(editor().text().startsWith(QString::fromUtf8("<html><body>\r\n<b>日本x<br>\r\n"))) << editor().text().toStdString();
  // With the button up, Shift+Enter adds the break and Enter does not.
  main->action("tbBR")->trigger();
  EXPECT_FALSE(main->action("tbBR")->isChecked() || main->action("mmBR")->isChecked());
  QTest::keyClick(editorWidget(), Qt::Key_Return);
  EXPECT_FALSE(editor().text().contains("<br>\r\n\r\n<br>"));
}

TEST_F(EditingWiring, BoldMenuAndHeadingBoxWriteMarkup) {
  open("page.htm", "<html><body>\r\nword\r\n</body></html>\r\n");
  editor().select(14, 4);
  main->action("mmBold")->trigger();
  EXPECT_TRUE(editor().text().contains("<b>word</b>")) << editor().text().toStdString();
  editor().setSelStart(16);
  main->headingBox()->setCurrentIndex(2);
  EXPECT_TRUE(main->timer(4).isActive());
  main->htmlCommands().Timer4Timer();
  EXPECT_TRUE(editor().text().contains("<h2>")) << editor().text().toStdString();
}

TEST_F(EditingWiring, LineNumberBoxJumpsFollowsTheCaretAndShowsWholeNumbers) {
  open("lines.txt", "a\r\nbb\r\nccc\r\ndddd\r\n");
  main->lineNumberBox()->setText("3");
  QTest::keyClick(main->lineNumberBox(), Qt::Key_Return);
  EXPECT_EQ(editor().lineFromPosition(editor().selStart()), 2);
  editor().setSelStart(0);
  QTest::keyClick(editorWidget(), Qt::Key_Down);
  EXPECT_EQ(main->lineNumberBox()->text(), "2");
  QTest::keyClick(editorWidget(), Qt::Key_Down);
  QTest::keyClick(editorWidget(), Qt::Key_Down);
  EXPECT_EQ(main->lineNumberBox()->text(), "4");
  // Another file opened: the box shows where the caret is in it, untouched.
  open("one.txt", "only\r\n");
  EXPECT_EQ(main->lineNumberBox()->text(), "1");
  // A jump to a place found by a command shows its line as well.
  editor().setSelStart(editor().positionOfLine(1));
  EXPECT_EQ(main->lineNumberBox()->text(), "2");
  // A five-digit line number fits the box whole.
  editor().setText(QString("x\r\n").repeated(31686));
  editor().setSelStart(editor().positionOfLine(31685));
  QTest::keyClick(editorWidget(), Qt::Key_End);
  EXPECT_EQ(main->lineNumberText(), "31686");
  EXPECT_GE(main->lineNumberBox()->width(), main->lineNumberBox()->fontMetrics().horizontalAdvance("31686"));
}

// The window takes the keyboard when it first shows, even where no window
// manager activates it: Alt+letter opens its menu instead of typing.
TEST(Keyboard, AltLetterOpensItsMenuInsteadOfTyping) {
  test::TempFolder folder;
  test::ScriptedDialogs dialogs;
  QApplication::setActiveWindow(nullptr);
  const auto main = test::startWindow(folder, dialogs, {}, test::kEnglishSettings);
  QApplication::processEvents();
  EXPECT_EQ(QApplication::activeWindow(), main.get());
  QTest::keyClick(main->editor().widget(), Qt::Key_F, Qt::AltModifier);
  QWidget* popup = QApplication::activePopupWidget();
  ASSERT_NE(popup, nullptr);
  EXPECT_EQ(popup->objectName(), "mmFile");
  popup->close();
  EXPECT_EQ(main->editor().text(), "");
  test::closeWithoutSaving(*main);
}
