// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/doc_type_dialog.h"

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
  auto* ok = new QPushButton(QStringLiteral("&O K"), this);
  ok->setObjectName(QStringLiteral("Button1"));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  layout->addWidget(ok, 0, Qt::AlignHCenter);
  setMinimumSize(223, 169);
  showValues(DocumentTypeValues{});
}

void TDocType::showValues(const DocumentTypeValues& values) {
  shown_ = values;
  setTexts(values.japanese, values.languageMode);
  for (int i = 0; i < 3; ++i) items_[i]->setEnabled(values.choosable[i]);
  items_[std::clamp(values.kind, 0, 2)]->setChecked(true);
}

DocumentTypeValues TDocType::values() const {
  DocumentTypeValues values = shown_;
  for (int i = 0; i < 3; ++i)
    if (items_[i]->isChecked()) values.kind = i;
  return values;
}

void TDocType::setTexts(bool japanese, int languageMode) {
  static const char* const kEnglishPrograms[] = {"C/C++ program", "Java program", "Perl script",
                                                 "Pascal program"};
  static const char16_t* const kJapanesePrograms[] = {u"C/C++プログラム", u"Javaプログラム",
                                                      u"Perlスクリプト", u"Pascalプログラム"};
  const int language = (languageMode >= 0 && languageMode <= 3) ? languageMode : 0;
  setWindowTitle(QStringLiteral("Wrenpad"));
  if (japanese) {
    RadioGroup->setTitle(QStringLiteral(" 文書の種類を選択して下さい "));
    items_[0]->setText(QStringLiteral("テキスト文書"));
    items_[1]->setText(QStringLiteral("HTML文書"));
    items_[2]->setText(QString::fromUtf16(kJapanesePrograms[language]));
  } else {
    RadioGroup->setTitle(QStringLiteral(" Select type of document "));
    items_[0]->setText(QStringLiteral("Text Document"));
    items_[1]->setText(QStringLiteral("HTML Document"));
    items_[2]->setText(QString::fromLatin1(kEnglishPrograms[language]));
  }
  adjustSize();
}

}  // namespace wrenpad
