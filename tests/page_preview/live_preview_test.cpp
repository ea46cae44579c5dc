// SPDX-License-Identifier: GPL-3.0-or-later
// The Live switch of the preview window: a reload keeps the place and the
// focus, and a page gone shows the web view's own message.
#include "page/preview/browser_window.h"
#include "support/temp_folder.h"
#include "support/web_engine_guard.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineSettings>
#include <QWebEngineView>
#include <gtest/gtest.h>

namespace wrenpad {
namespace {

TEST(LivePreview, AReloadKeepsTheScrollPositionAndTheFocusAndAPageGoneShowsTheErrorPage) {
  if (test::kWebEngineUnderSanitizer) GTEST_SKIP() << test::kWebEngineSkipReason;
  test::TempFolder folder;
  const QString page = folder.write("page.htm", "<html><body><div style=\"height:5000px\">tall</div></body></html>");
  QLineEdit editor;
  TBrowser browser;
  browser.previewFile = [&page] { return page; };
  browser.liveOn = [] { return true; };
  QSignalSpy loads(&browser.view(), &QWebEngineView::loadFinished);
  browser.showAddress(page);
  if (!loads.wait(20000) || !loads.takeFirst().value(0).toBool()) GTEST_SKIP() << "the web engine loads no page here";
  EXPECT_TRUE(browser.findChild<QCheckBox*>("chkLive")->isVisible());
  EXPECT_TRUE(browser.findChild<QCheckBox*>("chkLive")->isChecked());
  EXPECT_FALSE(browser.view().settings()->testAttribute(QWebEngineSettings::FocusOnNavigationEnabled));
  browser.view().page()->runJavaScript("window.scrollTo(0, 1200)");
  QTRY_COMPARE_WITH_TIMEOUT(browser.view().page()->scrollPosition().y(), 1200.0, 20000);
  editor.show();
  editor.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&editor));
  editor.setFocus();
  ASSERT_EQ(QApplication::focusWidget(), &editor);
  browser.reloadKeepingPlace();
  ASSERT_TRUE(loads.wait(20000));
  QTRY_COMPARE_WITH_TIMEOUT(browser.view().page()->scrollPosition().y(), 1200.0, 20000);
  EXPECT_EQ(QApplication::focusWidget(), &editor);
  EXPECT_EQ(browser.downloadCount(), 1);  // a live reload is no download of its own

  QFile::remove(page);
  loads.clear();
  browser.reloadKeepingPlace();
  ASSERT_TRUE(loads.wait(20000));
  EXPECT_FALSE(loads.takeFirst().value(0).toBool());
  QString shown;
  browser.view().page()->toPlainText([&shown](const QString& text) { shown = text; });
  QTRY_VERIFY_WITH_TIMEOUT(!shown.trimmed().isEmpty(), 20000);
}

}  // namespace
}  // namespace wrenpad
