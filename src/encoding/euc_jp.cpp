// SPDX-License-Identifier: GPL-3.0-or-later
#include "encoding/euc_jp.h"

#include "kanji/kanji.h"

#include <QStringDecoder>
#include <memory>
#include <vector>

namespace wrenpad::eucjp {

namespace {

constexpr unsigned char kSingleShift2 = 0x8E;  // a half-width katakana follows
constexpr unsigned char kSingleShift3 = 0x8F;  // a JIS X 0212 pair follows

// Shift-JIS leads above EF lie outside the 94 rows EUC-JP can write.
bool fitsEuc(std::uint16_t sjis) { return sjis != 0 && (sjis >> 8) < 0xF0; }

// Rows 1..8 and 16..84 (leads A1..A8, B0..F4): those JIS X 0208 fills and
// every EUC-JP reader knows. NEC's row 13, the IBM kanji of rows 89..92 and
// the user-defined rows lie outside.
bool inJisRows(unsigned char lead) { return lead <= 0xA8 || (lead >= 0xB0 && lead <= 0xF4); }

// JIS X 0212 as the system's EUC-JP converter maps it, without its
// private-use rows, which belong to no shared character set.
struct SupplementaryKanji {
  // Index (row - A1) * 94 + (cell - A1) to Unicode; 0 when unassigned.
  std::vector<char16_t> toUnicode = std::vector<char16_t>(94 * 94, 0);
  // The pair (row << 8 | cell, bit 7 set) of a character code page 932 lacks.
  QHash<char16_t, std::uint16_t> pairOf;
};

const SupplementaryKanji& supplementary() {
  static const std::unique_ptr<SupplementaryKanji> built = [] {
    auto table = std::make_unique<SupplementaryKanji>();
    for (unsigned row = 0xA1; row <= 0xFE; ++row) {
      for (unsigned cell = 0xA1; cell <= 0xFE; ++cell) {
        QStringDecoder decoder("EUC-JP");
        const char triple[3] = {char(kSingleShift3), char(row), char(cell)};
        const QString text = decoder.decode(QByteArrayView(triple, 3));
        if (decoder.hasError() || text.size() != 1) continue;
        const char16_t u = text.at(0).unicode();
        if (u < 0x80 || u == QChar::ReplacementCharacter || (u >= 0xE000 && u <= 0xF8FF)) continue;
        table->toUnicode[(row - 0xA1) * 94 + (cell - 0xA1)] = u;
        if (cp932::pairCode(u) == 0) table->pairOf.insert(u, std::uint16_t(row << 8 | cell));
      }
    }
    return table;
  }();
  return *built;
}

std::uint16_t sjisOfEucPair(unsigned char lead, unsigned char trail) {
  const kanji::BytePair sjis = kanji::JisToSjisPair(lead & 0x7F, trail & 0x7F);
  return std::uint16_t(sjis.first << 8 | sjis.second);
}

void appendEscapes(QString& text, const unsigned char* bytes, qsizetype count, cp932::FileCodes* file) {
  for (qsizetype k = 0; k < count; ++k) {
    text += cp932::byteEscape(bytes[k]);
    if (file) file->noteStrayByte(bytes[k]);
  }
}

// A JIS X 0212 kanji whose two bytes follow 8F. One that code page 932 also
// has is written back with its JIS X 0208 code: its lines are kept whole.
qsizetype decodeSupplementary(const unsigned char* s, QString& text, cp932::FileCodes* file) {
  const char16_t u = supplementary().toUnicode[(s[1] - 0xA1) * 94 + (s[2] - 0xA1)];
  if (u == 0) {
    appendEscapes(text, s, 3, file);
  } else {
    text += QChar(u);
    if (!file) return 3;
    file->supplementaryKanji = true;
    if (cp932::pairCode(u) != 0) file->varied.insert(u);
  }
  return 3;
}

// Reads one character at s[0] (n bytes left) into text; returns its length.
qsizetype decodeOne(const unsigned char* s, qsizetype n, QString& text, cp932::FileCodes* file) {
  const unsigned char b = s[0];
  if (b < 0x80) {
    text += QChar(b);
    return 1;
  }
  if (b == kSingleShift2 && n > 1 && cp932::isHalfWidthKana(s[1])) {
    text += QChar(char16_t(0xFF61 + (s[1] - 0xA1)));
    return 2;
  }
  if (b == kSingleShift3 && n > 2 && isPairByte(s[1]) && isPairByte(s[2]))
    return decodeSupplementary(s, text, file);
  if (!isPairByte(b) || n < 2 || !isPairByte(s[1])) {
    appendEscapes(text, s, 1, file);
    return 1;
  }
  const std::uint16_t sjis = sjisOfEucPair(b, s[1]);
  const char16_t u = cp932::pairChar(sjis);
  if (u == 0) {
    appendEscapes(text, s, 2, file);
    return 2;
  }
  text += QChar(u);
  cp932::noteCode(u, sjis, file);
  if (file && !inJisRows(b)) file->eucExtensionRows = true;
  return 2;
}

// The EUC-JP pair of a Shift-JIS pair; 0 when there is none, or when it lies
// outside the rows of JIS X 0208 and the file had no such pairs.
std::uint16_t eucPairOfSjis(std::uint16_t sjis, const cp932::FileCodes& file) {
  if (!fitsEuc(sjis)) return 0;
  const kanji::BytePair jis = kanji::SjisToJisPair(sjis >> 8, sjis & 0xFF);
  const unsigned char lead = jis.first | 0x80;
  if (!file.eucExtensionRows && !inJisRows(lead)) return 0;
  return std::uint16_t(lead << 8 | (jis.second | 0x80));
}

// The EUC-JP pair of a character: by the code the file used for it, else by
// the code page's own; 0 when neither will do.
std::uint16_t eucPairOf(char16_t u, const cp932::FileCodes& file) {
  const std::uint16_t pair = eucPairOfSjis(cp932::pairCode(u, file.first), file);
  return pair != 0 ? pair : eucPairOfSjis(cp932::pairCode(u), file);
}

// Writes the bytes of one character at `out`; their count, 0 when EUC-JP
// cannot hold it.
int encodeChar(char16_t u, const cp932::FileCodes& file, char* out) {
  if (u < 0x80) {
    out[0] = char(u);
    return 1;
  }
  if (u >= 0xFF61 && u <= 0xFF9F) {
    out[0] = char(kSingleShift2);
    out[1] = char(0xA1 + (u - 0xFF61));
    return 2;
  }
  if (cp932::isByteEscape(QChar(u))) {
    if (!file.producedStandIn(QChar(u))) return 0;
    out[0] = cp932::escapedByte(QChar(u));
    return 1;
  }
  if (const std::uint16_t pair = eucPairOf(u, file); pair != 0) {
    out[0] = char(pair >> 8);
    out[1] = char(pair & 0xFF);
    return 2;
  }
  if (!file.supplementaryKanji) return 0;
  const auto& supplementaryPairs = supplementary().pairOf;
  const auto found = supplementaryPairs.constFind(u);
  if (found == supplementaryPairs.constEnd()) return 0;
  out[0] = char(kSingleShift3);
  out[1] = char(*found >> 8);
  out[2] = char(*found & 0xFF);
  return 3;
}

}  // namespace

QList<QByteArrayView> characterBytes(QByteArrayView bytes) {
  QList<QByteArrayView> pieces;
  QString scratch;
  const auto* s = reinterpret_cast<const unsigned char*>(bytes.data());
  for (qsizetype i = 0; i < bytes.size();) {
    scratch.clear();
    const qsizetype length = decodeOne(s + i, bytes.size() - i, scratch, nullptr);
    // A character, or stand-ins of one byte each.
    if (scratch.size() == 1)
      pieces.append(bytes.sliced(i, length));
    else
      for (qsizetype k = 0; k < length; ++k) pieces.append(bytes.sliced(i + k, 1));
    i += length;
  }
  return pieces;
}

QString decode(const QByteArray& bytes, cp932::FileCodes* file) {
  QString text;
  text.reserve(bytes.size());
  const auto* s = reinterpret_cast<const unsigned char*>(bytes.constData());
  for (qsizetype i = 0; i < bytes.size();) i += decodeOne(s + i, bytes.size() - i, text, file);
  return text;
}

cp932::Encoded encode(QStringView text, const cp932::FileCodes& file) {
  cp932::Encoded result;
  // Two bytes a character are room enough but for JIS X 0212 kanji (three).
  result.bytes.resize(text.size() * 2 + 3);
  qsizetype used = 0;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (result.bytes.size() - used < 3) result.bytes.resize(result.bytes.size() + result.bytes.size() / 2 + 3);
    char* out = result.bytes.data() + used;
    const int written = encodeChar(text.at(i).unicode(), file, out);
    if (written == 0) {
      if (result.firstUnencodable < 0) result.firstUnencodable = i;
      *out = '?';
    }
    used += written == 0 ? 1 : written;
  }
  result.bytes.resize(used);
  return result;
}

bool canEncode(QChar c, const cp932::FileCodes& file) {
  char scratch[3];
  return encodeChar(c.unicode(), file, scratch) > 0;
}

}  // namespace wrenpad::eucjp
