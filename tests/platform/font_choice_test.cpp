// The font dialog as Edit > Font builds it: opened on the installed face the
// editor draws with and accepted without a change, it gives the program's
// own font back, upright and regular, whatever order the family lists its
// styles in ("Oblique" or "Bold Italic" often come first).
#include "platform/font_choice.h"

#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>
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

TEST(FontChoice, OkWithoutAChangeKeepsTheFontOfEveryInstalledFamilyAndOfTheProgramsOwnFaces) {
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
}

TEST(FontChoice, ASizeOrStyleChangedKeepsTheProgramsFaceAndAnotherFamilyIsTakenAsChosen) {
  if (!QFontDatabase::hasFamily(QStringLiteral("DejaVu Sans"))) GTEST_SKIP() << "DejaVu Sans is not installed";
  QFont::insertSubstitution(QStringLiteral("Wrenpad Test Gothic"), QStringLiteral("DejaVu Sans"));
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

}  // namespace
