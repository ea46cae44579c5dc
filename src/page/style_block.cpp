// SPDX-License-Identifier: GPL-3.0-or-later
#include "page/style_block.h"

#include <QList>
#include <QStringView>
#include <algorithm>

namespace wrenpad {

namespace {

// With no ">" after "<body", how much of the page is taken for its attributes.
constexpr qsizetype kBodyTagWindow = 200;

bool IsBlank(QChar c) {
  return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'\f';
}

// Whether `what` stands at `at` and ends by `end`.
bool HasAt(QStringView text, qsizetype at, QStringView what, qsizetype end,
           Qt::CaseSensitivity cs = Qt::CaseSensitive) {
  return at >= 0 && at + what.size() <= end && text.sliced(at, what.size()).compare(what, cs) == 0;
}

// Whether the start or end tag `opening` ("<style", "</script") stands at `at`
// with its whole name: "<styles" is another tag.
bool IsTagAt(QStringView text, qsizetype at, QStringView opening) {
  const qsizetype after = at + opening.size();
  if (after >= text.size() || !HasAt(text, at, opening, text.size(), Qt::CaseInsensitive)) {
    return false;
  }
  const QChar next = text[after];
  return IsBlank(next) || next == u'>' || next == u'/';
}

qsizetype IndexOfTag(QStringView text, QStringView opening, qsizetype from) {
  for (qsizetype at = text.indexOf(opening, from, Qt::CaseInsensitive); at >= 0;
       at = text.indexOf(opening, at + 1, Qt::CaseInsensitive)) {
    if (IsTagAt(text, at, opening)) return at;
  }
  return -1;
}

// ---- The style sheet as pieces: comments and quoted strings are skipped whole.

struct Css {
  QStringView text;
  qsizetype end;  // where the rules stop: "</style" or the end of the text

  bool commentAt(qsizetype i) const { return HasAt(text, i, u"/*", end); }
  bool stringAt(qsizetype i) const { return text[i] == u'"' || text[i] == u'\''; }
  bool plainAt(qsizetype i) const { return !commentAt(i) && !stringAt(i); }
  // Where the piece that starts at `i` ends: after a whole comment or string,
  // else after the one character.
  qsizetype next(qsizetype i) const;
};

qsizetype Css::next(qsizetype i) const {
  if (commentAt(i)) {
    const qsizetype close = text.first(end).indexOf(u"*/", i + 2);
    return close < 0 ? end : close + 2;
  }
  if (!stringAt(i)) return i + 1;
  const QChar quote = text[i];
  for (qsizetype j = i + 1; j < end; ++j) {
    if (text[j] == u'\\') {
      ++j;
    } else if (text[j] == quote) {
      return j + 1;
    } else if (text[j] == u'\r' || text[j] == u'\n') {
      return j;  // a string left open ends with its line
    }
  }
  return end;
}

// The text of [from, to) with each comment turned into one blank.
QString WithoutComments(const Css& css, qsizetype from, qsizetype to) {
  QString out;
  for (qsizetype i = from; i < to;) {
    const qsizetype next = std::min(css.next(i), to);
    if (css.commentAt(i)) {
      out += u' ';
    } else {
      out += css.text.sliced(i, next - i);
    }
    i = next;
  }
  return out;
}

// A selector or property name as compared: no comments, blanks collapsed.
QString Normalised(const QString& name) {
  return WithoutComments(Css{name, name.size()}, 0, name.size()).simplified();
}

// Where the rules of a block lie.
struct Layout {
  qsizetype rulesStart = 0;  // after the "<style ...>" start tag (0 without one)
  qsizetype rulesEnd = 0;    // at "</style", or the end of the text
  bool closed = false;       // whether "</style" was found
};

Layout LayoutOf(QStringView block) {
  Layout layout;
  const qsizetype open = IndexOfTag(block, u"<style", 0);
  if (open >= 0) {
    const qsizetype close = block.indexOf(u'>', open);
    layout.rulesStart = close < 0 ? block.size() : close + 1;
  }
  const qsizetype end = block.indexOf(u"</style", layout.rulesStart, Qt::CaseInsensitive);
  layout.closed = end >= 0;
  layout.rulesEnd = layout.closed ? end : block.size();
  return layout;
}

struct Rule {
  QString selector;  // normalised
  qsizetype open;    // its "{"
  qsizetype close;   // its "}", or the end of the rules when it is left open
  bool inMedia = false;  // inside an "@media" rule
};

qsizetype MatchingBrace(const Css& css, qsizetype open) {
  int depth = 0;
  for (qsizetype i = open; i < css.end; i = css.next(i)) {
    if (!css.plainAt(i)) continue;
    if (css.text[i] == u'{') {
      ++depth;
    } else if (css.text[i] == u'}' && --depth == 0) {
      return i;
    }
  }
  return css.end;
}

// The rules outside at-rules, and those inside "@media" rules, in order. A
// selector is what stands between the last boundary (a rule's "}", a ";"
// ending an "@import", "<!--", "-->") and "{".
QList<Rule> RulesOf(const Css& css, qsizetype start, qsizetype end, bool inMedia = false) {
  QList<Rule> rules;
  qsizetype selectorStart = start;
  for (qsizetype i = start; i < end;) {
    if (!css.plainAt(i)) {
      i = css.next(i);
      continue;
    }
    qsizetype boundaryEnd = -1;
    if (HasAt(css.text, i, u"<!--", css.end)) {
      boundaryEnd = i + 4;
    } else if (HasAt(css.text, i, u"-->", css.end)) {
      boundaryEnd = i + 3;
    } else if (css.text[i] == u';' || css.text[i] == u'}') {
      boundaryEnd = i + 1;
    } else if (css.text[i] == u'{') {
      const qsizetype close = std::min(MatchingBrace(css, i), end);
      const QString selector = WithoutComments(css, selectorStart, i).simplified();
      if (!selector.startsWith(u'@'))
        rules.append({selector, i, close, inMedia});
      else if (selector.startsWith(QStringLiteral("@media"), Qt::CaseInsensitive))
        rules += RulesOf(css, i + 1, close, true);
      boundaryEnd = close + 1;
    }
    if (boundaryEnd < 0) {
      ++i;
    } else {
      i = selectorStart = boundaryEnd;
    }
  }
  return rules;
}

struct Declaration {
  QString property;      // normalised
  qsizetype colon;       // its first ":"
  qsizetype valueStart;  // the value without the blanks and comments around it;
  qsizetype valueEnd;    // both colon + 1 for an empty value
  qsizetype end;         // its ";", or the rule's "}"
};

Declaration MakeDeclaration(const Css& css, qsizetype start, qsizetype colon, qsizetype end) {
  Declaration declaration{WithoutComments(css, start, colon).simplified(), colon, colon + 1,
                          colon + 1, end};
  bool seen = false;
  for (qsizetype i = colon + 1; i < end;) {
    const qsizetype next = std::min(css.next(i), end);
    if (!css.commentAt(i) && !IsBlank(css.text[i])) {
      if (!seen) declaration.valueStart = i;
      seen = true;
      declaration.valueEnd = next;
    }
    i = next;
  }
  return declaration;
}

// The declarations of a rule: text with a ":" up to a ";" or the rule's end.
// Inside brackets and nested braces ";" and ":" belong to the value.
QList<Declaration> DeclarationsOf(const Css& css, const Rule& rule) {
  QList<Declaration> declarations;
  qsizetype start = rule.open + 1;
  qsizetype colon = -1;
  int depth = 0;
  for (qsizetype i = start;;) {
    const bool atEnd = i >= rule.close;
    if (!atEnd && !css.plainAt(i)) {
      i = std::min(css.next(i), rule.close);
      continue;
    }
    const QChar c = atEnd ? QChar() : css.text[i];
    if (atEnd || (c == u';' && depth == 0)) {
      if (colon >= 0) declarations.append(MakeDeclaration(css, start, colon, i));
      if (atEnd) break;
      start = i + 1;
      colon = -1;
    } else if (c == u'(' || c == u'[' || c == u'{') {
      ++depth;
    } else if ((c == u')' || c == u']' || c == u'}') && depth > 0) {
      --depth;
    } else if (c == u':' && depth == 0 && colon < 0) {
      colon = i;
    }
    ++i;
  }
  return declarations;
}

// A value as it reads: the text inside its first quotes (double or single)
// when it has any, else the value without blanks.
QString ReadValue(QString value) {
  const auto quote = std::find_if(value.cbegin(), value.cend(),
                                  [](QChar c) { return c == u'"' || c == u'\''; });
  if (quote != value.cend()) {
    const qsizetype open = quote - value.cbegin();
    const qsizetype close = value.indexOf(*quote, open + 1);
    return close < 0 ? value.sliced(open + 1) : value.sliced(open + 1, close - open - 1);
  }
  value.removeIf(IsBlank);
  return value;
}

QString ValueOf(const Css& css, const Declaration& declaration) {
  return ReadValue(WithoutComments(css, declaration.colon + 1, declaration.end));
}

struct Found {
  std::optional<Rule> firstRule;           // the selector's first rule outside "@media"
  std::optional<Declaration> declaration;  // the property's last declaration in its rules
};

Found FindProperty(const Css& css, const Layout& layout, const QString& selector,
                   const QString& property) {
  const QString wantedSelector = Normalised(selector);
  const QString wantedProperty = Normalised(property);
  Found found;
  for (const Rule& rule : RulesOf(css, layout.rulesStart, css.end)) {
    if (rule.selector.compare(wantedSelector, Qt::CaseInsensitive) != 0) continue;
    if (!found.firstRule && !rule.inMedia) found.firstRule = rule;
    for (const Declaration& declaration : DeclarationsOf(css, rule)) {
      if (declaration.property.compare(wantedProperty, Qt::CaseInsensitive) == 0) {
        found.declaration = declaration;
      }
    }
  }
  return found;
}

bool NamesSomething(const QString& selector, const QString& property) {
  return !Normalised(selector).isEmpty() && !Normalised(property).isEmpty();
}

// `rule` as the block's last line: before the line break (and blanks) that
// precede the end of the rules, else on a line of its own there.
QString WithNewRule(const QString& block, const Layout& layout, const QString& rule) {
  qsizetype at = layout.rulesEnd;
  while (at > layout.rulesStart && (block[at - 1] == u' ' || block[at - 1] == u'\t')) --at;
  if (at > layout.rulesStart && block[at - 1] == u'\n') {
    qsizetype lineBreak = at - 1;
    const bool crLf = lineBreak > layout.rulesStart && block[lineBreak - 1] == u'\r';
    if (crLf) --lineBreak;
    const QString eol = crLf ? QStringLiteral("\r\n") : QStringLiteral("\n");
    return QString(block).insert(lineBreak, eol + QStringLiteral("  ") + rule);
  }
  QString line = QStringLiteral("\r\n  ") + rule;
  if (layout.closed) line += QStringLiteral("\r\n");
  return QString(block).insert(layout.rulesEnd, line);
}

// ---- The body start tag.

// The first start tag `opening` ("<body", "<style") outside comments and
// scripts (and outside style blocks when it is not "<style"), or -1: a tag
// written inside a script or commented out is text, not the page's tag.
qsizetype PageTagIn(QStringView page, QStringView opening) {
  for (qsizetype i = page.indexOf(u'<'); i >= 0;) {
    qsizetype resume = i + 1;
    if (IsTagAt(page, i, opening)) return i;
    if (HasAt(page, i, u"<!--", page.size())) {
      const qsizetype close = page.indexOf(u"-->", i + 4);
      resume = close < 0 ? page.size() : close + 3;
    } else if (IsTagAt(page, i, u"<script") || IsTagAt(page, i, u"<style")) {
      const QStringView closing = IsTagAt(page, i, u"<script") ? u"</script" : u"</style";
      const qsizetype close = page.indexOf(closing, i + 1, Qt::CaseInsensitive);
      resume = close < 0 ? page.size() : close + 1;
    }
    i = page.indexOf(u'<', resume);
  }
  return -1;
}

struct Attribute {
  QString name;
  QString value;
};

struct TagReading {
  QList<Attribute> attributes;
  qsizetype end = 0;    // the tag's ">", or the limit
  bool closed = false;  // whether a ">" outside quoted values ended it
};

qsizetype SkipBlanks(QStringView text, qsizetype i, qsizetype limit) {
  while (i < limit && IsBlank(text[i])) ++i;
  return i;
}

// The value that starts at `at` (after "=" and blanks): quoted, or up to a
// blank or ">". Where it ends, or -1 for a quote that does not close by `limit`.
qsizetype ReadAttributeValue(QStringView text, qsizetype at, qsizetype limit, QString& value) {
  if (at < limit && (text[at] == u'"' || text[at] == u'\'')) {
    const qsizetype close = text.first(limit).indexOf(text[at], at + 1);
    if (close < 0) return -1;
    value = text.sliced(at + 1, close - at - 1).toString();
    return close + 1;
  }
  qsizetype end = at;
  while (end < limit && !IsBlank(text[end]) && text[end] != u'>') ++end;
  value = text.sliced(at, end - at).toString();
  return end;
}

// The attributes of a start tag whose name ends at `from`, as HTML reads
// them, up to the tag's ">" or `limit`.
TagReading ReadAttributes(QStringView text, qsizetype from, qsizetype limit) {
  TagReading tag;
  qsizetype i = from;
  for (;;) {
    while (i < limit && (IsBlank(text[i]) || text[i] == u'/')) ++i;
    if (i >= limit || text[i] == u'>') break;
    const qsizetype nameStart = i++;  // a leading "=" belongs to the name
    while (i < limit && !IsBlank(text[i]) && !QStringView(u"=>/").contains(text[i])) ++i;
    Attribute attribute{text.sliced(nameStart, i - nameStart).toString(), {}};
    const qsizetype equals = SkipBlanks(text, i, limit);
    if (equals < limit && text[equals] == u'=') {
      i = ReadAttributeValue(text, SkipBlanks(text, equals + 1, limit), limit, attribute.value);
      if (i < 0) return tag;
    }
    tag.attributes.append(attribute);
  }
  tag.end = std::min(i, limit);
  tag.closed = i < limit;
  return tag;
}

std::optional<QString> AttributeValue(const QList<Attribute>& attributes, QStringView name) {
  for (const Attribute& attribute : attributes) {
    if (attribute.name.compare(name, Qt::CaseInsensitive) == 0) return attribute.value.trimmed();
  }
  return std::nullopt;
}

std::optional<QString> NonEmpty(const QString& value) {
  if (value.isEmpty()) return std::nullopt;
  return value;
}

}  // namespace

QString GetStyleProperty(const QString& block, const QString& selector, const QString& property) {
  if (!NamesSomething(selector, property)) return {};
  const Layout layout = LayoutOf(block);
  const Css css{block, layout.rulesEnd};
  const Found found = FindProperty(css, layout, selector, property);
  return found.declaration ? ValueOf(css, *found.declaration) : QString();
}

QString SetStyleProperty(const QString& block, const QString& selector, const QString& property,
                         const QString& value) {
  if (!NamesSomething(selector, property)) return block;
  const Layout layout = LayoutOf(block);
  const Css css{block, layout.rulesEnd};
  const Found found = FindProperty(css, layout, selector, property);
  if (found.declaration) {
    const Declaration& old = *found.declaration;
    const qsizetype length = old.valueEnd - old.valueStart;
    if (QStringView(block).sliced(old.valueStart, length) == value || ValueOf(css, old) == value) {
      return block;
    }
    return QString(block).replace(old.valueStart, length, value);
  }
  if (value.isEmpty()) return block;
  if (found.firstRule) {
    const QString declaration = property + u':' + value + QStringLiteral("; ");
    return QString(block).insert(found.firstRule->open + 1, declaration);
  }
  return WithNewRule(block, layout, selector + u'{' + property + u':' + value + u'}');
}

NumberUnit SplitNumberUnit(const QString& text) {
  const qsizetype sign = text.startsWith(u'-') || text.startsWith(u'+') ? 1 : 0;
  qsizetype end = sign;
  while (end < text.size() &&
         ((text[end] >= u'0' && text[end] <= u'9') || text[end] == u'.' || text[end] == u',')) {
    ++end;
  }
  if (end == sign) end = 0;  // a sign alone is no number
  return {text.first(end), text.sliced(end)};
}

QString BuildPageStyleBlock(const PageStyleInput& input) {
  QString body = QStringLiteral("  body{");
  const auto add = [&body](const char* property, const QString& value) {
    if (!body.endsWith(u'{')) body += QStringLiteral("; ");
    body += QLatin1StringView(property) + u':' + value;
  };
  const auto length = [](int number, const QString& unit) {
    return QString::number(number) + unit;
  };
  add("line-height", length(input.lineHeight, input.lineHeightUnit));
  add("margin-top", length(input.marginTop, input.marginUnit));
  add("margin-bottom", length(input.marginBottom, input.marginUnit));
  add("margin-left", length(input.marginLeft, input.marginUnit));
  add("margin-right", length(input.marginRight, input.marginUnit));
  if (input.colourChosen) {
    add("background-color", ColorToText(u'#' + RgbHex(input.background).toLower()));
  } else {
    add("background-image", QStringLiteral("url(") + input.imageFile + u')');
  }
  if (input.sizeChecked)
    add("font-size", input.fontSizeAsWritten.isEmpty() ? length(input.fontSize, input.fontSizeUnit) : input.fontSizeAsWritten);
  // The program's default font is left to the browser, and no font names
  // none: an empty family would only be a broken declaration.
  if (!input.fontName.isEmpty() && input.fontName != QStringLiteral("ＭＳ Ｐゴシック")) {
    add("font-family", u'"' + input.fontName + u'"');
  }
  if (input.fontColour != RgbColour{}) add("color", ColorToText(u'#' + RgbHex(input.fontColour)));

  QString block = QStringLiteral("<style type=\"text/css\">\r\n") + body + QStringLiteral("}\r\n");
  if (input.linkUnderlineOnHover) {
    block += QStringLiteral("  a{text-decoration:none}\r\n");
    block += QStringLiteral("  a:hover{text-decoration:underline}\r\n");
  }
  return block + QStringLiteral("</style>\r\n");
}

std::optional<QString> PageStyleBlockIn(const QString& pageText) {
  const qsizetype open = PageTagIn(pageText, u"<style");
  if (open < 0) return std::nullopt;
  for (qsizetype close = IndexOfTag(pageText, u"</style", open); close >= 0;
       close = IndexOfTag(pageText, u"</style", close + 1)) {
    const qsizetype end = SkipBlanks(pageText, close + 7, pageText.size());
    if (end < pageText.size() && pageText[end] == u'>') {
      return pageText.sliced(open, end + 1 - open);
    }
  }
  return std::nullopt;
}

BodyAttributes ReadBodyAttributes(const QString& pageText) {
  BodyAttributes body;
  const qsizetype tag = PageTagIn(pageText, u"<body");
  if (tag < 0) return body;
  const qsizetype from = tag + 5;  // after "<body"
  TagReading reading = ReadAttributes(pageText, from, pageText.size());
  if (!reading.closed) {
    // A quote that never closes, or no ">" at all: the tag ends at the first
    // ">", or after a bounded stretch of text.
    const qsizetype close = pageText.indexOf(u'>', from);
    const qsizetype limit = close >= 0 ? close : std::min(pageText.size(), from + kBodyTagWindow);
    reading = ReadAttributes(pageText, from, limit);
    reading.end = limit;
  }
  body.attributeText = pageText.sliced(from, reading.end - from);
  body.bgcolor = AttributeValue(reading.attributes, u"bgcolor");
  body.background = AttributeValue(reading.attributes, u"background");
  body.textColour = AttributeValue(reading.attributes, u"text");
  return body;
}

StyleFont ReadFontFromStyle(const QString& block, const QString& selector) {
  return {NonEmpty(GetStyleProperty(block, selector, QStringLiteral("font-size"))),
          NonEmpty(GetStyleProperty(block, selector, QStringLiteral("color"))),
          NonEmpty(GetStyleProperty(block, selector, QStringLiteral("font-family")))};
}

}  // namespace wrenpad
