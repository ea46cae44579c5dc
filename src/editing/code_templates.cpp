#include "editing/code_templates.h"

#include "documents/document_kind.h"
#include "encoding/cp932.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <algorithm>

namespace wrenpad {

namespace {

const QString kArrow = QStringLiteral("==>>");
constexpr qsizetype kLongestExpansion = 1000;

bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }

QString withoutTrailingBlanks(const QString& text) {
  qsizetype end = text.size();
  while (end > 0 && isBlank(text[end - 1])) --end;
  return text.left(end);
}

QString withoutLeadingBlanks(const QString& text) {
  qsizetype start = 0;
  while (start < text.size() && isBlank(text[start])) ++start;
  return text.mid(start);
}

// UTF-8 as written, or Shift-JIS for a file an older editor saved.
QString decodeTemplateBytes(QByteArray bytes) {
  if (bytes.startsWith("\xEF\xBB\xBF")) bytes.remove(0, 3);
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString text = utf8.decode(bytes);
  if (!utf8.hasError()) return text;
  return cp932::decode(bytes);
}

}  // namespace

std::vector<CodeTemplate> ParseTemplateList(const QString& list) {
  std::vector<CodeTemplate> templates;
  for (QStringView line : QStringView(list).split(u'\n')) {
    if (line.endsWith(u'\r')) line.chop(1);
    const qsizetype arrow = line.indexOf(kArrow);
    if (arrow < 0) continue;
    templates.push_back({withoutTrailingBlanks(line.left(arrow).toString()),
                         withoutLeadingBlanks(line.mid(arrow + kArrow.size()).toString()).left(kLongestExpansion)});
  }
  return templates;
}

QString TemplateFileName(LanguageMode language, int documentMode) {
  if (documentMode != kHtmlMode && language == LanguageMode::Pascal) return QStringLiteral("CodeTemplateList_Pascal.ini");
  return QStringLiteral("CodeTemplateList_C.ini");
}

std::optional<TemplateExpansion> ExpandTemplateAt(const QString& text, int caret,
                                                  const std::vector<CodeTemplate>& templates) {
  caret = std::clamp(caret, 0, int(text.size()));
  const int lineStart = int(QStringView(text).left(caret).lastIndexOf(u'\n')) + 1;
  int wordStart = caret;
  while (wordStart > lineStart && !isBlank(text[wordStart - 1])) --wordStart;
  const QStringView word = QStringView(text).mid(wordStart, caret - wordStart);
  if (word.isEmpty()) return std::nullopt;

  const auto found = std::find_if(templates.begin(), templates.end(), [&](const CodeTemplate& t) {
    return !t.abbreviation.isEmpty() && word.contains(t.abbreviation);
  });
  if (found == templates.end()) return std::nullopt;

  // The lines after the first start under the word: tabs stay tabs, every
  // other character before the word takes one blank.
  QString indentation;
  for (QChar c : QStringView(text).mid(lineStart, wordStart - lineStart)) indentation += c == u'\t' ? c : QChar(u' ');

  QString expansion = found->expansion;
  expansion.replace(QStringLiteral("\\n"), QStringLiteral("\r\n") + indentation);
  const qsizetype mark = expansion.indexOf(u'|');
  if (mark >= 0) expansion.remove(mark, 1);
  const int caretAfter = wordStart + int(mark >= 0 ? mark : expansion.size());
  return TemplateExpansion{wordStart, int(word.size()), expansion, caretAfter};
}

QString SortedTemplateList(const QStringList& lines) {
  struct Keyed {
    QString key;
    QString line;
  };
  std::vector<Keyed> kept;
  for (QString line : lines) {
    if (line.endsWith(u'\r')) line.chop(1);
    if (line.trimmed().isEmpty()) continue;
    kept.push_back({line.toLower(), line});
  }
  std::stable_sort(kept.begin(), kept.end(), [](const Keyed& a, const Keyed& b) {
    return QString::localeAwareCompare(a.key, b.key) < 0;
  });
  QString result;
  for (const Keyed& k : kept) result += k.line + QStringLiteral("\r\n");
  return result;
}

std::optional<TemplateFile> ReadTemplateFile(const QStringList& folders, const QString& fileName) {
  for (const QString& folder : folders) {
    const QString path = QDir(folder).filePath(fileName);
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > kLargestTemplateFile) continue;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) continue;
    // Read at most the limit, in case the file grew since it was looked at.
    const QByteArray bytes = file.read(kLargestTemplateFile + 1);
    if (bytes.size() > kLargestTemplateFile) continue;
    return TemplateFile{path, decodeTemplateBytes(bytes)};
  }
  return std::nullopt;
}

bool WriteTemplateFile(const QString& path, const QString& text, QString* error) {
  QSaveFile file(path);
  const QByteArray bytes = text.toUtf8();
  const bool written = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
  if (!written && error) *error = file.errorString();
  return written;
}

}  // namespace wrenpad
