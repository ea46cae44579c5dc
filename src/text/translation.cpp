// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace wrenpad {
namespace {

struct Translators {
  QTranslator ours;  // the program's texts, built in under :/i18n
  QTranslator qts;   // Qt's own, from Qt's translations folder
  InterfaceLanguage language = InterfaceLanguage::English;
  bool loaded = false;
};

Translators& translators() {
  static Translators* kept = new Translators;  // lives as long as the process
  return *kept;
}

}  // namespace

void useInterfaceLanguage(InterfaceLanguage language) {
  Translators& t = translators();
  if (t.language == language) return;
  t.language = language;
  if (language == InterfaceLanguage::English) {
    QCoreApplication::removeTranslator(&t.ours);
    QCoreApplication::removeTranslator(&t.qts);
    return;
  }
  if (!t.loaded) {
    t.loaded = true;
    if (!t.ours.load(QStringLiteral(":/i18n/wrenpad_ja.qm")))
      qWarning("Wrenpad: the Japanese texts are missing from the program");
    // Without Qt's own Japanese texts its dialogs keep their English buttons.
    (void)t.qts.load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  }
  QCoreApplication::installTranslator(&t.qts);
  QCoreApplication::installTranslator(&t.ours);
}

InterfaceLanguage interfaceLanguage() { return translators().language; }

}  // namespace wrenpad
