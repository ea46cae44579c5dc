// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The mark-up of the Form submenu (a form with its submit button, a one-line
// input, a text area, a selection list, a group of check boxes) and of the
// division element, built from the plain values their dialogs give. Plain
// functions over text and values; no widgets.
//
// Names and attribute values are written as the user typed them: the user
// writes HTML. Positions are 0-based offsets in the editor text (a line break
// counts two).

#include <QString>
#include <QStringList>

namespace wrenpad {

// The form dialog's fields.
struct FormValues {
  QString name;         // the form's name; none when empty
  QString submittedTo;  // the action; none (and no method) when empty
  QString event;        // the submit button's event attribute; none when empty
  QString handler;      // the event's handler, as typed
  friend bool operator==(const FormValues&, const FormValues&) = default;
};

struct SingleLineInputValues {
  QString fieldName;
  int size = 80;
  friend bool operator==(const SingleLineInputValues&, const SingleLineInputValues&) = default;
};

struct TextAreaValues {
  QString fieldName = QStringLiteral("TextArea1");
  int rows = 5;
  int cols = 50;
  friend bool operator==(const TextAreaValues&, const TextAreaValues&) = default;
};

struct SelectValues {
  QString fieldName;
  int size = 1;   // written only from 2 up
  QString items;  // the items box's text, one option per line
  friend bool operator==(const SelectValues&, const SelectValues&) = default;
};

struct CheckBoxValues {
  QString commonName;  // each box is named this, "_" and its number
  QString questions;   // the questions box's text, one box per line
  friend bool operator==(const CheckBoxValues&, const CheckBoxValues&) = default;
};

struct DivValues {
  QString align;  // each written only when not empty
  QString id;
  QString other;  // written as typed, after a blank
  friend bool operator==(const DivValues&, const DivValues&) = default;
};

// The lines of a multi-line box: a line break at the very end starts no
// further line, and an empty box has none. CR LF, LF and CR all break.
QStringList MemoLines(const QString& memo);

// The submit button's text in the interface's language ("Submit").
QString SubmitText();

// The script's end marker the handler function is written before.
inline constexpr char16_t kScriptEndMarker[] = u"// -->";

// A new form, written as one replacement of the document text. The
// selection goes inside the form, before the submit button. With an event,
// a named handler and a "// -->" in the page, an empty function of the
// handler's name (with "()" added when it has none) goes directly before
// the first "// -->", and the replacement then reaches from the earlier of
// the two places to the later one, so the page changes in one edit.
struct NewFormEdit {
  int start = 0;         // the stretch of the old text replaced
  int length = 0;
  QString replacement;
  int formStart = 0;     // where the form stands in the new text
  int formLength = 0;
  int functionAt = -1;   // where the function went in the old text; -1: none
  QString function;      // "  function name()\r\n  {\r\n  }\r\n", or empty
  QString handler;       // the handler box's text from now on
};
NewFormEdit NewFormMarkup(const FormValues& values, const QString& text, int selStart, int selLength);

// The form element alone around `content`, without any function.
QString FormElement(const FormValues& values, const QString& content);

QString SingleLineInputMarkup(const SingleLineInputValues& values);
QString TextAreaMarkup(const TextAreaValues& values);
// One "<option>" per line of the items; empty lines give empty options.
QString SelectMarkup(const SelectValues& values);
// One check box per line of the questions; none (empty text) for no lines.
QString CheckBoxesMarkup(const CheckBoxValues& values);
// "<div" with the given attributes, ">", the content and "</div>".
QString DivMarkup(const DivValues& values, const QString& content);

}  // namespace wrenpad
