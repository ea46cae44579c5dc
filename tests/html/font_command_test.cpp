// SPDX-License-Identifier: GPL-3.0-or-later
// The Font command on the editor, with the font dialog answered by script,
// and the font dialog and font frame themselves.
#include "html/dialog_command_fixture.h"
#include "html/font_command.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QSpinBox>
#include <QTest>

using namespace wrenpad;
using namespace wrenpad::test;

namespace {

const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);
const QStringList kFaces{"Arial", "Doc Face", "Times"};

struct FontCommandTest : DialogCommandFixture<THtmlFontDialog, FontCommand, FontCommandContext> {
  FontCommandTest() { colouring.EditorFontSize = 10; }
};

}  // namespace

TEST_F(FontCommandTest, WrapsTheSelectionAndShowsItInTheChosenFont) {
  setText("<body>Say Hello now</body>");
  editor.select(10, 5);
  dialogs.answerFormWith<HtmlFontValues>([](HtmlFontValues& v) {
    v.colour = kRed;
    v.size = 1;
  });
  command.mmHTMLFontClick();
  EXPECT_EQ(textWithCaret(), "<body>Say <font color=\"red\" size=\"+1\" >Hello|</font> now</body>");
  EXPECT_EQ(colouring.PageFontColorChoice, "FF0000");

  EXPECT_EQ(singleTags, (std::vector<std::pair<int, int>>{{10, 39}}));  // the opening tag
  EXPECT_EQ(ranges, (std::vector<std::pair<int, int>>{{39, 44}}));
  const CharAttributes content = attributesAt(40);
  EXPECT_EQ(std::tuple(*content.color, *content.sizePoints, *content.fontName),
            std::tuple(kRed, 13, "Doc Face"));
  EXPECT_EQ(*attributesAt(44).color, kBlue);  // the closing tag
  EXPECT_EQ(*attributesAt(44).sizePoints, 10);
  EXPECT_TRUE(session.ChangeWatch);
}

TEST_F(FontCommandTest, CancelAndUnchangedValuesLeaveTheTextAlone) {
  setText("a|b");
  command.mmHTMLFontClick();
  EXPECT_EQ(textWithCaret(), "a|b");  // no blank left behind

  // Presets come from the enclosing element; nothing differs, nothing is written.
  setText("<font size=\"+2\" color=\"green\">a Hello b</font>");
  editor.select(32, 5);
  dialogs.answerFormWith<HtmlFontValues>([](HtmlFontValues&) {});
  command.mmHTMLFontClick();
  const HtmlFontValues shown = dialogs.shownValues<HtmlFontValues>(1);
  EXPECT_EQ(shown.size, 2);
  EXPECT_EQ(shown.colour, QColor(0, 128, 0));
  EXPECT_EQ(textWithCaret(), "<font size=\"+2\" color=\"green\">a Hello| b</font>");
}

TEST_F(FontCommandTest, CaretInOpeningTagRewritesItAndKeepsTheClosingTag) {
  setText("x<font col|or=\"red\">Hi</font>y");
  dialogs.answerFormWith<HtmlFontValues>([](HtmlFontValues& v) { v.colour = kBlue; });
  command.mmHTMLFontClick();
  EXPECT_EQ(dialogs.shownValues<HtmlFontValues>().colour, kRed);
  EXPECT_EQ(textWithCaret(), "x<font color=\"blue\" size=\"+0\" >Hi|</font>y");
  EXPECT_EQ(colourAt(31), kBlue);  // the content in the new colour

  // The nested element stays inside; the tag's face and class are kept.
  setText("<font face=\"Arial\" class=\"note\" color=\"red\"|>A<font size=\"+2\">B</font>C</font>D");
  dialogs.answerFormWith<HtmlFontValues>([](HtmlFontValues& v) { v.colour = kBlue; });
  command.mmHTMLFontClick();
  EXPECT_EQ(editor.text(),
            "<font face=\"Arial\" color=\"blue\" size=\"+0\" class=\"note\">A<font size=\"+2\">B</font>C</font>D");
}

TEST(FontForms, DialogPreselectsThePageFaceAndAsksForColours) {
  THtmlFontDialog dialog;
  dialog.setColourChooser([](const QColor& initial) -> std::optional<QColor> {
    return initial == Qt::black ? std::optional<QColor>(kRed) : std::nullopt;
  });
  HtmlFontValues values{kFaces, {"note"}, {}, "Times", Qt::black, -1, {}};
  dialog.showValues(values);
  EXPECT_EQ(dialog.ComboBox1->currentText(), "Times");
  EXPECT_EQ(dialog.Label1->text(), "Size: ");
  QTest::mouseClick(dialog.ColorPanel, Qt::LeftButton);
  values.face = "Times";
  values.colour = kRed;
  EXPECT_EQ(dialog.values(), values);

  values.face.clear();
  values.pageFontName = "Arial";  // the first item is never preselected
  dialog.showValues(values);
  EXPECT_EQ(dialog.ComboBox1->currentText(), "");
  dialog.SpinEdit->setValue(0);
  EXPECT_EQ(dialog.Label1->text(), "Size: +");
}

TEST(FontForms, FrameKeepsItsValues) {
  TFontFrame frame;
  frame.setFontNames(kFaces);
  frame.setColourChooser([](const QColor&) { return std::optional<QColor>(kBlue); });
  const FontFrameValues values{"Not Installed", false, 20, "em", kRed};
  frame.showValues(values);
  EXPECT_EQ(frame.values(), values);  // showing ticks nothing
  frame.cbFontSizeUnit->setCurrentIndex(3);
  EXPECT_TRUE(frame.chkSetFontSize->isChecked());
  EXPECT_EQ(frame.values().unit, "");
  QTest::mouseClick(frame.FontColorPanel, Qt::LeftButton);
  EXPECT_EQ(frame.values().colour, kBlue);
}
