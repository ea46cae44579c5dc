#include "encoding/output_code.h"

#include "text/tag_attribute.h"

namespace wrenpad {

QString declaredCharset(const QString& text) {
  qsizetype at = text.indexOf(QStringLiteral("<meta"));
  if (at < 0) at = text.indexOf(QStringLiteral("<META"));
  if (at < 0) return QString();
  return TagAttributeValue(text.mid(at + 1, 200), QStringLiteral("charset")).toLower();
}

TextEncoding chooseOutputEncoding(const QString& text, const OutputChoice& choice) {
  const QString charset = choice.htmlMode ? declaredCharset(text) : QString();
  if (charset == u"shift_jis") return TextEncoding::ShiftJis;
  if (charset == u"utf-8") return TextEncoding::Utf8;
  if (choice.loadedAs == TextEncoding::Utf8) return TextEncoding::Utf8;
  return choice.eucChosen ? TextEncoding::EucJp : TextEncoding::ShiftJis;
}

}  // namespace wrenpad
