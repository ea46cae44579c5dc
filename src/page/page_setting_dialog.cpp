// SPDX-License-Identifier: GPL-3.0-or-later
#include "page/page_setting_dialog.h"

#include "platform/form_widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <limits>

namespace wrenpad {

namespace {

// Spin fields without a practical bound, stepping as the page's lengths do.
QSpinBox* lengthField(QWidget* parent, const char* name, int step) {
  auto* spin = new QSpinBox(parent);
  spin->setObjectName(QString::fromLatin1(name));
  spin->setRange(-99999, 99999);
  spin->setSingleStep(step);
  return spin;
}

QComboBox* unitBox(QWidget* parent, const char* name, const QStringList& units) {
  auto* box = new QComboBox(parent);
  box->setObjectName(QString::fromLatin1(name));
  box->addItems(units);
  return box;
}

// A length field shows its number, or, for a length it cannot hold, the
// page's own text read-only.
void showLength(QSpinBox* spin, int number, const QString& asWritten) {
  spin->setSpecialValueText(asWritten);
  spin->setEnabled(asWritten.isEmpty());
  spin->setValue(asWritten.isEmpty() ? number : spin->minimum());
  // The field widens to the whole text when the dialog is laid out again.
  spin->updateGeometry();
}

// The unit's item; a unit the box does not offer selects the empty item.
void selectUnit(QComboBox* box, const QString& unit) {
  const int index = box->findText(unit);
  box->setCurrentIndex(index >= 0 ? index : box->count() - 1);
}

}  // namespace

THtmlPageSetting::THtmlPageSetting(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("HtmlPageSetting"));
  setModal(true);
  auto* layout = new QVBoxLayout(this);

  auto* titleRow = new QHBoxLayout;
  Panel1 = new QLabel(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Edit1 = new QLineEdit(this);
  Edit1->setObjectName(QStringLiteral("Edit1"));
  Panel1->setBuddy(Edit1);
  titleRow->addWidget(Panel1);
  titleRow->addWidget(Edit1, 1);
  layout->addLayout(titleRow);

  GroupBox1 = new QGroupBox(this);
  GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
  auto* background = new QGridLayout(GroupBox1);
  RadioButton1 = new QRadioButton(GroupBox1);
  RadioButton1->setObjectName(QStringLiteral("RadioButton1"));
  RadioButton2 = new QRadioButton(GroupBox1);
  RadioButton2->setObjectName(QStringLiteral("RadioButton2"));
  ColorPanel = new ColourPanel(QString(), GroupBox1);
  ColorPanel->setObjectName(QStringLiteral("ColorPanel"));
  ColorPanel->setMinimumSize(120, 24);
  edImgFile = new QLineEdit(GroupBox1);
  edImgFile->setObjectName(QStringLiteral("edImgFile"));
  cbOpenImg = new QPushButton(QStringLiteral("..."), GroupBox1);
  cbOpenImg->setObjectName(QStringLiteral("cbOpenImg"));
  background->addWidget(RadioButton1, 0, 0);
  background->addWidget(ColorPanel, 0, 1, 1, 2);
  background->addWidget(RadioButton2, 1, 0);
  background->addWidget(edImgFile, 1, 1);
  background->addWidget(cbOpenImg, 1, 2);
  layout->addWidget(GroupBox1);
  connect(RadioButton1, &QRadioButton::toggled, this, [this] { RadioButton1Click(); });
  connect(ColorPanel, &ColourPanel::clicked, this, [this] { ColorPanelClick(); });
  connect(cbOpenImg, &QPushButton::clicked, this, [this] { cbOpenImgClick(); });

  chkUseJavaScript = new QCheckBox(this);
  chkUseJavaScript->setObjectName(QStringLiteral("chkUseJavaScript"));
  chkLinkUnderLine = new QCheckBox(this);
  chkLinkUnderLine->setObjectName(QStringLiteral("chkLinkUnderLine"));
  layout->addWidget(chkUseJavaScript);
  layout->addWidget(chkLinkUnderLine);

  GroupBox2 = new QGroupBox(this);
  GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
  auto* margins = new QGridLayout(GroupBox2);
  TopMargin = lengthField(GroupBox2, "TopMargin", 5);
  BottomMargin = lengthField(GroupBox2, "BottomMargin", 5);
  LeftMargin = lengthField(GroupBox2, "LeftMargin", 5);
  RightMargin = lengthField(GroupBox2, "RightMargin", 5);
  QSpinBox* marginFields[] = {TopMargin, BottomMargin, LeftMargin, RightMargin};
  for (int i = 0; i < 4; ++i) {
    marginLabels_[i] = new QLabel(GroupBox2);
    margins->addWidget(marginLabels_[i], i / 2, (i % 2) * 2);
    margins->addWidget(marginFields[i], i / 2, (i % 2) * 2 + 1);
  }
  cbMarginUnit = unitBox(GroupBox2, "cbMarginUnit", {"mm", "%", "px", ""});
  margins->addWidget(cbMarginUnit, 2, 3);
  layout->addWidget(GroupBox2);

  auto* lineRow = new QHBoxLayout;
  Label5 = new QLabel(this);
  Label5->setObjectName(QStringLiteral("Label5"));
  LineHeight = lengthField(this, "LineHeight", 10);
  cbLineHeightUnit = unitBox(this, "cbLineHeightUnit", {"%", "pt", "mm", ""});
  Label5->setBuddy(LineHeight);
  lineRow->addWidget(Label5);
  lineRow->addWidget(LineHeight);
  lineRow->addWidget(cbLineHeightUnit);
  lineRow->addStretch();
  layout->addLayout(lineRow);

  FontFrame = new TFontFrame(this);
  FontFrame->setObjectName(QStringLiteral("FontFrame"));
  layout->addWidget(FontFrame);

  layout->addLayout(okCancelRow(this, btnOK, btnCancel));
  setMinimumWidth(339);
  showValues(PageSettingValues{});
}

void THtmlPageSetting::setColourChooser(ColourChooser chooser) {
  colourChooser_ = chooser;
  FontFrame->setColourChooser(std::move(chooser));
}

void THtmlPageSetting::retranslate() {
  setWindowTitle(tr("Setting property of the HTML page."));
  GroupBox1->setTitle(tr(" Background "));
  ColorPanel->setText(tr("Click Here"));
  RadioButton1->setText(tr("Color"));
  RadioButton2->setText(tr("Image"));
  Panel1->setText(tr("Title :"));
  chkUseJavaScript->setText(tr("It will contain JavaScript"));
  chkLinkUnderLine->setText(tr("Underline below link appear only if mouse cursor comes"));
  GroupBox2->setTitle(tr("   Margin   "));
  Label5->setText(tr("Line Height"));
  const QString marginNames[] = {tr("Top"), tr("Bottom"), tr("Left"), tr("Right")};
  for (int i = 0; i < 4; ++i) marginLabels_[i]->setText(marginNames[i]);
  // The margin fields sit in the margin frame, whose title screen readers
  // would give all four.
  const QString marginFieldNames[] = {tr("Top margin"), tr("Bottom margin"), tr("Left margin"), tr("Right margin")};
  QSpinBox* marginFields[] = {TopMargin, BottomMargin, LeftMargin, RightMargin};
  for (int i = 0; i < 4; ++i) marginFields[i]->setAccessibleName(marginFieldNames[i]);
  cbMarginUnit->setAccessibleName(tr("Unit of the margins"));
  cbLineHeightUnit->setAccessibleName(tr("Unit of the line height"));
  ColorPanel->setAccessibleName(tr("Background colour"));
  edImgFile->setAccessibleName(tr("Background image file"));
  cbOpenImg->setAccessibleName(tr("Choose an image file"));
  cbOpenImg->setToolTip(tr("Select"));
  btnCancel->setText(tr("&Cancel"));
  FontFrame->retranslate();
}

void THtmlPageSetting::showValues(const PageSettingValues& values) {
  shown_ = values;
  retranslate();
  Edit1->setText(values.title);
  chkUseJavaScript->setChecked(values.useJavaScript);
  chkLinkUnderLine->setChecked(values.linkUnderline);
  (values.colourChosen ? RadioButton1 : RadioButton2)->setChecked(true);
  ColorPanel->setColour(values.background);
  edImgFile->setText(values.imageFile);
  showLength(TopMargin, values.marginTop, values.marginsAsWritten[0]);
  showLength(BottomMargin, values.marginBottom, values.marginsAsWritten[1]);
  showLength(LeftMargin, values.marginLeft, values.marginsAsWritten[2]);
  showLength(RightMargin, values.marginRight, values.marginsAsWritten[3]);
  selectUnit(cbMarginUnit, values.marginUnit);
  showLength(LineHeight, values.lineHeight, values.lineHeightAsWritten);
  selectUnit(cbLineHeightUnit, values.lineHeightUnit);
  cbLineHeightUnit->setEnabled(values.lineHeightAsWritten.isEmpty());
  FontFrame->setFontNames(values.fontNames);
  FontFrame->showValues(values.font);
  RadioButton1Click();
  adjustSize();
}

PageSettingValues THtmlPageSetting::values() const {
  PageSettingValues values = shown_;
  values.title = Edit1->text();
  values.useJavaScript = chkUseJavaScript->isChecked();
  values.linkUnderline = chkLinkUnderLine->isChecked();
  values.colourChosen = RadioButton1->isChecked();
  values.background = ColorPanel->colour();
  values.imageFile = edImgFile->text();
  // A length kept as the page writes it keeps the value it was shown with.
  const auto length = [](const QSpinBox* spin, int shown) { return spin->isEnabled() ? spin->value() : shown; };
  values.marginTop = length(TopMargin, shown_.marginTop);
  values.marginBottom = length(BottomMargin, shown_.marginBottom);
  values.marginLeft = length(LeftMargin, shown_.marginLeft);
  values.marginRight = length(RightMargin, shown_.marginRight);
  values.marginUnit = cbMarginUnit->currentText();
  values.lineHeight = length(LineHeight, shown_.lineHeight);
  if (cbLineHeightUnit->isEnabled()) values.lineHeightUnit = cbLineHeightUnit->currentText();
  values.font = FontFrame->values();
  return values;
}

// The colour panel with a colour background, the picture's field and button
// with a picture.
void THtmlPageSetting::RadioButton1Click() {
  const bool colour = RadioButton1->isChecked();
  ColorPanel->setVisible(colour);
  edImgFile->setEnabled(!colour);
  cbOpenImg->setEnabled(!colour);
}

void THtmlPageSetting::ColorPanelClick() {
  if (!colourChooser_) return;
  if (const std::optional<QColor> chosen = colourChooser_(ColorPanel->colour())) ColorPanel->setColour(*chosen);
}

void THtmlPageSetting::cbOpenImgClick() {
  if (!pictureChooser_) return;
  const QString picture = pictureChooser_();
  if (picture.isEmpty()) return;
  edImgFile->setText(picture);
  RadioButton2->setChecked(true);
}

}  // namespace wrenpad
