// SPDX-License-Identifier: GPL-3.0-or-later
// Links, link targets and pictures as mark-up, the link around the caret,
// and the references written for files.
#include "editing/link_target.h"
#include "html/link_markup.h"

#include <gtest/gtest.h>

namespace wrenpad {
namespace {

TEST(LinkMarkup, ElementsAsTheyAreWritten) {
  EXPECT_EQ(LinkElement("index.html", "", "home"), "<a href=\"index.html\">home</a>");
  EXPECT_EQ(LinkElement("index.html", "main", "home"), "<a href=\"index.html\" target = \"main\">home</a>");
  EXPECT_EQ(AnchorMarkup("top"), "<a name = \"top\">top");
  // Typed addresses and targets are escaped; a link read back gives them as typed.
  const QString typed = LinkElement("a.cgi?x=1&y=\"2\"", "f\"&", "go");
  EXPECT_EQ(typed, "<a href=\"a.cgi?x=1&amp;y=&quot;2&quot;\" target = \"f&quot;&amp;\">go</a>");
  const std::optional<LinkAtCaret> read = FindLinkAtCaret(typed, int(typed.indexOf("go")) + 1);
  ASSERT_TRUE(read);
  EXPECT_EQ(std::tuple(read->url, read->target), std::tuple("a.cgi?x=1&y=\"2\"", "f\"&"));
  EXPECT_EQ(PictureElement("a&b.png", 2, 100, std::nullopt), "\r\n<img src = \"a&amp;b.png\" border = 0><br>\r\n");
  EXPECT_EQ(PictureElement("img/a.jpg", 0, 50, std::pair(200, 100)),
            "\r\n<img src = \"img/a.jpg\" align = \"left\" width = 100 height = 50 border = 0>\r\n");
}

TEST(LinkMarkup, AnEditedLinkIsReadAsABrowserReadsItAndKeepsWhatWasNotChanged) {
  const struct {
    QString text;    // a page holding one link; the caret goes before its last character of text
    QString url;     // what the dialog shows
    QString target;
    QString newUrl;  // what the user confirms
    QString newTarget;
    QString written;
  } cases[] = {
      {R"(<a href="my notes.html" title="x">my notes</a>)", "my notes.html", "", "my notes.html", "",
       R"(<a href="my notes.html" title="x">my notes</a>)"},
      {R"(<a target = "main &quot;x&quot; <y>" href=b>go</a>)", "b", R"(main "x" <y>)", "b", R"(main "x" <y>)",
       R"(<a target = "main &quot;x&quot; <y>" href=b>go</a>)"},
      {"<A\r\nHREF='a b.htm' target=main class=k>go</A>", "a b.htm", "main", "c&d.htm", "main",
       "<A\r\nHREF=\"c&amp;d.htm\" target=main class=k>go</A>"},
      {R"(<a href="a.htm"  target="f" title=t>go</a>)", "a.htm", "f", "a.htm", "", R"(<a href="a.htm" title=t>go</a>)"},
      {R"(<a href=a.htm title=t><b>go</b> on</a>)", "a.htm", "", "a.htm", "top",
       R"(<a href=a.htm target = "top" title=t><b>go</b> on</a>)"},
      {R"(<a title=t href="x.htm#&#39;">go</a>)", "x.htm#'", "", "y.htm", "", R"(<a title=t href="y.htm">go</a>)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text.toStdString());
    const int caret = int(c.text.lastIndexOf("</", -1, Qt::CaseInsensitive)) - 1;
    const std::optional<LinkAtCaret> link = FindLinkAtCaret(c.text, caret);
    ASSERT_TRUE(link);
    EXPECT_EQ(std::tuple(link->url, link->target), std::tuple(c.url, c.target));
    const QString tag = c.text.mid(link->start, link->tagLength);
    EXPECT_EQ(EditedLinkTag(tag, link->url, link->target), tag);  // no change: the tag as it was
    EXPECT_EQ(QString(c.text).replace(link->start, link->tagLength, EditedLinkTag(tag, c.newUrl, c.newTarget)),
              c.written);
  }
  EXPECT_FALSE(FindLinkAtCaret(R"(<a name="top">top)", 15));  // an anchor, not a link
}

TEST(LinkMarkup, ReferencesAreRelativeWithSlashesAndEscapedWhereABrowserNeedsIt) {
  EXPECT_EQ(RelativePath("/site/doc", "/site/doc/img/a.jpg"), "img/a.jpg");
  EXPECT_EQ(RelativePath("/site/doc", "/site/pics/b.png"), "../pics/b.png");
  EXPECT_EQ(RelativePath("/site/doc/deep", "/other/c.htm"), "../../../other/c.htm");
  EXPECT_EQ(RelativePath("/site/doc", QString::fromUtf8("/site/doc/my page 日本.htm")),
            "my%20page%20%E6%97%A5%E6%9C%AC.htm");
  EXPECT_EQ(RelativePath("/site/doc", "/site/doc/a\"b#c.htm"), "a%22b%23c.htm");
  // And back: the escapes and Windows separators are read as the file's name.
  EXPECT_EQ(ResolveLinkTarget("/site/doc", "my%20page%20%E6%97%A5%E6%9C%AC.htm"),
            QString::fromUtf8("/site/doc/my page 日本.htm"));
  EXPECT_EQ(ResolveLinkTarget("/site/doc", "..\\pics\\b.htm"), "/site/pics/b.htm");
  EXPECT_EQ(ResolveLinkTarget("/", "a.htm"), "/a.htm");
}

}  // namespace
}  // namespace wrenpad
