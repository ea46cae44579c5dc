// SPDX-License-Identifier: GPL-3.0-or-later
#include "encoding/output_code.h"

#include <QRegularExpression>
#include <array>

namespace wrenpad {

namespace {
constexpr qsizetype kDeclarationWindow = 200;

// The names of the codes we write, as browsers know them.
constexpr std::array kShiftJisNames{u"shift_jis", u"shift-jis", u"sjis", u"x-sjis", u"windows-31j",
                                    u"ms_kanji", u"ms932", u"csshiftjis"};
constexpr std::array kEucJpNames{u"euc-jp", u"x-euc-jp", u"cseucpkdfmtjapanese"};
// 7-bit JIS: Shift-JIS's characters, written with escapes.
constexpr std::array kJisNames{u"iso-2022-jp", u"csiso2022jp"};
constexpr std::array kUtf8Names{u"utf-8", u"utf8", u"unicode-1-1-utf-8", u"unicode11utf8",
                                u"unicode20utf8", u"x-unicode20utf8"};

template <std::size_t N>
bool isOneOf(const QString& name, const std::array<const char16_t*, N>& names) {
  for (const char16_t* known : names)
    if (name == QStringView(known)) return true;
  return false;
}
}  // namespace

std::optional<CharsetDeclaration> findCharsetDeclaration(const QString& text) {
  qsizetype at = text.indexOf(QStringLiteral("<meta"));
  if (at < 0) at = text.indexOf(QStringLiteral("<META"));
  if (at < 0) return std::nullopt;
  // "charset" as a whole attribute name, or inside content="text/html;
  // charset=...": the value runs to a quote, blank, ";" or ">".
  static const QRegularExpression pattern(QStringLiteral(R"((?<![\w:-])charset\s*=\s*["']?([^"'\s;>]*))"),
                                          QRegularExpression::CaseInsensitiveOption);
  const QRegularExpressionMatch match = pattern.match(text.mid(at + 1, kDeclarationWindow));
  if (!match.hasMatch()) return std::nullopt;
  return CharsetDeclaration{at + 1 + match.capturedStart(1), match.capturedLength(1)};
}

QString declaredCharset(const QString& text) {
  const std::optional<CharsetDeclaration> declaration = findCharsetDeclaration(text);
  return declaration ? text.mid(declaration->start, declaration->length).toLower() : QString();
}

std::optional<TextEncoding> declaredEncoding(const QString& text) {
  const QString charset = declaredCharset(text);
  if (isOneOf(charset, kShiftJisNames) || isOneOf(charset, kJisNames)) return TextEncoding::ShiftJis;
  if (isOneOf(charset, kEucJpNames)) return TextEncoding::EucJp;
  if (isOneOf(charset, kUtf8Names)) return TextEncoding::Utf8;
  return std::nullopt;
}

bool declaresJis(const QString& text) { return isOneOf(declaredCharset(text), kJisNames); }

QString withDeclaredCharset(const QString& text, const QString& charset) {
  const std::optional<CharsetDeclaration> declaration = findCharsetDeclaration(text);
  if (!declaration) return text;
  return QString(text).replace(declaration->start, declaration->length, charset);
}

QString charsetNameOf(TextEncoding encoding) {
  switch (encoding) {
    case TextEncoding::ShiftJis: return QStringLiteral("Shift_JIS");
    case TextEncoding::EucJp: return QStringLiteral("EUC-JP");
    case TextEncoding::Utf8: return QStringLiteral("UTF-8");
  }
  return QString();
}

TextEncoding outputCodeEncoding(int storedCode) {
  switch (storedCode) {
    case 1: return TextEncoding::EucJp;
    case 2: return TextEncoding::Utf8;
    default: return TextEncoding::ShiftJis;
  }
}

std::int8_t storedOutputCode(TextEncoding encoding) {
  switch (encoding) {
    case TextEncoding::ShiftJis: return 0;
    case TextEncoding::EucJp: return 1;
    case TextEncoding::Utf8: return 2;
  }
  return 0;
}

TextEncoding chooseOutputEncoding(const QString& text, const OutputChoice& choice) {
  if (choice.htmlMode) {
    if (const std::optional<TextEncoding> declared = declaredEncoding(text)) return *declared;
  }
  if (choice.loadedAs == TextEncoding::Utf8 || choice.fromFile) return choice.loadedAs;
  return choice.chosen;
}

}  // namespace wrenpad
