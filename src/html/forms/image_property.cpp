// SPDX-License-Identifier: GPL-3.0-or-later
#include "html/forms/image_property.h"

#include "platform/form_widgets.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

namespace wrenpad {

namespace {
// A preview larger than this many pixels a side is not drawn bigger.
constexpr int kLargestPreviewSide = 4000;
}  // namespace

TImageProperty::TImageProperty(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("ImageProperty"));
  setModal(true);
  auto* layout = new QVBoxLayout(this);
  RadioGroup = new QGroupBox(this);
  RadioGroup->setObjectName(QStringLiteral("RadioGroup"));
  auto* radios = new QHBoxLayout(RadioGroup);
  for (int i = 0; i < 3; ++i) {
    items_[i] = new QRadioButton(RadioGroup);
    items_[i]->setObjectName(QStringLiteral("RadioGroupItem%1").arg(i));
    radios->addWidget(items_[i]);
  }
  radios->addStretch();
  layout->addWidget(RadioGroup);
  auto* ratioRow = new QHBoxLayout;
  Label1 = new QLabel(this);
  SpinEdit = new QSpinBox(this);
  SpinEdit->setObjectName(QStringLiteral("SpinEdit"));
  SpinEdit->setRange(1, 10000);
  SpinEdit->setSingleStep(10);
  Label2 = new QLabel(QStringLiteral("%"), this);
  Label1->setBuddy(SpinEdit);
  ratioRow->addWidget(Label1);
  ratioRow->addWidget(SpinEdit);
  ratioRow->addWidget(Label2);
  ratioRow->addStretch();
  layout->addLayout(ratioRow);
  ScrollBox1 = new QScrollArea(this);
  ScrollBox1->setMinimumSize(320, 240);
  Image1 = new QLabel;
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setAlignment(Qt::AlignCenter);
  Image1->setWordWrap(true);
  ScrollBox1->setWidget(Image1);
  ScrollBox1->setWidgetResizable(false);
  layout->addWidget(ScrollBox1, 1);
  auto* buttons = new QHBoxLayout;
  btnOK = new QPushButton(this);
  captionOk(btnOK);
  btnOK->setObjectName(QStringLiteral("btnOK"));
  btnOK->setDefault(true);
  btnCancel = new QPushButton(this);
  btnCancel->setObjectName(QStringLiteral("btnCancel"));
  buttons->addStretch();
  buttons->addWidget(btnOK);
  buttons->addWidget(btnCancel);
  layout->addLayout(buttons);
  connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
  Timer1.setInterval(500);
  Timer1.setSingleShot(true);
  connect(&Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
  connect(SpinEdit, &QSpinBox::valueChanged, this, [this] { SpinEditChange(); });
  showValues(ImagePropertyValues{});
}

void TImageProperty::showValues(const ImagePropertyValues& values) {
  shown_ = values;
  retranslate();
  items_[std::clamp(values.alignment, 0, 2)]->setChecked(true);
  {
    const QSignalBlocker quiet(SpinEdit);
    SpinEdit->setValue(values.ratio);
  }
  Timer1Timer();
}

void TImageProperty::retranslate() {
  setWindowTitle(tr("Alignment of Image"));
  btnCancel->setText(tr("&Cancel"));
  RadioGroup->setTitle(tr(" Alignment "));
  items_[0]->setText(tr("Left"));
  items_[1]->setText(tr("Right"));
  items_[2]->setText(tr("None"));
  Label1->setText(tr("Ratio to the original size"));
  ScrollBox1->setAccessibleName(tr("Preview of the image"));
}

ImagePropertyValues TImageProperty::values() const {
  ImagePropertyValues values = shown_;
  for (int i = 0; i < 3; ++i)
    if (items_[i]->isChecked()) values.alignment = i;
  values.ratio = SpinEdit->value();
  return values;
}

// The preview follows the ratio half a second after its last change.
void TImageProperty::SpinEditChange() {
  Timer1.stop();
  Timer1.start();
}

void TImageProperty::Timer1Timer() {
  Timer1.stop();
  // A problem's words fill the box, whatever size it is laid out at; a
  // picture keeps its own size and scrolls.
  ScrollBox1->setWidgetResizable(shown_.picture.isNull());
  if (shown_.picture.isNull()) {
    Image1->setPixmap(QPixmap());
    Image1->setText(shown_.problem);
    return;
  }
  const int ratio = SpinEdit->value();
  const int width = std::clamp(shown_.picture.width() * ratio / 100, 1, kLargestPreviewSide);
  const int height = std::clamp(shown_.picture.height() * ratio / 100, 1, kLargestPreviewSide);
  Image1->setPixmap(QPixmap::fromImage(shown_.picture.scaled(width, height)));
  Image1->resize(width, height);
}

}  // namespace wrenpad
