// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading the attributes of an opening tag as a browser reads them:
// align=center, align = "center", title='a "b"', href="my notes.html",
// with character references such as &quot; and &#39; decoded.

#include <QString>
#include <QStringView>
#include <vector>

namespace wrenpad {

// One attribute of a tag, with where it stands in the text read.
struct TagAttribute {
  QString name;          // as written
  QString value;         // character references decoded; empty without "="
  qsizetype start = 0;   // the name's first character
  qsizetype valueStart = -1;  // the value's first character (its quote when quoted); -1 without "="
  qsizetype end = 0;     // just past the value (past its closing quote), or past the name
};

struct OpeningTag {
  std::vector<TagAttribute> attributes;  // in the order written, repeats included
  qsizetype end = -1;                    // just past the tag's ">"; -1 when the text ends first
};

// The attributes of the tag `text` starts with ("<a href=...>"; text that
// does not start with "<" is read as attributes alone). A ">" inside a quoted
// value does not end the tag; an unquoted value ends at a blank or ">".
OpeningTag ReadOpeningTag(QStringView text);

// The first attribute named `name` (without regard to case), or null.
const TagAttribute* FindTagAttribute(const OpeningTag& tag, QStringView name);

// The value of the attribute `name` in the tag `text` starts with, read as
// above; empty when the attribute does not occur. "color" is never found
// inside "bgcolor", nor a name inside another attribute's value.
QString TagAttributeValue(const QString& text, const QString& name);

// Character references decoded: &amp; &lt; &gt; &quot; &apos; &nbsp; and
// numeric ones (&#39; &#x27;). Others are left as written.
QString DecodeCharacterReferences(QStringView text);

}  // namespace wrenpad
