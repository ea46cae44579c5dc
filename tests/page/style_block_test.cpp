// SPDX-License-Identifier: GPL-3.0-or-later
// The style-block model: reading and setting properties in place, building a
// new block, finding the block and the body tag's colours in a page.
#include <gtest/gtest.h>

#include "page/style_block.h"

namespace wrenpad {
namespace {

// A hand-written block: upper-case tags, hiding markers, a comment that looks
// like rules, odd spacing, look-alike selectors and an unknown property.
const QString kBlock = QStringLiteral(
    "<STYLE type=\"text/css\">\r\n"
    "<!--\r\n"
    "/* body{color:red} a{ ; } */\r\n"
    "  BODY  {line-height: 150% ;background-color:#FFFFBD;\r\n"
    "color : navy /* dark */; font-family:\"MS Gothic\", serif}\r\n"
    "  tbody{color:green}\r\n"
    "  table{margin-top:1mm}\r\n"
    "  a:hover{text-decoration:underline}\r\n"
    "  a{text-decoration:none; x-shadow: 1px 2px}\r\n"
    "-->\r\n"
    "</STYLE>\r\n");

QString Replaced(QString text, const QString& before, const QString& after) {
  EXPECT_EQ(text.count(before), 1) << before.toStdString();
  return text.replace(before, after);
}

TEST(GetStyleProperty, WholeSelectorsAndPropertiesOutsideComments) {
  EXPECT_EQ(GetStyleProperty(kBlock, "body", "color"), "navy");  // not background-color, not red
  EXPECT_EQ(GetStyleProperty(kBlock, "Body", "COLOR"), "navy");
  EXPECT_EQ(GetStyleProperty(kBlock, "a", "text-decoration"), "none");
  EXPECT_EQ(GetStyleProperty(kBlock, "a:hover", "text-decoration"), "underline");
  EXPECT_EQ(GetStyleProperty(kBlock, "a", "x-shadow"), "1px2px");
  // Values with punctuation inside, and the last declaration counts.
  const QString block =
      "<style>\r\nbody{background-image:url(data:image/gif;base64,R0l=); content:\"a;}b\"}\r\n"
      "@media print{ body{color:black} }\r\n"
      "body{color:red; margin:0;\r\ncolor:/* was blue */ green}\r\n</style>";
  EXPECT_EQ(GetStyleProperty(block, "body", "background-image"), "url(data:image/gif;base64,R0l=)");
  EXPECT_EQ(GetStyleProperty(block, "body", "content"), "a;}b");
  EXPECT_EQ(GetStyleProperty(block, "body", "color"), "green");  // the last, after a line break
  EXPECT_EQ(GetStyleProperty("p{font-family:'Osaka', \"MS Gothic\"}", "p", "font-family"), "Osaka");
}

// The same value as written or as read, or nothing to set, keeps the block as it is.
TEST(SetStyleProperty, ChangesOnlyTheValueOrAddsThePropertyOrTheRule) {
  EXPECT_EQ(SetStyleProperty(kBlock, "body", "font-family", "MS Gothic"), kBlock);
  EXPECT_EQ(SetStyleProperty(kBlock, "body", "font-family", "\"MS Gothic\", serif"), kBlock);
  EXPECT_EQ(SetStyleProperty(kBlock, "a", "x-shadow", "1px 2px"), kBlock);
  EXPECT_EQ(SetStyleProperty(kBlock, "body", "margin-top", ""), kBlock);
  EXPECT_EQ(SetStyleProperty(kBlock, " ", "color", "red"), kBlock);
  EXPECT_EQ(SetStyleProperty(kBlock, "body", "color", "blue"),
            Replaced(kBlock, "color : navy /*", "color : blue /*"));
  EXPECT_EQ(SetStyleProperty(kBlock, "tbody", "color", "lime"),
            Replaced(kBlock, "tbody{color:green}", "tbody{color:lime}"));
  // A quoted list is replaced whole and reads back.
  EXPECT_EQ(GetStyleProperty(SetStyleProperty(kBlock, "body", "font-family", "\"IPA Gothic\""), "body", "font-family"),
            "IPA Gothic");
  // A missing property goes first in the rule.
  EXPECT_EQ(SetStyleProperty(kBlock, "body", "margin-top", "5mm"),
            Replaced(kBlock, "BODY  {line-height", "BODY  {margin-top:5mm; line-height"));
  // A missing rule goes in as the last line.
  EXPECT_EQ(SetStyleProperty(kBlock, "p", "color", "red"),
            Replaced(kBlock, "-->\r\n</STYLE>", "-->\r\n  p{color:red}\r\n</STYLE>"));
  EXPECT_EQ(SetStyleProperty("<style>\n  b{x:1}\n  </style>", "p", "y", "2"),
            "<style>\n  b{x:1}\n  p{y:2}\n  </style>");
  EXPECT_EQ(SetStyleProperty("<style>b{x:1}</style>", "p", "y", "2"),
            "<style>b{x:1}\r\n  p{y:2}\r\n</style>");
  // Without "</style": at the end.
  EXPECT_EQ(SetStyleProperty("<style>\r\nb{x:1}", "p", "y", "2"), "<style>\r\nb{x:1}\r\n  p{y:2}");
  // Rules hidden in a comment or another at-rule are not the selector's.
  const QString hidden = "<style>\r\n/* p{y:1} */ @supports (x:1){p{y:1}}\r\n</style>";
  EXPECT_EQ(SetStyleProperty(hidden, "p", "y", "2"),
            Replaced(hidden, "}}\r\n", "}}\r\n  p{y:2}\r\n"));

  // A rule inside "@media" is read and set where it stands.
  const QString block = "<style>\r\nbody{color:red}\r\n@media screen { body { margin-top: 5px } }\r\n</style>";
  EXPECT_EQ(GetStyleProperty(block, "body", "margin-top"), "5px");
  EXPECT_EQ(SetStyleProperty(block, "body", "margin-top", "8px"), Replaced(block, "5px", "8px"));
  // A property no rule declares goes into the rule outside "@media".
  EXPECT_EQ(SetStyleProperty(block, "body", "line-height", "2"),
            Replaced(block, "body{color", "body{line-height:2; color"));
}

TEST(BuildPageStyleBlock, ImageBackgroundFontAndLinkRules) {
  PageStyleInput input;
  input.lineHeight = 14;
  input.lineHeightUnit = "pt";
  input.marginTop = 0;
  input.marginRight = 5;
  input.marginUnit = "%";
  input.colourChosen = false;
  input.imageFile = "img/back.jpg";
  input.sizeChecked = true;
  input.fontSize = 3;
  input.fontSizeUnit = "em";
  input.fontName = "IPAGothic";
  input.fontColour = {0x12, 0x34, 0x56};
  input.linkUnderlineOnHover = true;
  EXPECT_EQ(BuildPageStyleBlock(input),
            "<style type=\"text/css\">\r\n"
            "  body{line-height:14pt; margin-top:0%; margin-bottom:10%; margin-left:10%; "
            "margin-right:5%; background-image:url(img/back.jpg); font-size:3em; "
            "font-family:\"IPAGothic\"; color:#123456}\r\n"
            "  a{text-decoration:none}\r\n"
            "  a:hover{text-decoration:underline}\r\n"
            "</style>\r\n");
}

TEST(PageStyleBlockIn, FromStyleTagThroughItsEndTag) {
  EXPECT_EQ(PageStyleBlockIn("<html><HEAD><STYLES><STYLE>\r\nb{}</Style >\r\n</style></head>"),
            "<STYLE>\r\nb{}</Style >");
  EXPECT_EQ(PageStyleBlockIn("<!-- <style>a{}</style> --><script>w('<style>');</script>"
                             "<style>b{}</style>"),
            "<style>b{}</style>");
  EXPECT_EQ(PageStyleBlockIn("<head><style>b{}</head>"), std::nullopt);
  EXPECT_EQ(PageStyleBlockIn("<head><title>style</title></head>"), std::nullopt);
}

TEST(ReadBodyAttributes, ColoursAndPictureOfTheBodyTag) {
  const BodyAttributes body = ReadBodyAttributes(
      "<html><BODY BGCOLOR=navy Background = 'img/a b.gif' TEXT=\" #FF0000\" "
      "onload=\"if (a>b) go()\">text</body>");
  EXPECT_EQ(body.attributeText,
            " BGCOLOR=navy Background = 'img/a b.gif' TEXT=\" #FF0000\" onload=\"if (a>b) go()\"");
  EXPECT_EQ(std::tuple(body.bgcolor, body.background, body.textColour),
            std::tuple("navy", "img/a b.gif", "#FF0000"));

  // The words inside other attributes and values name nothing.
  const BodyAttributes styled =
      ReadBodyAttributes("<body style=\"background:url(x); text-align:center\" class=text>");
  EXPECT_FALSE(styled.bgcolor || styled.background || styled.textColour);
  // Body tags in scripts and comments are text.
  const QString page =
      "<head><script>document.write('<body bgcolor=red>');</script></head>\r\n"
      "<!-- <body bgcolor=blue> -->\r\n<body bgcolor=\"lime\">\r\n"
      "<script>var s = \"<body text=red>\";</script></body>";
  EXPECT_EQ(ReadBodyAttributes(page).bgcolor, "lime");
  EXPECT_EQ(ReadBodyAttributes(page).textColour, std::nullopt);

  EXPECT_TRUE(ReadBodyAttributes("<html><tbody bgcolor=red></html>").attributeText.isEmpty());

  const BodyAttributes open = ReadBodyAttributes("<body text=red " + QString(300, u'x'));
  EXPECT_EQ(open.attributeText.size(), 200);
  EXPECT_EQ(open.textColour, "red");
}

}  // namespace
}  // namespace wrenpad
