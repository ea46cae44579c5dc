// SPDX-License-Identifier: GPL-3.0-or-later
// An include that climbs out of its folder into a room this room does not link.
#include "../window/main_window.h"
