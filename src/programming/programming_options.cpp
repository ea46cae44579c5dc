// SPDX-License-Identifier: GPL-3.0-or-later
#include "programming/programming_options.h"

#include "platform/form_widgets.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

namespace wrenpad {

namespace {

QSpinBox* spinField(QWidget* parent, const char* name, int step, int minimum, int maximum) {
  auto* spin = new QSpinBox(parent);
  spin->setObjectName(QString::fromLatin1(name));
  spin->setSingleStep(step);
  spin->setRange(minimum, maximum);
  return spin;
}

QLabel* label(QWidget* parent, const char* name) {
  auto* result = new QLabel(parent);
  result->setObjectName(QString::fromLatin1(name));
  return result;
}

constexpr int kLanguageCount = 4;

}  // namespace

TProgrammingOptions::TProgrammingOptions(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("ProgrammingOptions"));
  setModal(true);
  auto* layout = new QVBoxLayout(this);
  RadioGroup = new QGroupBox(this);
  RadioGroup->setObjectName(QStringLiteral("RadioGroup"));
  auto* groupLayout = new QVBoxLayout(RadioGroup);
  for (int i = 0; i < kLanguageCount; ++i) {
    auto* item = new QRadioButton(RadioGroup);
    item->setObjectName(QStringLiteral("RadioGroupItem%1").arg(i));
    connect(item, &QRadioButton::toggled, this, [this] { RadioGroupClick(); });
    groupLayout->addWidget(item);
    items_.push_back(item);
  }
  layout->addWidget(RadioGroup);

  // Sizes a page can show; the tab width fits the settings' small number.
  Label1 = label(this, "Label1");
  SpinEdit1 = spinField(this, "SpinEdit1", 10, 1, 10000);
  Label2 = label(this, "Label2");
  Label3 = label(this, "Label3");
  SpinEdit2 = spinField(this, "SpinEdit2", 10, 1, 10000);
  Label4 = label(this, "Label4");
  Label5 = label(this, "Label5");
  SpinEdit3 = spinField(this, "SpinEdit3", 1, 1, 127);
  Label1->setBuddy(SpinEdit1);
  Label3->setBuddy(SpinEdit2);
  Label5->setBuddy(SpinEdit3);
  auto* grid = new QGridLayout;
  grid->addWidget(Label1, 0, 0);
  grid->addWidget(SpinEdit1, 0, 1);
  grid->addWidget(Label2, 0, 2);
  grid->addWidget(Label3, 1, 0);
  grid->addWidget(SpinEdit2, 1, 1);
  grid->addWidget(Label4, 1, 2);
  grid->addWidget(Label5, 2, 0);
  grid->addWidget(SpinEdit3, 2, 1);
  layout->addLayout(grid);

  auto* buttons = new QHBoxLayout;
  auto* ok = new QPushButton(this);
  captionOk(ok);
  ok->setObjectName(QStringLiteral("Button1"));
  ok->setDefault(true);
  Button2 = new QPushButton(this);
  Button2->setObjectName(QStringLiteral("Button2"));
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(Button2);
  buttons->addStretch();
  layout->addLayout(buttons);
  setMinimumSize(309, 272);
  showValues(ProgrammingOptionsValues{});
}

void TProgrammingOptions::showValues(const ProgrammingOptionsValues& values) {
  shown_ = values;
  confirmed_ = false;
  retranslate();
  for (int i = 0; i < kLanguageCount; ++i) items_[i]->setText(values.languages.value(i));
  items_[std::clamp(values.language, 0, kLanguageCount - 1)]->setChecked(true);
  SpinEdit1->setValue(values.appletWidth);
  SpinEdit2->setValue(values.appletHeight);
  SpinEdit3->setValue(values.tabWidth);
  RadioGroupClick();
}

// The captions in the interface language of the moment.
void TProgrammingOptions::retranslate() {
  setWindowTitle(tr("Options on Programming"));
  RadioGroup->setTitle(tr(" Programming Language  "));
  Label1->setText(tr("Width of Applet"));
  Label2->setText(tr("pixel"));
  Label3->setText(tr("Height of Applet"));
  Label4->setText(tr("pixel"));
  Label5->setText(tr("Width of Tab"));
  SpinEdit1->setAccessibleDescription(Label2->text());
  SpinEdit2->setAccessibleDescription(Label4->text());
  Button2->setText(tr("&Cancel"));
}

ProgrammingOptionsValues TProgrammingOptions::values() const {
  ProgrammingOptionsValues values = shown_;
  for (int i = 0; i < kLanguageCount; ++i)
    if (items_[i]->isChecked()) values.language = i;
  values.appletWidth = SpinEdit1->value();
  values.appletHeight = SpinEdit2->value();
  values.tabWidth = SpinEdit3->value();
  values.confirmed = confirmed_;
  return values;
}

void TProgrammingOptions::done(int result) {
  confirmed_ = result == QDialog::Accepted;
  QDialog::done(QDialog::Accepted);
}

// The applet size matters to Java only.
void TProgrammingOptions::RadioGroupClick() {
  const bool java = items_[1]->isChecked();
  for (QWidget* widget : {static_cast<QWidget*>(Label1), static_cast<QWidget*>(Label2),
                          static_cast<QWidget*>(Label3), static_cast<QWidget*>(Label4),
                          static_cast<QWidget*>(SpinEdit1), static_cast<QWidget*>(SpinEdit2)})
    widget->setEnabled(java);
}

}  // namespace wrenpad
