// SPDX-License-Identifier: GPL-3.0-or-later
#include "documents/document_kind.h"

#include <QRegularExpression>

namespace wrenpad {

namespace {
qsizetype lastSeparator(const QString& fileName) {
  return std::max(fileName.lastIndexOf(QLatin1Char('/')), fileName.lastIndexOf(QLatin1Char('\\')));
}
}  // namespace

QString bareFileName(const QString& fileName) { return fileName.mid(lastSeparator(fileName) + 1); }

QString folderOf(const QString& fileName) {
  const qsizetype at = lastSeparator(fileName);
  if (at < 0) return QString();
  if (at == 0) return fileName.left(1);
  return fileName.left(at);
}

QString extensionOf(const QString& fileName) {
  const QString name = bareFileName(fileName);
  const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
  return dot < 0 ? QString() : name.mid(dot);
}

DocumentKind documentKindOf(const QString& fileName) {
  const QString extension = extensionOf(fileName).toLower();
  if (extension == u".htm" || extension == u".html") return DocumentKind::Html;
  if (extension == u".c" || extension == u".cpp" || extension == u".h") return DocumentKind::CSource;
  if (extension == u".java") return DocumentKind::Java;
  if (extension == u".cgi") return DocumentKind::PerlCgi;
  if (extension == u".pas" || extension == u".pp") return DocumentKind::Pascal;
  return DocumentKind::Text;
}

bool isHtmlFile(const QString& fileName) {
  return documentKindOf(fileName) == DocumentKind::Html;
}

bool isProgramFile(const QString& fileName) {
  const DocumentKind kind = documentKindOf(fileName);
  return kind != DocumentKind::Text && kind != DocumentKind::Html;
}

namespace {

// Room for an extension within the 255 bytes a Linux file name may take.
constexpr qsizetype kMaxNameBytes = 200;

QString withoutUnsafeCharacters(const QString& text) {
  QString kept;
  for (QChar c : text)
    if (c != u'/' && c != u'\\' && c != u'<' && c != u'>' && c.category() != QChar::Other_Control)
      kept += c;
  return kept;
}

QString shortenedToBytes(QString name) {
  while (name.toUtf8().size() > kMaxNameBytes) {
    name.chop(1);
    if (!name.isEmpty() && name.back().isHighSurrogate()) name.chop(1);
  }
  return name;
}

}  // namespace

std::optional<QString> fileNameFromText(const QString& line) {
  static const QRegularExpression markup(QStringLiteral("<[^>]*>"));
  QString name = withoutUnsafeCharacters(QString(line).remove(markup));
  while (name.contains(QStringLiteral(".."))) name.replace(QStringLiteral(".."), QStringLiteral("."));
  name = name.trimmed();
  while (name.startsWith(u'.')) name = name.mid(1).trimmed();
  name = shortenedToBytes(name).trimmed();
  if (name.isEmpty()) return std::nullopt;
  return name;
}

}  // namespace wrenpad
