// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/doc_type_dialog.h"

#include "documents/document_state.h"
#include "platform/form_widgets.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

namespace wrenpad {

TDocType::TDocType(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("DocType"));
  setModal(true);
  auto* layout = new QVBoxLayout(this);
  RadioGroup = new QGroupBox(this);
  RadioGroup->setObjectName(QStringLiteral("RadioGroup"));
  auto* groupLayout = new QVBoxLayout(RadioGroup);
  for (int i = 0; i < 3; ++i) {
    items_[i] = new QRadioButton(RadioGroup);
    items_[i]->setObjectName(QStringLiteral("RadioGroupItem%1").arg(i));
    groupLayout->addWidget(items_[i]);
  }
  layout->addWidget(RadioGroup);
  auto* ok = new QPushButton(this);
  captionOk(ok);
  ok->setObjectName(QStringLiteral("Button1"));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  layout->addWidget(ok, 0, Qt::AlignHCenter);
  setMinimumSize(223, 169);
  showValues(DocumentTypeValues{});
}

void TDocType::showValues(const DocumentTypeValues& values) {
  shown_ = values;
  retranslate(values.languageMode);
  for (int i = 0; i < 3; ++i) items_[i]->setEnabled(values.choosable[i]);
  items_[std::clamp(values.kind, 0, 2)]->setChecked(true);
}

DocumentTypeValues TDocType::values() const {
  DocumentTypeValues values = shown_;
  for (int i = 0; i < 3; ++i)
    if (items_[i]->isChecked()) values.kind = i;
  return values;
}

void TDocType::retranslate(int languageMode) {
  static const char* const kPrograms[] = {QT_TR_NOOP("C/C++ program"), QT_TR_NOOP("Java program"),
                                          QT_TR_NOOP("Perl script"), QT_TR_NOOP("Pascal program")};
  const int language = (languageMode >= 0 && languageMode <= 3) ? languageMode : 0;
  setWindowTitle(kApplicationTitle);
  RadioGroup->setTitle(tr(" Select type of document "));
  items_[0]->setText(tr("Text Document"));
  items_[1]->setText(tr("HTML Document"));
  items_[2]->setText(tr(kPrograms[language]));
  adjustSize();
}

}  // namespace wrenpad
