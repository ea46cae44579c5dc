// SPDX-License-Identifier: GPL-3.0-or-later
// The page-settings dialog with a page's own lengths: what it cannot hold is
// shown as the page writes it, read-only, and an OK without a change writes
// nothing. Screen readers tell its margins and colour panels apart.
#include "page/page_setting_dialog.h"
#include "page/page_settings.h"
#include "text/translation.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QLineEdit>
#include <QSet>
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
      {"font-size: 0.9rem", "SpinEdit", "0.9rem", false},
      {"font-size: 2em", "SpinEdit", "2em", false},  // below the field's smallest size
      {"font-size: large", "SpinEdit", "large", false},
      {"font-size: 12pt", "SpinEdit", "12", true},
      {"font-size: 3em", "SpinEdit", "3em", false},
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

// Each margin and colour panel has a name of its own in either language.
TEST(PageSettingDialog, ScreenReadersTellTheMarginsAndColourPanelsApartAndPressThePanels) {
  for (const InterfaceLanguage language : {InterfaceLanguage::English, InterfaceLanguage::Japanese}) {
    const InterfaceLanguageScope scope(language);
    THtmlPageSetting dialog;
    QSet<QString> names;
    for (const char* object :
         {"TopMargin", "BottomMargin", "LeftMargin", "RightMargin", "ColorPanel", "FontColorPanel"}) {
      SCOPED_TRACE(object);
      QAccessibleInterface* accessible =
          QAccessible::queryAccessibleInterface(dialog.findChild<QWidget*>(QString::fromLatin1(object)));
      ASSERT_TRUE(accessible);
      names << accessible->text(QAccessible::Name);
      if (!QByteArray(object).endsWith("Panel")) continue;
      EXPECT_EQ(accessible->role(), QAccessible::Button);
      ASSERT_TRUE(accessible->actionInterface());
      EXPECT_TRUE(accessible->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
    }
    EXPECT_EQ(names.size(), 6);
    EXPECT_FALSE(names.contains(QString()));
  }
  EXPECT_EQ(QAccessible::queryAccessibleInterface(THtmlPageSetting().findChild<QWidget*>("TopMargin"))
                ->text(QAccessible::Name),
            "Top margin");
}

}  // namespace
