// SPDX-License-Identifier: GPL-3.0-or-later
// Edit > Font on a real X server, closed with OK and nothing changed: the
// text looks as it did and the settings keep the face name they had, for a
// family whose everyday style is not the first it lists (DejaVu Sans lists
// "Oblique" before "Book"), for one of the program's own face names that
// only substitution maps to an installed family, and for the text typed
// into the document the program starts with, which is drawn in Qt's
// fallback face.
#include "e2e/real_editor.h"

#include <QImage>

using namespace wrenpad::test;

namespace {

// Pixels that differ between two grabs of the same screen.
int differingPixels(const QImage& before, const QImage& after) {
  if (before.size() != after.size()) return before.width() * before.height();
  int count = 0;
  for (int y = 0; y < before.height(); ++y)
    for (int x = 0; x < before.width(); ++x) count += before.pixel(x, y) != after.pixel(x, y);
  return count;
}

struct FontCase {
  QByteArray face;
  bool loaded;  // a file opened, or text typed into the first document
};

struct FontDialog : RealEditor, ::testing::WithParamInterface<FontCase> {};

TEST_P(FontDialog, OkWithoutAChangeLeavesTheTextAndTheStoredFaceAsTheyWere) {
  if (!canGrabRealWindows()) GTEST_SKIP() << "ImageMagick's import is needed";
  const auto& [face, loaded] = GetParam();
  // Charset 1: the face serves English text as well.
  folder.write("wrenpad.ini",
               "[Settings]\r\nJpn=0\r\nDefFontName=" + face + "\r\nDefFontCharset=1\r\n");
  folder.write("memo.txt", "Hello world, in the face the settings name\r\nand a second line\r\n");
  ASSERT_TRUE(start(loaded ? "memo.txt" : QString())) << trace.toStdString();
  if (!loaded) {
    ASSERT_TRUE(screen.xdotool({"type", "Hello world, typed"}));
  }
  const QImage before = screen.grab();

  ASSERT_TRUE(screen.xdotool({"key", "alt+e", "o"}));
  ASSERT_TRUE(screen.waitForFocus(QStringLiteral("Select Font")));
  ASSERT_TRUE(screen.xdotool({"key", "Return"}));
  ASSERT_TRUE(screen.waitForFocus(QStringLiteral(" - Wrenpad")));
  // What the dialog's OK changed shows once the screen stops changing.
  QImage after = screen.grab();
  waitUntil([&] {
    const QImage next = screen.grab();
    const bool settled = differingPixels(after, next) < 200;
    after = next;
    return settled;
  }, 5000);
  // The caret may blink between the two grabs; a changed face or slant
  // changes thousands of pixels.
  EXPECT_LT(differingPixels(before, after), 200);

  ASSERT_TRUE(screen.xdotool({"key", "ctrl+q"}));
  if (!loaded) {
    // The question whether to save the typed text.
    const auto asked = [&] { return screen.focusedWindow() == QStringLiteral("Wrenpad"); };
    ASSERT_TRUE(waitUntil(asked, 10000));
    ASSERT_TRUE(screen.xdotool({"key", "alt+n"}));
  }
  ASSERT_TRUE(editor.waitForFinished(10000)) << trace.toStdString();
  const QByteArray settings = TempFolder::read(folder.file("wrenpad.ini"));
  EXPECT_TRUE(settings.contains("DefFontName=" + face + "\r\n")) << settings.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Faces, FontDialog,
                         ::testing::Values(FontCase{"DejaVu Sans", true}, FontCase{"MS Gothic", true},
                                           FontCase{"MS Gothic", false}));

}  // namespace
