// SPDX-License-Identifier: GPL-3.0-or-later
// What the interface says, in both languages: a name a screen reader reads
// for every control that takes the focus, a letter of its own for every menu
// item, Japanese texts in the Japanese interface, and the window's own forms.
#include "editing/code_template_dialog.h"
#include "editing/find_dialogs.h"
#include "editing/macro_dialog.h"
#include "help/help_search.h"
#include "html/forms/form_dialogs.h"
#include "html/forms/html_font_dialog.h"
#include "html/forms/image_property.h"
#include "html/forms/link_dialog.h"
#include "html/forms/table_dialog.h"
#include "page/box_setting_dialog.h"
#include "page/page_setting_dialog.h"
#include "page/preview/browser_window.h"
#include "page/preview/web_page_options.h"
#include "platform/qt_dialogs.h"
#include "programming/programming_options.h"
#include "programming/snippet_dialogs.h"
#include "window/about_box.h"
#include "window/command_table.h"
#include "window/doc_type_dialog.h"
#include "window_case.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QDesktopServices>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTimer>
#include <functional>
#include <map>

using namespace wrenpad;

namespace {

QString accessibleName(QWidget* widget) {
  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
  return accessible ? accessible->text(QAccessible::Name) : QString();
}

// "Dialog: object (class)" for each enabled control of `window` that takes
// the focus and has no name, or is read "O K". A field that hands its focus
// on (the text field of a spin box) is its owner's part; the dialogs the
// window owns and the lists that combo boxes pop up are windows of their own.
QStringList namelessControls(QWidget& window) {
  QStringList nameless;
  for (QWidget* widget : window.findChildren<QWidget*>()) {
    if (widget->focusPolicy() == Qt::NoFocus || !widget->isEnabled() || widget->focusProxy() ||
        widget->window() != &window)
      continue;
    const QString name = accessibleName(widget).trimmed();
    if (name.isEmpty() || name == u"O K")
      nameless << QStringLiteral("%1: %2 (%3)").arg(window.objectName(), widget->objectName(),
                                                     widget->metaObject()->className());
  }
  return nameless;
}

template <class Form>
std::unique_ptr<QWidget> make(test::ScriptedDialogs&) {
  return std::make_unique<Form>();
}

std::unique_ptr<QWidget> makeHelpSearch(test::ScriptedDialogs& dialogs) {
  return std::make_unique<THelpSearch>(dialogs, [](const QString&) {});
}

const std::function<std::unique_ptr<QWidget>(test::ScriptedDialogs&)> kForms[] = {
    make<TDocType>, make<TAboutBox>, makeHelpSearch, make<TFindDialog>, make<TReplaceDialog>,
    make<TMacroReplaceDialog>, make<TCodeTemplateList>, make<TProgrammingOptions>,
    make<TInspectionDialog>, make<TInputWizardDialog>, make<THtmlPageSetting>, make<TBoxSetting>,
    make<TWebPageEditOptions>, make<TLinkDialog>, make<TImageProperty>, make<TTableDialog>,
    make<THtmlFontDialog>, make<TFormDialog>, make<TSingleLineInputDialog>, make<TTextArea>,
    make<TSelectDialog>, make<TCheckDialog>, make<TDivDialog>, make<TBrowser>};

// "menu: problem" for each item without a letter and each letter taken twice;
// items that no view ever shows take no letter.
QStringList letterProblems(const QString& menuName, const QList<QAction*>& items) {
  QStringList problems;
  std::map<QString, QStringList> byLetter;
  for (const QAction* item : items) {
    const CommandRow* row = findCommand(item->objectName().toUtf8().constData());
    if (item->isSeparator() || (row && (row->flags & kHidden) && !row->visible)) continue;
    const QString letter = QKeySequence::mnemonic(item->text()).toString();
    if (letter.isEmpty())
      problems << menuName + ": no letter for \"" + item->text() + "\"";
    else
      byLetter[letter] << item->text();
  }
  for (const auto& [letter, texts] : byLetter)
    if (texts.size() > 1) problems << menuName + ": " + letter + " for " + texts.join(" and ");
  for (const QAction* item : items)
    if (item->menu())
      problems += letterProblems(menuName + " > " + item->text(), item->menu()->actions());
  return problems;
}

TEST(InterfaceTexts, EveryControlHasANameAndEveryMenuItemALetterOfItsOwnInBothLanguages) {
  for (const bool japanese : {false, true}) {
    SCOPED_TRACE(japanese ? "Japanese" : "English");
    test::TempFolder folder;
    test::ScriptedDialogs dialogs;
    const QByteArray settings = japanese ? "[Settings]\r\nJpn=1\r\n" : test::kEnglishSettings;
    const auto main = test::startWindow(folder, dialogs, {}, settings);
    QStringList nameless = namelessControls(*main);
    for (const auto& make : kForms) nameless << namelessControls(*make(dialogs));
    EXPECT_TRUE(nameless.isEmpty()) << nameless.join('\n').toStdString();

    // The Coding menu's title and first item follow the programming language.
    for (int language = 0; language < 4; ++language) {
      main->settings().PL = std::int8_t(language);
      main->UpdateCodingMenu();
      QStringList problems = letterProblems("menu bar", main->menuBar()->actions());
      problems += letterProblems("pop-up", main->popupMenu()->actions());
      EXPECT_TRUE(problems.isEmpty()) << problems.join("\n").toStdString();
    }
    test::closeWithoutSaving(*main);
  }
}

// Texts of a dialog's labels, buttons and frames holding an English word;
// the names of what the text is about (JavaScript, OK) are no English.
QStringList englishTextsOf(const QWidget& dialog) {
  static const QRegularExpression word(QStringLiteral("[A-Za-z]{3,}"));
  QStringList texts;
  for (const QLabel* label : dialog.findChildren<QLabel*>()) texts << label->text();
  for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>())
    texts << button->text();
  for (const QGroupBox* frame : dialog.findChildren<QGroupBox*>()) texts << frame->title();
  QStringList english;
  for (QString text : texts) {
    text.remove(QStringLiteral("JavaScript"));
    if (text.contains(word)) english << text;
  }
  return english;
}

struct JapaneseTexts : test::WindowCase {
  QByteArray settingsText() const override { return "[Settings]\r\nJpn=1\r\n"; }
};

// The menus, the help window, the page and box dialogs with their font frame,
// and a page's colour that cannot be read.
TEST_F(JapaneseTexts, MenusHelpThePageDialogsAndTheirReportsSpeakJapanese) {
  ASSERT_TRUE(main->japaneseInterface());
  EXPECT_EQ(main->helpWindow().windowTitle(), QStringLiteral("ヘルプ"));
  open("page.htm",
       "<html><head><style>\r\n body{color:#12zz56}\r\n</style></head><body>x</body></html>\r\n");
  trigger("mmPageSettings");
  const QString report = dialogs.askedOf("error").value(0);
  EXPECT_TRUE(report.contains(QStringLiteral("スタイルシートのbodyのcolor"))) << report.toStdString();
  auto* pageForm = main->findChild<THtmlPageSetting*>("HtmlPageSetting");
  ASSERT_NE(pageForm, nullptr);
  pageForm->showValues(dialogs.shownValues<PageSettingValues>());  // as the dialog is shown
  EXPECT_EQ(englishTextsOf(*pageForm), QStringList());
  auto* boxForm = main->findChild<TBoxSetting*>("BoxSetting");
  ASSERT_NE(boxForm, nullptr);
  boxForm->showValues(BoxSettingValues{});
  EXPECT_EQ(englishTextsOf(*boxForm), QStringList());
}

// Presses a form's button once Qt runs the form's event loop.
void pressSoon(QDialog& form, bool accept, int chooseKind) {
  QTimer::singleShot(0, &form, [&form, accept, chooseKind] {
    form.findChild<QRadioButton*>(QStringLiteral("RadioGroupItem%1").arg(chooseKind))->click();
    accept ? form.accept() : form.reject();
  });
}

// The document-type form gives the chosen kind back through the real dialogs'
// seam, and nothing on Cancel.
TEST(Forms, TheDocumentTypeFormGivesTheChosenKindBack) {
  TDocType form;
  DocumentTypeValues values;
  values.languageMode = 3;
  values.choosable = {true, true, false};
  values.kind = 1;
  form.showValues(values);
  EXPECT_EQ(form.values(), values);
  const auto item = [&form](int i) {
    return form.findChild<QRadioButton*>(QStringLiteral("RadioGroupItem%1").arg(i));
  };
  EXPECT_FALSE(item(2)->isEnabled());
  QtDialogs dialogs;
  values.kind = 0;
  pressSoon(form, true, 1);
  const std::optional<DocumentTypeValues> chosen = dialogs.askForm(form, values);
  ASSERT_TRUE(chosen.has_value());
  EXPECT_EQ(chosen->kind, 1);
  EXPECT_EQ(chosen->languageMode, 3);  // what the form only shows comes back as it went in
  pressSoon(form, false, 0);
  EXPECT_FALSE(dialogs.askForm(form, values).has_value());
}

// Stands in for the desktop: the addresses the program asks it to open.
class AddressesOpened : public QObject {
  Q_OBJECT
 public:
  QList<QUrl> addresses;
 public slots:
  void open(const QUrl& address) { addresses << address; }
};

// Enter on a focused link of the About box closes it; Space opens the link.
TEST(Forms, EnterOnALinkOfTheAboutBoxClosesItAndSpaceOpensIt) {
  AddressesOpened desktop;
  for (const char* scheme : {"https", "mailto"})
    QDesktopServices::setUrlHandler(scheme, &desktop, "open");
  TAboutBox box;
  box.show();
  auto* mail = box.findChild<QPushButton*>("MailAdress");
  mail->setFocus();
  QTest::keyClick(mail, Qt::Key_Return);
  EXPECT_FALSE(box.isVisible());
  EXPECT_TRUE(desktop.addresses.isEmpty());
  box.show();
  mail->setFocus();
  QTest::keyClick(mail, Qt::Key_Space);
  EXPECT_EQ(desktop.addresses, QList<QUrl>{QUrl("mailto:" + kMailAddress)});
  EXPECT_TRUE(box.isVisible());
  for (const char* scheme : {"https", "mailto"}) QDesktopServices::unsetUrlHandler(scheme);
}

}  // namespace

#include "interface_texts_test.moc"
