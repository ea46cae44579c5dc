// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/help_contents.h"

#include "settings/ini_file.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <optional>

namespace wrenpad {
namespace {

QStringList splitLines(const QString& text) {
  static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
  return text.split(lineBreak);
}

bool isIndentation(QChar c) { return c == u'\t' || c == u' '; }

int leadingIndentation(QStringView line) {
  int count = 0;
  while (count < line.size() && isIndentation(line[count])) ++count;
  return count;
}

QString filePath(const QString& folder, const QString& name) { return QDir(folder).filePath(name); }

// The five character references a title is likely to hold.
QString resolveReferences(QString text) {
  text.replace(QLatin1StringView("&lt;"), QLatin1StringView("<"));
  text.replace(QLatin1StringView("&gt;"), QLatin1StringView(">"));
  text.replace(QLatin1StringView("&quot;"), QLatin1StringView("\""));
  text.replace(QLatin1StringView("&nbsp;"), QLatin1StringView(" "));
  text.replace(QLatin1StringView("&amp;"), QLatin1StringView("&"));
  return text;
}

std::optional<HelpEntry> searchHit(const QString& helpFolder, const QString& fileName,
                                   const QString& word) {
  const std::optional<QString> text = IniFile::readTextFile(filePath(helpFolder, fileName));
  if (!text || !text->contains(word, Qt::CaseSensitive)) return std::nullopt;
  QString title = pageTitle(*text);
  if (title.isEmpty()) title = fileName;
  return HelpEntry{0, title, fileName};
}

}  // namespace

QString pageFileName(QStringView pageName) {
  QString name;
  name.reserve(pageName.size() + 4);
  for (QChar c : pageName) {
    if (!c.isSpace()) name += c;
  }
  if (name.isEmpty()) return {};
  return name + QLatin1StringView(".htm");
}

HelpEntry entryFromText(QStringView text, int level) {
  const qsizetype equals = text.indexOf(u'=');
  if (equals < 0) return {level, text.trimmed().toString(), {}};
  return {level, text.left(equals).trimmed().toString(), pageFileName(text.mid(equals + 1))};
}

QList<HelpEntry> parseContents(const QString& fileText) {
  QList<HelpEntry> entries;
  int deepestAllowed = 0;
  for (const QString& line : splitLines(fileText)) {
    const int indentation = leadingIndentation(line);
    if (indentation == line.size()) continue;
    const int level = std::min(indentation, deepestAllowed);
    entries.append(entryFromText(QStringView(line).mid(indentation), level));
    deepestAllowed = level + 1;
  }
  return entries;
}

QList<ContentsLine> builtInContentsLines() {
  return {
      {0, QStringLiteral("はじめに = Introduction")},
      {0, QStringLiteral("基本的な使用方法")},
      {1, QStringLiteral("メニューコマンド = MenuCommands")},
      {1, QStringLiteral("プログラミング = As_an_IDE")},
      {1, QStringLiteral("HTML文書の作成 = As_a_HTML_editor")},
      {1, QStringLiteral("ページのチェック = PageCheck")},
      {0, QStringLiteral("知っておくと便利な機能")},
      {1, QStringLiteral("自動ファイル命名 = AutoFileNaming")},
      {1, QStringLiteral("電子辞書へのリンク = LinkToDictionary")},
      {1, QStringLiteral("マクロ置換 = MacroReplacement")},
      {1, QStringLiteral("対応する括弧とタグ = MatchingBrackets")},
      {0, QStringLiteral("著作権およびユーザーサポート= Licence")},
  };
}

QString contentsFileText(const QList<ContentsLine>& lines) {
  QString text;
  for (const ContentsLine& line : lines) {
    text += QString(line.level, u'\t') + line.text + QLatin1StringView("\r\n");
  }
  return text;
}

ContentsLoad loadContents(const QString& helpFolder) {
  const QString path = filePath(helpFolder, kContentsFileName);
  const QList<ContentsLine> builtIn = builtInContentsLines();
  IniFile::LoadStatus status = IniFile::LoadStatus::Missing;
  std::optional<QString> text = IniFile::readTextFile(path, nullptr, &status);
  // Only a file that is not there at all is written: one that exists but
  // cannot be read is left alone.
  if (status == IniFile::LoadStatus::Missing && QFileInfo(helpFolder).isDir() &&
      IniFile::writeTextFile(path, contentsFileText(builtIn))) {
    text = IniFile::readTextFile(path);
  }
  if (!text) return {parseContents(contentsFileText(builtIn)), kContentsLoadFailed};
  return {parseContents(*text), {}};
}

QList<HelpEntry> parseIndex(const QString& fileText, IndexOrder order) {
  QStringList lines = splitLines(fileText);
  if (order == IndexOrder::Sorted)
    std::stable_sort(lines.begin(), lines.end(), [](const QString& a, const QString& b) {
      return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
  QList<HelpEntry> entries;
  for (const QString& line : lines) {
    if (line.contains(u'=')) entries.append(entryFromText(line));
  }
  return entries;
}

QList<HelpEntry> loadIndex(const QString& helpFolder, IndexOrder order) {
  const std::optional<QString> text = IniFile::readTextFile(filePath(helpFolder, kIndexFileName));
  return text ? parseIndex(*text, order) : QList<HelpEntry>{};
}

int matchingEntry(const QStringList& captions, const QString& typed) {
  if (typed.isEmpty()) return -1;
  for (qsizetype i = 0; i < captions.size(); ++i)
    if (captions[i].startsWith(typed, Qt::CaseInsensitive)) return int(i);
  for (qsizetype i = 0; i < captions.size(); ++i)
    if (captions[i].contains(typed, Qt::CaseInsensitive)) return int(i);
  return -1;
}

QString pageTitle(const QString& pageText) {
  static const QRegularExpression title(
      QStringLiteral("<title(?:\\s[^>]*)?>(.*?)</title\\s*>"),
      QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
  const QRegularExpressionMatch match = title.match(pageText);
  if (!match.hasMatch()) return {};
  return resolveReferences(match.captured(1).simplified());
}

QList<HelpEntry> searchPages(const QString& helpFolder, const QString& word) {
  QList<HelpEntry> hits;
  if (word.isEmpty()) return hits;
  const QDir folder(helpFolder);
  const QStringList names = folder.entryList({QStringLiteral("*.htm")}, QDir::Files, QDir::Name);
  for (const QString& name : names) {
    if (std::optional<HelpEntry> hit = searchHit(helpFolder, name, word)) hits.append(*hit);
  }
  return hits;
}

QString findPageFile(const QString& helpFolder, const QString& fileName) {
  if (fileName.isEmpty()) return {};
  const QString exact = filePath(helpFolder, fileName);
  if (QFileInfo(exact).isFile()) return exact;
  const QStringList names = QDir(helpFolder).entryList(QDir::Files, QDir::Name);
  for (const QString& name : names) {
    if (name.compare(fileName, Qt::CaseInsensitive) == 0) return filePath(helpFolder, name);
  }
  return {};
}

QString contextPagePath(const QString& helpFolder, int context) {
  const int number = std::max(context, 1);
  const IniFile ids = IniFile::load(filePath(helpFolder, kHelpContextFileName));
  const QString name = ids.value(u"ID", QString::number(number)).value_or(kDefaultHelpPage);
  const QString fallback = kDefaultHelpPage + QLatin1StringView(".htm");
  for (const QString& candidate : {name + QLatin1StringView(".htm"), fallback}) {
    if (const QString page = findPageFile(helpFolder, candidate); !page.isEmpty()) return page;
  }
  return filePath(helpFolder, fallback);
}

}  // namespace wrenpad
