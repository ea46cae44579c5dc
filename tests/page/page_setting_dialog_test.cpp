// SPDX-License-Identifier: GPL-3.0-or-later
// The page-settings dialog with a page's own lengths: what it cannot hold is
// shown as the page writes it, read-only, and an OK without a change writes
// nothing.
#include "page/page_setting_dialog.h"
#include "page/page_settings.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QSpinBox>
#include <gtest/gtest.h>

using namespace wrenpad;

namespace {

TEST(PageSettingDialog, LengthsItCannotHoldAreShownAsWrittenAndKept) {
  const struct {
    const char* rule;
    const char* field;
    const char* shown;
    bool editable;
  } cases[] = {
      {"margin-left: 2em", "LeftMargin", "2em", false},
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
