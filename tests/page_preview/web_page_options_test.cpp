// SPDX-License-Identifier: GPL-3.0-or-later
// The Webpage-Editing Options dialog grows to its texts, in both languages
// and whichever language it was shown in before: no browser's caption is cut.
#include "page/preview/web_page_options.h"

#include "page/preview/preview_rules.h"
#include "text/translation.h"

#include <QAbstractButton>
#include <QTest>
#include <gtest/gtest.h>

namespace wrenpad {
namespace {

TEST(WebPageOptions, TheDialogGrowsToItsTexts) {
  TWebPageEditOptions form;
  for (const bool japanese : {false, true, false}) {
    const InterfaceLanguageScope language(interfaceLanguageFor(japanese));
    WebPageOptionsValues values;
    // No browser installed: the longest captions.
    values.browserCaptions = BrowserChoiceCaptions([](const QString&) { return QString(); });
    form.showValues(values);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    for (const QAbstractButton* item : form.findChildren<QAbstractButton*>())
      EXPECT_GE(item->width(), item->sizeHint().width()) << item->text().toStdString();
    EXPECT_GE(form.width(), 315);  // the design width stays the least
    form.hide();
  }
}

}  // namespace
}  // namespace wrenpad
