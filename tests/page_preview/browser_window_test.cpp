// SPDX-License-Identifier: GPL-3.0-or-later
// The preview window on a real web engine: a page loads, its title comes
// back, a second page counts as a second download and enables Back.
#include "page/preview/browser_window.h"

#include <QSignalSpy>
#include <QTest>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <gtest/gtest.h>

#include "support/temp_folder.h"
#include "support/web_engine_guard.h"

namespace wrenpad {
namespace {

// Waits for the view's next load; false when it does not end in time or
// does not load.
bool loaded(QSignalSpy& spy) {
  if (spy.isEmpty() && !spy.wait(20000)) return false;
  return spy.takeFirst().value(0).toBool();
}

TEST(PreviewWindow, ShowsALocalPageAndCountsDownloadsForBack) {
  if (test::kWebEngineUnderSanitizer) GTEST_SKIP() << test::kWebEngineSkipReason;
  test::TempFolder folder;
  const QString first = folder.write("first page.htm", "<html><head><title>Erste Seite</title></head>"
                                                       "<body><a href=\"second.htm\">next</a></body></html>");
  const QString second = folder.write("second.htm", "<html><head><title>Zweite</title></head><body>2</body></html>");
  TBrowser browser;
  QSignalSpy spy(&browser.view(), &QWebEngineView::loadFinished);
  browser.showAddress(first);
  if (!loaded(spy)) GTEST_SKIP() << "the web engine could not load a page on this machine";
  EXPECT_EQ(browser.view().title(), "Erste Seite");
  EXPECT_EQ(browser.address(), first);  // a local page shows as its path
  EXPECT_EQ(browser.downloadCount(), 1);
  EXPECT_EQ(browser.findChild<QWidget*>("btnBack")->isEnabled(), false);

  browser.showAddress(second);
  ASSERT_TRUE(loaded(spy));
  EXPECT_EQ(browser.view().title(), "Zweite");
  EXPECT_EQ(browser.downloadCount(), 2);
  EXPECT_TRUE(browser.findChild<QWidget*>("btnBack")->isEnabled());

  // A page that opens a window gets a preview window of its own.
  browser.view().page()->runJavaScript("window.open('" + QUrl::fromLocalFile(first).toString() + "')");
  QTRY_COMPARE_WITH_TIMEOUT(browser.findChildren<TBrowser*>().size(), 1, 20000);
  TBrowser* opened = browser.findChildren<TBrowser*>().first();
  QTRY_COMPARE_WITH_TIMEOUT(opened->view().title(), QString("Erste Seite"), 20000);
  EXPECT_TRUE(opened->isVisible());

  bool closed = false;
  browser.closed = [&closed] { closed = true; };
  browser.close();
  EXPECT_TRUE(closed);
}

TEST(PreviewWindow, EscapeClosesItFromTheAddressFieldAndFromThePage) {
  TBrowser browser;
  bool closed = false;
  browser.closed = [&closed] { closed = true; };
  browser.show();
  QTest::keyClick(browser.findChild<QWidget*>("edURL"), Qt::Key_Escape);
  EXPECT_TRUE(closed);
  EXPECT_FALSE(browser.isVisible());
  closed = false;
  browser.show();
  QTest::keyClick(&browser, Qt::Key_Escape);  // keys the page does not take reach the window
  EXPECT_TRUE(closed);
}

// Escape with the focus in the page closes the window, as the preview and as
// the help viewer; in a form field of the page the key is the page's.
TEST(PreviewWindow, EscapeInThePageClosesTheWindowButNotFromAFormField) {
  if (test::kWebEngineUnderSanitizer) GTEST_SKIP() << test::kWebEngineSkipReason;
  test::TempFolder folder;
  const QString page = folder.write("form.htm", "<html><body><p>text</p><input id=\"f\"><script>"
                                                "document.getElementById('f').onkeydown ="
                                                " e => { if (e.key == 'Escape') document.title = 'taken'; };"
                                                "</script></body></html>");
  const struct {
    bool help;
    const char* focus;  // the element given the focus, or none
    bool closes;
  } cases[] = {{false, "", true}, {true, "", true}, {false, "f", false}, {true, "f", false}};
  for (const auto& c : cases) {
    TBrowser browser;
    if (c.help) browser.setHelpUse({[] { return QRect(10, 20, 400, 300); }, [](const QUrl&) {}});
    bool closed = false;
    browser.closed = [&closed] { closed = true; };
    QSignalSpy spy(&browser.view(), &QWebEngineView::loadFinished);
    browser.showAddress(page);
    if (!loaded(spy)) GTEST_SKIP() << "the web engine could not load a page on this machine";
    browser.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&browser));
    browser.view().setFocus();
    QWidget* pageWidget = browser.view().focusProxy();
    ASSERT_TRUE(pageWidget);
    ASSERT_TRUE(QTest::qWaitFor([&] { return pageWidget->hasFocus(); }, 20000));
    if (*c.focus) {
      browser.view().page()->runJavaScript(QStringLiteral("document.getElementById('%1').focus()").arg(c.focus));
      ASSERT_TRUE(QTest::qWaitFor([&] { return pageWidget->testAttribute(Qt::WA_InputMethodEnabled); }, 20000));
    }
    QTest::keyClick(pageWidget, Qt::Key_Escape);
    if (!c.closes) {
      EXPECT_TRUE(QTest::qWaitFor([&] { return browser.view().title() == u"taken"; }, 20000));
    }
    EXPECT_EQ(closed, c.closes) << c.help << c.focus;
    EXPECT_EQ(browser.isVisible(), !c.closes) << c.help << c.focus;
  }
}

// As the help viewer: its own pages load inside it, a link to another site
// goes to the user's browser, and the window is titled after the page.
TEST(PreviewWindow, TheHelpViewerHandsLinksToOtherSitesToTheUsersBrowser) {
  if (test::kWebEngineUnderSanitizer) GTEST_SKIP() << test::kWebEngineSkipReason;
  test::TempFolder folder;
  const QString page = folder.write("UsingHelp.htm", "<html><head><title>Using help</title></head><body>"
                                                     "<a id=\"out\" href=\"https://example.invalid/support\">x</a>"
                                                     "<a id=\"in\" href=\"Other.htm\">y</a></body></html>");
  folder.write("Other.htm", "<html><head><title>Other page</title></head><body>2</body></html>");
  TBrowser viewer;
  QList<QUrl> outside;
  viewer.setHelpUse({[] { return QRect(10, 20, 400, 300); }, [&outside](const QUrl& url) { outside << url; }});
  QSignalSpy spy(&viewer.view(), &QWebEngineView::loadFinished);
  viewer.showAddress(page);
  EXPECT_EQ(viewer.geometry(), QRect(10, 20, 400, 300));
  if (!loaded(spy)) GTEST_SKIP() << "the web engine could not load a page on this machine";
  QTRY_COMPARE_WITH_TIMEOUT(viewer.windowTitle(), QString("Using help"), 20000);
  viewer.view().page()->runJavaScript("document.getElementById('out').click()");
  QTRY_COMPARE_WITH_TIMEOUT(outside.size(), 1, 20000);
  EXPECT_EQ(outside[0], QUrl("https://example.invalid/support"));
  EXPECT_EQ(viewer.address(), page);  // the help page stays
  viewer.view().page()->runJavaScript("document.getElementById('in').click()");
  QTRY_COMPARE_WITH_TIMEOUT(viewer.view().title(), QString("Other page"), 20000);
  EXPECT_EQ(outside.size(), 1);
}

}  // namespace
}  // namespace wrenpad
