// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/code_templates.h"

#include "documents/document_kind.h"
#include "settings/ini_file.h"

#include <QDir>
#include <QFileInfo>
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
    if (QFileInfo(path).size() > kLargestTemplateFile) continue;
    if (std::optional<QString> text = IniFile::readTextFile(path)) return TemplateFile{path, *text};
  }
  return std::nullopt;
}

bool WriteTemplateFile(const QString& path, const QString& text, QString* error) {
  return IniFile::writeTextFile(path, text, error);
}

}  // namespace wrenpad
