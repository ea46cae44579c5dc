// SPDX-License-Identifier: GPL-3.0-or-later
// A screen reader can name every control that takes the focus, in both
// interface languages: those of the main window and of every dialog of the
// program. An "&O K" button is read "OK", not as two letters.
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
#include "programming/programming_options.h"
#include "programming/snippet_dialogs.h"
#include "window/about_box.h"
#include "window/doc_type_dialog.h"
#include "support/window_fixture.h"

#include <QAccessible>
#include <functional>
#include <gtest/gtest.h>

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
      nameless << QStringLiteral("%1: %2 (%3)")
                      .arg(window.objectName(), widget->objectName(), widget->metaObject()->className());
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
    make<TMacroReplaceDialog>, make<TCodeTemplateList>, make<TProgrammingOptions>, make<TInspectionDialog>,
    make<TInputWizardDialog>, make<THtmlPageSetting>, make<TBoxSetting>, make<TWebPageEditOptions>,
    make<TLinkDialog>, make<TImageProperty>, make<TTableDialog>, make<THtmlFontDialog>, make<TFormDialog>,
    make<TSingleLineInputDialog>, make<TTextArea>, make<TSelectDialog>, make<TCheckDialog>, make<TDivDialog>,
    make<TBrowser>};

// The main window's own fields, by object name, and what each is called.
struct Named {
  const char* object;
  const char* english;
  const char* japanese;
};
constexpr Named kMainFields[] = {{"Editor", "Text", "本文"},
                                 {"LargeFileView", "Text", "本文"},
                                 {"CMsgWindow", "Messages", "メッセージ"},
                                 {"EnhancedEdit1", "Line number", "行番号"}};

}  // namespace

TEST(AccessibleNames, EveryControlThatTakesTheFocusHasANameInBothLanguages) {
  for (const bool japanese : {false, true}) {
    SCOPED_TRACE(japanese ? "Japanese" : "English");
    test::TempFolder folder;
    test::ScriptedDialogs dialogs;
    const auto main = test::startWindow(folder, dialogs, {},
                                        japanese ? QByteArray("[Settings]\r\nJpn=1\r\n") : test::kEnglishSettings);
    for (const Named& field : kMainFields) {
      auto* widget = main->findChild<QWidget*>(field.object);
      ASSERT_NE(widget, nullptr) << field.object;
      EXPECT_EQ(accessibleName(widget).toStdString(), japanese ? field.japanese : field.english);
    }
    QStringList nameless = namelessControls(*main);
    for (const auto& make : kForms) nameless << namelessControls(*make(dialogs));
    EXPECT_TRUE(nameless.isEmpty()) << nameless.join('\n').toStdString();
    test::closeWithoutSaving(*main);
  }
}
