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

}  // namespace
}  // namespace wrenpad
