// SPDX-License-Identifier: GPL-3.0-or-later
#include "html/forms/html_font_dialog.h"

#include "html/font_tag.h"
#include "platform/form_widgets.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <algorithm>

namespace wrenpad {

namespace {

void fillItems(QComboBox& box, const QStringList& items) {
  QStringList current;
  for (int i = 0; i < box.count(); ++i) current << box.itemText(i);
  if (current == items) return;
  box.clear();
  box.addItems(items);
}

}  // namespace

THtmlFontDialog::THtmlFontDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("HtmlFontDialog"));
  //: Stays English in the Japanese interface, as designed.
  setWindowTitle(tr("Please set font."));
  setModal(true);

  ComboBox1 = new QComboBox(this);
  ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
  // A face list such as "Arial, Helvetica" may be typed as well as chosen.
  ComboBox1->setEditable(true);
  ComboBox1->setInsertPolicy(QComboBox::NoInsert);
  ComboBox1->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  ComboBox1->setMinimumContentsLength(20);

  //: Stays English in the Japanese interface, as designed.
  ColorPanel = new ColourPanel(tr("Color"), this);
  ColorPanel->setObjectName(QStringLiteral("ColorPanel"));
  //: Stays English in the Japanese interface, as designed.
  Label1 = new QLabel(tr("Size"), this);
  Label1->setObjectName(QStringLiteral("Label1"));
  // Wide enough for the longer of its captions.
  Label1->setMinimumWidth(Label1->fontMetrics().horizontalAdvance(tr("Size: +")) + 4);
  SpinEdit = new QSpinBox(this);
  SpinEdit->setObjectName(QStringLiteral("SpinEdit"));
  SpinEdit->setRange(-3, 3);
  SpinEdit->setValue(3);
  Label1->setBuddy(SpinEdit);

  //: Stays English in the Japanese interface, as designed.
  Label2 = new QLabel(tr("class ="), this);
  Label2->setObjectName(QStringLiteral("Label2"));
  ComboBox2 = new QComboBox(this);
  ComboBox2->setObjectName(QStringLiteral("ComboBox2"));
  ComboBox2->setEditable(true);
  ComboBox2->setInsertPolicy(QComboBox::NoInsert);
  ComboBox2->setMinimumContentsLength(12);
  Label2->setBuddy(ComboBox2);

  btnOK = new QPushButton(this);
  captionOk(btnOK);
  btnOK->setObjectName(QStringLiteral("btnOK"));
  btnOK->setDefault(true);
  //: Stays English in the Japanese interface, as designed.
  btnCancel = new QPushButton(tr("&Cancel"), this);
  btnCancel->setObjectName(QStringLiteral("btnCancel"));

  auto* grid = new QGridLayout(this);
  grid->addWidget(ComboBox1, 0, 0, 1, 4);
  grid->addWidget(ColorPanel, 1, 0);
  grid->addWidget(Label1, 1, 2, Qt::AlignRight);
  grid->addWidget(SpinEdit, 1, 3);
  grid->addWidget(Label2, 2, 0, Qt::AlignRight);
  grid->addWidget(ComboBox2, 2, 1, 1, 3);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(btnOK);
  buttons->addWidget(btnCancel);
  grid->addLayout(buttons, 3, 0, 1, 4);
  grid->setColumnStretch(1, 1);

  connect(ColorPanel, &ColourPanel::clicked, this, &THtmlFontDialog::ColorPanelClick);
  connect(SpinEdit, &QSpinBox::valueChanged, this, &THtmlFontDialog::SpinEditChange);
  connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
  SpinEditChange();
  retranslate();
}

// What screen readers read, in the interface's language, which may have
// changed since the dialog was made; the captions stay English, and the
// size's label changes with the size.
void THtmlFontDialog::retranslate() {
  ComboBox1->setAccessibleName(tr("Font face"));
  ColorPanel->setAccessibleName(tr("Text colour"));
  SpinEdit->setAccessibleName(tr("Font size"));
  ComboBox2->setAccessibleName(tr("Class name"));
}

void THtmlFontDialog::showValues(const HtmlFontValues& values) {
  retranslate();
  fillItems(*ComboBox1, values.faces);
  pageFontName_ = values.pageFontName;
  if (values.face.isEmpty()) {
    const int preselected = PreselectedFaceIndex(values.faces, values.pageFontName);
    ComboBox1->setCurrentIndex(preselected);
    if (preselected < 0) ComboBox1->setEditText(QString());
  } else {
    ComboBox1->setCurrentIndex(ComboBox1->findText(values.face, Qt::MatchFixedString | Qt::MatchCaseSensitive));
    ComboBox1->setEditText(values.face);
  }
  ColorPanel->setColour(values.colour);
  SpinEdit->setValue(std::clamp(values.size, -3, 3));
  SpinEditChange();
  fillItems(*ComboBox2, values.classes);
  ComboBox2->setCurrentIndex(ComboBox2->findText(values.className, Qt::MatchFixedString | Qt::MatchCaseSensitive));
  ComboBox2->setEditText(values.className);
}

HtmlFontValues THtmlFontDialog::values() const {
  HtmlFontValues values;
  for (int i = 0; i < ComboBox1->count(); ++i) values.faces << ComboBox1->itemText(i);
  for (int i = 0; i < ComboBox2->count(); ++i) values.classes << ComboBox2->itemText(i);
  values.face = ComboBox1->currentText();
  values.pageFontName = pageFontName_;
  values.colour = ColorPanel->colour();
  values.size = SpinEdit->value();
  values.className = ComboBox2->currentText();
  return values;
}

// Centred on the screen, as the dialog has no place of its own.
void THtmlFontDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (const QScreen* shown = screen()) move(shown->availableGeometry().center() - rect().center());
  ComboBox1->setFocus();
}

void THtmlFontDialog::ColorPanelClick() {
  if (!chooser_) return;
  if (const std::optional<QColor> chosen = chooser_(ColorPanel->colour())) ColorPanel->setColour(*chosen);
}

void THtmlFontDialog::SpinEditChange() {
  //: Stays English in the Japanese interface, as designed.
  Label1->setText(SpinEdit->value() >= 0 ? tr("Size: +") : tr("Size: "));
}

}  // namespace wrenpad
