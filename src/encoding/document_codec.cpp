#include "encoding/document_codec.h"

#include "kanji/kanji.h"
#include "encoding/cp932.h"
#include "text/document_lines.h"

#include <QStringDecoder>
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
}  // namespace

bool looksBinary(const QByteArray& fileBytes) {
  // The detector never looks at the last byte; a control byte there makes a
  // file just as binary, and a save would bring it into the detector's view.
  const qsizetype head = std::min<qsizetype>(fileBytes.size(), 512);
  for (qsizetype i = 0; i < head; ++i) {
    const auto b = static_cast<unsigned char>(fileBytes.at(i));
    if (b < 8 || b == 0xFF) return true;
  }
  return kanji::DetectKanjiCode(viewOf(fileBytes)) == kanji::kcBinary;
}

namespace {
// True when every line already ends in CR LF, the last one included, with no
// lone CR or LF and no NUL: the common case, which needs no copy.
bool hasCrLfLines(const QByteArray& bytes) {
  const char* data = bytes.constData();
  const qsizetype n = bytes.size();
  if (n < 2 || data[n - 2] != '\r' || data[n - 1] != '\n') return false;
  if (std::memchr(data, '\0', std::size_t(n)) != nullptr) return false;
  for (const char* p = data; (p = static_cast<const char*>(std::memchr(p, '\n', std::size_t(data + n - p)))); ++p)
    if (p == data || p[-1] != '\r') return false;
  for (const char* p = data; (p = static_cast<const char*>(std::memchr(p, '\r', std::size_t(data + n - p)))); ++p)
    if (p + 1 == data + n || p[1] != '\n') return false;
  return true;
}
}  // namespace

QByteArray normalizeLineBytes(const QByteArray& bytes) {
  if (hasCrLfLines(bytes)) return bytes;
  qsizetype end = bytes.indexOf('\0');
  if (end < 0) end = bytes.size();
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

LoadedText decodeDocument(const QByteArray& fileBytes) {
  LoadedText loaded;
  loaded.binary = looksBinary(fileBytes);
  if (!loaded.binary && kanji::LooksLikeUtf8Text(viewOf(fileBytes))) {
    loaded.encoding = TextEncoding::Utf8;
    loaded.utf8Bom = fileBytes.startsWith(kUtf8Bom);
    loaded.bytes = normalizeLineBytes(loaded.utf8Bom ? fileBytes.mid(3) : fileBytes);
    // The mark was taken off above; a second one belongs to the text.
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
    loaded.text = utf8.decode(loaded.bytes);
    return loaded;
  }
  // JIS and EUC-JP become Shift-JIS; a text that fits both EUC-JP and
  // Shift-JIS stays as it is and is read as Shift-JIS.
  const kanji::KanjiCode code = kanji::DetectKanjiCode(viewOf(fileBytes));
  const bool converts = code == kanji::kcEuc || code == kanji::kcNewJis || code == kanji::kcOldJis;
  loaded.encoding = TextEncoding::ShiftJis;
  loaded.bytes = normalizeLineBytes(
      converts ? toBytes(kanji::ConvertKanji(viewOf(fileBytes), kanji::kcSjis)) : fileBytes);
  loaded.text = cp932::decode(loaded.bytes);
  // A binary file saved without edits must come back whole, NULs included.
  if (loaded.binary) loaded.bytes = fileBytes;
  return loaded;
}

EncodedText encodeDocument(const QString& text, TextEncoding target, bool utf8Bom) {
  const QString normalized = normalizeDocumentText(text);
  EncodedText result;
  if (target == TextEncoding::Utf8) {
    result.bytes = (utf8Bom ? kUtf8Bom : QByteArray()) + normalized.toUtf8();
    return result;
  }
  cp932::Encoded sjis = cp932::encode(normalized);
  result.firstUnencodable = sjis.firstUnencodable;
  result.bytes = target == TextEncoding::EucJp ? shiftJisToEuc(sjis.bytes) : std::move(sjis.bytes);
  return result;
}

QByteArray shiftJisToEuc(const QByteArray& sjis) {
  return toBytes(kanji::SjisToEuc(viewOf(sjis)));
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
