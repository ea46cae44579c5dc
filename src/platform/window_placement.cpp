// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/window_placement.h"

#include <QGuiApplication>

namespace wrenpad {

bool placementsApply(const QString& platformName) {
  return !platformName.startsWith(QLatin1String("wayland"), Qt::CaseInsensitive);
}

bool placementsApply() { return placementsApply(QGuiApplication::platformName()); }

}  // namespace wrenpad
