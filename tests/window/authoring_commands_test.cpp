// SPDX-License-Identifier: GPL-3.0-or-later
// The form, division, box and conversion commands from the window's menus,
// a converted comma-separated file shown in the preview with its text as it
// was, and the help keys: F1 opens the page of the control in use, F2 looks
// the word at the caret up in the help.
#include "documents/document_commands.h"
#include "help/help_search.h"
#include "html/form_markup.h"
#include "page/box_setting_dialog.h"
#include "page/page_setting_dialog.h"
#include "page/preview/browser_window.h"
#include "page/preview/page_preview.h"
#include "support/web_engine_guard.h"
#include "support/window_fixture.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <gtest/gtest.h>

using namespace wrenpad;

namespace {

struct Authoring : ::testing::Test {
  test::TempFolder folder;
  test::ScriptedDialogs dialogs;
  std::unique_ptr<TMain> main;
  void start() { main = test::startWindow(folder, dialogs, {}, test::kEnglishSettings); }
  void TearDown() override {
    if (main) test::closeWithoutSaving(*main);
  }
  EditorControl& editor() { return main->editor(); }
  void openPage(const QByteArray& bytes) { main->documents().OpenFile(folder.write("page.htm", bytes)); }
  void caretBefore(const QString& text) { editor().select(int(editor().text().indexOf(text)), 0); }
};

// Records the pages the help would open in the browser.
class PageCatcher : public QObject {
  Q_OBJECT
 public:
  QStringList opened;
 public slots:
  void open(const QUrl& url) { opened << url.toLocalFile(); }
};

}  // namespace

TEST_F(Authoring, FormDivisionAndBoxCommandsWriteTheirMarkUpFromTheMenus) {
  start();
  openPage("<html>\r\n<head>\r\n<title>t</title>\r\n</head>\r\n<body>\r\nHello there\r\n</body>\r\n</html>\r\n");
  caretBefore("</body>");
  dialogs.answerFormWith<CheckBoxValues>([](CheckBoxValues& v) {
    v.commonName = "q";
    v.questions = "Yes\r\nNo";
  });
  main->action("mmCheckBox")->trigger();
  EXPECT_TRUE(editor().text().contains(
      "<input type = \"checkbox\" name = \"q_1\">Yes<br>\r\n<input type = \"checkbox\" name = \"q_2\">No<br>\r\n</body>"));

  editor().select(int(editor().text().indexOf("Hello")), 5);
  dialogs.answerFormWith<DivValues>([](DivValues& v) { v.align = "center"; });
  main->action("mmDiv")->trigger();
  EXPECT_TRUE(editor().text().contains("<div align = \"center\">Hello</div> there"));

  // A box class made in a page without a style block, then offered again.
  editor().select(int(editor().text().indexOf("there")), 5);
  dialogs.answerFormWith<BoxSettingValues>([](BoxSettingValues& v) { v.className = "note"; });
  main->action("tbCreateBox")->trigger();
  const QString page = editor().text();
  EXPECT_TRUE(page.contains(".note{"));
  EXPECT_TRUE(page.indexOf("<style") < page.indexOf("</head>"));
  EXPECT_TRUE(page.contains("<font class = \"note\">there</font><br>"));
  main->action("mmCreateBox")->trigger();  // cancelled
  EXPECT_TRUE(dialogs.shownValues<BoxSettingValues>(dialogs.formsShown.size() - 1).classNames.contains("note"));
  EXPECT_EQ(editor().text(), page);
}

TEST_F(Authoring, ACommaSeparatedFileBecomesAPageThePreviewShowsWithItsTextAsItWas) {
  if (test::kWebEngineUnderSanitizer) GTEST_SKIP() << test::kWebEngineSkipReason;
  start();
  // Shift-JIS: 港 is 0x8d 0x60.
  main->documents().OpenFile(folder.write(
      "people.csv", "name,note\r\n\"Sato, Ken\",\"says \"\"hi\"\" & <bye>\"\r\n\x8d\x60,\r\n"));
  dialogs.answerFormWith<PageSettingValues>([](PageSettingValues& v) { v.title = "People"; });
  main->action("mmModifyAsHTMLfile")->trigger();
  EXPECT_EQ(main->document().DocumentMode, kHtmlMode);
  EXPECT_EQ(main->windowTitle(), "Untitled.htm - Wrenpad");
  EXPECT_TRUE(editor().text().contains("<td>Sato, Ken<td>says &quot;hi&quot; &amp; &lt;bye&gt;") ||
              editor().text().contains("<td>Sato, Ken<td>says \"hi\" &amp; &lt;bye&gt;"));

  // Saved beside the file, the page is shown by the preview.
  dialogs.filesToSave = {folder.file("people.htm")};
  main->documents().mmSaveAsClick();
  main->action("mmDisplayAsWebPage")->trigger();
  TBrowser* browser = main->browsers().existing();
  ASSERT_NE(browser, nullptr);
  QSignalSpy loaded(&browser->view(), &QWebEngineView::loadFinished);
  ASSERT_TRUE(loaded.wait(20000));
  QString shown;
  browser->view().page()->toPlainText([&shown](const QString& text) { shown = text; });
  ASSERT_TRUE(QTest::qWaitFor([&shown] { return !shown.isEmpty(); }, 10000));
  EXPECT_TRUE(shown.contains("Sato, Ken")) << shown.toStdString();
  EXPECT_TRUE(shown.contains("says \"hi\" & <bye>")) << shown.toStdString();
  EXPECT_TRUE(shown.contains(QString::fromUtf8("港"))) << shown.toStdString();
}

TEST_F(Authoring, F1OpensThePageOfTheControlInUseInTheHelpViewerAndF2LooksTheWordUpInTheHelp) {
  if (test::kWebEngineUnderSanitizer) GTEST_SKIP() << test::kWebEngineSkipReason;
  folder.write("Help/html_en/HelpContextID.txt", "[ID]\r\n1=MenuCommands\r\n5=Programs\r\n6=Page\r\n9=UsingHelp\r\n");
  folder.write("Help/html_en/MenuCommands.htm", "<html><title>Menus</title>studies of menus</html>");
  folder.write("Help/html_en/UsingHelp.htm", "<html><title>Using help</title></html>");
  folder.write("Help/html_en/index.htm", "<html><title>Start</title></html>");
  start();
  // No page goes to the desktop's browser.
  PageCatcher catcher;
  QDesktopServices::setUrlHandler("file", &catcher, "open");
  editor().setText("Two studies. more\r\n");
  editor().setFocus();
  QApplication::setActiveWindow(main.get());
  QTest::keyClick(editor().widget(), Qt::Key_F1);
  ASSERT_NE(main->shownHelpViewer(), nullptr);
  TBrowser& viewer = *main->shownHelpViewer();
  EXPECT_TRUE(viewer.isVisible());
  EXPECT_TRUE(viewer.address().endsWith("Help/html_en/MenuCommands.htm")) << viewer.address().toStdString();
  // The contents, index and search beside it.
  EXPECT_EQ(dialogs.askedOf("modeless"), QStringList{"HelpSearch"});

  // F1 on the Search tab of the help window: the page about the help window.
  THelpSearch& help = main->helpWindow();
  help.show();
  help.findChild<QTabWidget*>("TabControl")->setCurrentIndex(THelpSearch::SearchTab);
  auto* field = help.findChild<QLineEdit*>("edSearch");
  field->setFocus();
  QApplication::setActiveWindow(&help);
  QTest::keyClick(field, Qt::Key_F1);
  EXPECT_TRUE(viewer.address().endsWith("Help/html_en/UsingHelp.htm")) << viewer.address().toStdString();
  QDesktopServices::unsetUrlHandler("file");
  EXPECT_TRUE(catcher.opened.isEmpty()) << catcher.opened.join(", ").toStdString();
  help.hide();

  editor().setFocus();
  QApplication::setActiveWindow(main.get());
  editor().setSelStart(6);  // inside "studies."
  QTest::keyClick(editor().widget(), Qt::Key_F2);
  EXPECT_EQ(help.helpContext(), 9);  // the Search tab
  EXPECT_EQ(help.findChild<QLineEdit*>("edSearch")->text(), "study");
  EXPECT_EQ(QApplication::clipboard()->text(), "study");
  viewer.close();
}

#include "authoring_commands_test.moc"
