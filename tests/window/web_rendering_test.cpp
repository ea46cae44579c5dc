// SPDX-License-Identifier: GPL-3.0-or-later
// A page shown partly as a browser shows it: fonts, headings, alignment, bold
// and italic in the editor after a repaint, in text typed inside a font
// element, and gone again when the rendering is switched off.
#include "colouring/tag_painter.h"
#include "page/preview/web_page_options.h"
#include "support/document_window.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <gtest/gtest.h>

using namespace wrenpad;

namespace {

const QByteArray kPage =
    "<html><body>\r\n"
    "<h1 align=\"center\">Title</h1>\r\n"
    "<font size=\"5\" color=\"white\">big</font> <b>bold <i>both</i></b>\r\n"
    "<p align=\"right\">aside</p>\r\n"
    "</body></html>\r\n";

struct WebRendering : test::DocumentWindow {
  void SetUp() override {
    main = test::startWindow(folder, dialogs, {}, test::kEnglishSettings + "Realization=1\r\n");
    open("page.htm", kPage);
  }

  EditorControl& editor() { return main->editor(); }
  int at(const char* word) const { return int(main->editor().text().indexOf(QString::fromUtf8(word))); }
  // The attributes of the character at `position`.
  CharAttributes charAt(int position) {
    editor().select(position + 1, 0);
    return editor().selAttributes();
  }
  Alignment alignmentAt(int position) {
    editor().select(position, 0);
    return editor().paragraphAlignment();
  }
};

TEST_F(WebRendering, TheWholeRepaintShowsHeadingsFontsAlignmentBoldAndItalic) {
  ASSERT_TRUE(main->settings().Realization);
  const int base = main->colouring().EditorFontSize;
  EXPECT_EQ(charAt(at("Title")).bold, true);
  EXPECT_EQ(charAt(at("Title")).sizePoints, base + 4);
  EXPECT_EQ(alignmentAt(at("Title")), Alignment::Center);
  EXPECT_EQ(charAt(at("big")).sizePoints, base + 4);
  EXPECT_EQ(charAt(at("big")).color, QColor(192, 192, 192));  // white would vanish on the page
  EXPECT_EQ(charAt(at("bold")).bold, true);
  EXPECT_NE(charAt(at("bold")).italic, true);
  EXPECT_EQ(charAt(at("both")).italic, true);
  EXPECT_EQ(charAt(at("both")).bold, true);
  EXPECT_EQ(alignmentAt(at("aside")), Alignment::Right);
  // The tags keep the tag colouring over the rendered element.
  EXPECT_EQ(charAt(at("<i>")).color, main->colouring().TagColour);
  EXPECT_NE(charAt(at("<i>")).italic, true);

  // Switched off in the options: the page repaints plain.
  dialogs.answerFormWith<WebPageOptionsValues>([](WebPageOptionsValues& v) {
    v.realization = false;
    v.confirmed = true;
  });
  main->action("mmWebPageEditOptions")->trigger();
  EXPECT_NE(charAt(at("Title")).bold, true);
  EXPECT_NE(charAt(at("big")).sizePoints, base + 4);
  EXPECT_EQ(alignmentAt(at("aside")), Alignment::Left);
}

// Typed inside a font element, text takes its rendered font; a pasted element is rendered.
TEST_F(WebRendering, TypedAndPastedTextIsRendered) {
  const int base = main->colouring().EditorFontSize;
  const int afterTag = at("big");
  editor().select(afterTag, 0);
  QTest::keyClicks(editor().widget(), "x");
  ASSERT_EQ(editor().text().mid(afterTag, 4), "xbig");
  EXPECT_EQ(charAt(afterTag).sizePoints, base + 4);
  EXPECT_EQ(charAt(afterTag).color, QColor(192, 192, 192));
  editor().select(at("</body>"), 0);
  QApplication::clipboard()->setText("<h2 align=\"right\">Pasted</h2>\r\n");
  main->documents().pmPasteClick();
  EXPECT_EQ(charAt(at("Pasted")).bold, true);
  EXPECT_EQ(charAt(at("Pasted")).sizePoints, base + 2);
  EXPECT_EQ(alignmentAt(at("Pasted")), Alignment::Right);
}

TEST_F(WebRendering, SwitchingAutomaticColouringOffSwitchesTheRenderingOff) {
  main->action("mmAutoRepaint")->trigger();
  EXPECT_FALSE(main->settings().Realization);
  EXPECT_NE(charAt(at("Title")).bold, true);
  EXPECT_EQ(alignmentAt(at("Title")), Alignment::Left);
}

}  // namespace
