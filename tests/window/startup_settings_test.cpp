// SPDX-License-Identifier: GPL-3.0-or-later
// The window and the settings file: what a start reads, what a close writes.
#include "support/window_fixture.h"

#include <QDir>
#include <QMenuBar>
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
  QString settingsText() const { return QString::fromUtf8(test::TempFolder::read(ini())); }
};

}  // namespace

// A first run speaks Japanese, works in the folder it was started in, and
// says so in the file.
TEST_F(StartupSettings, FirstRunComesUpInJapaneseInTheFolderItWasStartedIn) {
  QDir(folder.path()).mkdir("documents");
  StartupOptions options;
  options.paths = AppPaths::inFolder(folder.path());
  options.workingFolder = folder.file("documents");
  TMain main(options, &dialogs);
  main.show();
  EXPECT_TRUE(main.japaneseInterface());
  EXPECT_EQ(main.menuBar()->actions().first()->text(), QString::fromUtf8("ファイル(&F)"));
  EXPECT_EQ(main.document().CurrentFolder, folder.file("documents"));
  EXPECT_EQ(main.settings().DefaultFolder, folder.file("documents"));
  main.close();
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
  main->close();
  auto next = start();
  EXPECT_TRUE(next->japaneseInterface());
  EXPECT_EQ(ticked(*next), "J");
  next->close();
}

// What a run changed comes back at the next start, the recent files too; the
// command line's folder replaces the one kept, and sections of other owners survive.
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
  EXPECT_EQ(main->recentFiles().entries(), QStringList{folder.file("docs/a.txt")});
  main->close();
}

TEST_F(StartupSettings, SettingsThatCannotBeReadOrAreNotOursAreNeverRewritten) {
  // A folder where the file should be: left as it is, the user told once.
  QDir(folder.path()).mkdir("wrenpad.ini");
  EXPECT_TRUE(start()->close());
  ASSERT_EQ(dialogs.asked.size(), 1);
  EXPECT_TRUE(dialogs.askedOf("error").value(0).contains("wrenpad.ini"));
  QDir(folder.path()).rmdir("wrenpad.ini");
  dialogs.asked.clear();

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

  // A link to a settings file of ours (kept with other dotfiles) is followed.
  QFile::remove(ini());
  const QString ours = folder.write("dotfiles/wrenpad.ini", "[Settings]\nJpn=0\n");
  ASSERT_TRUE(QFile::link(ours, ini()));
  start()->close();
  EXPECT_TRUE(QFileInfo(ini()).isSymLink());
  const QString written = QString::fromUtf8(test::TempFolder::read(ours));
  EXPECT_TRUE(written.startsWith("[Settings]\r\nJpn=0\r\n")) << written.toStdString();
  EXPECT_TRUE(written.contains("Height=")) << written.toStdString();
}
