// SPDX-License-Identifier: GPL-3.0-or-later
#include "encoding/cp932.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <array>
#include <utility>
#include <cstring>
#include <memory>
#include <vector>

namespace wrenpad::cp932 {

namespace {

// Characters of JIS X 0208 whose codes code page 932 reads as other
// characters, with those codes.
constexpr std::pair<char16_t, std::uint16_t> kJisReadings[] = {
    {u'\u301C', 0x8160},  // 〜 wave dash (～)
    {u'\u2016', 0x8161},  // ‖ double vertical line (∥)
    {u'\u2212', 0x817C},  // − minus sign (－)
    {u'\u00A2', 0x8191},  // ¢ (￠)
    {u'\u00A3', 0x8192},  // £ (￡)
    {u'\u00AC', 0x81CA},  // ¬ (￢)
};

struct Tables {
  // Double-byte code (lead << 8 | trail) to Unicode; 0 when unassigned.
  std::vector<char16_t> pairToUnicode = std::vector<char16_t>(65536, 0);
  // Unicode to the code page's own preferred bytes; 0 when it has none.
  std::vector<std::uint16_t> unicodeToBytes = std::vector<std::uint16_t>(65536, 0);
  // How many double-byte codes each character has.
  std::vector<std::uint8_t> codeCount = std::vector<std::uint8_t>(65536, 0);
};

const Tables& tables() {
  static const std::unique_ptr<Tables> built = [] {
    auto t = std::make_unique<Tables>();
    QStringDecoder decoder("windows-31j");
    QStringEncoder encoder("windows-31j");
    for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
      if (!isLeadByte(static_cast<unsigned char>(lead))) continue;
      for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
        if (!isTrailByte(static_cast<unsigned char>(trail))) continue;
        const char pair[2] = {char(lead), char(trail)};
        const QString text = decoder.decode(QByteArrayView(pair, 2));
        if (text.size() != 1 || text.at(0) == QChar::ReplacementCharacter) continue;
        t->pairToUnicode[lead << 8 | trail] = text.at(0).unicode();
        ++t->codeCount[text.at(0).unicode()];
      }
    }
    // The reverse table takes the encoder's choice among duplicates, except
    // that the IBM extension rows (leads FA..FC) give way to the same
    // characters in the NEC-selected rows (leads ED, EE): the kanji-code
    // detector reads a lead byte of F0 or above as EUC-JP, so a saved file
    // must not gain one it did not have.
    for (unsigned code = 0; code < 65536; ++code) {
      const char16_t u = t->pairToUnicode[code];
      if (u == 0 || t->unicodeToBytes[u] != 0) continue;
      const QByteArray back = encoder.encode(QStringView(&u, 1));
      if (back.size() == 2)
        t->unicodeToBytes[u] = std::uint16_t(uchar(back[0]) << 8 | uchar(back[1]));
    }
    for (unsigned code = 0xED00; code < 0xEF00; ++code) {
      const char16_t u = t->pairToUnicode[code];
      if (u != 0 && (t->unicodeToBytes[u] >> 8) >= 0xFA) t->unicodeToBytes[u] = std::uint16_t(code);
    }
    // Six characters of JIS X 0208 that code page 932 reads as others (the
    // wave dash 〜 as the full-width tilde ～, and so on) are what input
    // methods on this system give: they are written with the same codes, as
    // the system's own Shift-JIS converter writes them, and read back as
    // code page 932 reads those codes.
    for (const auto& [u, code] : kJisReadings) t->unicodeToBytes[u] = code;
    return t;
  }();
  return *built;
}

bool hasTwoCodes(char16_t u) { return tables().codeCount[u] > 1; }

// Writes the bytes of one character at `out`; their count, 0 when code page
// 932 cannot hold it.
int encodeChar(char16_t u, const FileCodes& file, char* out) {
  if (u < 0x80) {
    out[0] = char(u);
    return 1;
  }
  if (u >= 0xFF61 && u <= 0xFF9F) {
    out[0] = char(0xA1 + (u - 0xFF61));
    return 1;
  }
  if (isByteEscape(QChar(u))) {
    if (!file.producedStandIn(QChar(u))) return 0;
    out[0] = escapedByte(QChar(u));
    return 1;
  }
  const std::uint16_t code = pairCode(u, file.first);
  if (code == 0) return 0;
  out[0] = char(code >> 8);
  out[1] = char(code & 0xFF);
  return 2;
}

}  // namespace

char16_t pairChar(std::uint16_t code) { return tables().pairToUnicode[code]; }

std::uint16_t pairCode(char16_t u, const CodeChoices& used) {
  if (!used.isEmpty() && hasTwoCodes(u)) {
    if (const auto found = used.constFind(u); found != used.constEnd()) return *found;
  }
  return tables().unicodeToBytes[u];
}

void noteCode(char16_t u, std::uint16_t code, FileCodes* file) {
  if (!file || !hasTwoCodes(u)) return;
  const auto found = file->first.constFind(u);
  if (found == file->first.constEnd())
    file->first.insert(u, code);
  else if (*found != code)
    file->varied.insert(u);
}

QString decode(const QByteArray& bytes, FileCodes* file) {
  const char16_t* pairs = tables().pairToUnicode.data();
  QString text;
  text.resize(bytes.size());
  char16_t* out = reinterpret_cast<char16_t*>(text.data());
  char16_t* const start = out;
  const auto* s = reinterpret_cast<const unsigned char*>(bytes.constData());
  const qsizetype n = bytes.size();
  qsizetype i = 0;
  while (i < n) {
    // Runs of ASCII go eight bytes at a time.
    std::uint64_t word;
    if (i + 8 <= n && (std::memcpy(&word, s + i, 8), (word & 0x8080808080808080ULL) == 0)) {
      for (int k = 0; k < 8; ++k) out[k] = s[i + k];
      out += 8;
      i += 8;
      continue;
    }
    const unsigned char b = s[i];
    const std::uint16_t code = i + 1 < n ? std::uint16_t(b << 8 | s[i + 1]) : 0;
    if (b < 0x80) {
      *out++ = b;
      ++i;
    } else if (isHalfWidthKana(b)) {
      *out++ = char16_t(0xFF61 + (b - 0xA1));
      ++i;
    } else if (pairs[code] != 0) {
      // Only lead bytes with a trail byte have an entry in the table; a lead
      // byte at the very end looks up code 0, which has none.
      *out++ = pairs[code];
      noteCode(pairs[code], code, file);
      i += 2;
    } else {
      *out++ = byteEscape(b).unicode();
      if (file) file->noteStrayByte(b);
      ++i;
    }
  }
  text.resize(out - start);
  return text;
}

QList<QByteArrayView> characterBytes(QByteArrayView bytes) {
  const char16_t* pairs = tables().pairToUnicode.data();
  QList<QByteArrayView> pieces;
  const auto* s = reinterpret_cast<const unsigned char*>(bytes.data());
  for (qsizetype i = 0; i < bytes.size();) {
    const bool pair = s[i] >= 0x80 && !isHalfWidthKana(s[i]) && i + 1 < bytes.size() &&
                      pairs[s[i] << 8 | s[i + 1]] != 0;
    pieces.append(bytes.sliced(i, pair ? 2 : 1));
    i += pair ? 2 : 1;
  }
  return pieces;
}

Encoded encode(QStringView text, const FileCodes& file) {
  Encoded result;
  result.bytes.resize(text.size() * 2);
  char* out = result.bytes.data();
  for (qsizetype i = 0; i < text.size(); ++i) {
    const int written = encodeChar(text.at(i).unicode(), file, out);
    if (written == 0) {
      if (result.firstUnencodable < 0) result.firstUnencodable = i;
      *out++ = '?';
    }
    out += written;
  }
  result.bytes.resize(out - result.bytes.constData());
  return result;
}

bool canEncode(QChar c, const FileCodes& file) {
  char scratch[2];
  return encodeChar(c.unicode(), file, scratch) > 0;
}

}  // namespace wrenpad::cp932
