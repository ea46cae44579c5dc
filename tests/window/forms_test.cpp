// The window's own forms as values: what goes in comes out, Cancel gives
// nothing, and the real dialogs run through the same seam as the scripted ones.
#include "platform/qt_dialogs.h"
#include "window/about_box.h"
#include "window/doc_type_dialog.h"

#include <gtest/gtest.h>

#include <QRadioButton>
#include <QTimer>

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
  values.japanese = false;
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
  values.japanese = true;
  values.languageMode = 99;  // out of range: the first language names the kind
  form.showValues(values);
  EXPECT_EQ(item(2)->text(), QString::fromUtf8("C/C++プログラム"));

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

TEST(Forms, AboutBoxShowsTheNameAndVersion) {
  TAboutBox box;
  const AboutText text{"  Wrenpad", "      Version 9"};
  QtDialogs dialogs;
  pressSoon(box, true);
  EXPECT_EQ(dialogs.askForm(box, text), text);
}

}  // namespace
}  // namespace wrenpad
