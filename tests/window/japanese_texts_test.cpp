// SPDX-License-Identifier: GPL-3.0-or-later
// The Japanese interface speaks Japanese: the menus, the help window, the
// page-settings and box dialogs with their font frame, the colours a page
// names that cannot be read, and the reasons a picture cannot be shown.
#include "help/help_search.h"
#include "html/forms/image_property.h"
#include "html/link_command.h"
#include "page/box_setting_dialog.h"
#include "page/page_setting_dialog.h"
#include "page/page_settings.h"
#include "support/document_window.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace wrenpad;

namespace {

// Texts of a dialog's labels, buttons and frames holding an English word;
// the names of what the text is about (JavaScript, OK) are no English.
QStringList englishTextsOf(const QWidget& dialog) {
  static const QRegularExpression word(QStringLiteral("[A-Za-z]{3,}"));
  QStringList texts;
  for (const QLabel* label : dialog.findChildren<QLabel*>()) texts << label->text();
  for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) texts << button->text();
  for (const QGroupBox* frame : dialog.findChildren<QGroupBox*>()) texts << frame->title();
  QStringList english;
  for (QString text : texts) {
    text.remove(QStringLiteral("JavaScript"));
    if (text.contains(word)) english << text;
  }
  return english;
}

struct JapaneseTexts : test::DocumentWindow {
  void SetUp() override { main = test::startWindow(folder, dialogs, {}, "[Settings]\r\nJpn=1\r\n"); }
};

TEST_F(JapaneseTexts, MenusHelpAndThePageDialogsSpeakJapanese) {
  ASSERT_TRUE(main->japaneseInterface());
  EXPECT_EQ(main->action("mmLanguage")->text(), QStringLiteral("言語(&L)"));
  EXPECT_EQ(main->helpWindow().windowTitle(), QStringLiteral("ヘルプ"));

  // A colour of the body rule that cannot be read is named in Japanese.
  open("page.htm", "<html><head><style>\r\n body{color:#12zz56}\r\n</style></head><body>x</body></html>\r\n");
  main->action("mmPageSettings")->trigger();
  ASSERT_EQ(dialogs.askedOf("error").size(), 1);
  const QString report = dialogs.askedOf("error")[0];
  EXPECT_TRUE(report.contains(QStringLiteral("スタイルシートのbodyのcolor"))) << report.toStdString();
  EXPECT_FALSE(report.contains("body rule")) << report.toStdString();
  auto* pageForm = main->findChild<THtmlPageSetting*>("HtmlPageSetting");
  ASSERT_NE(pageForm, nullptr);
  ASSERT_EQ(dialogs.formsShown.size(), 1u);
  pageForm->showValues(dialogs.shownValues<PageSettingValues>());  // as the dialog is shown
  EXPECT_EQ(englishTextsOf(*pageForm), QStringList());
  EXPECT_EQ(pageForm->findChild<QLabel*>("Panel1")->text(), QStringLiteral("タイトル："));

  // The font frame reads the same in every dialog that holds it.
  auto* boxForm = main->findChild<TBoxSetting*>("BoxSetting");
  ASSERT_NE(boxForm, nullptr);
  boxForm->showValues(BoxSettingValues{});
  EXPECT_EQ(englishTextsOf(*boxForm), QStringList());
  EXPECT_EQ(boxForm->findChild<QAbstractButton*>("chkSetFontSize")->text(),
            pageForm->findChild<QAbstractButton*>("chkSetFontSize")->text());
}

TEST_F(JapaneseTexts, APictureThatCannotBeShownIsExplainedInJapanese) {
  open("page.htm", "<html><body>x</body></html>\r\n");
  dialogs.filesToOpen.push_back({folder.write("notes.png", "not a picture"), 0});
  main->links().mmPictureClick();
  ASSERT_EQ(dialogs.formsShown.size(), 1u);
  const QString problem = dialogs.shownValues<ImagePropertyValues>().problem;
  EXPECT_TRUE(problem.contains(QStringLiteral("画像"))) << problem.toStdString();
  EXPECT_FALSE(problem.contains("picture")) << problem.toStdString();
}

}  // namespace
