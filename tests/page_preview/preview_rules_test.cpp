// SPDX-License-Identifier: GPL-3.0-or-later
// What the preview decides from the text and the options alone.
#include "page/preview/preview_rules.h"
#include "text/translation.h"

#include <gtest/gtest.h>

namespace wrenpad {
namespace {

TEST(PreviewRules, AppletPageEmbedsTheClassOfTheSource) {
  EXPECT_EQ(AppletPageText("/home/k/java/My Applet.java", 300, 200),
            "<html>\r\n<body>\r\n<applet code = \"My Applet.class\" width = 300 height = 200>\r\n"
            "</applet>\r\n</body>\r\n</html>\r\n");
  EXPECT_TRUE(IsAppletSource("import java.applet.*;"));
  EXPECT_TRUE(IsAppletSource("class A extends JApplet {}"));
  EXPECT_FALSE(IsAppletSource("class A extends japplet {}"));  // the names are matched as written
}

TEST(PreviewRules, ScriptsAndAppletsGoOutsideAndAnOpenPreviewIsRefreshed) {
  const QString plain = "<html><body>hi</body></html>";
  const QString script = "<script language=\"JavaScript\">x()</script>";
  auto decide = [](const QString& text, BrowserChoice choice, bool shown, bool textDocument = false) {
    const PreviewDecision d = DecidePreview(text, textDocument, choice, shown);
    return std::pair{d.action, d.moveWindowUp};
  };
  using A = PreviewAction;
  EXPECT_EQ(decide(plain, BrowserChoice::OwnPreview, false), std::pair(A::ShowPreview, true));
  EXPECT_EQ(decide(plain, BrowserChoice::OwnPreview, true), std::pair(A::RefreshPreview, false));
  EXPECT_EQ(decide(script, BrowserChoice::OwnPreview, false), std::pair(A::OutsideBrowser, true));
  EXPECT_EQ(decide("<script language=javascript>", BrowserChoice::OwnPreview, false),
            std::pair(A::ShowPreview, true));  // only the quoted word counts
  EXPECT_EQ(decide("JApplet", BrowserChoice::OwnPreview, false), std::pair(A::OutsideBrowser, true));
  EXPECT_EQ(decide(plain, BrowserChoice::Opera, false), std::pair(A::OutsideBrowser, false));
  EXPECT_EQ(decide(plain, BrowserChoice::OwnPreview, false, true), std::pair(A::Nothing, false));
  EXPECT_EQ(BrowserChoiceOf(7), BrowserChoice::OwnPreview);  // a broken setting
}

TEST(PreviewRules, OutsideBrowsersAreTheInstalledOnesElseTheSystemsBrowserNeverWhatOpensHtmlFiles) {
  QStringList installed{"chromium", "xdg-open"};
  const auto lookup = [&installed](const QString& name) {
    return installed.contains(name) ? "/usr/bin/" + name : QString();
  };
  const QString page = "file:///tmp/a%20b/Test_by_Wrenpad.htm";
  auto call = OutsideBrowserCall(BrowserChoice::Mozilla, page, lookup);
  ASSERT_TRUE(call);
  EXPECT_EQ(call->program, "/usr/bin/chromium");
  EXPECT_EQ(call->arguments, QStringList{page});  // one argument, however it is spelt
  // A browser that is installed comes before xdg-open, which would give the
  // page to whatever opens HTML files (this editor, where the user said so).
  EXPECT_EQ(OutsideBrowserCall(BrowserChoice::Netscape, page, lookup)->program, "/usr/bin/chromium");
  EXPECT_EQ(OutsideBrowserCall(BrowserChoice::OwnPreview, page, lookup)->program, "/usr/bin/chromium");
  installed << "x-www-browser";
  EXPECT_EQ(OutsideBrowserCall(BrowserChoice::OwnPreview, page, lookup)->program, "/usr/bin/x-www-browser");
  installed = {"xdg-open"};
  EXPECT_EQ(OutsideBrowserCall(BrowserChoice::OwnPreview, page, lookup)->program, "/usr/bin/xdg-open");
  installed.clear();
  EXPECT_FALSE(OutsideBrowserCall(BrowserChoice::Opera, page, lookup));
}

TEST(PreviewRules, BrowserCaptionsNameWhatRunsHereAndWhatIsMissing) {
  const auto lookup = [](const QString& name) { return name == "firefox-esr" ? "/usr/bin/" + name : QString(); };
  EXPECT_EQ(BrowserChoiceCaptions(lookup),
            QStringList({"Built-in preview", "Firefox", "Chromium (not installed: the default browser opens)",
                         "Opera (not installed: the default browser opens)"}));
  const InterfaceLanguageScope inJapanese(InterfaceLanguage::Japanese);
  EXPECT_TRUE(BrowserChoiceCaptions(lookup)[3].startsWith("Opera（未インストール"));
}

TEST(PreviewRules, RelativeLinksAreThoseThatNeedTheDocumentsFolder) {
  EXPECT_TRUE(HasRelativeLinks("<img src=\"pic.png\">"));
  EXPECT_TRUE(HasRelativeLinks("<A HREF=sub/page.htm>"));
  EXPECT_TRUE(HasRelativeLinks("<body background='../bg.gif'>"));
  EXPECT_TRUE(HasRelativeLinks("p { background: url( \"tile.png\" ) }"));
  EXPECT_FALSE(HasRelativeLinks("<a href=\"http://example.org/\">x</a><a href=\"#top\">"));
  EXPECT_FALSE(HasRelativeLinks("<img src=\"/usr/share/pixmaps/x.png\"><a href=\"mailto:a@b\">"));
  EXPECT_FALSE(HasRelativeLinks("<p>src and href as words</p>"));
}

}  // namespace
}  // namespace wrenpad
