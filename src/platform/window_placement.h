// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whether the windowing system puts windows where the program asks. X11 (and
// Qt's offscreen and other platforms) do; a Wayland compositor places every
// window itself and reports no position back, so placements there are left
// out and positions are never read back.

#include <QString>

namespace wrenpad {

// For a Qt platform name ("xcb", "wayland", "wayland-egl", "offscreen", ...).
bool placementsApply(const QString& platformName);
// For the platform this run shows its windows on.
bool placementsApply();

}  // namespace wrenpad
