#include "text/tag_attribute.h"

#include "text/text_helpers.h"

#include <QStringView>
#include <algorithm>

namespace wrenpad {

namespace {

constexpr qsizetype kValueWindow = 100;

bool IsBlank(QChar c) {
  return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

bool IsNameCharacter(QChar c) {
  return c.isLetterOrNumber() || c == u'-' || c == u'_' || c == u':';
}

// Joins "=" to its name and value: "a = \"b\"" becomes "a=b\"". Blanks are
// removed until none touches an "=", so runs of blanks go as well; the quote
// after "=" goes once, so an empty value "" keeps its closing quote.
QString JoinEquals(QString text) {
  qsizetype before = -1;
  while (before != text.size()) {
    before = text.size();
    text.replace(QStringLiteral("= "), QStringLiteral("="));
    text.replace(QStringLiteral(" ="), QStringLiteral("="));
  }
  text.replace(QStringLiteral("=\""), QStringLiteral("="));
  return text;
}

// Index of the "=" that follows `name` as a whole attribute name, or -1.
qsizetype FindAssignment(const QString& text, const QString& name) {
  const QString pattern = name + u'=';
  for (qsizetype at = text.indexOf(pattern, 0, Qt::CaseInsensitive); at >= 0;
       at = text.indexOf(pattern, at + 1, Qt::CaseInsensitive)) {
    if (at == 0 || !IsNameCharacter(text[at - 1])) return at + name.size();
  }
  return -1;
}

// Length of the value in `window`, which starts with the "=": up to the first
// terminator, or the whole window when none is found.
qsizetype ValueLength(QStringView window, bool face) {
  qsizetype end = window.size();
  auto limit = [&end](qsizetype at) {
    if (at >= 0) end = std::min(end, at);
  };
  limit(window.indexOf(u'"', 1));
  limit(window.indexOf(u'>', 1));
  if (!face) {
    const auto blank = std::find_if(window.begin() + 1, window.end(), IsBlank);
    if (blank != window.end()) limit(blank - window.begin());
    return end;
  }
  const qsizetype nextEquals = window.indexOf(u'=', 1);
  if (nextEquals > 0) {
    for (qsizetype at = nextEquals - 1; at > 0; --at) {
      if (IsBlank(window[at])) {
        limit(at);
        break;
      }
    }
  }
  return end;
}

}  // namespace

QString TagAttributeValue(const QString& text, const QString& name) {
  if (name.isEmpty()) return {};
  const QString joined = JoinEquals(text);
  const qsizetype equals = FindAssignment(joined, name);
  if (equals < 0) return {};
  const bool face = name.compare(QStringLiteral("face"), Qt::CaseInsensitive) == 0;
  // The window ends on a whole character: never between a surrogate pair's halves.
  const int windowEnd = WholeCharacterPosition(joined, int(equals + kValueWindow));
  const QStringView window = QStringView(joined).mid(equals, windowEnd - equals);
  QString value = window.left(ValueLength(window, face)).toString();
  value.remove(0, 1);  // the "="
  const qsizetype quote = value.indexOf(u'"');
  if (quote >= 0) value.remove(quote, 1);
  if (!face) value.removeIf(IsBlank);
  return value;
}

}  // namespace wrenpad
