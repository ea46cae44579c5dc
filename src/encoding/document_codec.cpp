#include "encoding/document_codec.h"

#include "kanji/kanji.h"
#include "encoding/cp932.h"
#include "encoding/euc_jp.h"
#include "text/document_lines.h"

#include <QStringDecoder>
#include <algorithm>
#include <cstring>

namespace wrenpad {

namespace {
const QByteArray kUtf8Bom("\xEF\xBB\xBF");

std::string_view viewOf(const QByteArray& bytes) {
  return std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QByteArray toBytes(const std::string& text) {
  return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

constexpr unsigned kEveryCode = 0b111;
}  // namespace

bool looksBinary(const QByteArray& fileBytes) {
  // The whole file is looked at, not a head of it: a NUL far down in a file
  // of text is just as much a sign that it is not text.
  const auto* s = reinterpret_cast<const unsigned char*>(fileBytes.constData());
  return std::any_of(s, s + fileBytes.size(), [](unsigned char b) { return b < 8 || b == 0xFF; });
}

LineEnd lineEndOf(const QByteArray& fileBytes) {
  // No code a document is read in has a CR or LF byte inside a character.
  const qsizetype crs = fileBytes.count('\r');
  const qsizetype lfs = fileBytes.count('\n');
  if (crs == 0 && lfs > 0) return LineEnd::Lf;
  if (lfs == 0 && crs > 0) return LineEnd::Cr;
  return LineEnd::CrLf;
}

namespace {
// True when every line already ends in CR LF, the last one included, with no
// lone CR or LF: the common case, which needs no copy.
bool hasCrLfLines(const QByteArray& bytes) {
  const char* data = bytes.constData();
  const qsizetype n = bytes.size();
  if (n < 2 || data[n - 2] != '\r' || data[n - 1] != '\n') return false;
  for (const char* p = data; (p = static_cast<const char*>(std::memchr(p, '\n', std::size_t(data + n - p)))); ++p)
    if (p == data || p[-1] != '\r') return false;
  for (const char* p = data; (p = static_cast<const char*>(std::memchr(p, '\r', std::size_t(data + n - p)))); ++p)
    if (p + 1 == data + n || p[1] != '\n') return false;
  return true;
}
}  // namespace

QByteArray normalizeLineBytes(const QByteArray& bytes) {
  if (hasCrLfLines(bytes)) return bytes;
  const qsizetype end = bytes.size();
  QByteArray out;
  out.reserve(end + end / 16 + 2);
  qsizetype start = 0;
  for (qsizetype i = 0; i < end; ++i) {
    const char c = bytes.at(i);
    if (c != '\r' && c != '\n') continue;
    out.append(bytes.constData() + start, i - start).append("\r\n");
    if (c == '\r' && i + 1 < end && bytes.at(i + 1) == '\n') ++i;
    start = i + 1;
  }
  if (start < end) out.append(bytes.constData() + start, end - start).append("\r\n");
  return out;
}

namespace {
void decodeUtf8(const QByteArray& fileBytes, LoadedText& loaded) {
  loaded.encoding = TextEncoding::Utf8;
  loaded.form.utf8Bom = fileBytes.startsWith(kUtf8Bom);
  loaded.bytesFitCodes = LoadedText::codeBit(TextEncoding::Utf8);
  // The mark is taken off here; a second one belongs to the text.
  QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
  loaded.text = utf8.decode(normalizeLineBytes(loaded.form.utf8Bom ? fileBytes.mid(3) : fileBytes));
}

// Shift-JIS, EUC-JP and JIS, and binary files, which are read as Shift-JIS.
void decodeJapanese(const QByteArray& fileBytes, LoadedText& loaded) {
  const kanji::KanjiCode code =
      loaded.binary ? kanji::kcBinary : kanji::DetectKanjiCode(viewOf(fileBytes));
  cp932::CodeChoices* codes = &loaded.form.codes;
  if (code == kanji::kcEuc) {
    loaded.text = eucjp::decode(normalizeLineBytes(fileBytes), codes);
    loaded.bytesFitCodes = LoadedText::codeBit(TextEncoding::EucJp);
  } else if (code == kanji::kcNewJis || code == kanji::kcOldJis) {
    // JIS is never written: its bytes fit no output code.
    const QByteArray sjis = toBytes(kanji::ConvertKanji(viewOf(fileBytes), kanji::kcSjis));
    loaded.text = cp932::decode(normalizeLineBytes(sjis), codes);
  } else {
    // A text that fits both EUC-JP and Shift-JIS is read as Shift-JIS; a
    // text of ASCII alone is the same in every code.
    loaded.text = cp932::decode(normalizeLineBytes(fileBytes), codes);
    loaded.bytesFitCodes = kanji::HasNonAscii(viewOf(fileBytes))
                               ? LoadedText::codeBit(TextEncoding::ShiftJis)
                               : kEveryCode;
  }
}
}  // namespace

LoadedText decodeDocument(const QByteArray& fileBytes) {
  LoadedText loaded;
  loaded.bytes = fileBytes;
  loaded.binary = looksBinary(fileBytes);
  loaded.form.lineEnd = lineEndOf(fileBytes);
  if (!loaded.binary && kanji::LooksLikeUtf8Text(viewOf(fileBytes)))
    decodeUtf8(fileBytes, loaded);
  else
    decodeJapanese(fileBytes, loaded);
  // A binary file saved without edits must come back whole, whatever the
  // output code.
  if (loaded.binary) loaded.bytesFitCodes = kEveryCode;
  return loaded;
}

namespace {
// Every CR LF written as the one byte `lineEnd`, in one pass. Safe on the
// bytes: no output code has a CR or LF byte inside a character.
QByteArray crLfAsOneByte(const QByteArray& crLfBytes, char lineEnd) {
  QByteArray out(crLfBytes.size(), Qt::Uninitialized);
  char* to = out.data();
  const char* from = crLfBytes.constData();
  const char* end = from + crLfBytes.size();
  for (; from < end; ++from) {
    if (*from == '\r' && from + 1 < end && from[1] == '\n') {
      *to++ = lineEnd;
      ++from;
    } else {
      *to++ = *from;
    }
  }
  out.truncate(to - out.constData());
  return out;
}

QByteArray withLineEnds(QByteArray crLfBytes, LineEnd lineEnd) {
  switch (lineEnd) {
    case LineEnd::CrLf: return crLfBytes;
    case LineEnd::Lf: return crLfAsOneByte(crLfBytes, '\n');
    case LineEnd::Cr: return crLfAsOneByte(crLfBytes, '\r');
  }
  return crLfBytes;
}

cp932::Encoded encodeIn(const QString& lines, TextEncoding target, const TextForm& form) {
  switch (target) {
    case TextEncoding::ShiftJis: return cp932::encode(lines, form.codes);
    case TextEncoding::EucJp: return eucjp::encode(lines, form.codes);
    case TextEncoding::Utf8: break;
  }
  // Stand-ins of undecodable bytes are written as the characters they are:
  // the bytes themselves would make the file invalid UTF-8.
  return {(form.utf8Bom ? kUtf8Bom : QByteArray()) + lines.toUtf8(), -1};
}
}  // namespace

EncodedText encodeDocument(const QString& text, TextEncoding target, const TextForm& form) {
  cp932::Encoded encoded = encodeIn(normalizeDocumentText(text), target, form);
  return {withLineEnds(std::move(encoded.bytes), form.lineEnd), encoded.firstUnencodable};
}

QString characterAt(const QString& text, qsizetype index) {
  const bool pair = index + 1 < text.size() && text.at(index).isHighSurrogate() &&
                    text.at(index + 1).isLowSurrogate();
  return text.mid(index, pair ? 2 : 1);
}

QString encodingName(TextEncoding encoding) {
  switch (encoding) {
    case TextEncoding::ShiftJis: return QStringLiteral("Shift-JIS");
    case TextEncoding::EucJp: return QStringLiteral("EUC-JP");
    case TextEncoding::Utf8: return QStringLiteral("UTF-8");
  }
  return QString();
}

}  // namespace wrenpad
