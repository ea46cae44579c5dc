// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/link_target.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>
#include <algorithm>

namespace wrenpad {

std::optional<QString> QuotedTextAtCaret(const PieceText& text, int caret) {
  // The closing quote may stand at most 24 characters on from the character
  // before the caret; a quote further away belongs to other text.
  constexpr int kFarthestClosingQuote = 24;
  const int windowStart = std::clamp(caret - 1, 0, int(text.size()));
  // Only the window is searched: a key costs the same on any size of text.
  const qsizetype inWindow = text.mid(windowStart, kFarthestClosingQuote).indexOf(u'"');
  if (inWindow < 0) return std::nullopt;
  const int closing = windowStart + int(inWindow);
  const int opening = closing > 0 ? int(text.lastIndexOf(u'"', closing - 1)) : -1;
  if (opening < 0) return std::nullopt;
  return text.mid(opening + 1, closing - opening - 1);
}

QString ResolveLinkTarget(const QString& folder, const QString& link) {
  QString path = link.trimmed();
  path.replace(u'\\', u'/');
  if (path.contains(u'%')) path = QUrl::fromPercentEncoding(path.toUtf8());
  return QDir::cleanPath(QDir(folder).absoluteFilePath(path));
}

QString RelativePath(const QString& folder, const QString& fileName) {
  const QString relative = QDir(folder).relativeFilePath(QDir::cleanPath(fileName));
  return QString::fromLatin1(QUrl::toPercentEncoding(relative, "/"));
}

bool IsOpenablePage(const QString& fileName) {
  const QFileInfo file(fileName);
  const QString suffix = file.suffix().toLower();
  return (suffix == u"htm" || suffix == u"html") && file.isFile();
}

}  // namespace wrenpad
