// SPDX-License-Identifier: GPL-3.0-or-later
// The Live switch of the preview: typing writes the preview page once the
// typing pauses, and the window reloads it in place without taking the focus.
#include "documents/document_commands.h"
#include "documents/document_host.h"
#include "documents/editor_view.h"
#include "editor/editor_control.h"
#include "page/preview/browser_window.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"
#include "support/web_engine_guard.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineSettings>
#include <QWebEngineView>
#include <gtest/gtest.h>

namespace wrenpad {
namespace {

struct QuietHost : DocumentHost, PreviewHost {
  void setWindowCaption(const QString&) override {}
  void showCurrentFolder() override {}
  void SelectProgramMode() override {}
  void SetWebPageMode(bool) override {}
  void setHtmlToolBarVisible(bool) override {}
  void showCommandStates() override {}
  void beginDocument() override {}
  void paintTags(int, int) override {}
  void setEditorFontSize(int) override {}
  void startUndoTimer() override {}
  std::optional<int> askDocumentType() override { return 0; }
  void newProgramFromTemplate() override {}
  void newPageFromText() override {}
  void fileUsed(const QString&) override {}
  void moveToUpperHalf() override {}
  void repaintWithRendering() override {}
};

struct CountingWindow : PreviewWindow {
  bool shown = false;
  int reloads = 0;
  bool isShown() const override { return shown; }
  void showAddress(const QString&) override { shown = true; }
  void refresh() override {}
  void reloadKeepingPlace() override { ++reloads; }
};

TEST(LivePreview, TypingWritesThePageInItsDeclaredCodeOnceAfterThePauseOnlyWhileLiveIsOn) {
  const QByteArray page = "<meta charset=\"Shift_JIS\">\r\n<p>x</p>\r\n";
  for (const bool live : {true, false}) {
    SCOPED_TRACE(live);
    test::TempFolder folder;
    test::ScriptedDialogs dialogs;
    QWidget window;
    EditorControl editor{&window};
    DocumentState document;
    SessionState session;
    Settings settings;
    const MessageTable messages = englishMessages();
    QuietHost host;
    EditorView view{{.editor = editor}};
    ShownView shown{view};
    DocumentCommands files{{.editor = editor, .view = shown, .dialogs = dialogs, .host = host, .document = document,
                            .session = session, .settings = settings, .messages = messages}};
    CountingWindow browser;
    PagePreview preview({.editor = editor, .dialogs = dialogs, .host = host, .document = document,
                         .settings = settings, .files = files, .startProgram = {}, .findProgram = {},
                          .temporaryFolderPrefix = {}},
                        browser);
    files.OpenFile(folder.write("page.htm", page));
    document.DocumentMode = kHtmlMode;
    preview.mmDisplayAsWebPageClick();
    browser.liveSwitched(live);
    EXPECT_EQ(settings.LivePreview, live);
    for (const QString typed : {"a", "b", "日本"}) {
      editor.select(editor.textLength(), 0);
      editor.replaceSelection(typed);
      preview.textChanged();
    }
    EXPECT_EQ(browser.reloads, 0);  // nothing is written on a key
    QTimer clock;
    clock.setSingleShot(true);
    clock.start(kLivePreviewPause * 3);
    QTRY_VERIFY_WITH_TIMEOUT(!clock.isActive() || browser.reloads > 1, 10000);
    EXPECT_EQ(browser.reloads, live ? 1 : 0);
    // 日本 in Shift-JIS, the code the page declares, and a line end as a save writes it.
    EXPECT_EQ(test::TempFolder::read(folder.file("Test_by_Wrenpad.htm")),
              live ? page + "ab\x93\xfa\x96\x7b\r\n" : page);
    // A character the declared code cannot hold: no question while typing, and no write.
    editor.replaceSelection(QString::fromUtf8("\U0001F600"));
    preview.textChanged();
    clock.start(kLivePreviewPause * 3);
    QTRY_VERIFY_WITH_TIMEOUT(!clock.isActive(), 10000);
    EXPECT_EQ(browser.reloads, live ? 1 : 0);
    EXPECT_TRUE(dialogs.askedOf("question").isEmpty());
  }
}

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
