// SPDX-License-Identifier: GPL-3.0-or-later
#include "large/large_codec.h"

#include "encoding/cp932.h"
#include "encoding/euc_jp.h"
#include "kanji/kanji.h"

#include <algorithm>

namespace wrenpad::large {

namespace {
using cp932::isHalfWidthKana;
using eucjp::isPairByte;
bool isContinuation(unsigned char b) { return (b & 0xC0) == 0x80; }

int utf8Length(const unsigned char* s, qint64 n) {
  return kanji::Utf8SequenceLength(std::string_view(reinterpret_cast<const char*>(s), std::size_t(std::min<qint64>(n, 4))));
}

char32_t utf8CodePoint(const unsigned char* s, int length) {
  if (length == 1) return s[0];
  char32_t code = s[0] & (0xFF >> (length + 1));
  for (int k = 1; k < length; ++k) code = code << 6 | (s[k] & 0x3F);
  return code;
}

int eucLength(const unsigned char* s, qint64 n) {
  const unsigned char b = s[0];
  if (b < 0x80) return 1;
  if (b == 0x8E && n > 1 && isHalfWidthKana(s[1])) return 2;
  if (b == 0x8F && n > 2 && isPairByte(s[1]) && isPairByte(s[2])) return 3;
  if (!isPairByte(b) || n < 2 || !isPairByte(s[1])) return 1;
  return 2;
}

int sjisLength(const unsigned char* s, qint64 n) {
  const unsigned char b = s[0];
  if (b < 0x80 || isHalfWidthKana(b) || n < 2) return 1;
  return cp932::pairChar(std::uint16_t(b << 8 | s[1])) != 0 ? 2 : 1;
}

bool isJisPair(JisState state, const unsigned char* s, qint64 n) {
  return state == JisState::Pairs && n >= 2 && s[0] >= 0x21 && s[1] >= 0x21;
}

// A UTF-8 head cut by the detection limit may end inside a character: those
// bytes are left out, so the cut does not make the head invalid.
std::string_view withoutCutCharacter(std::string_view head) {
  const auto* s = reinterpret_cast<const unsigned char*>(head.data());
  const std::size_t n = head.size();
  for (std::size_t back = 1; back <= std::min<std::size_t>(3, n); ++back) {
    const unsigned char b = s[n - back];
    if (isContinuation(b)) continue;
    const std::size_t needed = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
    return needed > back ? head.substr(0, n - back) : head;
  }
  return head;
}

// Whether a head reads as UTF-8, weighed over the whole of it: its
// well-formed multi-byte sequences against the bytes that begin none. One
// stray byte (a damaged line, a byte of another code pasted in) does not make
// a UTF-8 file Shift-JIS; those bytes show as their stand-ins. Shift-JIS and
// EUC-JP text holds pairs that happen to be well-formed UTF-8 (half-width
// katakana, EUC kanji of some rows), but far fewer than the bytes that
// begin none (on random Japanese text in either code, at most four for
// each stray), so a head needs sixteen sequences for every stray byte.
constexpr qint64 kSequencesPerStray = 16;

bool weighsAsUtf8(std::string_view head) {
  const auto* s = reinterpret_cast<const unsigned char*>(head.data());
  const qint64 n = qint64(head.size());
  qint64 sequences = 0;
  qint64 strays = 0;
  for (qint64 i = 0; i < n;) {
    if (s[i] < 0x80) {
      ++i;
      continue;
    }
    const int length = utf8Length(s + i, n - i);
    if (length == 0) ++strays;
    else ++sequences;
    i += std::max(1, length);
  }
  return sequences > 0 && sequences >= strays * kSequencesPerStray;
}

class Decoder {
 public:
  explicit Decoder(std::size_t bytes) {
    out_.text.reserve(qsizetype(bytes));
    out_.byteOf.reserve(bytes + 1);
  }
  void put(char16_t unit, qint64 byte) {
    out_.text += QChar(unit);
    out_.byteOf.push_back(qint32(byte));
  }
  void putStandIns(const unsigned char* s, qint64 at, int count) {
    for (int k = 0; k < count; ++k) put(cp932::byteEscape(s[at + k]).unicode(), at + k);
  }
  DecodedText finish(qint64 end) {
    out_.byteOf.push_back(qint32(end));
    return std::move(out_);
  }

 private:
  DecodedText out_;
};

void decodeSjisCharacter(Decoder& d, const unsigned char* s, qint64 i, int length) {
  const unsigned char b = s[i];
  if (b < 0x80) return d.put(b, i);
  if (isHalfWidthKana(b)) return d.put(char16_t(0xFF61 + (b - 0xA1)), i);
  if (length == 2) return d.put(cp932::pairChar(std::uint16_t(b << 8 | s[i + 1])), i);
  d.putStandIns(s, i, 1);
}

void decodeEucCharacter(Decoder& d, const unsigned char* s, qint64 i, int length) {
  const unsigned char b = s[i];
  if (b < 0x80) return d.put(b, i);
  if (length == 1) return d.putStandIns(s, i, 1);
  if (b == 0x8E) return d.put(char16_t(0xFF61 + (s[i + 1] - 0xA1)), i);
  if (length == 2) {
    const kanji::BytePair sjis = kanji::JisToSjisPair(b & 0x7F, s[i + 1] & 0x7F);
    const char16_t u = cp932::pairChar(std::uint16_t(sjis.first << 8 | sjis.second));
    return u != 0 ? d.put(u, i) : d.putStandIns(s, i, 2);
  }
  // JIS X 0212: rare enough to go through the codec's own table.
  const QString text = eucjp::decode(QByteArray(reinterpret_cast<const char*>(s + i), 3));
  if (text.size() == 1) return d.put(text.at(0).unicode(), i);
  d.putStandIns(s, i, 3);
}

// A pair that is no character, as code page 932 shows its Shift-JIS bytes:
// the lead byte's stand-in, then the trail byte on its own.
void decodeUnmappedPair(Decoder& d, kanji::BytePair sjis, qint64 i) {
  d.put(cp932::byteEscape(sjis.first).unicode(), i);
  const unsigned char b = sjis.second;
  if (b < 0x80) return d.put(b, i);
  if (isHalfWidthKana(b)) return d.put(char16_t(0xFF61 + (b - 0xA1)), i);
  d.put(cp932::byteEscape(b).unicode(), i);
}

void decodeUtf8Character(Decoder& d, const unsigned char* s, qint64 i, int length) {
  if (length == 1 && s[i] >= 0x80) return d.putStandIns(s, i, 1);
  const char32_t code = utf8CodePoint(s + i, length);
  if (code < 0x10000) return d.put(char16_t(code), i);
  d.put(QChar::highSurrogate(code), i);
  d.put(QChar::lowSurrogate(code), i);
}
}  // namespace

DetectedForm detectForm(std::string_view head, TextEncoding fallback) {
  head = head.substr(0, std::size_t(kDetectionBytes));
  DetectedForm form;
  const bool controls = std::any_of(head.begin(), head.end(), [](char c) { return static_cast<unsigned char>(c) < 8; });
  form.binary = controls || head.find('\xFF') != std::string_view::npos;
  switch (kanji::DetectLineEnd(head)) {
    case kanji::leCrLf: form.lineEnd = LineEnd::CrLf; break;
    case kanji::leCr: form.lineEnd = LineEnd::Cr; break;
    case kanji::leLf: form.lineEnd = LineEnd::Lf; break;
    case kanji::leNone: break;
  }
  form.lineEndFromFile = head.find_first_of("\r\n") != std::string_view::npos;
  // A byte FF is not text in the Japanese codes, but in a head that is
  // UTF-8 it is one more stray byte.
  if (!controls && weighsAsUtf8(withoutCutCharacter(head))) {
    form.encoding = TextEncoding::Utf8;
    form.binary = false;
    return form;
  }
  switch (form.binary ? kanji::kcBinary : kanji::DetectKanjiCode(head)) {
    case kanji::kcEuc: form.encoding = TextEncoding::EucJp; break;
    case kanji::kcNewJis:
    case kanji::kcOldJis: form.jis = true; break;
    case kanji::kcNone: form.encoding = fallback; break;
    default: break;
  }
  return form;
}

int characterLength(TextEncoding encoding, const unsigned char* s, qint64 n) {
  switch (encoding) {
    case TextEncoding::ShiftJis: return sjisLength(s, n);
    case TextEncoding::EucJp: return eucLength(s, n);
    case TextEncoding::Utf8: return std::max(1, utf8Length(s, n));
  }
  return 1;
}

bool endsCharacter(TextEncoding encoding, unsigned char b) {
  switch (encoding) {
    case TextEncoding::ShiftJis: return !cp932::isLeadByte(b);
    case TextEncoding::EucJp: return b < 0x80;
    case TextEncoding::Utf8: return b < 0x80;
  }
  return true;
}

int jisEscapeLength(const unsigned char* s, qint64 n, JisState* state) {
  if (s[0] != 0x1B || n < 3 || (s[1] != '$' && s[1] != '(')) return 0;
  *state = s[1] == '$' ? JisState::Pairs : JisState::Single;
  return 3;
}

int jisCharacterLength(JisState* state, const unsigned char* s, qint64 n) {
  qint64 at = 0;
  for (int escape; at < n && (escape = jisEscapeLength(s + at, n - at, state)) > 0;) at += escape;
  // Escapes before a line end or the end stand alone.
  if (at == n || (at > 0 && (s[at] == '\r' || s[at] == '\n'))) return int(at);
  return int(at + (isJisPair(*state, s + at, n - at) ? 2 : 1));
}

DecodedText decodeJis(std::string_view bytes, JisState state) {
  const auto* s = reinterpret_cast<const unsigned char*>(bytes.data());
  const qint64 n = qint64(bytes.size());
  Decoder decoder(bytes.size());
  for (qint64 i = 0; i < n;) {
    qint64 at = i;
    for (int escape; at < n && (escape = jisEscapeLength(s + at, n - at, &state)) > 0;) at += escape;
    if (at == n) break;
    const unsigned char b = s[at];
    if (isJisPair(state, s + at, n - at)) {
      // As the editor reads JIS: the pair as the Shift-JIS pair it converts to.
      const kanji::BytePair sjis = kanji::JisToSjisPair(b, s[at + 1]);
      const char16_t u = cp932::pairChar(std::uint16_t(sjis.first << 8 | sjis.second));
      if (u != 0) decoder.put(u, i);
      else decodeUnmappedPair(decoder, sjis, i);
      i = at + 2;
      continue;
    }
    decoder.put(b < 0x80 ? char16_t(b) : cp932::byteEscape(b).unicode(), i);
    i = at + 1;
  }
  return decoder.finish(n);
}

JisState jisStateAfter(std::string_view bytes, JisState state) {
  const auto* s = reinterpret_cast<const unsigned char*>(bytes.data());
  for (qint64 at = 0, n = qint64(bytes.size()); at < n;) at += jisCharacterLength(&state, s + at, n - at);
  return state;
}

std::string_view jisEscape(JisState state) { return state == JisState::Pairs ? "\x1b$B" : "\x1b(B"; }

std::optional<std::string> encodeJis(QStringView text, JisState from, std::optional<JisState> to,
                                     qsizetype* unencodable) {
  std::string out;
  out.reserve(std::size_t(text.size()) * 2 + 6);
  JisState state = from;
  const auto enter = [&](JisState wanted) {
    if (state != wanted) out += jisEscape(wanted);
    state = wanted;
  };
  for (qsizetype i = 0; i < text.size(); ++i) {
    const char16_t u = text.at(i).unicode();
    if (u < 0x80 && u != 0x1B) {
      enter(JisState::Single);
      out += char(u);
      continue;
    }
    const std::uint16_t code = u < 0x80 ? 0 : cp932::pairCode(u);
    const kanji::BytePair jis = kanji::SjisToJisPair(code >> 8, code & 0xFF);
    const auto seven = [](unsigned char b) { return b >= 0x21 && b <= 0x7E; };
    // Only a pair the reader turns back into this very Shift-JIS code.
    if (code == 0 || !seven(jis.first) || !seven(jis.second) ||
        kanji::JisToSjisPair(jis.first, jis.second) != kanji::BytePair{std::uint8_t(code >> 8), std::uint8_t(code)}) {
      if (unencodable) *unencodable = i;
      return std::nullopt;
    }
    enter(JisState::Pairs);
    out += char(jis.first);
    out += char(jis.second);
  }
  if (to) enter(*to);
  return out;
}

qsizetype DecodedText::unitAt(qint64 offset) const {
  const auto found = std::lower_bound(byteOf.begin(), byteOf.end(), qint32(offset));
  return qsizetype(found - byteOf.begin());
}

DecodedText decodeText(TextEncoding encoding, std::string_view bytes) {
  const auto* s = reinterpret_cast<const unsigned char*>(bytes.data());
  const qint64 n = qint64(bytes.size());
  Decoder decoder(bytes.size());
  for (qint64 i = 0; i < n;) {
    const int length = characterLength(encoding, s + i, n - i);
    switch (encoding) {
      case TextEncoding::ShiftJis: decodeSjisCharacter(decoder, s, i, length); break;
      case TextEncoding::EucJp: decodeEucCharacter(decoder, s, i, length); break;
      case TextEncoding::Utf8: decodeUtf8Character(decoder, s, i, length); break;
    }
    i += length;
  }
  return decoder.finish(n);
}

std::optional<std::string> encodeText(QStringView text, TextEncoding encoding, qsizetype* unencodable) {
  cp932::Encoded encoded;
  switch (encoding) {
    case TextEncoding::ShiftJis: encoded = cp932::encode(text); break;
    case TextEncoding::EucJp: encoded = eucjp::encode(text); break;
    case TextEncoding::Utf8:
      for (qsizetype i = 0; i < text.size() && encoded.firstUnencodable < 0; ++i) {
        const QChar c = text.at(i);
        const bool paired = c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
        if (paired) ++i;
        else if (c.isSurrogate()) encoded.firstUnencodable = i;
      }
      if (encoded.firstUnencodable < 0) encoded.bytes = text.toUtf8();
      break;
  }
  if (encoded.firstUnencodable >= 0) {
    if (unencodable) *unencodable = encoded.firstUnencodable;
    return std::nullopt;
  }
  return encoded.bytes.toStdString();
}

std::string_view lineBreakBytes(LineEnd lineEnd) {
  switch (lineEnd) {
    case LineEnd::CrLf: return "\r\n";
    case LineEnd::Lf: return "\n";
    case LineEnd::Cr: return "\r";
  }
  return "\n";
}

}  // namespace wrenpad::large
