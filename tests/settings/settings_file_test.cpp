// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settings_file.h"

#include "support/temp_folder.h"

#include <QDir>
#include <gtest/gtest.h>

namespace wrenpad {
namespace {

const SettingsReadContext kContext{"/opt/wrenpad", "", QSize(1920, 1080)};

Settings readText(const QByteArray& text, const SettingsReadContext& context = kContext) {
  return readSettings(IniFile::fromBytes(text), context);
}

TEST(SettingsFile, FirstRunTakesDefaultsAndCentresWindow) {
  const Settings s = readText("");
  // Two thirds of the screen, centred.
  EXPECT_EQ(QRect(s.Left, s.Top, s.Width, s.Height), QRect(320, 180, 1280, 720));
  EXPECT_EQ(s.OutputCode, 2);  // UTF-8, the code of this system
  EXPECT_EQ(s.DefaultFolder, "/opt/wrenpad");
  // The folder of the last run; a folder from the command line comes first.
  const QByteArray last = "[Settings]\nIniPath=/home/u/last\n";
  EXPECT_EQ(readText(last).DefaultFolder, "/home/u/last");
  EXPECT_EQ(readText(last, {"/", "/home/u/given", QSize()}).IniPath, "/home/u/given");

  // A small screen: the first window keeps the old 750 by 400 where it has
  // room and no more than the screen where it has not; a stored size larger
  // than the screen is centred, the division truncating toward zero.
  const Settings small = readText("[Settings]\nHeight=401\n", {"/", "", QSize(699, 300)});
  EXPECT_EQ(small.Width, 699);
  EXPECT_EQ(small.Left, 0);
  EXPECT_EQ(small.Top, -50);
  const Settings laptop = readText("", {"/", "", QSize(1024, 700)});
  EXPECT_EQ(QRect(laptop.Left, laptop.Top, laptop.Width, laptop.Height), QRect(137, 117, 750, 466));
  // The locale chooses the language of a first start; a file that names
  // one keeps it.
  const SettingsReadContext english{"/", "", QSize(1024, 700), false};
  EXPECT_FALSE(readText("", english).Jpn);
  EXPECT_TRUE(readText("[Settings]\nJpn=1\n", english).Jpn);
  // The coding font follows the language unless the file names one.
  const Settings inEnglish = readText("[Settings]\nJpn=0\n");
  EXPECT_EQ(inEnglish.CodingFontName, "Courier New");
  EXPECT_EQ(inEnglish.CodingFontCharset, 0);
}

Settings everyKeyChanged() {
  Settings s;
  s.FontSize = -12;  s.IniPath = "/a/b";  s.Dictionary = "dict";  s.DefaultFolder = "/d";
  s.MacroFile = "m";  s.AutoFileSave = false;  s.AutoRepaint = false;  s.BGColor = 0x123456;
  s.LastExtension = ".htm";  s.PL = 3;  s.BCCpath = "b";  s.JDKpath = "j";  s.FPpath = "f";
  s.CompilerOption = {"o0", "o1", "o2", "o3", "-I\"C:\\x y\" ; # [x]"};
  s.DocumentRoot = "r";  s.Jpn = false;  s.EUC = true;  s.CodingFontName = "明朝";
  s.CodingFontCharset = 2;  s.DefFontName = "Times";  s.DefFontCharset = 0;  s.DefFontSize = 14;
  s.CodingFontSize = 15;  s.Browser = 1;  s.Realization = false;  s.TabWidth = 8;
  s.AppletWidth = 640;  s.AppletHeight = 480;  s.AutoBR = false;  s.Height = 500;
  s.Width = 900;  s.Top = -20;  s.Left = 1930;  s.MultiUndo = false;
  s.OutputCode = 1;  s.NewDocumentsCRLF = true;  s.LineNumbersText = true;
  s.LineNumbersPage = true;  s.LineNumbersProgram = false;  s.LivePreview = true;
  return s;
}

TEST(SettingsFile, EveryKeyRoundTripsThroughAFile) {
  test::TempFolder folder;
  const QString path = folder.file("Wrenpad.ini");
  IniFile ini;
  writeSettings(ini, everyKeyChanged());
  ASSERT_TRUE(ini.save(path));
  EXPECT_EQ(readSettings(IniFile::load(path), kContext), everyKeyChanged());
}

TEST(SettingsFile, AFrameLargerThanTheScreenIsMadeToFit) {
  const QRect screen(0, 0, 960, 540);
  const QMargins frame(4, 30, 4, 4);
  const struct {
    QRect client, fitted;
  } rows[] = {
      // Saved at scale 1 and shown at scale 2: the whole frame on the screen.
      {{320, 180, 1280, 720}, {4, 30, 952, 506}},
      // A frame that fits is left where it is, even partly off the screen.
      {{10, 40, 400, 300}, {10, 40, 400, 300}},
  };
  for (const auto& row : rows) EXPECT_EQ(fitFrameOnScreen(row.client, frame, screen), row.fitted) << row.client.x();
  EXPECT_EQ(fitFrameOnScreen({-50, 0, 2000, 200}, frame, QRect(100, 20, 960, 540)), QRect(104, 50, 952, 200));
}

TEST(SettingsFile, TheEucKeyOfOlderCopiesFollowsTheOutputCode) {
  EXPECT_EQ(readText("[Settings]\nEUC=1\n").OutputCode, 1);
  EXPECT_EQ(readText("[Settings]\nEUC=1\nOutputCode=2\n").OutputCode, 2);
  // Written, EUC says whether EUC-JP is the output code, whatever it held
  // (the round trip above writes it with EUC-JP).
  Settings s;
  s.OutputCode = 2;
  s.EUC = true;
  IniFile ini;
  writeSettings(ini, s);
  EXPECT_EQ(ini.value(u"Settings", u"EUC"), "0");
}

TEST(SettingsFile, WritingKeepsTheLinesOfOtherSectionsAndKeys) {
  IniFile ini = IniFile::fromBytes(
      "[KeepFileNames]\nFileName1=..\\a.txt\n[settings]\n; mine\nUnknown=kept\njpn=0\n");
  writeSettings(ini, readSettings(ini, kContext));
  const QStringList lines = QString::fromUtf8(ini.toBytes()).split("\r\n");
  EXPECT_EQ(lines.mid(0, 6), QStringList({"[KeepFileNames]", "FileName1=..\\a.txt", "[settings]",
                                          "; mine", "Unknown=kept", "jpn=0"}));
  EXPECT_EQ(lines.size(), 6 + 43 + 1);  // one line per other key, then the final break
}

TEST(SettingsFile, BrokenValuesTakeDefaultsOrAreClamped) {
  const Settings s = readText(
      "junk without equals\n[Settings\n[Settings]\n=7\nFontSize=300\nTabWidth=-1000\n"
      "DefFontSize=99999999999\nPL=\nBrowser=1.5\nEUC=-2\n"
      "BGColor=-1\nAppletWidth=0x10\nWidth=0\nHeight=1e3\nTop=99999999\nLeft=+10\nLivePreview=on\n");
  EXPECT_EQ(s.FontSize, 127);
  EXPECT_EQ(s.TabWidth, -128);
  EXPECT_EQ(s.DefFontSize, 11);
  EXPECT_EQ(s.PL, 0);
  EXPECT_EQ(s.Browser, 0);
  EXPECT_TRUE(s.EUC);
  EXPECT_EQ(s.BGColor, 0xFFFFFFu);
  EXPECT_EQ(s.AppletWidth, 300);
  EXPECT_FALSE(s.LivePreview);
  EXPECT_EQ(QRect(s.Left, s.Top, s.Width, s.Height), QRect(10, 180, 1280, 720));
}

TEST(SettingsFile, WindowIsBroughtBackOnScreen) {
  const QList<QRect> screens{QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)};
  const QRect acrossBoth(1600, 100, 750, 400);
  EXPECT_EQ(bringOnScreen(acrossBoth, screens), acrossBoth);
  // Off every screen: onto the nearest one, size kept.
  EXPECT_EQ(bringOnScreen(QRect(5000, 300, 750, 400), screens), QRect(2450, 300, 750, 400));
  // Mostly off, or title bar above the screen: moved just far enough.
  EXPECT_EQ(bringOnScreen(QRect(-500, 200, 750, 400), screens), QRect(0, 200, 750, 400));
  EXPECT_EQ(bringOnScreen(QRect(100, -30, 750, 400), screens), QRect(100, 0, 750, 400));
  // Larger than the screen it is brought onto: made to fit.
  EXPECT_EQ(bringOnScreen(QRect(3000, 0, 2500, 1200), screens.mid(0, 1)), QRect(0, 0, 1920, 1080));
  const QRect far(-16777215, 16777215, 16777215, 16777215);
  EXPECT_EQ(bringOnScreen(far, screens), QRect(0, 0, 1920, 1080));
}

TEST(SettingsFile, OnlyAFileWithASectionOfOursMayBeWritten) {
  test::TempFolder folder;
  EXPECT_EQ(loadSettingsFile(folder.file("none.ini")).kind, SettingsFileKind::Missing);
  EXPECT_EQ(loadSettingsFile(folder.write("empty.ini", "\r\n")).kind, SettingsFileKind::Ours);
  EXPECT_EQ(loadSettingsFile(folder.write("ours.ini", "; mine\n[keepfilenames]\nFileName1=a\n")).kind,
            SettingsFileKind::Ours);
  // "[Settings]" alone is anybody's section: a key that only we write makes it ours.
  EXPECT_EQ(loadSettingsFile(folder.write("ours2.ini", "[settings]\nmultiundo=0\n")).kind,
            SettingsFileKind::Ours);
  const QByteArray common = "[Settings]\nWidth=800\nHeight=600\nFontSize=10\ntheme=dark\n";
  EXPECT_EQ(loadSettingsFile(folder.write("common.ini", common)).kind, SettingsFileKind::NotOurs);
  const SettingsFile other = loadSettingsFile(folder.write("other.ini", "[Core]\nSettings=1\n"));
  EXPECT_EQ(other.kind, SettingsFileKind::NotOurs);
  EXPECT_FALSE(other.mayBeWritten());
  EXPECT_EQ(other.ini.lineCount(), 0);
  QDir().mkpath(folder.file("folder.ini"));
  EXPECT_EQ(loadSettingsFile(folder.file("folder.ini")).kind, SettingsFileKind::Unreadable);
}

}  // namespace
}  // namespace wrenpad
