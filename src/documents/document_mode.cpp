// SPDX-License-Identifier: GPL-3.0-or-later
#include "documents/document_mode.h"

#include "documents/document_kind.h"
#include "settings/settings.h"

namespace wrenpad {

std::optional<LanguageMode> programLanguageOf(const QString& fileName) {
  switch (documentKindOf(fileName)) {
    case DocumentKind::CSource: return LanguageMode::Cpp;
    case DocumentKind::Java: return LanguageMode::Java;
    case DocumentKind::PerlCgi: return LanguageMode::Perl;
    case DocumentKind::Pascal: return LanguageMode::Pascal;
    case DocumentKind::Text:
    case DocumentKind::Html: break;
  }
  return std::nullopt;
}

ModeFeatures featuresOf(int documentMode) {
  ModeFeatures features;
  features.pageCommands = documentMode == kHtmlMode;
  features.richEditor = documentMode == kHtmlMode;
  features.programCommands = documentMode == kProgramMode;
  features.messagePane = documentMode == kProgramMode;
  return features;
}

bool Settings::*lineNumbersSetting(int documentMode) {
  switch (documentMode) {
    case kProgramMode: return &Settings::LineNumbersProgram;
    case kHtmlMode: return &Settings::LineNumbersPage;
    default: return &Settings::LineNumbersText;
  }
}

WebPageSwitch switchWebPage(int documentMode, bool on) {
  if (on) return {kHtmlMode, true};
  return {documentMode == kHtmlMode ? kTextMode : documentMode, false};
}

bool compiles(int documentMode, const QString& fileName) {
  return documentMode == kProgramMode && extensionOf(fileName).compare(u".h", Qt::CaseInsensitive) != 0;
}

bool readsKeyboardInput(int documentMode, LanguageMode language) {
  return documentMode == kProgramMode && language != LanguageMode::Perl;
}

}  // namespace wrenpad
