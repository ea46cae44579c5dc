// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small widgets the program's forms are built from, each with the object
// name that tests and scripts find it by.

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDialog>
#include <QHBoxLayout>
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

// Captions `button` "&O K", the program's OK button; screen readers read it
// as "OK", not as two letters.
inline void captionOk(QAbstractButton* button) {
  //: Stays English in the Japanese interface, as designed.
  button->setText(QCoreApplication::translate("FormWidgets", "&O K"));
  button->setAccessibleName(QCoreApplication::translate("FormWidgets", "OK"));
}

// The row of a form's "&O K" (the default, accepting) and "&Cancel"
// (rejecting) buttons, at the right; named btnOK and btnCancel.
inline QHBoxLayout* okCancelRow(QDialog* dialog, QPushButton*& ok, QPushButton*& cancel) {
  ok = new QPushButton(dialog);
  captionOk(ok);
  ok->setObjectName(QStringLiteral("btnOK"));
  ok->setDefault(true);
  cancel = new QPushButton(QCoreApplication::translate("FormWidgets", "&Cancel"), dialog);
  cancel->setObjectName(QStringLiteral("btnCancel"));
  QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
  QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
  auto* row = new QHBoxLayout;
  row->addStretch();
  row->addWidget(ok);
  row->addWidget(cancel);
  return row;
}

}  // namespace wrenpad
