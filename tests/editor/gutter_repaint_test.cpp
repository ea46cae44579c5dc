// SPDX-License-Identifier: GPL-3.0-or-later
// The line-number gutter repaints only the stretches whose lines changed:
// after every kind of edit, caret move, scroll and change of colours, what
// stands on the screen beside the text is what painting the gutter afresh
// gives, and a key typed within a line paints none of it.
#include "editor/editor_control.h"
#include "editor/line_number_gutter.h"

#include <QApplication>
#include <QImage>
#include <QPaintEvent>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>
#include <random>

using namespace wrenpad;

namespace {

class PaintCounter : public QObject {
 public:
  int paints = 0;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};

struct GutterRepaint : ::testing::Test {
  QWidget window;
  EditorControl editor{&window};
  LineNumberGutter& gutter = LineNumberGutter::of(editor);
  QPlainTextEdit& edit = *qobject_cast<QPlainTextEdit*>(editor.widget());
  PaintCounter counter;

  void SetUp() override {
    window.resize(420, 300);
    editor.widget()->resize(420, 300);
    window.show();
    gutter.setShown(true);
    gutter.installEventFilter(&counter);
  }
  // The gutter as the screen holds it, once every pending paint is done.
  QImage onScreen() {
    QApplication::processEvents();
    const QPixmap shot = window.screen()->grabWindow(window.winId());
    const QRect place(gutter.mapTo(&window, QPoint(0, 0)), gutter.size());
    return shot.copy(place).toImage().convertToFormat(QImage::Format_RGB32);
  }
  QImage paintedAfresh() { return gutter.grab().toImage().convertToFormat(QImage::Format_RGB32); }
};

TEST_F(GutterRepaint, WhatTheScreenShowsIsWhatPaintingAfreshGives) {
  QStringList lines;
  for (int n = 1; n <= 60; ++n) lines << QStringLiteral("line %1").arg(n);
  editor.setText(lines.join(QStringLiteral("\r\n")));
  std::mt19937 random(20260607);
  const auto below = [&random](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
  for (int step = 0; step < 300; ++step) {
    switch (below(9)) {
      case 0: QTest::keyClick(&edit, Qt::Key_Return); break;
      case 1: QTest::keyClick(&edit, Qt::Key_Backspace); break;
      case 2: QTest::keyClicks(&edit, QString(below(3) == 0 ? 90 : 1, u'w')); break;  // may wrap
      case 3: editor.setSelStart(below(editor.textLength() + 1)); break;
      case 4: editor.scrollLines(below(21) - 10); break;
      case 5: gutter.setErrorLine(below(4) == 0 ? std::nullopt : std::optional<int>(below(editor.lineCount()))); break;
      case 6: {
        const int start = below(editor.textLength() + 1);
        editor.select(start, std::min(below(40), editor.textLength() - start));
        editor.replaceSelection(QString());
        break;
      }
      case 7: editor.setBackground(below(2) == 0 ? QColor(Qt::white) : QColor(20, 30, 60)); break;
      default: QTest::keyClicks(&edit, QStringLiteral("ab")); break;
    }
    ASSERT_EQ(onScreen(), paintedAfresh()) << "step " << step;
  }
}

TEST_F(GutterRepaint, AKeyTypedWithinALinePaintsNoneOfIt) {
  editor.setText(QStringLiteral("first\r\nsecond\r\nthird"));
  editor.setSelStart(9);
  onScreen();
  counter.paints = 0;
  QTest::keyClicks(&edit, QStringLiteral("abc"));
  QTest::keyClick(&edit, Qt::Key_Backspace);
  onScreen();
  EXPECT_EQ(counter.paints, 0);
  // A new line's number is painted.
  QTest::keyClick(&edit, Qt::Key_Return);
  onScreen();
  EXPECT_GT(counter.paints, 0);
}

}  // namespace
