// SPDX-License-Identifier: GPL-3.0-or-later
#include "language/interface_language.h"

#include <QCoreApplication>

namespace wrenpad {

QString restartToChangeLanguage() {
  //: Stays English in the Japanese interface.
  return QCoreApplication::translate("InterfaceLanguage", "Please restart this software to change language.");
}

}  // namespace wrenpad
