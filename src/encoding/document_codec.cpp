// SPDX-License-Identifier: GPL-3.0-or-later
#include "encoding/document_codec.h"

#include "kanji/kanji.h"
#include "encoding/cp932.h"
#include "encoding/euc_jp.h"
#include "encoding/euc_or_sjis.h"
#include "encoding/iso2022jp.h"
#include "text/document_lines.h"

#include <QSet>
#include <QStringDecoder>
#include <algorithm>
#include <cstring>
#include <vector>

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
  // The mark is taken off here; a second one belongs to the text.
  QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
  loaded.text = utf8.decode(normalizeLineBytes(loaded.form.utf8Bom ? fileBytes.mid(3) : fileBytes));
}

// The lines of `text` that hold a character the file wrote in more than one
// way, with their bytes; `lineBytes` is the file with CR LF line ends, line
// for line the same as `text` (no code has a CR or LF inside a character).
void keepVariedLines(const QByteArray& lineBytes, const QString& text, TextEncoding code, TextForm& form) {
  const QSet<char16_t>& varied = form.codes.varied;
  if (varied.isEmpty()) return;
  form.keptLines.code = code;
  qsizetype byteStart = 0;
  for (qsizetype start = 0; start < text.size();) {
    const qsizetype end = text.indexOf(u"\r\n", start);
    const qsizetype byteEnd = lineBytes.indexOf("\r\n", byteStart);
    if (end < 0 || byteEnd < 0) break;
    const QStringView line = QStringView(text).mid(start, end - start);
    if (std::any_of(line.begin(), line.end(), [&](QChar c) { return c.unicode() >= 0x80 && varied.contains(c.unicode()); })) {
      const QByteArrayView bytes(lineBytes.constData() + byteStart, byteEnd - byteStart);
      const QList<QByteArrayView> pieces =
          code == TextEncoding::EucJp ? eucjp::characterBytes(bytes) : cp932::characterBytes(bytes);
      KeptLines::Line kept{line.toString(), bytes.toByteArray(), {}};
      for (qsizetype i = 0; i < line.size() && i < pieces.size(); ++i)
        if (varied.contains(line.at(i).unicode())) kept.varied.append({line.at(i).unicode(), pieces[i].toByteArray()});
      form.keptLines.lines.append(std::move(kept));
    }
    start = end + 2;
    byteStart = byteEnd + 2;
  }
}

// CR LF line bytes read in EUC-JP or Shift-JIS (code page 932) into `loaded`.
void decodeAs(TextEncoding code, const QByteArray& lineBytes, LoadedText& loaded) {
  loaded.encoding = code;
  cp932::FileCodes* codes = &loaded.form.codes;
  loaded.text = code == TextEncoding::EucJp ? eucjp::decode(lineBytes, codes) : cp932::decode(lineBytes, codes);
  keepVariedLines(lineBytes, loaded.text, code, loaded.form);
}

// EUC-JP or Shift-JIS as the detector found; where its rule allows both, as
// the statistical prober weighs the whole text.
TextEncoding eucOrShiftJis(kanji::KanjiCode detected, const QByteArray& fileBytes) {
  if (detected == kanji::kcEucOrSjis) return probablyEucJp(fileBytes) ? TextEncoding::EucJp : TextEncoding::ShiftJis;
  return detected == kanji::kcEuc ? TextEncoding::EucJp : TextEncoding::ShiftJis;
}

// Shift-JIS, EUC-JP and JIS, and binary files, which are read as Shift-JIS.
void decodeJapanese(const QByteArray& fileBytes, LoadedText& loaded) {
  const kanji::KanjiCode detected =
      loaded.binary ? kanji::kcBinary : kanji::DetectKanjiCode(viewOf(fileBytes));
  if (detected == kanji::kcNewJis || detected == kanji::kcOldJis) {
    // JIS is read as the Shift-JIS it converts to, and written as JIS again.
    loaded.form.jis = true;
    decodeAs(TextEncoding::ShiftJis, normalizeLineBytes(toBytes(kanji::ConvertKanji(viewOf(fileBytes), kanji::kcSjis))),
             loaded);
    return;
  }
  const QByteArray lineBytes = normalizeLineBytes(fileBytes);
  const TextForm unread = loaded.form;
  const TextEncoding code = loaded.binary ? TextEncoding::ShiftJis : eucOrShiftJis(detected, fileBytes);
  decodeAs(code, lineBytes, loaded);
  if (loaded.binary || detected == kanji::kcNone || loaded.form.codes.strayBytes.none()) return;
  // The detector judges by the first bytes that settle it, which a user-defined
  // character of Shift-JIS (leads F0..F9) settles wrongly: bytes the code
  // cannot read, where the other reads them all, are the other's.
  LoadedText other;
  other.form = unread;
  decodeAs(code == TextEncoding::EucJp ? TextEncoding::ShiftJis : TextEncoding::EucJp, lineBytes, other);
  if (other.form.codes.strayBytes.any()) return;
  loaded.text = std::move(other.text);
  loaded.form = std::move(other.form);
  loaded.encoding = other.encoding;
}
}  // namespace

LoadedText decodeDocument(const QByteArray& fileBytes) {
  LoadedText loaded;
  loaded.bytes = fileBytes;
  loaded.binary = looksBinary(fileBytes);
  loaded.form.lineEnd = lineEndOf(fileBytes);
  loaded.form.lineEndFromFile = fileBytes.contains('\r') || fileBytes.contains('\n');
  loaded.form.finalLineEnd = fileBytes.isEmpty() || fileBytes.endsWith('\r') || fileBytes.endsWith('\n');
  if (!loaded.binary && kanji::LooksLikeUtf8Text(viewOf(fileBytes)))
    decodeUtf8(fileBytes, loaded);
  else
    decodeJapanese(fileBytes, loaded);
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

cp932::Encoded encodeIn(QStringView lines, TextEncoding target, const TextForm& form) {
  switch (target) {
    case TextEncoding::ShiftJis: return form.jis ? iso2022jp::encode(lines) : cp932::encode(lines, form.codes);
    case TextEncoding::EucJp: return eucjp::encode(lines, form.codes);
    case TextEncoding::Utf8: break;
  }
  // Stand-ins of undecodable bytes are written as the characters they are:
  // the bytes themselves would make the file invalid UTF-8.
  return {lines.toUtf8(), -1};
}

// Encodes text in runs, each appended to `result` as it is given.
class RunEncoder {
 public:
  RunEncoder(const QString& lines, TextEncoding target, const TextForm& form)
      : lines_(lines), target_(target), form_(form) {}

  // The text from the end of the last run up to `end`.
  void encodeUpTo(qsizetype end) {
    cp932::Encoded run = encodeIn(QStringView(lines_).mid(done_, end - done_), target_, form_);
    if (result_.firstUnencodable < 0 && run.firstUnencodable >= 0)
      result_.firstUnencodable = done_ + run.firstUnencodable;
    result_.bytes += run.bytes;
    done_ = end;
  }
  // Bytes standing for the text up to `end`.
  void appendAsIs(const QByteArray& bytes, qsizetype end) {
    result_.bytes += bytes;
    done_ = end;
  }
  cp932::Encoded finish() {
    encodeUpTo(lines_.size());
    return std::move(result_);
  }

 private:
  const QString& lines_;
  TextEncoding target_;
  const TextForm& form_;
  cp932::Encoded result_;
  qsizetype done_ = 0;
};

// Where a line of the text lies, without its line end.
struct LineSpan {
  qsizetype start = 0;
  qsizetype end = 0;
};

// The bytes each character of the kept lines had, for the changed lines
// between those left as they were: the k-th occurrence of a character there
// takes the bytes of the k-th among the file's lines they replaced.
class OccurrenceBytes {
 public:
  OccurrenceBytes(const KeptLines& kept, qsizetype from, qsizetype to) {
    for (qsizetype i = from; i < to; ++i)
      for (const KeptLines::Occurrence& o : kept.lines[i].varied) replaced_[o.character].append(o.bytes);
  }
  // The bytes for the next occurrence of `c`; empty when the file gives none.
  QByteArray next(char16_t c) {
    const auto found = replaced_.constFind(c);
    if (found == replaced_.constEnd()) return {};
    qsizetype& used = used_[c];
    return used < found->size() ? found->at(used++) : QByteArray();
  }

 private:
  QHash<char16_t, QList<QByteArray>> replaced_;
  QHash<char16_t, qsizetype> used_;
};

// Lines of the text that the file had at its start and end, holding a
// character it wrote in more than one way, are written with their bytes; in
// the changed lines between, such characters keep the bytes the file gave
// them there (KeptLines); the rest is encoded.
cp932::Encoded encodeKeepingLines(const QString& lines, TextEncoding target, const TextForm& form) {
  const KeptLines& kept = form.keptLines;
  if (kept.lines.isEmpty() || kept.code != target || form.jis) return encodeIn(lines, target, form);
  std::vector<bool> varied(65536, false);
  for (const char16_t u : form.codes.varied) varied[u] = true;
  const auto isVaried = [&varied](QChar c) { return bool(varied[c.unicode()]); };
  QList<LineSpan> spans;
  for (qsizetype start = 0; start < lines.size();) {
    qsizetype end = lines.indexOf(u"\r\n", start);
    if (end < 0) end = lines.size();
    const QStringView line = QStringView(lines).mid(start, end - start);
    if (std::any_of(line.begin(), line.end(), isVaried)) spans.append({start, end});
    start = end + 2;
  }
  const auto textOf = [&](qsizetype k) { return QStringView(lines).mid(spans[k].start, spans[k].end - spans[k].start); };
  const qsizetype fileLines = kept.lines.size();
  qsizetype head = 0;
  while (head < spans.size() && head < fileLines && textOf(head) == kept.lines[head].text) ++head;
  qsizetype tail = 0;
  while (tail < spans.size() - head && tail < fileLines - head &&
         textOf(spans.size() - 1 - tail) == kept.lines[fileLines - 1 - tail].text)
    ++tail;
  OccurrenceBytes occurrences(kept, head, fileLines - tail);
  RunEncoder encoder(lines, target, form);
  for (qsizetype k = 0; k < spans.size(); ++k) {
    const LineSpan span = spans[k];
    if (k < head || k >= spans.size() - tail) {
      encoder.encodeUpTo(span.start);
      encoder.appendAsIs(kept.lines[k < head ? k : fileLines - (spans.size() - k)].bytes, span.end);
      continue;
    }
    for (qsizetype i = span.start; i < span.end; ++i) {
      if (!isVaried(lines.at(i))) continue;
      const QByteArray bytes = occurrences.next(lines.at(i).unicode());
      if (bytes.isEmpty()) continue;
      encoder.encodeUpTo(i);
      encoder.appendAsIs(bytes, i + 1);
    }
  }
  return encoder.finish();
}
}  // namespace

QByteArray withScriptLineEnds(const QByteArray& fileBytes) {
  if (!fileBytes.startsWith("#!") || !fileBytes.contains('\r')) return fileBytes;
  return withLineEnds(normalizeLineBytes(fileBytes), LineEnd::Lf);
}

TextForm formForWriting(const QString& text, TextForm form) {
  if (text.startsWith(QLatin1String("#!"))) form.lineEnd = LineEnd::Lf;
  return form;
}

EncodedText encodeDocument(const QString& text, TextEncoding target, const TextForm& form) {
  cp932::Encoded encoded = encodeKeepingLines(normalizeDocumentText(text), target, form);
  if (!form.finalLineEnd && encoded.bytes.endsWith("\r\n")) encoded.bytes.chop(2);
  if (target == TextEncoding::Utf8 && form.utf8Bom) encoded.bytes.prepend(kUtf8Bom);
  return {withLineEnds(std::move(encoded.bytes), form.lineEnd), encoded.firstUnencodable};
}

bool canEncode(QChar c, TextEncoding target, const TextForm& form) {
  switch (target) {
    case TextEncoding::ShiftJis: return form.jis ? iso2022jp::canEncode(c) : cp932::canEncode(c, form.codes);
    case TextEncoding::EucJp: return eucjp::canEncode(c, form.codes);
    case TextEncoding::Utf8: return true;
  }
  return false;
}

QString withCharacterReferences(const QString& text, TextEncoding target, const TextForm& form) {
  if (target == TextEncoding::Utf8) return text;
  // The Japanese codes hold no character beyond the BMP.
  QString out;
  out.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text.at(i);
    const bool pair = c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
    if (!pair && canEncode(c, target, form)) {
      out += c;
      continue;
    }
    const char32_t code = pair ? QChar::surrogateToUcs4(c, text.at(++i)) : c.unicode();
    out += QStringLiteral("&#") + QString::number(code) + u';';
  }
  return out;
}

QString characterAt(const QString& text, qsizetype index) {
  const bool pair = index + 1 < text.size() && text.at(index).isHighSurrogate() &&
                    text.at(index + 1).isLowSurrogate();
  return text.mid(index, pair ? 2 : 1);
}

QString encodingName(TextEncoding encoding, const TextForm& form) {
  return encoding == TextEncoding::ShiftJis && form.jis ? QStringLiteral("JIS") : encodingName(encoding);
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
