// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/ini_file.h"

#include "support/temp_folder.h"

#include <QFile>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace wrenpad {
namespace {

using test::TempFolder;
using Status = IniFile::LoadStatus;

QByteArray native(const QString& path) { return QFile::encodeName(path); }

// The status of a load; what did not load leaves no lines, and only a file
// that cannot be read gives a reason.
Status statusOf(const QString& path, QString* error = nullptr) {
  Status status = Status::Loaded;
  QString text = "stale";
  const IniFile ini = IniFile::load(path, &text, &status);
  if (status != Status::Loaded) {
    EXPECT_EQ(ini.lineCount(), 0);
  }
  EXPECT_EQ(text.isEmpty(), status != Status::Unreadable) << text.toStdString();
  if (error) *error = text;
  return status;
}

const QByteArray kMixed =
    "; comment before any section\n"
    "stray=ignored\n"
    "[Settings]\n"
    "  FontSize =  12  \n"
    "this line is broken\n"
    "=no key\n"
    "fontsize=99\n"
    "\n"
    "[KeepFileNames]\r\n"
    "FileName1=..\\a.txt\r\n"
    "[settings]\n"
    "Late=ignored\n"
    "[unclosed\n";

// Looked up without regard to case, in the first section and by the first
// key of a name; written back whole, every line ended by CR LF.
TEST(IniFile, LooksUpCaseInsensitivelyAndWritesEveryLineBackWithCrLf) {
  const IniFile ini = IniFile::fromBytes(kMixed);
  EXPECT_EQ(ini.value(u"settings", u"FONTSIZE"), QStringLiteral("12"));
  EXPECT_EQ(ini.value(u"KeepFileNames", u"FileName1"), QStringLiteral("..\\a.txt"));
  EXPECT_FALSE(ini.contains(u"Settings", u"Late"));
  EXPECT_FALSE(ini.contains(u"", u"stray"));
  EXPECT_FALSE(ini.contains(u"Settings", u"this line is broken"));
  EXPECT_EQ(ini.keys(u"Settings"), QStringList({"FontSize", "fontsize"}));
  QByteArray expected = kMixed;
  expected.replace("\r\n", "\n").replace("\n", "\r\n");
  EXPECT_EQ(ini.toBytes(), expected);
  EXPECT_EQ(IniFile::fromBytes("a\rb\n\nc").toBytes(), "a\r\nb\r\n\r\nc\r\n");
}

TEST(IniFile, SetValueReplacesInPlaceOrAppendsToSectionOrFile) {
  IniFile ini = IniFile::fromBytes("[A]\nx=1\n; note\n\n[B]\ny=2\n");
  ini.setValue("a", "X", "one");
  ini.setValue("A", "z", "3");
  ini.setValue("C", "w", "4");
  ini.setValue("B", "v", "line\r\nbreak=injected");
  EXPECT_EQ(ini.toBytes(),
            "[A]\r\nx=one\r\n; note\r\nz=3\r\n\r\n[B]\r\ny=2\r\nv=line  break=injected\r\n"
            "[C]\r\nw=4\r\n");
  EXPECT_FALSE(ini.contains(u"B", u"break"));
  ini.removeSection(u"b");
  EXPECT_FALSE(ini.contains(u"B", u"y"));
  EXPECT_EQ(ini.value(u"C", u"w"), QStringLiteral("4"));
}

TEST(IniFile, ReadsUtf8AndShiftJisWithBackslashesIntact) {
  const QString path = QStringLiteral("C:\\表示\\ＭＳ ゴシック\\");
  const IniFile utf8 = IniFile::fromBytes("\xEF\xBB\xBF[S]\nk=" + path.toUtf8());
  EXPECT_EQ(utf8.sourceEncoding(), IniFile::Encoding::Utf8);
  EXPECT_EQ(utf8.value(u"S", u"k"), path);

  // 表 is 0x95 0x5C in Shift-JIS: its second byte is the backslash byte.
  const QByteArray sjis = "[S]\nk=C:\\\x95\x5C\x8E\xA6\\\x82\x6C\x82\x72 \x83\x53\x83\x56\x83\x62\x83\x4E\\";
  const IniFile decoded = IniFile::fromBytes(sjis);
  EXPECT_EQ(decoded.sourceEncoding(), IniFile::Encoding::ShiftJis);
  EXPECT_EQ(decoded.value(u"S", u"k"), path);
  EXPECT_EQ(decoded.toBytes(), "[S]\r\nk=" + path.toUtf8() + "\r\n");
  // Broken Shift-JIS keeps the rest readable.
  const IniFile broken = IniFile::fromBytes("[S]\nk=\xFF\xFE\nj=ok\nlast=\x82");
  EXPECT_EQ(broken.value(u"S", u"j"), QStringLiteral("ok"));
  EXPECT_TRUE(broken.contains(u"S", u"last"));
}

// Loading tells a file that is missing from one that is there but cannot be
// read, so the caller never writes over the latter.
TEST(IniFile, LoadTellsAMissingFileFromAnUnreadableOne) {
  TempFolder folder;
  EXPECT_EQ(statusOf(folder.write("good.ini", "[S]\nk=1\n")), Status::Loaded);
  EXPECT_EQ(statusOf(folder.file("none.ini")), Status::Missing);
  // A link to nothing: writing would replace the link.
  ASSERT_EQ(::symlink("gone.ini", native(folder.file("link.ini")).constData()), 0);
  EXPECT_EQ(statusOf(folder.file("link.ini")), Status::Unreadable);
  // A FIFO is not waited on.
  ASSERT_EQ(::mkfifo(native(folder.file("pipe.ini")).constData(), 0600), 0);
  EXPECT_EQ(statusOf(folder.file("pipe.ini")), Status::Unreadable);
  // Nothing is read without bound.
  QFile large(folder.file("large.ini"));
  ASSERT_TRUE(large.open(QIODevice::WriteOnly) && large.resize(IniFile::kMaxFileBytes + 1));
  QString error;
  EXPECT_EQ(statusOf(large.fileName(), &error), Status::Unreadable);
  EXPECT_EQ(error, "File too large");
}

TEST(IniFile, SavesInUtf8IntoNewFoldersAndUnderTheLongestNamesOrLeavesTheOldFile) {
  TempFolder folder;
  IniFile ini;
  ini.setValue("S", "k", QStringLiteral("ゴシック"));
  QString error;
  const QString path = folder.file("new/wrenpad/Wrenpad.ini");
  ASSERT_TRUE(ini.save(path));
  EXPECT_EQ(TempFolder::read(path), "[S]\r\nk=" + QStringLiteral("ゴシック").toUtf8() + "\r\n");
  // A name as long as the system allows still saves: the file written
  // beside it has a short name of its own.
  const QString longName = folder.write(QString(255, u'x'), "old");
  EXPECT_TRUE(ini.save(longName, &error)) << error.toStdString();
  EXPECT_EQ(TempFolder::read(longName), TempFolder::read(path));
  // A read-only folder (which root writes into all the same): the save
  // fails and the old file stays.
  if (geteuid() != 0) {
    const QString old = folder.write("ro/Wrenpad.ini", "old");
    QFile::setPermissions(folder.file("ro"), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    EXPECT_FALSE(ini.save(old, &error));
    EXPECT_EQ(TempFolder::read(old), "old");
    QFile::setPermissions(folder.file("ro"), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                 QFileDevice::ExeOwner);
  }
}

}  // namespace
}  // namespace wrenpad
