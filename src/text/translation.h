// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The interface language. Every text the user sees is written in English in
// the code and goes through Qt's translation (tr(), QCoreApplication::
// translate(), QT_TRANSLATE_NOOP in tables); the Japanese texts are in
// translations/wrenpad_ja.ts, built into the program. The language is chosen
// once a run has read its settings and holds for the run.

#include <QString>

namespace wrenpad {

enum class InterfaceLanguage { English, Japanese };

// Installs the program's texts and Qt's own (its dialogs' buttons) for
// `language`; English removes them. Widgets get a LanguageChange event.
void useInterfaceLanguage(InterfaceLanguage language);
InterfaceLanguage interfaceLanguage();
inline bool interfaceIsJapanese() { return interfaceLanguage() == InterfaceLanguage::Japanese; }
inline InterfaceLanguage interfaceLanguageFor(bool japanese) {
  if (japanese) return InterfaceLanguage::Japanese;
  return InterfaceLanguage::English;
}

// For a test or a scope that needs one language for a while: the language
// before is back when the object goes.
class InterfaceLanguageScope {
 public:
  explicit InterfaceLanguageScope(InterfaceLanguage language) : before_(interfaceLanguage()) {
    useInterfaceLanguage(language);
  }
  ~InterfaceLanguageScope() { useInterfaceLanguage(before_); }
  InterfaceLanguageScope(const InterfaceLanguageScope&) = delete;
  InterfaceLanguageScope& operator=(const InterfaceLanguageScope&) = delete;

 private:
  InterfaceLanguage before_;
};

}  // namespace wrenpad
