// SPDX-License-Identifier: GPL-3.0-or-later
// The paste keys and the middle button in our text widgets insert the
// clipboard's text themselves, as plain text, and never Qt's mime object.
#include "editor/plain_paste.h"

#include "editor/editor_control.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace wrenpad {
namespace {

// Rich text on the clipboard: only its plain text may arrive.
void putRichText() {
  auto* mime = new QMimeData;
  mime->setText("plain\nsecond");
  mime->setHtml("<b>rich</b>");
  QApplication::clipboard()->setMimeData(mime);
}

TEST(PlainPaste, PasteKeysInsertThePlainTextInOneUndoStepAndTheMiddleButtonNothing) {
  QPlainTextEdit edit;
  installPlainPaste(&edit);
  EXPECT_TRUE(hasPlainPaste(&edit));
  installPlainPaste(&edit);  // once is enough
  EXPECT_EQ(edit.findChildren<QObject*>("wrenpadPlainPaste").size(), 1);
  edit.show();
  putRichText();
  QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
  QTest::keyClick(&edit, Qt::Key_Insert, Qt::ShiftModifier);
  EXPECT_EQ(edit.toPlainText(), "plain\nsecondplain\nsecond");

  // This platform has no selection: a middle click inserts nothing.
  QTest::mouseClick(edit.viewport(), Qt::MiddleButton, {}, QPoint(5, 5));
  EXPECT_EQ(edit.toPlainText(), "plain\nsecondplain\nsecond");

  // Nothing on the clipboard, or a read-only box: nothing happens.
  QApplication::clipboard()->clear();
  QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
  putRichText();
  edit.setReadOnly(true);
  QTest::keyClick(&edit, Qt::Key_Insert, Qt::ShiftModifier);
  EXPECT_EQ(edit.toPlainText(), "plain\nsecondplain\nsecond");

  // The editor's paste keys go through the same door and are one step of
  // its own undo.
  QWidget parent;
  EditorControl editor{&parent};
  parent.show();
  editor.setText("ab\r\n");
  editor.setSelStart(1);
  putRichText();
  QTest::keyClick(editor.widget(), Qt::Key_Insert, Qt::ShiftModifier);
  EXPECT_EQ(editor.text(), "aplain\r\nsecondb\r\n");
  editor.undo();
  EXPECT_EQ(editor.text(), "ab\r\n");
}

}  // namespace
}  // namespace wrenpad
