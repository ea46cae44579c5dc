#include "html/link_markup.h"

#include "text/tag_attribute.h"
#include "text/text_helpers.h"

#include <algorithm>

namespace wrenpad {

QString LinkElement(const QString& url, const QString& target, const QString& content) {
  const QString targetPart =
      target.isEmpty() ? QString() : QStringLiteral("\" target = \"") + EscapeAttributeValue(target);
  return QStringLiteral("<a href=\"") + EscapeAttributeValue(url) + targetPart + QStringLiteral("\">") + content + QStringLiteral("</a>");
}

QString AnchorMarkup(const QString& name) {
  return QStringLiteral("<a name = \"") + name + QStringLiteral("\">") + name;
}

std::optional<LinkAtCaret> FindLinkAtCaret(const QString& text, int caret) {
  const QString before = text.left(caret).toLower();
  const qsizetype open = before.lastIndexOf(QStringLiteral("<a href"));
  if (open < 0 || open <= before.lastIndexOf(QStringLiteral("</a"))) return std::nullopt;
  LinkAtCaret link;
  link.start = int(open);
  const QString tag = text.mid(open, 200);
  // The dialog shows the values as they read; they are escaped again when written.
  link.url = UnescapeAttributeValue(TagAttributeValue(tag, QStringLiteral("href")));
  link.target = UnescapeAttributeValue(TagAttributeValue(tag.left(int(tag.indexOf(u'>')) + 1), QStringLiteral("target")));
  const qsizetype close = text.indexOf(QStringLiteral("</a"), std::max(0, caret - 1), Qt::CaseInsensitive);
  if (close >= 0) {
    const qsizetype closeEnd = text.indexOf(u'>', close);
    link.length = int((closeEnd < 0 ? close + 3 : closeEnd + 1) - open);
  }
  const qsizetype contentStart = text.lastIndexOf(u'>', std::max(0, caret - 1)) + 1;
  const qsizetype contentEnd = text.indexOf(u'<', contentStart);
  link.content = text.mid(contentStart, contentEnd < 0 ? -1 : contentEnd - contentStart);
  return link;
}

QString PictureElement(const QString& reference, int alignment, int ratioPercent,
                       std::optional<std::pair<int, int>> size) {
  // A side scaled down never vanishes: a picture is at least one pixel wide and high.
  const auto scaled = [ratioPercent](int side) { return std::max(1, int(double(side) * ratioPercent / 100)); };
  QString sizePart;
  if (ratioPercent != 100 && size)
    sizePart = QStringLiteral(" width = %1 height = %2").arg(scaled(size->first)).arg(scaled(size->second));
  QString element = QStringLiteral("\r\n<img src = \"") + EscapeAttributeValue(reference) + u'"';
  if (alignment == 0 || alignment == 1)
    return element + QStringLiteral(" align = \"") + (alignment == 0 ? QStringLiteral("left") : QStringLiteral("right")) +
           u'"' + sizePart + QStringLiteral(" border = 0>\r\n");
  return element + sizePart + QStringLiteral(" border = 0><br>\r\n");
}

}  // namespace wrenpad
