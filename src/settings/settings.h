// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The values that outlive a run, as the settings file stores them. Values with
// a widget target (menu checks, window bounds) are copied into the widgets
// after reading and back out of them before writing.

#include <QString>
#include <array>
#include <cstdint>

namespace wrenpad {

// Windows character sets carried by fonts and formats.
inline constexpr int kAnsiCharset = 0;
inline constexpr int kDefaultCharset = 1;
inline constexpr int kShiftJisCharset = 128;

// The program's own face names; they stay as they are in settings and
// documents and are mapped to installed faces for drawing.
inline const QString kProportionalGothic = QStringLiteral("ＭＳ Ｐゴシック");
inline const QString kFixedGothic = QStringLiteral("ＭＳ ゴシック");
inline const QString kTimesNewRoman = QStringLiteral("Times New Roman");
inline const QString kCourierNew = QStringLiteral("Courier New");

struct Settings {
  std::int8_t FontSize = 10;
  QString IniPath;                 // becomes CurrentFolder
  QString Dictionary;
  QString DefaultFolder;
  QString MacroFile = QStringLiteral("TagUpperToLower");
  bool AutoFileSave = true;
  bool AutoRepaint = true;
  std::uint32_t BGColor = 0xFFFFFF;  // Windows colour value: 0x00BBGGRR
  QString LastExtension = QStringLiteral(".txt");
  std::int8_t PL = 0;              // LanguageMode
  QString BCCpath;
  QString JDKpath;
  QString FPpath;
  // Per LanguageMode; g++ and gcc optimise unless the user says otherwise.
  std::array<QString, 5> CompilerOption = {QStringLiteral("-O2"), {}, {}, {}, {}};
  QString DocumentRoot;
  bool Jpn = true;
  bool EUC = false;
  QString CodingFontName = kFixedGothic;
  std::int32_t CodingFontCharset = kShiftJisCharset;
  QString DefFontName = kProportionalGothic;
  std::int32_t DefFontCharset = kShiftJisCharset;
  std::int8_t DefFontSize = 11;
  std::int8_t CodingFontSize = 9;
  std::int8_t Browser = 0;
  bool Realization = true;
  std::int8_t TabWidth = 2;
  std::int32_t AppletWidth = 300;
  std::int32_t AppletHeight = 300;
  bool AutoBR = true;
  int Height = 400;
  int Width = 750;
  int Top = 0;
  int Left = 0;
  bool MultiUndo = true;
  // The code new and unmarked documents are written in: 0 Shift-JIS, 1 EUC-JP,
  // 2 UTF-8. Older copies only know `EUC`, which stays written as
  // OutputCode == 1 and gives this its default when the key is missing.
  std::int8_t OutputCode = 0;
  // New documents are written with LF unless the user chose CR LF.
  bool NewDocumentsCRLF = false;
  // The line-number gutter, by the kind of the document shown.
  bool LineNumbersText = false;
  bool LineNumbersPage = false;
  bool LineNumbersProgram = true;
  // The preview window reloads the page a moment after typing stops.
  bool LivePreview = false;

  friend bool operator==(const Settings&, const Settings&) = default;
};

}  // namespace wrenpad
