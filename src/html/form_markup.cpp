// SPDX-License-Identifier: GPL-3.0-or-later
#include "html/form_markup.h"

#include "text/text_helpers.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace wrenpad {

namespace {

const QString kBreak = QStringLiteral("\r\n");

// ` name = "value"`, the value escaped.
QString attribute(const QString& name, const QString& value) {
  return QStringLiteral(" %1 = \"%2\"").arg(name, EscapeAttributeValue(value));
}

QString handlerFunction(const QString& name) {
  return QStringLiteral("  function ") + name + kBreak + QStringLiteral("  {") + kBreak +
         QStringLiteral("  }") + kBreak;
}

}  // namespace

QStringList MemoLines(const QString& memo) {
  static const QRegularExpression lineBreak(QStringLiteral("\r\n|\n|\r"));
  QStringList lines = memo.split(lineBreak);
  if (lines.last().isEmpty()) lines.removeLast();
  return lines;
}

QString SubmitText() { return QCoreApplication::translate("FormMarkup", "Submit"); }

QString FormElement(const FormValues& values, const QString& content) {
  QString form = QStringLiteral("<form");
  if (!values.name.isEmpty()) form += attribute(QStringLiteral("name"), values.name);
  if (!values.submittedTo.isEmpty())
    form += attribute(QStringLiteral("action"), values.submittedTo) +
            QStringLiteral(" method = \"post\" enctype = \"multipart/form-data\"");
  form += QStringLiteral(">") + kBreak + kBreak + content + QStringLiteral("<input type = \"submit\"") +
          attribute(QStringLiteral("value"), SubmitText());
  // The handler is written as typed, without the "()" its function is given.
  if (!values.event.isEmpty()) form += attribute(values.event, values.handler);
  return form + QStringLiteral(">") + kBreak + QStringLiteral("</form>") + kBreak;
}

NewFormEdit NewFormMarkup(const FormValues& values, const QString& text, int selStart, int selLength) {
  NewFormEdit edit;
  edit.handler = values.handler;
  const int selEnd = selStart + selLength;
  const int marker = int(text.indexOf(QStringView(kScriptEndMarker)));
  // A function needs a name: "function ()" would break the whole script.
  if (!values.event.isEmpty() && !values.handler.isEmpty() && marker >= 0) {
    if (!edit.handler.contains(QStringLiteral("()"))) edit.handler += QStringLiteral("()");
    edit.function = handlerFunction(edit.handler);
    edit.functionAt = marker;
  }
  const bool functionFirst = edit.functionAt >= 0 && marker <= selStart;
  const bool functionAfter = edit.functionAt >= 0 && marker >= selEnd;
  QString content = text.mid(selStart, selLength);
  // A marker within the selection: the function goes along into the form.
  if (edit.functionAt >= 0 && !functionFirst && !functionAfter)
    content.insert(marker - selStart, edit.function);
  const QString form = FormElement(values, content);
  edit.formLength = int(form.size());
  edit.start = selStart;
  edit.length = selLength;
  edit.formStart = selStart;
  edit.replacement = form;
  if (functionFirst) {
    // The form moves on by the function's length.
    edit.start = marker;
    edit.length = selEnd - marker;
    edit.formStart = selStart + int(edit.function.size());
    edit.replacement = edit.function + text.mid(marker, selStart - marker) + form;
  } else if (functionAfter) {
    edit.length = marker - selStart;
    edit.replacement = form + text.mid(selEnd, marker - selEnd) + edit.function;
  }
  return edit;
}

QString SingleLineInputMarkup(const SingleLineInputValues& values) {
  return QStringLiteral("<input type = \"text\"") + attribute(QStringLiteral("name"), values.fieldName) +
         attribute(QStringLiteral("size"), QString::number(values.size)) + QStringLiteral("><br>") + kBreak;
}

QString TextAreaMarkup(const TextAreaValues& values) {
  return QStringLiteral("<textarea") + attribute(QStringLiteral("name"), values.fieldName) +
         attribute(QStringLiteral("rows"), QString::number(values.rows)) +
         attribute(QStringLiteral("cols"), QString::number(values.cols)) + QStringLiteral("></textarea>") + kBreak;
}

QString SelectMarkup(const SelectValues& values) {
  QString select = QStringLiteral("<select") + attribute(QStringLiteral("name"), values.fieldName);
  if (values.size >= 2) select += attribute(QStringLiteral("size"), QString::number(values.size));
  select += QStringLiteral(">");
  for (const QString& item : MemoLines(values.items))
    select += kBreak + QStringLiteral("  <option>") + EscapeElementText(item) + QStringLiteral("</option>");
  return select + kBreak + QStringLiteral("</select><br>") + kBreak;
}

QString CheckBoxesMarkup(const CheckBoxValues& values) {
  QString boxes;
  const QStringList questions = MemoLines(values.questions);
  for (int number = 1; number <= int(questions.size()); ++number)
    boxes += QStringLiteral("<input type = \"checkbox\"") +
             attribute(QStringLiteral("name"), values.commonName + u'_' + QString::number(number)) +
             QStringLiteral(">") + EscapeElementText(questions[number - 1]) + QStringLiteral("<br>") + kBreak;
  return boxes;
}

QString DivMarkup(const DivValues& values, const QString& content) {
  QString opening = QStringLiteral("<div");
  if (!values.align.isEmpty()) opening += attribute(QStringLiteral("align"), values.align);
  if (!values.id.isEmpty()) opening += attribute(QStringLiteral("id"), values.id);
  if (!values.other.isEmpty()) opening += u' ' + values.other;
  return opening + QStringLiteral(">") + content + QStringLiteral("</div>");
}

}  // namespace wrenpad
