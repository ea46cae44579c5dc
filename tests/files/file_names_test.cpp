// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/file_names.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace wrenpad::files;

TEST(FileNames, EveryByteStringComesBackAsItWasThroughStandIns) {
  const QByteArray names[] = {
      "plain.txt",
      "caf\xe9.txt",                       // Latin-1
      "a\xff.txt",                         // a byte no UTF-8 has
      "\x93\xfa\x96\x7b.txt",              // Shift-JIS
      "\xe6\x97\xa5\xe6\x9c\xac.txt",      // UTF-8 Japanese
      "\xf0\x9f\x98\x80 smile",            // outside the basic plane
      "\xe6\x97.txt",                      // a sequence cut short
      "\xc0\xaf overlong",                 // overlong slash
      "\xed\xa0\x80 surrogate",            // an encoded surrogate
      "\xf4\x90\x80\x80 too high",         // beyond U+10FFFF
      "\xe9\xe9\xe9",                      // stand-ins next to each other
      "ends with \xc3",
  };
  for (const QByteArray& bytes : names) {
    EXPECT_EQ(fileNameToBytes(fileNameFromBytes(bytes)), bytes) << bytes.toHex().constData();
    // Qt's own conversion loses what is not UTF-8; ours agrees with it on
    // everything else.
    if (bytes.isValidUtf8()) {
      EXPECT_EQ(fileNameFromBytes(bytes), QFile::decodeName(bytes));
    }
  }
  // Valid names read as text, other bytes as stand-ins.
  EXPECT_EQ(fileNameFromBytes("caf\xc3\xa9.txt"), QString::fromUtf8("café.txt"));
  EXPECT_EQ(fileNameFromBytes("caf\xe9.txt"), QStringLiteral("caf") + QChar(0xDCE9) + QStringLiteral(".txt"));
  EXPECT_EQ(fileNameFromBytes("\xe6\x97.txt"), QString(QChar(0xDCE6)) + QChar(0xDC97) + QStringLiteral(".txt"));
  // A low surrogate in a pair is part of a character, not a stand-in.
  const QString smile = QString::fromUtf8("\xf0\x9f\x98\x80");
  EXPECT_EQ(fileNameToBytes(smile), QByteArray("\xf0\x9f\x98\x80"));
  EXPECT_EQ(fileNameToBytes(smile + QChar(0xDCFF)), QByteArray("\xf0\x9f\x98\x80\xff"));
}
