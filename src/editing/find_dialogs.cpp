// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/find_dialogs.h"

#include "platform/form_widgets.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace wrenpad {

FindFormDialog::FindFormDialog(bool replacing, QWidget* parent)
    : QDialog(parent), replacing_(replacing) {
  setModal(false);
  auto* fieldsGrid = new QGridLayout;
  findLabel_ = new QLabel(this);
  findEdit_ = namedField(this, QStringLiteral("FindEdit"));
  findLabel_->setBuddy(findEdit_);
  fieldsGrid->addWidget(findLabel_, 0, 0);
  fieldsGrid->addWidget(findEdit_, 0, 1);
  if (replacing_) {
    replaceLabel_ = new QLabel(this);
    replaceEdit_ = namedField(this, QStringLiteral("ReplaceEdit"));
    replaceLabel_->setBuddy(replaceEdit_);
    fieldsGrid->addWidget(replaceLabel_, 1, 0);
    fieldsGrid->addWidget(replaceEdit_, 1, 1);
  }
  matchCase_ = new QCheckBox(this);
  matchCase_->setObjectName(QStringLiteral("MatchCase"));
  auto* left = new QVBoxLayout;
  left->addLayout(fieldsGrid);
  left->addStretch();
  left->addWidget(matchCase_);

  auto* buttons = new QVBoxLayout;
  findNext_ = namedButton(this, QStringLiteral("FindNext"));
  findNext_->setDefault(true);  // Enter in a field finds the next occurrence
  buttons->addWidget(findNext_);
  if (replacing_) {
    replace_ = namedButton(this, QStringLiteral("Replace"));
    replaceAll_ = namedButton(this, QStringLiteral("ReplaceAll"));
    buttons->addWidget(replace_);
    buttons->addWidget(replaceAll_);
  }
  cancel_ = namedButton(this, QStringLiteral("Cancel"));
  buttons->addWidget(cancel_);
  buttons->addStretch();

  auto* layout = new QHBoxLayout(this);
  layout->addLayout(left, 1);
  layout->addLayout(buttons);

  connect(findNext_, &QPushButton::clicked, this, [this] { send(FindRequest::Kind::FindNext); });
  if (replacing_) {
    connect(replace_, &QPushButton::clicked, this, [this] { send(FindRequest::Kind::Replace); });
    connect(replaceAll_, &QPushButton::clicked, this,
            [this] { send(FindRequest::Kind::ReplaceAll); });
    connect(replaceEdit_, &QLineEdit::textEdited, this, [this] { send(FindRequest::Kind::Edited); });
  }
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
  // Only the user's own changes are reported: textEdited and clicked stay
  // silent when showValues fills the fields.
  connect(findEdit_, &QLineEdit::textEdited, this, [this] {
    enableButtons();
    send(FindRequest::Kind::Edited);
  });
  connect(matchCase_, &QCheckBox::clicked, this, [this] { send(FindRequest::Kind::Edited); });
  showValues(FindFormValues{});
}

void FindFormDialog::showValues(const FindFormValues& values) {
  fields_ = values.fields;
  findEdit_->setText(values.fields.findText);
  if (replaceEdit_) replaceEdit_->setText(values.fields.replaceText);
  matchCase_->setChecked(values.fields.matchCase);
  retranslate();
  enableButtons();
}

FindFields FindFormDialog::fields() const {
  FindFields result = fields_;
  result.findText = findEdit_->text();
  if (replaceEdit_) result.replaceText = replaceEdit_->text();
  result.matchCase = matchCase_->isChecked();
  return result;
}

void FindFormDialog::done(int result) {
  QDialog::done(result);
  send(FindRequest::Kind::Closed);
}

void FindFormDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  findEdit_->setFocus();
  findEdit_->selectAll();
}

void FindFormDialog::send(FindRequest::Kind kind) {
  fields_ = fields();
  requests().send(FindRequest{kind, fields_});
}

// Captions and buttons in the interface language; the dialog then takes the
// size its texts need, once for each language, so a size the user gave it
// stays while the language does.
void FindFormDialog::retranslate() {
  if (language_ == interfaceLanguage()) return;
  language_ = interfaceLanguage();
  setWindowTitle(replacing_ ? tr("Replace") : tr("Find"));
  findLabel_->setText(tr("Fi&nd what:"));
  if (replacing_) {
    replaceLabel_->setText(tr("Re&place with:"));
    replace_->setText(tr("&Replace"));
    replaceAll_->setText(tr("Replace &All"));
  }
  // "&Find Next", as the usual find dialogs have it: "Fi&nd what:" holds N.
  findNext_->setText(tr("&Find Next"));
  matchCase_->setText(tr("Match &case"));
  cancel_->setText(tr("Cancel"));
  adjustSize();
}

// A search for nothing is no search: its buttons wait for a search text.
void FindFormDialog::enableButtons() {
  const bool any = !findEdit_->text().isEmpty();
  findNext_->setEnabled(any);
  if (replace_) replace_->setEnabled(any);
  if (replaceAll_) replaceAll_->setEnabled(any);
}

TFindDialog::TFindDialog(QWidget* parent) : FindFormDialog(false, parent) {
  setObjectName(QStringLiteral("FindDialog"));
}

TReplaceDialog::TReplaceDialog(QWidget* parent) : FindFormDialog(true, parent) {
  setObjectName(QStringLiteral("ReplaceDialog"));
}

}  // namespace wrenpad
