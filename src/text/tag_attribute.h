#pragma once
// Reading one attribute's value out of a tag written by hand or by the
// program: align=center, align = "center", face="MS P Gothic" size=3.

#include <QString>

namespace wrenpad {

// The value of the attribute `name` (given in lower case) in `text`, which
// holds a tag or a stretch of text that starts with one. Blanks around "="
// and the opening double quote are ignored. The value ends at the first
// double quote, ">" or blank within 100 characters; for "face", whose values
// may hold blanks, it ends instead at the last blank before the next
// attribute's "=" (or at a quote or ">"). Blanks are removed from every value
// but a face. The name is matched without regard to case, and only as a whole
// attribute name followed by "=": "color" is not found inside "bgcolor=".
// Empty when the attribute does not occur.
QString TagAttributeValue(const QString& text, const QString& name);

}  // namespace wrenpad
