// SPDX-License-Identifier: GPL-3.0-or-later
#include "language/interface_language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace wrenpad {

bool installQtJapanese(QTranslator& translator) {
  if (!translator.load(QStringLiteral("qtbase_ja"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    return false;
  QCoreApplication::installTranslator(&translator);
  return true;
}

}  // namespace wrenpad
