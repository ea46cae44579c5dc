// SPDX-License-Identifier: GPL-3.0-or-later
// Window placements apply where the windowing system honours them: X11 and
// Qt's own platforms, not a Wayland compositor, which places windows itself.
#include "platform/window_placement.h"

#include <gtest/gtest.h>

using namespace wrenpad;

TEST(WindowPlacement, AppliesEverywhereButUnderWayland) {
  for (const char* name : {"xcb", "offscreen", "minimal", "vnc", "eglfs", "windows", ""})
    EXPECT_TRUE(placementsApply(QString::fromLatin1(name))) << name;
  for (const char* name : {"wayland", "wayland-egl", "wayland-brcm", "Wayland"})
    EXPECT_FALSE(placementsApply(QString::fromLatin1(name))) << name;
}
