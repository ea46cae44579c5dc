// SPDX-License-Identifier: GPL-3.0-or-later
// The real program with a file above the large-file size on a real X server:
// it opens in the large view, takes keys at its end, its start and a line
// reached through the line-number box, and Ctrl+S writes exactly those
// edits, every other byte as it was (Shift-JIS, CR LF).
#include "e2e/real_editor.h"

using namespace wrenpad::test;

using LargeFile = RealEditor;

TEST_F(LargeFile, KeysAndSaveOnAFileAboveTheLargeFileSize) {
  // About 20 MB: "漢字 line N" in Shift-JIS, CR LF after each.
  QByteArray bytes;
  std::vector<qsizetype> lineStarts;
  for (int line = 0; bytes.size() < 20'000'000; ++line) {
    lineStarts.push_back(bytes.size());
    bytes += "\x8a\xbf\x8e\x9a line " + QByteArray::number(line) + "\r\n";
  }
  const QString path = folder.write("big.txt", bytes);
  ASSERT_TRUE(start("big.txt", 30000)) << trace.toStdString();

  ASSERT_TRUE(screen.xdotool({"key", "ctrl+End"}));
  ASSERT_TRUE(screen.xdotool({"type", "--delay", "30", "end"}));
  ASSERT_TRUE(screen.xdotool({"key", "ctrl+Home"}));
  ASSERT_TRUE(screen.xdotool({"type", "--delay", "30", "top"}));
  ASSERT_TRUE(screen.xdotool({"key", "ctrl+g", "1", "0", "0", "0", "Return"}));
  ASSERT_TRUE(screen.xdotool({"type", "--delay", "30", "mid"}));
  ASSERT_TRUE(screen.xdotool({"key", "Return", "ctrl+s"}));
  QByteArray expected = bytes + "end";
  expected.insert(lineStarts[999], "mid\r\n");
  expected.prepend("top");
  expectFile(path, expected);
}
