// SPDX-License-Identifier: GPL-3.0-or-later
// The window and the settings file: what a start reads, what a close writes.
#include "support/window_fixture.h"

#include <QDir>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <gtest/gtest.h>

using namespace wrenpad;

namespace {

struct StartupSettings : ::testing::Test {
  test::TempFolder folder;
  test::ScriptedDialogs dialogs;

  std::unique_ptr<TMain> start(const QStringList& arguments = {}) {
    return test::startWindow(folder, dialogs, arguments);
  }
  QString ini() const { return folder.file("wrenpad.ini"); }
  static QSize firstWindowSize() {
    const QSize screen = QGuiApplication::primaryScreen()->availableGeometry().size();
    return {std::min(screen.width(), std::max(screen.width() * 2 / 3, 750)),
            std::min(screen.height(), std::max(screen.height() * 2 / 3, 400))};
  }
  QString settingsText() const { return QString::fromUtf8(test::TempFolder::read(ini())); }
};

}  // namespace

// A first run speaks Japanese, in a window of the first size, and says so in the file.
TEST_F(StartupSettings, FirstRunComesUpInJapanese) {
  auto main = start();
  EXPECT_EQ(main->settingsFile(), ini());
  EXPECT_TRUE(main->japaneseInterface());
  EXPECT_EQ(main->menuBar()->actions().first()->text(), QString::fromUtf8("ファイル(&F)"));
  EXPECT_TRUE(main->statusText(0).startsWith(QString::fromUtf8("カレントフォルダ：")));
  EXPECT_EQ(main->size(), firstWindowSize());
  EXPECT_TRUE(main->action("Japanese")->isChecked());
  main->close();
  EXPECT_TRUE(settingsText().contains("Jpn=1\r\n"));
}

// The tick moves at once; the menus change language at the next start.
TEST_F(StartupSettings, TheLanguageInUseIsTickedAndAChoiceMovesTheTick) {
  folder.write("wrenpad.ini", "[Settings]\r\nJpn=0\r\n");
  auto main = start();
  const auto ticked = [](TMain& m) {
    return QString(m.action("English")->isChecked() ? "E" : "") + (m.action("Japanese")->isChecked() ? "J" : "");
  };
  EXPECT_EQ(ticked(*main), "E");
  main->action("Japanese")->trigger();
  EXPECT_EQ(dialogs.askedOf("message"), QStringList({"Please restart this software to change language."}));
  EXPECT_EQ(ticked(*main), "J");
  EXPECT_EQ(main->menuBar()->actions().first()->text(), "&File");
  main->close();
  auto next = start();
  EXPECT_TRUE(next->japaneseInterface());
  EXPECT_EQ(ticked(*next), "J");
  next->action("English")->trigger();
  EXPECT_EQ(ticked(*next), "E");
  next->close();
}

// What a run changed comes back at the next start; the command line's folder
// replaces the one kept, and sections of other owners survive.
TEST_F(StartupSettings, BoundsFontsOptionsAndTheCommandLineFolderComeBackAtTheNextStart) {
  folder.write("wrenpad.ini", "[Settings]\r\nIniPath=/somewhere/else\r\nJpn=0\r\n[Printer]\r\nPaper=A4\r\n");
  folder.write("docs/a.txt", "x");
  {
    auto main = start({"docs/a.txt"});
    EXPECT_EQ(main->document().CurrentFolder, folder.file("docs"));
    main->resize(640, 330);
    main->move(40, 50);
    main->settings().DefFontName = "DejaVu Serif";
    main->settings().TabWidth = 4;
    main->action("mmAutoRepaint")->trigger();
    main->close();
  }
  const QString text = settingsText();
  EXPECT_TRUE(text.contains("IniPath=" + folder.file("docs") + "\r\n"));
  EXPECT_TRUE(text.contains("[Printer]\r\nPaper=A4\r\n"));
  EXPECT_TRUE(text.contains("[KeepFileNames]\r\nFileName1="));
  auto main = start();
  EXPECT_EQ(main->size(), QSize(640, 330));
  EXPECT_EQ(main->pos(), QPoint(40, 50));
  EXPECT_EQ(main->settings().DefFontName, "DejaVu Serif");
  EXPECT_EQ(main->settings().TabWidth, 4);
  EXPECT_FALSE(main->action("mmAutoRepaint")->isChecked());
  EXPECT_EQ(main->document().CurrentFolder, folder.file("docs"));
  main->close();
}

TEST_F(StartupSettings, BrokenSettingsNeverStopTheStart) {
  folder.write("wrenpad.ini",
               "garbage line\r\n[Settings\r\n[Settings]\r\nHeight=abc\r\nWidth=99999999999\r\n"
               "Top=-50000\r\nLeft=90000\r\nDefFontSize=300\r\nFontSize=-9999\r\n"
               "DefFontName=\x82\x6c\x82\x72 \x96\xbe\x92\xa9\r\n");
  auto main = start();
  EXPECT_EQ(main->size(), firstWindowSize());
  // Off every screen: brought back.
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  EXPECT_TRUE(screen.intersects(main->frameGeometry()));
  EXPECT_EQ(main->settings().DefFontSize, 127);
  EXPECT_EQ(main->settings().DefFontName, QString::fromUtf8("ＭＳ 明朝"));
  main->close();
}

TEST_F(StartupSettings, SettingsThatCannotBeReadAreLeftAsTheyAreAndTheUserToldOnce) {
  QDir(folder.path()).mkdir("wrenpad.ini");  // a folder where the file should be
  auto main = start();
  EXPECT_TRUE(main->close());
  ASSERT_EQ(dialogs.askedOf("error").size(), 1);
  EXPECT_TRUE(dialogs.askedOf("error").first().contains("wrenpad.ini"));
  EXPECT_EQ(dialogs.asked.size(), 1);
}

TEST_F(StartupSettings, AFileThatIsNotOursIsNeverRewrittenAndALinkToOursStaysALink) {
  // Another program's configuration behind the settings name: read nothing
  // from it, write nothing into it, say so once.
  const QByteArray foreign = "[core]\nname=other program\n";
  const QString other = folder.write("other.conf", foreign);
  ASSERT_TRUE(QFile::link(other, ini()));
  {
    auto main = start();
    EXPECT_TRUE(main->close());
  }
  EXPECT_EQ(test::TempFolder::read(other), foreign);
  ASSERT_EQ(dialogs.askedOf("error").size(), 1);
  // Nothing was read, so the first-run language speaks.
  EXPECT_TRUE(dialogs.askedOf("error").first().contains(QString::fromUtf8("Wrenpadの設定ファイルではない")));

  // Random bytes are no settings file either.
  QFile::remove(ini());
  QByteArray noise(1 << 20, '\0');
  for (int i = 0; i < noise.size(); ++i) noise[i] = char((i * 7919 + i / 13) & 0xFF);
  folder.write("wrenpad.ini", noise);
  start()->close();
  EXPECT_EQ(test::TempFolder::read(ini()), noise);

  // A link to a settings file of ours (kept with other dotfiles) is followed.
  QFile::remove(ini());
  const QString ours = folder.write("dotfiles/wrenpad.ini", "[Settings]\nJpn=0\n");
  ASSERT_TRUE(QFile::link(ours, ini()));
  start()->close();
  EXPECT_TRUE(QFileInfo(ini()).isSymLink());
  const QString written = QString::fromUtf8(test::TempFolder::read(ours));
  EXPECT_TRUE(written.startsWith("[Settings]\r\nJpn=0\r\n")) << written.toStdString();
  EXPECT_TRUE(written.contains(QStringLiteral("Height=%1\r\n").arg(firstWindowSize().height())));
}

TEST_F(StartupSettings, AFirstRunStartsInTheFolderItWasStartedIn) {
  QDir(folder.path()).mkdir("documents");
  StartupOptions options;
  options.paths = AppPaths::inFolder(folder.path());
  options.workingFolder = folder.file("documents");
  TMain main(options, &dialogs);
  main.show();
  EXPECT_EQ(main.settings().IniPath, folder.file("documents"));
  EXPECT_EQ(main.settings().DefaultFolder, folder.file("documents"));
  test::closeWithoutSaving(main);
}
