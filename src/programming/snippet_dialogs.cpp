// SPDX-License-Identifier: GPL-3.0-or-later
#include "programming/snippet_dialogs.h"

#include "platform/form_widgets.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace wrenpad {

namespace {

QPushButton* okButton(QDialog* dialog) {
  auto* ok = new QPushButton(dialog);
  captionOk(ok);
  ok->setObjectName(QStringLiteral("btnOK"));
  ok->setDefault(true);
  QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
  return ok;
}

}  // namespace

TInspectionDialog::TInspectionDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("InspectionDialog"));
  setModal(true);
  auto* layout = new QVBoxLayout(this);
  BrinkerLabel1 = new QLabel(this);
  BrinkerLabel1->setObjectName(QStringLiteral("BrinkerLabel1"));
  BrinkerLabel1->setWordWrap(true);
  layout->addWidget(BrinkerLabel1);
  for (std::size_t i = 0; i < edits_.size(); ++i) {
    edits_[i] = namedField(this, QStringLiteral("Edit%1").arg(i + 1));
    layout->addWidget(edits_[i]);
  }
  auto* buttons = new QHBoxLayout;
  ClearBtn = new QPushButton(this);
  ClearBtn->setObjectName(QStringLiteral("ClearBtn"));
  ClearBtn->setAutoDefault(false);
  connect(ClearBtn, &QPushButton::clicked, this, [this] { ClearBtnClick(); });
  buttons->addStretch();
  buttons->addWidget(okButton(this));
  buttons->addWidget(ClearBtn);
  layout->addLayout(buttons);
  retranslate();
}

// The captions in the interface language of the moment.
void TInspectionDialog::retranslate() {
  setWindowTitle(tr("InspectionDialog"));
  BrinkerLabel1->setText(tr("Please write valiables that you want to inspect the values."));
  ClearBtn->setText(tr("&Clear"));
  for (std::size_t i = 0; i < edits_.size(); ++i) {
    edits_[i]->setAccessibleName(tr("Variable %1").arg(i + 1));
    edits_[i]->setAccessibleDescription(BrinkerLabel1->text());
  }
}

void TInspectionDialog::showValues(const InspectionValues& values) {
  retranslate();
  for (std::size_t i = 0; i < edits_.size(); ++i) edits_[i]->setText(values.names.value(int(i)));
  edits_[0]->setFocus();
  adjustSize();
}

InspectionValues TInspectionDialog::values() const {
  InspectionValues values;
  for (std::size_t i = 0; i < edits_.size(); ++i) values.names[int(i)] = edits_[i]->text();
  return values;
}

void TInspectionDialog::ClearBtnClick() {
  for (QLineEdit* field : edits_) field->clear();
  edits_[0]->setFocus();
}

TInputWizardDialog::TInputWizardDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("InputWizardDialog"));
  setModal(true);
  auto* layout = new QVBoxLayout(this);
  auto* grid = new QGridLayout;
  Label1 = new QLabel(this);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label2 = new QLabel(this);
  Label2->setObjectName(QStringLiteral("Label2"));
  Edit1 = namedField(this, QStringLiteral("Edit1"));
  Edit2 = namedField(this, QStringLiteral("Edit2"));
  Label1->setBuddy(Edit1);
  Label2->setBuddy(Edit2);
  grid->addWidget(Label1, 0, 0);
  grid->addWidget(Edit1, 0, 1);
  grid->addWidget(Label2, 1, 0);
  grid->addWidget(Edit2, 1, 1);
  layout->addLayout(grid);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(okButton(this));
  layout->addLayout(buttons);
  retranslate();
}

// The captions in the interface language of the moment.
void TInputWizardDialog::retranslate() {
  setWindowTitle(tr("Input Wizard"));
  Label1->setText(tr("Prompt : "));
  Label2->setText(tr("Variable :"));
}

void TInputWizardDialog::showValues(const InputWizardValues& values) {
  retranslate();
  Edit1->setText(values.prompt);
  Edit2->setText(values.variable);
  Edit2->setFocus();
  adjustSize();
}

InputWizardValues TInputWizardDialog::values() const {
  return {Edit1->text(), Edit2->text()};
}

}  // namespace wrenpad
