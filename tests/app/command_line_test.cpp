// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"
#include "support/temp_folder.h"
#include "text/translation.h"

#include <gtest/gtest.h>

using namespace wrenpad;

TEST(CommandLine, OptionsFilesAndTheStartupMarker) {
  using Kind = CommandLineRequest::Kind;
  const struct {
    QStringList arguments;
    Kind kind;
    QStringList files;
  } rows[] = {
      {{}, Kind::Edit, {}},
      // Each name is a file of its own, blanks included.
      {{"a.c", "my notes.txt"}, Kind::Edit, {"a.c", "my notes.txt"}},
      // The marker goes, with everything before it; a name that only
      // contains its letters, or comes after "--", is a name.
      {{"/starup", "b.txt"}, Kind::Edit, {"b.txt"}},
      {{"x", "/starup", "b.txt", "c.txt"}, Kind::Edit, {"b.txt", "c.txt"}},
      {{"/tmp/starup", "/starup/b.txt"}, Kind::Edit, {"/tmp/starup", "/starup/b.txt"}},
      {{"--", "-x", "/starup", "--help"}, Kind::Edit, {"-x", "/starup", "--help"}},
      {{"--help"}, Kind::Help, {}},
      {{"a.txt", "-h"}, Kind::Help, {}},
      {{"--version"}, Kind::Version, {}},
      {{"-x", "a.txt"}, Kind::Mistake, {}},
      {{"--frob"}, Kind::Mistake, {}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.arguments.join(' ').toStdString());
    const CommandLineRequest request = parseCommandLine(row.arguments);
    EXPECT_EQ(request.kind, row.kind);
    EXPECT_EQ(request.files, row.files);
  }
  EXPECT_TRUE(parseCommandLine({"--help"}).text.startsWith("Usage: wrenpad [options] [file...]"));
  EXPECT_EQ(parseCommandLine({"--version"}).text, "Wrenpad " WRENPAD_VERSION "\n");
  // A mistake names the option as written and how to open such a file.
  EXPECT_TRUE(parseCommandLine({"--frob"}).text.contains("\"--frob\""));
  const InterfaceLanguageScope japanese(InterfaceLanguage::Japanese);
  EXPECT_TRUE(parseCommandLine({"--help"}).text.startsWith(QString::fromUtf8("使い方: wrenpad")));
  EXPECT_TRUE(parseCommandLine({"-x"}).text.contains(QString::fromUtf8("wrenpad -- -x")));
}

TEST(CommandLine, TheLocaleChoosesTheLanguageOfAFirstStart) {
  EXPECT_TRUE(localeIsJapanese("", "", "ja_JP.UTF-8"));
  EXPECT_TRUE(localeIsJapanese("", "ja_JP.eucJP", "en_US.UTF-8"));
  EXPECT_FALSE(localeIsJapanese("C.UTF-8", "", "ja_JP.UTF-8"));  // LC_ALL comes first
  EXPECT_FALSE(localeIsJapanese("", "", ""));
}

TEST(CommandLine, ResolvesNamesAgainstTheWorkingFolder) {
  test::TempFolder folder;
  const QString odd = QString::fromUtf8("my notes; \"v2\" 日本語.txt");
  folder.write(odd, "x");
  EXPECT_EQ(resolveCommandLineFile(odd, folder.path()), folder.path() + "/" + odd);
  EXPECT_EQ(resolveCommandLineFile(folder.file(odd), "/"), folder.path() + "/" + odd);
  EXPECT_EQ(resolveCommandLineFile("./sub/../b.txt", folder.path()), folder.path() + "/b.txt");
  // The stand-in of a byte that is not UTF-8 stays in the name.
  const QString latin1Name = QStringLiteral("caf") + QChar(0xDCE9) + QStringLiteral(".txt");
  EXPECT_EQ(resolveCommandLineFile("./" + latin1Name, folder.path()), folder.path() + "/" + latin1Name);
}
