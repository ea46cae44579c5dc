// SPDX-License-Identifier: GPL-3.0-or-later
#include "page_check/finding_text.h"

#include <QCoreApplication>
#include <algorithm>

namespace wrenpad {

namespace {

// clang-format off
const FindingTextRow kTexts[] = {
    {"ANCHOR_NOT_UNIQUE", QT_TRANSLATE_NOOP("PageCheck", "%1: the name \"%2\" is already used by another element.")},
    {"BAD_ATTRIBUTE_VALUE", QT_TRANSLATE_NOOP("PageCheck", "%1: \"%3\" is not a valid value of the attribute \"%2\".")},
    {"CANT_BE_NESTED", QT_TRANSLATE_NOOP("PageCheck", "%1 cannot stand inside another %1.")},
    {"COERCE_TO_ENDTAG", QT_TRANSLATE_NOOP("PageCheck", "This <%1> was probably meant to be the end tag </%1>.")},
    {"CONTENT_AFTER_BODY", QT_TRANSLATE_NOOP("PageCheck", "Something follows the end of <body>.")},
    {"DISCARDING_UNEXPECTED", QT_TRANSLATE_NOOP("PageCheck", "%1 does not belong here and is left out.")},
    {"DOCTYPE_AFTER_TAGS", QT_TRANSLATE_NOOP("PageCheck", "<!DOCTYPE> must come before every element.")},
    {"ELEMENT_NOT_EMPTY", QT_TRANSLATE_NOOP("PageCheck", "%1 is not closed, or holds something it may not hold.")},
    {"ELEMENT_VERS_MISMATCH_ERROR", QT_TRANSLATE_NOOP("PageCheck", "%1 cannot be used in %2.")},
    {"ELEMENT_VERS_MISMATCH_WARN", QT_TRANSLATE_NOOP("PageCheck", "%1 cannot be used in %2.")},
    {"FOUND_STYLE_IN_BODY", QT_TRANSLATE_NOOP("PageCheck", "<style> belongs in <head>, not in <body>.")},
    {"ILLEGAL_NESTING", QT_TRANSLATE_NOOP("PageCheck", "%1 cannot stand inside another %1.")},
    {"INSERTING_TAG", QT_TRANSLATE_NOOP("PageCheck", "<%1> is missing here; it is taken as if written.")},
    {"INVALID_ATTRIBUTE", QT_TRANSLATE_NOOP("PageCheck", "%1: \"%2\" cannot be the name of an attribute.")},
    {"MALFORMED_COMMENT", QT_TRANSLATE_NOOP("PageCheck", "A comment holds \"--\" inside it.")},
    {"MALFORMED_DOCTYPE", QT_TRANSLATE_NOOP("PageCheck", "The <!DOCTYPE> cannot be read and is ignored.")},
    {"MISMATCHED_ATTRIBUTE_ERROR", QT_TRANSLATE_NOOP("PageCheck", "%1: the attribute \"%2\" cannot be used in %3.")},
    {"MISMATCHED_ATTRIBUTE_WARN", QT_TRANSLATE_NOOP("PageCheck", "%1: the attribute \"%2\" cannot be used in %3.")},
    {"MISSING_ATTR_VALUE", QT_TRANSLATE_NOOP("PageCheck", "%1: the attribute \"%2\" has no value.")},
    {"MISSING_ATTRIBUTE", QT_TRANSLATE_NOOP("PageCheck", "%1 needs the attribute \"%2\".")},
    {"MISSING_DOCTYPE", QT_TRANSLATE_NOOP("PageCheck", "The page does not begin with <!DOCTYPE ...>.")},
    {"MISSING_ENDTAG_BEFORE", QT_TRANSLATE_NOOP("PageCheck", "</%1> should come before %2.")},
    {"MISSING_ENDTAG_FOR", QT_TRANSLATE_NOOP("PageCheck", "The end tag </%1> is missing.")},
    {"MISSING_QUOTEMARK", QT_TRANSLATE_NOOP("PageCheck", "%1: an attribute value lacks its closing quote mark.")},
    {"MISSING_QUOTEMARK_OPEN", QT_TRANSLATE_NOOP("PageCheck", "The value of the attribute \"%1\" is not in quote marks.")},
    {"MISSING_SEMICOLON", QT_TRANSLATE_NOOP("PageCheck", "The character reference \"%1\" should end with \";\".")},
    {"MISSING_SEMICOLON_NCR", QT_TRANSLATE_NOOP("PageCheck", "The character reference \"%1\" should end with \";\".")},
    {"MISSING_STARTTAG", QT_TRANSLATE_NOOP("PageCheck", "The start tag <%1> is missing.")},
    {"MISSING_TITLE_ELEMENT", QT_TRANSLATE_NOOP("PageCheck", "The page has no <title>.")},
    {"NESTED_EMPHASIS", QT_TRANSLATE_NOOP("PageCheck", "%1 stands inside another %1 that already does the same.")},
    {"NON_MATCHING_ENDTAG", QT_TRANSLATE_NOOP("PageCheck", "</%1> does not close the element open here: the tags cross.")},
    {"OBSOLETE_ELEMENT", QT_TRANSLATE_NOOP("PageCheck", "%1 is out of date and is taken as %2.")},
    {"PROPRIETARY_ATTRIBUTE", QT_TRANSLATE_NOOP("PageCheck", "%1: the attribute \"%2\" is not in the HTML standard.")},
    {"PROPRIETARY_ELEMENT", QT_TRANSLATE_NOOP("PageCheck", "%1 is not in the HTML standard.")},
    {"REMOVED_HTML5", QT_TRANSLATE_NOOP("PageCheck", "%1 was dropped from HTML5.")},
    {"REPEATED_ATTRIBUTE", QT_TRANSLATE_NOOP("PageCheck", "%1: the attribute \"%3\" is written twice; the value \"%2\" is not used.")},
    {"SUSPECTED_MISSING_QUOTE", QT_TRANSLATE_NOOP("PageCheck", "An attribute value seems to lack a quote mark.")},
    {"TAG_NOT_ALLOWED_IN", QT_TRANSLATE_NOOP("PageCheck", "%1 may not stand inside <%2>.")},
    {"TOO_MANY_ELEMENTS", QT_TRANSLATE_NOOP("PageCheck", "There are more <%1> elements than allowed.")},
    {"TOO_MANY_ELEMENTS_IN", QT_TRANSLATE_NOOP("PageCheck", "There are more <%1> elements than allowed in <%2>.")},
    {"TRIM_EMPTY_ELEMENT", QT_TRANSLATE_NOOP("PageCheck", "%1 is empty.")},
    {"UNESCAPED_AMPERSAND", QT_TRANSLATE_NOOP("PageCheck", "A lone \"&\" should be written \"&amp;\".")},
    {"UNEXPECTED_END_OF_FILE", QT_TRANSLATE_NOOP("PageCheck", "The page ends inside %1.")},
    {"UNEXPECTED_END_OF_FILE_ATTR", QT_TRANSLATE_NOOP("PageCheck", "The page ends inside the attributes of %1.")},
    {"UNEXPECTED_ENDTAG", QT_TRANSLATE_NOOP("PageCheck", "</%1> has no start tag to close.")},
    {"UNEXPECTED_ENDTAG_ERR", QT_TRANSLATE_NOOP("PageCheck", "</%1> has no start tag to close.")},
    {"UNEXPECTED_ENDTAG_IN", QT_TRANSLATE_NOOP("PageCheck", "</%1> has no start tag to close inside <%2>.")},
    {"UNEXPECTED_EQUALSIGN", QT_TRANSLATE_NOOP("PageCheck", "%1: an \"=\" stands where an attribute name belongs.")},
    {"UNEXPECTED_GT", QT_TRANSLATE_NOOP("PageCheck", "%1 lacks the \">\" that ends the tag.")},
    {"UNEXPECTED_QUOTEMARK", QT_TRANSLATE_NOOP("PageCheck", "%1 has a quote mark where none belongs.")},
    {"UNKNOWN_ELEMENT", QT_TRANSLATE_NOOP("PageCheck", "%1 is not an HTML element.")},
    {"UNKNOWN_ELEMENT_LOOKS_CUSTOM", QT_TRANSLATE_NOOP("PageCheck", "%1 is not an HTML element.")},
    {"UNKNOWN_ENTITY", QT_TRANSLATE_NOOP("PageCheck", "\"%1\" is no known character reference; a lone \"&\" should be written \"&amp;\".")},
    {"USING_BR_INPLACE_OF", QT_TRANSLATE_NOOP("PageCheck", "%1 is taken as <br>.")},
};
// clang-format on

const FindingTextRow* rowOf(const QString& code) {
  const auto found = std::find_if(std::begin(kTexts), std::end(kTexts),
                                  [&code](const FindingTextRow& row) { return code == QLatin1String(row.code); });
  return found == std::end(kTexts) ? nullptr : found;
}

}  // namespace

std::span<const FindingTextRow> FindingTexts() { return kTexts; }

QString FillArguments(const QString& text, const QStringList& arguments) {
  QString filled;
  filled.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    const bool placeholder = text[i] == u'%' && i + 1 < text.size() && text[i + 1] >= u'1' && text[i + 1] <= u'9';
    const qsizetype number = placeholder ? text[i + 1].unicode() - u'1' : -1;
    if (number < 0 || number >= arguments.size()) {
      filled += text[i];
      continue;
    }
    filled += arguments[number];
    ++i;
  }
  return filled;
}

QString FindingText(const PageFinding& finding) {
  if (const FindingTextRow* row = rowOf(finding.code))
    return FillArguments(QCoreApplication::translate("PageCheck", row->text), finding.arguments);
  return QStringLiteral("%1 (%2)").arg(finding.tidyText, finding.code);
}

QString FindingLine(const PageFinding& finding) {
  const QString level = finding.level == FindingLevel::Error ? QCoreApplication::translate("PageCheck", "error")
                                                             : QCoreApplication::translate("PageCheck", "warning");
  return QStringLiteral("%1:%2: %3: %4").arg(finding.line).arg(finding.column).arg(level, FindingText(finding));
}

QString NothingFoundLine() {
  return QCoreApplication::translate("PageCheck", "The page check found no errors and no warnings.");
}

}  // namespace wrenpad
