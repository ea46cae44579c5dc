#include "encoding/euc_jp.h"

#include "kanji/kanji.h"

namespace wrenpad::eucjp {

namespace {

constexpr unsigned char kSingleShift2 = 0x8E;  // a half-width katakana follows
constexpr unsigned char kSingleShift3 = 0x8F;  // a JIS X 0212 pair follows

bool isPairByte(unsigned char b) { return b >= 0xA1 && b <= 0xFE; }
bool isHalfWidthKana(unsigned char b) { return b >= 0xA1 && b <= 0xDF; }
// Shift-JIS leads above EF lie outside the 94 rows EUC-JP can write.
bool fitsEuc(std::uint16_t sjis) { return sjis != 0 && (sjis >> 8) < 0xF0; }

std::uint16_t sjisOfEucPair(unsigned char lead, unsigned char trail) {
  const kanji::BytePair sjis = kanji::JisToSjisPair(lead & 0x7F, trail & 0x7F);
  return std::uint16_t(sjis.first << 8 | sjis.second);
}

void appendEscapes(QString& text, const unsigned char* bytes, qsizetype count) {
  for (qsizetype k = 0; k < count; ++k) text += cp932::byteEscape(bytes[k]);
}

// Reads one character at s[0] (n bytes left) into text; returns its length.
qsizetype decodeOne(const unsigned char* s, qsizetype n, QString& text, cp932::CodeChoices* used) {
  const unsigned char b = s[0];
  if (b < 0x80) {
    text += QChar(b);
    return 1;
  }
  if (b == kSingleShift2 && n > 1 && isHalfWidthKana(s[1])) {
    text += QChar(char16_t(0xFF61 + (s[1] - 0xA1)));
    return 2;
  }
  if (b == kSingleShift3 && n > 2 && isPairByte(s[1]) && isPairByte(s[2])) {
    appendEscapes(text, s, 3);  // JIS X 0212: not in code page 932
    return 3;
  }
  if (!isPairByte(b) || n < 2 || !isPairByte(s[1])) {
    appendEscapes(text, s, 1);
    return 1;
  }
  const std::uint16_t sjis = sjisOfEucPair(b, s[1]);
  const char16_t u = cp932::pairChar(sjis);
  if (u == 0) {
    appendEscapes(text, s, 2);
    return 2;
  }
  text += QChar(u);
  cp932::noteCode(u, sjis, used);
  return 2;
}

// The EUC-JP pair of a character, 0 when EUC-JP has none.
std::uint16_t eucPairOf(char16_t u, const cp932::CodeChoices& used) {
  std::uint16_t sjis = cp932::pairCode(u, used);
  if (!fitsEuc(sjis)) sjis = cp932::pairCode(u);
  if (!fitsEuc(sjis)) return 0;
  const kanji::BytePair jis = kanji::SjisToJisPair(sjis >> 8, sjis & 0xFF);
  return std::uint16_t((jis.first | 0x80) << 8 | (jis.second | 0x80));
}

}  // namespace

QString decode(const QByteArray& bytes, cp932::CodeChoices* used) {
  QString text;
  text.reserve(bytes.size());
  const auto* s = reinterpret_cast<const unsigned char*>(bytes.constData());
  for (qsizetype i = 0; i < bytes.size();) i += decodeOne(s + i, bytes.size() - i, text, used);
  return text;
}

cp932::Encoded encode(QStringView text, const cp932::CodeChoices& used) {
  cp932::Encoded result;
  result.bytes.reserve(text.size() * 2);
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text.at(i);
    const char16_t u = c.unicode();
    if (u < 0x80) {
      result.bytes += char(u);
    } else if (u >= 0xFF61 && u <= 0xFF9F) {
      result.bytes += char(kSingleShift2);
      result.bytes += char(0xA1 + (u - 0xFF61));
    } else if (cp932::isByteEscape(c)) {
      result.bytes += cp932::escapedByte(c);
    } else if (const std::uint16_t pair = eucPairOf(u, used); pair != 0) {
      result.bytes += char(pair >> 8);
      result.bytes += char(pair & 0xFF);
    } else {
      if (result.firstUnencodable < 0) result.firstUnencodable = i;
      result.bytes += '?';
    }
  }
  return result;
}

}  // namespace wrenpad::eucjp
