// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own question box: Enter presses the answer the question
// prefers, so a question that may destroy a file is not answered Yes by a
// key pressed out of habit.
#include "platform/qt_dialogs.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace wrenpad;

TEST(QtDialogs, EnterPressesThePreferredAnswer) {
  for (const Answer preferred : {Answer::Yes, Answer::No, Answer::Cancel}) {
    QtDialogs dialogs;
    // Enter is pressed on the box once it is up.
    QTimer::singleShot(0, [] {
      if (QWidget* box = QApplication::activeModalWidget()) QTest::keyClick(box, Qt::Key_Return);
    });
    EXPECT_EQ(dialogs.askYesNoCancel("title", "Replace it?", preferred), preferred) << int(preferred);
  }
}
