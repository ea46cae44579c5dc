// SPDX-License-Identifier: GPL-3.0-or-later
// The colour panels of the page, table, box and font dialogs: Tab reaches
// them, a reached panel shows it with a frame that stands out on its colour,
// and Space or Enter asks for a colour. Screen readers meet a button named
// by its label or caption, with its colour, that their press action presses.
// The page-settings dialog with a page's own lengths: what it cannot hold is
// shown as the page writes it, read-only, and an OK without a change writes
// nothing.
#include "page/font_frame.h"
#include "page/page_setting_dialog.h"
#include "page/page_settings.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using namespace wrenpad;

namespace {

TEST(ColourPanel, TabReachesItAFrameShowsItHasTheKeysAndSpaceOrEnterAskForAColour) {
  QWidget form;
  auto* field = new QLineEdit(&form);
  auto* panel = new ColourPanel(QStringLiteral("Color"), &form);
  auto* layout = new QVBoxLayout(&form);
  layout->addWidget(field);
  layout->addWidget(panel);
  form.show();
  form.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));

  for (const QColor colour : {QColor(Qt::black), QColor(Qt::white), QColor(Qt::yellow), QColor(0, 0, 128)}) {
    SCOPED_TRACE(colour.name().toStdString());
    panel->setColour(colour);
    field->setFocus();
    const QImage unfocused = panel->grab().toImage();
    QTest::keyClick(field, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), panel);
    const QImage focused = panel->grab().toImage();
    ASSERT_EQ(focused.size(), unfocused.size());
    // The frame runs round the panel: at least half its edge changes, to
    // the caption's colour, which stands out on the panel's.
    const QColor caption = panel->palette().color(QPalette::WindowText);
    int framed = 0;
    for (int y = 0; y < focused.height(); ++y)
      for (int x = 0; x < focused.width(); ++x)
        if (focused.pixel(x, y) != unfocused.pixel(x, y)) framed += focused.pixelColor(x, y) == caption;
    EXPECT_GE(framed, panel->width() + panel->height());
    EXPECT_GT(std::abs(qGray(caption.rgb()) - qGray(colour.rgb())), 100);
  }

  QSignalSpy asked(panel, &ColourPanel::clicked);
  QTest::keyClick(panel, Qt::Key_Space);
  QTest::keyClick(panel, Qt::Key_Return);
  EXPECT_EQ(asked.count(), 2);
}

TEST(ColourPanel, ScreenReadersMeetANamedButtonWithItsColourThatTheirPressActionPresses) {
  QWidget form;
  auto* panel = new ColourPanel(QStringLiteral("  Color"), &form);
  panel->setColour(Qt::red);
  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(panel);
  ASSERT_TRUE(accessible);
  EXPECT_EQ(accessible->role(), QAccessible::Button);
  EXPECT_EQ(accessible->text(QAccessible::Name), u"Color");
  EXPECT_EQ(accessible->text(QAccessible::Description), u"red");
  auto* label = new QLabel(QStringLiteral("Background"), &form);
  label->setBuddy(panel);
  EXPECT_EQ(accessible->text(QAccessible::Name), u"Background");
  panel->setAccessibleName(QStringLiteral("Text colour"));
  EXPECT_EQ(accessible->text(QAccessible::Name), u"Text colour");
  QSignalSpy asked(panel, &ColourPanel::clicked);
  ASSERT_TRUE(accessible->actionInterface());
  EXPECT_TRUE(accessible->actionInterface()->actionNames().contains(
      QAccessibleActionInterface::pressAction()));
  accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_EQ(asked.count(), 1);
}

TEST(PageSettingDialog, LengthsItCannotHoldAreShownAsWrittenAndKept) {
  const struct {
    const char* rule;
    const char* field;
    const char* shown;
    bool editable;
  } cases[] = {
      {"margin-top: 5px; margin-left: 2em", "LeftMargin", "2em", false},
      {"margin-top: 5px; margin-left: 2em", "TopMargin", "5", true},
      {"line-height: 1.5em", "LineHeight", "1.5em", false},
      {"font-size: 14px", "SpinEdit", "14px", false},
      {"font-size: 2em", "SpinEdit", "2em", false},  // below the field's smallest size
      {"font-size: large", "SpinEdit", "large", false},
      {"font-size: 12pt", "SpinEdit", "12", true},
  };
  THtmlPageSetting dialog;
  dialog.show();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.rule);
    const QString page = QStringLiteral("<html><head><style>\r\n  body { %1 }\r\n</style></head><body>x</body></html>")
                             .arg(QString::fromLatin1(c.rule));
    const PageSettingValues shown = ReadPageSettings(page, PageSettingValues{}, true).values;
    dialog.showValues(shown);
    QCoreApplication::processEvents();  // the layout follows the texts shown
    auto* field = dialog.findChild<QSpinBox*>(QString::fromLatin1(c.field));
    ASSERT_TRUE(field);
    EXPECT_EQ(field->text(), QString::fromLatin1(c.shown));
    // The whole text is in sight: the field's edit is as wide as the text.
    const auto* edit = field->findChild<QLineEdit*>();
    ASSERT_TRUE(edit);
    EXPECT_GE(edit->width(), edit->fontMetrics().horizontalAdvance(field->text()));
    EXPECT_EQ(field->isEnabled(), c.editable);
    EXPECT_EQ(WritePageSettings(page, shown, dialog.values(), false), page);
    // A step on a read-only field changes nothing either.
    if (!c.editable) {
      field->stepUp();
      EXPECT_EQ(WritePageSettings(page, shown, dialog.values(), false), page);
    }
  }
}

}  // namespace
