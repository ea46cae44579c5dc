// SPDX-License-Identifier: GPL-3.0-or-later
// Display as a Web Page from the window: the preview page beside the
// document, the preview window on a real web engine, the refresh instead of
// a second window, and the page removed when the preview closes, when a
// user's own file stands in the way, and when the program ends.
#include "files/private_files.h"
#include "page/preview/browser_window.h"
#include "page/preview/page_preview.h"
#include "page/preview/web_page_options.h"
#include "support/web_engine_guard.h"
#include "support/document_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <gtest/gtest.h>

using namespace wrenpad;

namespace {

struct PreviewCommand : test::DocumentWindow {
  void SetUp() override {
    if (test::kWebEngineUnderSanitizer) GTEST_SKIP() << test::kWebEngineSkipReason;
    DocumentWindow::SetUp();
  }
  void TearDown() override {
    if (main) DocumentWindow::TearDown();
  }
  QString previewBeside() const { return folder.file("Test_by_Wrenpad.htm"); }
  TBrowser* browser() { return main->browsers().existing(); }
};

TEST_F(PreviewCommand, F9WritesThePageBesideItShowsItAndRefreshesItThenClosingRemovesIt) {
  // A text gets no preview.
  open("notes.txt", "plain\r\n");
  EXPECT_FALSE(main->action("mmDisplayAsWebPage")->isEnabled());
  main->preview().mmDisplayAsWebPageClick();
  EXPECT_FALSE(QFileInfo::exists(previewBeside()));
  // 日本 in Shift-JIS, with LF line ends kept although CR LF is chosen for new documents.
  open("page.htm", "<html><head><title>Probe</title></head><body>\x93\xfa\x96\x7b</body></html>\n");
  main->action("mmNewCRLF")->trigger();
  main->editor().select(int(main->editor().text().indexOf("</body>")), 0);
  main->editor().replaceSelection("!");
  main->action("mmDisplayAsWebPage")->trigger();
  // The edited text, in the code and line ends of the document.
  EXPECT_EQ(test::TempFolder::read(previewBeside()),
            "<html><head><title>Probe</title></head><body>\x93\xfa\x96\x7b!</body></html>\n");
  ASSERT_NE(browser(), nullptr);
  EXPECT_TRUE(browser()->isVisible());
  EXPECT_EQ(browser()->address(), QDir::toNativeSeparators(previewBeside()));
  EXPECT_TRUE(main->editor().isModified());  // the document is not saved by a preview

  main->action("mmDisplayAsWebPage")->trigger();  // open already: refreshed in the same window
  int previewWindows = 0;
  for (QWidget* window : QApplication::topLevelWidgets())
    previewWindows += qobject_cast<TBrowser*>(window) != nullptr && window->isVisible();
  EXPECT_EQ(previewWindows, 1);
  browser()->close();
  EXPECT_FALSE(QFileInfo::exists(previewBeside()));
  // The program's end removes the preview page too.
  main->preview().mmDisplayAsWebPageClick();
  ASSERT_TRUE(QFileInfo::exists(previewBeside()));
  test::closeWithoutSaving(*main);
  main.reset();
  EXPECT_FALSE(QFileInfo::exists(previewBeside()));
}

// Live on: what is typed reaches the page beside the document once the
// typing pauses, in the code the page declares, and nothing is asked while
// the user types (a character that code cannot hold waits for F9).
TEST_F(PreviewCommand, LiveWritesWhatIsTypedAfterThePauseAskingNothing) {
  const QByteArray page = "<meta charset=\"Shift_JIS\">\r\n<p>x</p>\r\n";
  const auto pause = [] {
    QTimer clock;
    clock.setSingleShot(true);
    clock.start(kLivePreviewPause * 3);
    QTRY_VERIFY_WITH_TIMEOUT(!clock.isActive(), 10000);
  };
  for (const bool live : {true, false}) {
    SCOPED_TRACE(live);
    dialogs.answers.push_back(Answer::No);  // the last round's text is not saved
    open("page.htm", page);
    main->action("mmDisplayAsWebPage")->trigger();
    ASSERT_NE(browser(), nullptr);
    QCheckBox* liveBox = browser()->findChild<QCheckBox*>("chkLive");
    if (liveBox->isChecked() != live) liveBox->click();
    EXPECT_EQ(main->settings().LivePreview, live);
    dialogs.asked.clear();
    main->editor().select(main->editor().textLength(), 0);
    QTest::keyClicks(main->editor().widget(), "ab");
    main->editor().replaceSelection(QString::fromUtf8("日本"));
    EXPECT_EQ(test::TempFolder::read(previewBeside()), page);  // nothing is written on a key
    pause();
    const QByteArray typed = live ? page + "ab\x93\xfa\x96\x7b\r\n" : page;
    EXPECT_EQ(test::TempFolder::read(previewBeside()), typed);
    main->editor().replaceSelection(QString::fromUtf8("\U0001F600"));
    pause();
    EXPECT_EQ(test::TempFolder::read(previewBeside()), typed);
    EXPECT_EQ(dialogs.asked, QStringList());
  }
}

TEST_F(PreviewCommand, AUsersOwnFileOfThatNameIsKeptUnlessTheUserSaysReplace) {
  folder.write("Test_by_Wrenpad.htm", "mine");
  open("page.htm", "<html><body>x</body></html>\r\n");
  dialogs.answers.push_back(Answer::No);
  main->preview().mmDisplayAsWebPageClick();
  EXPECT_EQ(test::TempFolder::read(previewBeside()), "mine");
  EXPECT_EQ(browser(), nullptr);
  ASSERT_EQ(dialogs.asked.size(), 1);
  EXPECT_TRUE(dialogs.asked[0].contains("did not write"));
  EXPECT_EQ(dialogs.preferred, std::vector<Answer>{Answer::No});  // Enter keeps the file

  dialogs.answers.push_back(Answer::Yes);
  main->preview().mmDisplayAsWebPageClick();
  EXPECT_EQ(test::TempFolder::read(previewBeside()), "<html><body>x</body></html>\r\n");
  main->preview().mmDisplayAsWebPageClick();  // written by this run now: no second question
  EXPECT_EQ(dialogs.asked.size(), 2);
}

TEST_F(PreviewCommand, APageWhoseFolderIsGoneIsShownFromTheTemporaryFolderUnlessItLinksFiles) {
  const QString sub = folder.file("gone");
  QDir().mkpath(sub);
  open("gone/page.htm", "<html><body>alone</body></html>\r\n");
  QDir(sub).removeRecursively();
  // A link planted where a foreseeable folder name would be is not followed.
  QDir().mkpath(folder.file("planted"));
  const QString foreseen =
      files::privateFolderBase() + QStringLiteral("/wrenpad-preview-%1").arg(QCoreApplication::applicationPid());
  ASSERT_TRUE(QFile::link(folder.file("planted"), foreseen));
  main->preview().mmDisplayAsWebPageClick();
  QFile::remove(foreseen);
  const QString shown = main->preview().previewFile();
  EXPECT_TRUE(QDir(folder.file("planted")).isEmpty());
  const QFileInfo privateFolder(QFileInfo(shown).absolutePath());
  EXPECT_EQ(privateFolder.absolutePath(), files::privateFolderBase()) << shown.toStdString();
  EXPECT_EQ(privateFolder.permissions().toInt() & 0x0077, 0) << shown.toStdString();  // nobody else may enter
  EXPECT_TRUE(QFileInfo::exists(shown));

  browser()->close();
  EXPECT_FALSE(QFileInfo::exists(shown));
  main->editor().setText("<img src=\"pic.png\">");
  main->preview().mmDisplayAsWebPageClick();
  ASSERT_EQ(dialogs.askedOf("error").size(), 1);
  EXPECT_TRUE(dialogs.askedOf("error")[0].contains("refers to pictures"));
  EXPECT_FALSE(browser()->isVisible());
}

TEST_F(PreviewCommand, OptionsKeepTheBrowserOnCancelAndSwitchRenderingOnlyOnOk) {
  main->settings().Realization = true;
  for (const bool confirmed : {false, true}) {
    dialogs.answerFormWith<WebPageOptionsValues>([confirmed](WebPageOptionsValues& v) {
      v.browser = 3;
      v.realization = false;
      v.confirmed = confirmed;
    });
    main->action("mmWebPageEditOptions")->trigger();
    EXPECT_EQ(main->settings().Browser, 3);
    EXPECT_EQ(main->settings().Realization, !confirmed);
  }
}

// The page a preview is made for is never written over or removed by it.
TEST_F(PreviewCommand, APageNamedAsThePreviewIsShownFromItsOwnFileAndOutlivesTheProgram) {
  const QByteArray saved = "<html><body>saved</body></html>\r\n";
  open("Test_by_Wrenpad.htm", saved);
  main->editor().selectAll();
  main->editor().replaceSelection("<html><body>edited</body></html>");
  dialogs.answers.push_back(Answer::No);  // Save changes? No: the file as saved is shown
  main->action("mmDisplayAsWebPage")->trigger();
  EXPECT_TRUE(dialogs.askedOf("question").value(0).contains("Save changes"));
  ASSERT_NE(browser(), nullptr);
  EXPECT_EQ(test::TempFolder::read(previewBeside()), saved);
  browser()->close();
  EXPECT_EQ(test::TempFolder::read(previewBeside()), saved);

  dialogs.answers.push_back(Answer::Yes);  // Save changes? Yes: saved, then shown
  main->action("mmDisplayAsWebPage")->trigger();
  EXPECT_EQ(test::TempFolder::read(previewBeside()), "<html><body>edited</body></html>\r\n");
  EXPECT_TRUE(dialogs.askedOf("error").isEmpty()) << dialogs.asked.join("\n").toStdString();
  test::closeWithoutSaving(*main);
  main.reset();
  EXPECT_EQ(test::TempFolder::read(previewBeside()), "<html><body>edited</body></html>\r\n");
}

TEST_F(PreviewCommand, APageReachedThroughALinkOrSavedOverThePreviewIsNotRemoved) {
  // The document is a link to a file named as the preview page.
  const QByteArray saved = "<html><body>linked</body></html>\r\n";
  folder.write("Test_by_Wrenpad.htm", saved);
  ASSERT_TRUE(QFile::link(previewBeside(), folder.file("page.htm")));
  main->documents().OpenFile(folder.file("page.htm"));
  main->action("mmDisplayAsWebPage")->trigger();
  EXPECT_TRUE(dialogs.asked.isEmpty()) << dialogs.asked.join("\n").toStdString();
  ASSERT_NE(browser(), nullptr);
  browser()->close();
  EXPECT_EQ(test::TempFolder::read(previewBeside()), saved);

  // Another page's preview, then this page saved under the preview's name.
  QFile::remove(folder.file("page.htm"));
  QFile::remove(previewBeside());
  open("other.htm", "<html><body>other</body></html>\r\n");
  main->action("mmDisplayAsWebPage")->trigger();
  ASSERT_TRUE(QFileInfo::exists(previewBeside()));
  dialogs.filesToSave.push_back(previewBeside());
  dialogs.answers.push_back(Answer::Yes);  // replace the file of that name
  ASSERT_TRUE(main->documents().mmSaveAsClick());
  test::closeWithoutSaving(*main);
  main.reset();
  EXPECT_EQ(test::TempFolder::read(previewBeside()), "<html><body>other</body></html>\r\n");
}

TEST_F(PreviewCommand, ThePreviewPageIsNoMoreReadableThanItsDocument) {
  const auto permissionsOfPreviewFor = [this](QFileDevice::Permissions documentPermissions) {
    const QString page = folder.write("page.htm", "<html><body>private</body></html>\r\n");
    QFile::setPermissions(page, documentPermissions);
    main->documents().OpenFile(page);
    main->action("mmDisplayAsWebPage")->trigger();
    return QFileInfo(previewBeside()).permissions() & QFileDevice::Permissions(0x7077);  // owner, group, other
  };
  const QFileDevice::Permissions ownerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
  EXPECT_EQ(permissionsOfPreviewFor(ownerOnly), ownerOnly);
  // The page written again for a document others may read: still no more
  // than the document allows.
  const QFileDevice::Permissions groupReads = ownerOnly | QFileDevice::ReadGroup;
  const QFileDevice::Permissions preview = permissionsOfPreviewFor(groupReads);
  EXPECT_EQ(preview & ~groupReads, QFileDevice::Permissions()) << std::hex << int(preview);
}

// A desktop without a browser: xdg-open is there but gives up with status 3.
TEST_F(PreviewCommand, AScriptPageWhoseBrowserGivesUpIsReportedWithItsAddressAndShownInThePreview) {
  const QString fakeOpener = folder.write("bin/xdg-open", "#!/bin/sh\nexit 3\n");
  QFile::setPermissions(fakeOpener, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  const QByteArray path = qgetenv("PATH");
  qputenv("PATH", QFile::encodeName(folder.file("bin")));
  open("script.htm", "<html><body><script type=\"javascript\">document.write('x')</script></body></html>\r\n");
  main->action("mmDisplayAsWebPage")->trigger();
  qputenv("PATH", path);
  EXPECT_TRUE(QTest::qWaitFor([this] { return !dialogs.askedOf("error").isEmpty(); }, 10000));
  ASSERT_EQ(dialogs.askedOf("error").size(), 1) << dialogs.asked.join("\n").toStdString();
  const QString report = dialogs.askedOf("error")[0];
  const QString address = QUrl::fromLocalFile(previewBeside()).toString();
  for (const QString& part : {QString("\"xdg-open\""), QString("status 3"), address})
    EXPECT_TRUE(report.contains(part)) << report.toStdString();
  ASSERT_NE(browser(), nullptr);
  EXPECT_TRUE(browser()->isVisible());
}

}  // namespace
