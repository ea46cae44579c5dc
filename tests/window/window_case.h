// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A started window with the keyword and template lists beside it, and ways to
// find, select, type and read the colour of pieces of its text.

#include "support/document_window.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace wrenpad::test {

struct WindowCase : DocumentWindow {
  // The settings file the window starts with.
  virtual QByteArray settingsText() const { return kEnglishSettings; }

  void SetUp() override {
    const QDir shipped(QFileInfo(QStringLiteral(__FILE__)).dir().filePath("../../resources"));
    for (const char* name : {"CodeTemplateList_C.ini", "CodeTemplateList_Pascal.ini"})
      QFile::copy(shipped.filePath(name), folder.file(name));
    folder.write("KeyWords_cpp.ini", "|int\r\n|void\r\nreturn\r\nfor\r\nif\r\nelse|\r\n");
    folder.write("KeyWords_pas.ini", "|begin|\r\n|end.|\r\nmy\r\n|print\r\n");
    main = startWindow(folder, dialogs, {}, settingsText());
    main->document().CurrentFolder = folder.path();
    QApplication::setActiveWindow(main.get());
  }
  EditorControl& editor() { return main->editor(); }
  QString text() { return main->editor().text(); }
  int at(const QString& piece) { return int(text().indexOf(piece)); }
  void select(const QString& piece) { editor().select(at(piece), int(piece.size())); }
  void trigger(const char* name) { main->action(name)->trigger(); }

  // The colour the editor shows the first character of `piece` in.
  QColor colourOf(const QString& piece) {
    auto* view = qobject_cast<QPlainTextEdit*>(editor().widget());
    QTextCursor cursor(view->document());
    cursor.setPosition(editor().toDocumentPosition(at(piece)) + 1);
    const QBrush brush = cursor.charFormat().foreground();
    return brush.style() == Qt::NoBrush ? view->palette().color(QPalette::Text) : brush.color();
  }
  // Types into the editor key by key; a line feed is Enter.
  void type(const QString& keys) {
    for (const QChar c : keys) {
      if (c == u'\n')
        QTest::keyClick(editor().widget(), Qt::Key_Return);
      else
        QTest::keyClicks(editor().widget(), QString(c));
    }
  }
};

}  // namespace wrenpad::test
