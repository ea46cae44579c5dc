// SPDX-License-Identifier: GPL-3.0-or-later
#include "html/link_markup.h"

#include "text/tag_attribute.h"
#include "text/text_helpers.h"

#include <algorithm>
#include <vector>

namespace wrenpad {

QString LinkElement(const QString& url, const QString& target, const QString& content) {
  const QString targetPart =
      target.isEmpty() ? QString() : QStringLiteral("\" target = \"") + EscapeAttributeValue(target);
  return QStringLiteral("<a href=\"") + EscapeAttributeValue(url) + targetPart + QStringLiteral("\">") + content + QStringLiteral("</a>");
}

QString AnchorMarkup(const QString& name) {
  return QStringLiteral("<a name = \"") + name + QStringLiteral("\">") + name;
}

namespace {

// The last "<a" tag (followed by a blank) that opens at or before `before`'s end.
qsizetype LastLinkOpening(const QString& before) {
  for (qsizetype at = before.lastIndexOf(QStringLiteral("<a")); at >= 0;
       at = at == 0 ? -1 : before.lastIndexOf(QStringLiteral("<a"), at - 1)) {
    if (at + 2 < before.size() && before[at + 2].isSpace()) return at;
  }
  return -1;
}

QString Quoted(const QString& value) { return u'"' + EscapeAttributeValue(value) + u'"'; }

struct TagEdit {
  qsizetype start;
  qsizetype length;
  QString text;
};

}  // namespace

std::optional<LinkAtCaret> FindLinkAtCaret(const QString& text, int caret) {
  const QString before = text.left(caret).toLower();
  const qsizetype open = LastLinkOpening(before);
  if (open < 0 || open <= before.lastIndexOf(QStringLiteral("</a"))) return std::nullopt;
  const OpeningTag tag = ReadOpeningTag(QStringView(text).mid(open));
  const TagAttribute* href = FindTagAttribute(tag, u"href");
  if (!href || tag.end < 0) return std::nullopt;
  LinkAtCaret link;
  link.start = int(open);
  link.tagLength = int(tag.end);
  link.url = href->value;
  if (const TagAttribute* target = FindTagAttribute(tag, u"target")) link.target = target->value;
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

QString EditedLinkTag(const QString& tag, const QString& url, const QString& target) {
  const OpeningTag read = ReadOpeningTag(tag);
  const TagAttribute* href = FindTagAttribute(read, u"href");
  const TagAttribute* frame = FindTagAttribute(read, u"target");
  if (!href) return tag;
  std::vector<TagEdit> edits;
  if (href->valueStart < 0)
    edits.push_back({href->start, href->end - href->start, QStringLiteral("href=") + Quoted(url)});
  else if (href->value != url)
    edits.push_back({href->valueStart, href->end - href->valueStart, Quoted(url)});
  if (!frame && !target.isEmpty()) {
    edits.push_back({href->end, 0, QStringLiteral(" target = ") + Quoted(target)});
  } else if (frame && target.isEmpty()) {
    // The target goes with the blanks before it.
    qsizetype from = frame->start;
    while (from > 0 && tag[from - 1].isSpace()) --from;
    edits.push_back({from, frame->end - from, QString()});
  } else if (frame && (frame->valueStart < 0 || frame->value != target)) {
    const qsizetype from = frame->valueStart < 0 ? frame->start : frame->valueStart;
    edits.push_back({from, frame->end - from, frame->valueStart < 0 ? QStringLiteral("target=") + Quoted(target)
                                                                    : Quoted(target)});
  }
  std::sort(edits.begin(), edits.end(), [](const TagEdit& a, const TagEdit& b) { return a.start > b.start; });
  QString edited = tag;
  for (const TagEdit& edit : edits) edited.replace(edit.start, edit.length, edit.text);
  return edited;
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
