// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/code_template_dialog.h"

#include "editor/plain_paste.h"
#include "platform/form_widgets.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace wrenpad {

TCodeTemplateList::TCodeTemplateList(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("CodeTemplateList"));
  setModal(true);
  auto* layout = new QVBoxLayout(this);

  Label1 = new QLabel(this);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->setWordWrap(true);
  layout->addWidget(Label1);

  // Templates are one per line and often long: no wrapping, and a fixed
  // font so the expansions' indentation lines up.
  Memo = new QPlainTextEdit(this);
  Memo->setObjectName(QStringLiteral("Memo"));
  Memo->setLineWrapMode(QPlainTextEdit::NoWrap);
  Memo->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  installPlainPaste(Memo);
  layout->addWidget(Memo, 1);

  btnInsert = new QPushButton(this);
  btnInsert->setObjectName(QStringLiteral("btnInsert"));
  btnInsert->setAutoDefault(false);
  btnOK = new QPushButton(this);
  btnOK->setObjectName(QStringLiteral("btnOK"));
  btnCancel = new QPushButton(this);
  btnCancel->setObjectName(QStringLiteral("btnCancel"));
  btnCancel->setAutoDefault(false);
  connect(btnInsert, &QPushButton::clicked, this, [this] { btnInsertClick(); });
  connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(btnInsert);
  buttons->addStretch();
  buttons->addWidget(btnOK);
  buttons->addWidget(btnCancel);
  layout->addLayout(buttons);

  resize(560, 380);
  setMinimumSize(400, 240);
  showValues(CodeTemplateListValues{});
}

void TCodeTemplateList::showValues(const CodeTemplateListValues& values) {
  shown_ = values;
  retranslate();
  QString list = values.list;
  Memo->setPlainText(list.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
  Memo->setFocus();
}

// The captions in the interface language of the moment.
void TCodeTemplateList::retranslate() {
  setWindowTitle(tr("List of Code Template"));
  Label1->setText(tr("Left hand side of \"==>>\" is changed to the right hand side by Ctrl + J."));
  btnInsert->setText(tr("&Insert \"==>>\""));
  captionOk(btnOK);
  Memo->setAccessibleName(tr("Code templates"));
  Memo->setAccessibleDescription(Label1->text());
  btnCancel->setText(tr("&Cancel"));
}

CodeTemplateListValues TCodeTemplateList::values() const {
  CodeTemplateListValues values = shown_;
  values.list = Memo->toPlainText();
  return values;
}

// The arrow goes in at the caret, which then follows it, so the expansion
// can be typed straight on.
void TCodeTemplateList::btnInsertClick() {
  Memo->insertPlainText(QStringLiteral("==>>"));
  Memo->ensureCursorVisible();
  Memo->setFocus();
}

}  // namespace wrenpad
