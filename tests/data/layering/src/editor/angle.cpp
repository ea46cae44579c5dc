// SPDX-License-Identifier: GPL-3.0-or-later
// An include in angle brackets of a room this room does not link.
#include <window/main_window.h>
