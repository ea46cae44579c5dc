#pragma once
// Small widgets the program's forms are built from, each with the object
// name that tests and scripts find it by.

#include <QLineEdit>
#include <QPushButton>
#include <QString>

namespace wrenpad {

// A button that Enter in another field does not press.
inline QPushButton* namedButton(QWidget* parent, const QString& name) {
  auto* button = new QPushButton(parent);
  button->setObjectName(name);
  button->setAutoDefault(false);
  return button;
}

// A one-line field wide enough for a name or a short sentence.
inline QLineEdit* namedField(QWidget* parent, const QString& name) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(name);
  field->setMinimumWidth(220);
  return field;
}

}  // namespace wrenpad
