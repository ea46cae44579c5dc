// SPDX-License-Identifier: GPL-3.0-or-later
// The font dialog as Edit > Font builds it: opened on the installed face the
// editor draws with and accepted without a change, it gives the program's
// own font back, upright and regular, whatever order the family lists its
// styles in ("Oblique" or "Bold Italic" often come first).
#include "platform/font_choice.h"
#include "platform/qt_dialogs.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>
#include <QListView>
#include <QStringListModel>
#include <QTimer>
#include <gtest/gtest.h>

using namespace wrenpad;

namespace {

// What OK on the dialog gives when nothing in it was touched.
QFont acceptedUnchanged(const QFont& used) {
  const QFont opened = installedFontOf(used);
  QFontDialog dialog(opened);
  dialog.setOption(QFontDialog::DontUseNativeDialog);
  dialog.accept();
  // The dialog shows the face the editor draws with, not the first style
  // its family lists.
  const QFontInfo drawn(used), shown(dialog.selectedFont());
  EXPECT_EQ(shown.family(), drawn.family()) << used.family().toStdString();
  EXPECT_EQ(shown.styleName(), drawn.styleName()) << used.family().toStdString();
  return fontChosenFrom(used, opened, dialog.selectedFont());
}

QFont sized(const QString& family, int points) {
  QFont font(family);
  font.setPointSize(points);
  return font;
}

// OK without a change keeps the font of every installed family and of the
// program's own faces; a size or style changed keeps the program's face, and
// another family is taken as chosen.
TEST(FontChoice, OkKeepsTheFontAndAChangeKeepsTheProgramsFaceUnlessAnotherFamilyIsChosen) {
  QFont::insertSubstitution(QStringLiteral("Wrenpad Test Gothic"), QStringLiteral("DejaVu Sans"));
  QStringList faces = QFontDatabase::families();
  faces << QStringLiteral("Wrenpad Test Gothic") << QStringLiteral("ＭＳ ゴシック");
  for (const QString& face : faces) {
    const QFont used = sized(face, 11);
    const QFont chosen = acceptedUnchanged(used);
    EXPECT_EQ(chosen.family(), face);
    EXPECT_EQ(chosen.pointSize(), 11) << face.toStdString();
    EXPECT_EQ(chosen.italic(), used.italic()) << face.toStdString();
    EXPECT_EQ(chosen.weight(), used.weight()) << face.toStdString();
    EXPECT_FALSE(chosen.underline() || chosen.strikeOut()) << face.toStdString();
  }

  if (!QFontDatabase::hasFamily(QStringLiteral("DejaVu Sans"))) GTEST_SKIP() << "DejaVu Sans is not installed";
  const QFont used = sized(QStringLiteral("Wrenpad Test Gothic"), 11);
  const QFont opened = installedFontOf(used);
  EXPECT_EQ(opened.family(), QStringLiteral("DejaVu Sans"));

  const QFont larger = fontChosenFrom(used, opened, QFontDatabase::font(opened.family(), opened.styleName(), 14));
  EXPECT_EQ(larger.family(), QStringLiteral("Wrenpad Test Gothic"));
  EXPECT_EQ(larger.pointSize(), 14);
  EXPECT_FALSE(larger.bold() || larger.italic());

  const QFont bold = fontChosenFrom(used, opened, QFontDatabase::font(opened.family(), QStringLiteral("Bold"), 11));
  EXPECT_EQ(bold.family(), QStringLiteral("Wrenpad Test Gothic"));
  EXPECT_TRUE(bold.bold());
  EXPECT_FALSE(bold.italic());

  const QFont other = fontChosenFrom(used, opened, sized(QStringLiteral("DejaVu Serif"), 12));
  EXPECT_EQ(other.family(), QStringLiteral("DejaVu Serif"));
  EXPECT_EQ(other.pointSize(), 12);
}

// Whether `family` has a face that is upright, or upright and not bold.
bool hasStyle(const QString& family, bool bold) {
  for (const QString& style : QFontDatabase::styles(family))
    if (!QFontDatabase::italic(family, style) && (bold || QFontDatabase::weight(family, style) < QFont::DemiBold))
      return true;
  return false;
}

// Every family clicked in Edit > Font's dialog shows its upright face of
// normal weight, whatever style the family before it showed; OK gives it.
TEST(FontChoice, PickingAFamilyShowsItsUprightFaceOfNormalWeight) {
  const QString serif = QStringLiteral("DejaVu Serif");
  if (!QFontDatabase::hasFamily(serif)) GTEST_SKIP() << "DejaVu Serif is not installed";
  QStringList slanted, heavy;
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<QFontDialog*>(QApplication::activeModalWidget());
    ASSERT_TRUE(dialog);
    for (QListView* list : dialog->findChildren<QListView*>()) {
      auto* model = qobject_cast<QStringListModel*>(list->model());
      if (!model || !model->stringList().contains(serif)) continue;
      const QStringList families = model->stringList() << serif;
      for (const QString& family : families) {
        list->setCurrentIndex(model->index(model->stringList().indexOf(family)));
        const QFont shown = dialog->currentFont();
        if (shown.italic() && hasStyle(family, true)) slanted << family;
        if (shown.weight() >= QFont::DemiBold && hasStyle(family, false)) heavy << family;
      }
    }
    dialog->accept();
  });
  // Opened on a face whose style name ("Roman", "Regular") the others lack.
  // With an Apply button, as Edit > Font opens it.
  const std::optional<QFont> chosen =
      QtDialogs().chooseFont(sized(QStringLiteral("Times New Roman"), 11), [](const QFont&) {});
  EXPECT_EQ(slanted.join(u", ").toStdString(), "");
  EXPECT_EQ(heavy.join(u", ").toStdString(), "");
  ASSERT_TRUE(chosen);
  EXPECT_EQ(chosen->family(), serif);
  EXPECT_FALSE(chosen->italic() || chosen->bold());
}

}  // namespace
