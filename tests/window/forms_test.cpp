// SPDX-License-Identifier: GPL-3.0-or-later
// The window's own forms as values: what goes in comes out, Cancel gives
// nothing, and the real dialogs run through the same seam as the scripted ones.
#include "platform/qt_dialogs.h"
#include "text/translation.h"
#include "window/about_box.h"
#include "window/doc_type_dialog.h"

#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QImage>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QUrl>

namespace wrenpad {
namespace {

// Presses a form's button once Qt runs the form's event loop.
void pressSoon(QDialog& form, bool accept, int chooseKind = -1) {
  QTimer::singleShot(0, &form, [&form, accept, chooseKind] {
    if (chooseKind >= 0)
      form.findChild<QRadioButton*>(QStringLiteral("RadioGroupItem%1").arg(chooseKind))->click();
    accept ? form.accept() : form.reject();
  });
}

TEST(Forms, DocumentTypeShowsItsValuesAndGivesTheChosenKindBack) {
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
  EXPECT_EQ(item(2)->text(), "Pascal program");
  EXPECT_FALSE(item(2)->isEnabled());
  values.languageMode = 99;  // out of range: the first language names the kind
  {
    const InterfaceLanguageScope japanese(InterfaceLanguage::Japanese);
    form.showValues(values);
    EXPECT_EQ(item(2)->text(), QString::fromUtf8("C/C++プログラム"));
  }

  QtDialogs dialogs;
  values.kind = 0;
  pressSoon(form, true, 1);
  const std::optional<DocumentTypeValues> chosen = dialogs.askForm(form, values);
  ASSERT_TRUE(chosen.has_value());
  EXPECT_EQ(chosen->kind, 1);
  EXPECT_EQ(chosen->languageMode, 99);  // what the form only shows comes back as it went in
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

TEST(Forms, EnterOnAFocusedLinkOfTheAboutBoxClosesItAndSpaceOpensTheLinkThatShowsTheFocus) {
  AddressesOpened desktop;
  for (const char* scheme : {"https", "mailto"}) QDesktopServices::setUrlHandler(scheme, &desktop, "open");
  TAboutBox box;
  for (const char* name : {"URL", "MailAdress"}) {
    SCOPED_TRACE(name);
    box.show();
    auto* link = box.findChild<QPushButton*>(name);
    ASSERT_NE(link, nullptr);
    link->setFocus();
    QTest::keyClick(link, Qt::Key_Return);
    EXPECT_FALSE(box.isVisible());
    EXPECT_EQ(box.result(), QDialog::Accepted);
    EXPECT_TRUE(desktop.addresses.isEmpty());
  }
  // The link with the keys shows it.
  box.show();
  box.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&box));
  auto* mail = box.findChild<QPushButton*>("MailAdress");
  box.findChild<QPushButton*>("URL")->setFocus();
  const QImage unfocused = mail->grab().toImage();
  mail->setFocus();
  EXPECT_NE(mail->grab().toImage(), unfocused);
  QTest::keyClick(mail, Qt::Key_Space);
  EXPECT_EQ(desktop.addresses, QList<QUrl>{QUrl("mailto:" + kMailAddress)});
  EXPECT_TRUE(box.isVisible());
  for (const char* scheme : {"https", "mailto"}) QDesktopServices::unsetUrlHandler(scheme);
}

}  // namespace
}  // namespace wrenpad

#include "forms_test.moc"
