// SPDX-License-Identifier: GPL-3.0-or-later
// Allowed: window links editor.
#include <editor/angle.h>
#include "editor/angle.h"
