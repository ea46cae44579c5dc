// SPDX-License-Identifier: GPL-3.0-or-later
// Tool-bar pictures drawn in the text colour of the palette: under a dark
// palette the letters, lines and the magnifying glass are light, under a
// light one dark, and the buttons of the window follow a change of palette.
#include "window/icons.h"
#include "editor/gutter_look.h"
#include "html/forms/link_dialog.h"
#include "support/window_fixture.h"

#include <QApplication>
#include <QLabel>
#include <QToolBar>
#include <gtest/gtest.h>

using namespace wrenpad;

namespace {

// The mean lightness (0 to 255) of the picture's opaque pixels; -1 when it has none.
double inkLightness(const QIcon& icon) {
  const QImage image = icon.pixmap(QSize(24, 24)).toImage().convertToFormat(QImage::Format_ARGB32);
  double sum = 0;
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QColor pixel = image.pixelColor(x, y);
      if (pixel.alpha() < 200) continue;
      sum += pixel.lightness();
      ++count;
    }
  return count ? sum / count : -1;
}

QPalette darkPalette() {
  QPalette palette(QColor(0x35, 0x35, 0x35), QColor(0x2b, 0x2b, 0x2b));
  palette.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xee));
  palette.setColor(QPalette::ButtonText, QColor(0xee, 0xee, 0xee));
  palette.setColor(QPalette::Text, QColor(0xee, 0xee, 0xee));
  return palette;
}

struct ToolIcons : ::testing::Test {
  const QPalette before = QApplication::palette();
  void TearDown() override { QApplication::setPalette(before); }
};

const char* const kGlyphPictures[] = {"tbFind",      "tbReplace", "tbCut",   "tbHTMLfont", "tbBold", "tbItalic",
                                      "tbBulletList", "tbNumbering", "tbCenter", "tbRight",   "tbBR"};

// The pictures, and the window's buttons after a change of palette, take its text colour.
TEST_F(ToolIcons, GlyphsTakeThePalettesTextColourAndTheWindowsButtonsFollow) {
  test::TempFolder folder;
  test::ScriptedDialogs dialogs;
  const std::unique_ptr<TMain> main = test::startWindow(folder, dialogs, {}, test::kEnglishSettings);
  QApplication::setPalette(darkPalette());
  for (const char* name : kGlyphPictures) EXPECT_GT(inkLightness(toolIcon(name)), 150) << name;
  EXPECT_GT(inkLightness(main->action("tbBold")->icon()), 150);
  QApplication::setPalette(QPalette(Qt::lightGray, Qt::white));
  for (const char* name : kGlyphPictures) EXPECT_LT(inkLightness(toolIcon(name)), 100) << name;
  EXPECT_LT(inkLightness(main->action("tbBold")->icon()), 100);
  test::closeWithoutSaving(*main);
}

TEST_F(ToolIcons, ColouredLinesStandOutOnADarkToolBar) {
  QApplication::setPalette(darkPalette());
  const QColor back = darkPalette().color(QPalette::Window);
  for (const char* name : {"tbLink", "tbUndo", "tbBrowse", "tbOpen", "tbSaveAs"}) {
    const QImage image = toolIcon(name).pixmap(QSize(24, 24)).toImage().convertToFormat(QImage::Format_ARGB32);
    double least = 21;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if (image.pixelColor(x, y).alpha() == 255) least = std::min(least, contrastRatio(image.pixelColor(x, y), back));
    EXPECT_GE(least, 2.95) << name;
  }
}

TEST_F(ToolIcons, TheLinkDialogsRedHintReadsOnADarkPalette) {
  QApplication::setPalette(darkPalette());
  TLinkDialog dialog(nullptr);
  dialog.showValues(LinkValues{});
  const QLabel* hint = dialog.findChild<QLabel*>(QStringLiteral("BrinkerLabel1"));
  ASSERT_NE(hint, nullptr);
  const QColor red(hint->styleSheet().section(u' ', -1));
  ASSERT_TRUE(red.isValid()) << hint->styleSheet().toStdString();
  EXPECT_GE(contrastRatio(red, darkPalette().color(QPalette::Window)), 4.5);
  EXPECT_GT(red.red(), red.green());  // still red
}

}  // namespace
