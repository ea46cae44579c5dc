// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/tag_attribute.h"

namespace wrenpad {

namespace {

bool IsBlank(QChar c) {
  return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'\f';
}

qsizetype SkipBlanks(QStringView text, qsizetype at) {
  while (at < text.size() && IsBlank(text[at])) ++at;
  return at;
}

// Where a name (of the tag or of an attribute) ends.
qsizetype NameEnd(QStringView text, qsizetype at, bool attribute) {
  while (at < text.size()) {
    const QChar c = text[at];
    if (IsBlank(c) || c == u'/' || c == u'>' || (attribute && c == u'=')) break;
    ++at;
  }
  return at;
}

// Reads the value that starts at `at` into `attribute`; returns where the
// reading goes on, or -1 when a quoted value runs to the end of the text.
qsizetype ReadValue(QStringView text, qsizetype at, TagAttribute& attribute) {
  attribute.valueStart = at;
  if (at < text.size() && (text[at] == u'"' || text[at] == u'\'')) {
    const qsizetype close = text.indexOf(text[at], at + 1);
    const qsizetype valueEnd = close < 0 ? text.size() : close;
    attribute.value = DecodeCharacterReferences(text.mid(at + 1, valueEnd - at - 1));
    attribute.end = close < 0 ? text.size() : close + 1;
    return close < 0 ? -1 : attribute.end;
  }
  qsizetype end = at;
  while (end < text.size() && !IsBlank(text[end]) && text[end] != u'>') ++end;
  attribute.value = DecodeCharacterReferences(text.mid(at, end - at));
  attribute.end = end;
  return end;
}

struct NamedReference {
  const char16_t* name;
  char16_t character;
};
constexpr NamedReference kNamedReferences[] = {
    {u"amp", u'&'}, {u"lt", u'<'}, {u"gt", u'>'}, {u"quot", u'"'}, {u"apos", u'\''}, {u"nbsp", u'\u00A0'}};

// The character a reference at `at` (its "&") stands for, and its length;
// nothing (length 0) when it is not one we know.
std::pair<QString, qsizetype> Reference(QStringView text, qsizetype at) {
  const qsizetype semicolon = text.indexOf(u';', at + 1);
  if (semicolon < 0 || semicolon - at > 10) return {QString(), 0};
  const QStringView body = text.mid(at + 1, semicolon - at - 1);
  if (body.startsWith(u'#')) {
    const bool hex = body.size() > 1 && (body[1] == u'x' || body[1] == u'X');
    bool ok = false;
    const uint code = body.mid(hex ? 2 : 1).toUInt(&ok, hex ? 16 : 10);
    if (!ok || code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return {QString(), 0};
    const char32_t character = code;
    return {QString::fromUcs4(&character, 1), semicolon + 1 - at};
  }
  for (const NamedReference& named : kNamedReferences)
    if (body == QStringView(named.name)) return {QString(QChar(named.character)), semicolon + 1 - at};
  return {QString(), 0};
}

}  // namespace

QString DecodeCharacterReferences(QStringView text) {
  if (!text.contains(u'&')) return text.toString();
  QString plain;
  plain.reserve(text.size());
  for (qsizetype at = 0; at < text.size(); ++at) {
    if (text[at] == u'&') {
      const auto [character, length] = Reference(text, at);
      if (length > 0) {
        plain += character;
        at += length - 1;
        continue;
      }
    }
    plain += text[at];
  }
  return plain;
}

OpeningTag ReadOpeningTag(QStringView text) {
  OpeningTag tag;
  qsizetype at = 0;
  if (text.startsWith(u'<')) at = NameEnd(text, 1, false);
  while (at >= 0 && at < text.size()) {
    if (IsBlank(text[at]) || text[at] == u'/') {
      ++at;
      continue;
    }
    if (text[at] == u'>') {
      tag.end = at + 1;
      break;
    }
    TagAttribute attribute;
    attribute.start = at;
    // A name may start with "=", as a browser reads it; it ends at the next one.
    const qsizetype nameEnd = NameEnd(text, at + 1, true);
    attribute.name = text.mid(at, nameEnd - at).toString();
    attribute.end = nameEnd;
    const qsizetype equals = SkipBlanks(text, nameEnd);
    at = nameEnd;
    if (equals < text.size() && text[equals] == u'=') at = ReadValue(text, SkipBlanks(text, equals + 1), attribute);
    tag.attributes.push_back(std::move(attribute));
  }
  return tag;
}

const TagAttribute* FindTagAttribute(const OpeningTag& tag, QStringView name) {
  for (const TagAttribute& attribute : tag.attributes)
    if (QStringView(attribute.name).compare(name, Qt::CaseInsensitive) == 0) return &attribute;
  return nullptr;
}

QString TagAttributeValue(const QString& text, const QString& name) {
  if (name.isEmpty()) return {};
  const OpeningTag tag = ReadOpeningTag(text);
  const TagAttribute* attribute = FindTagAttribute(tag, name);
  return attribute ? attribute->value : QString();
}

}  // namespace wrenpad
