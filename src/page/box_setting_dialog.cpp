// SPDX-License-Identifier: GPL-3.0-or-later
#include "page/box_setting_dialog.h"

#include "platform/form_widgets.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

namespace wrenpad {

namespace {

// The width of each of the panel's two bevels.
constexpr int kBevelWidth = 2;
// A long selection shows its first characters only, and a huge padding is
// drawn at this size, so the preview always fits the dialog.
constexpr int kSampleCharacters = 40;
constexpr int kPreviewPaddingLimit = 60;

QString previewSample(const QString& selected) {
  QString sample = selected.section(QStringLiteral("\r\n"), 0, 0).section(u'\n', 0, 0);
  //: Stays English in the Japanese interface, as designed.
  if (sample.isEmpty()) return QCoreApplication::translate("BoxSetting", "Example");
  if (sample.size() > kSampleCharacters) sample = sample.left(kSampleCharacters) + QStringLiteral("…");
  return sample;
}

// The frame each border style draws: outset raises both bevels, inset lowers
// both, ridge raises the outer and lowers the inner, groove the other way.
void applyBorderStyle(QFrame& frame, const QString& style) {
  if (style == u"inset") {
    frame.setFrameStyle(QFrame::Panel | QFrame::Sunken);
  } else if (style == u"ridge") {
    frame.setFrameStyle(QFrame::Box | QFrame::Raised);
  } else if (style == u"groove") {
    frame.setFrameStyle(QFrame::Box | QFrame::Sunken);
  } else {
    frame.setFrameStyle(QFrame::Panel | QFrame::Raised);
  }
  // Both kinds draw two bevels of one pixel each.
  frame.setLineWidth(style == u"ridge" || style == u"groove" ? 1 : kBevelWidth);
  frame.setMidLineWidth(0);
}

QLabel* namedLabel(QWidget* parent, const char* name) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromLatin1(name));
  return label;
}

}  // namespace

// ---- BoxPreview ---------------------------------------------------------------------

BoxPreview::BoxPreview(QWidget* parent) : QFrame(parent) {
  setObjectName(QStringLiteral("Example"));
  setAutoFillBackground(true);
  showBox(QString(), BoxClassValues{});
}

void BoxPreview::showBox(const QString& sample, const BoxClassValues& box) {
  sample_ = previewSample(sample);
  font_ = font();
  if (!box.font.fontName.isEmpty()) font_.setFamily(box.font.fontName);
  font_.setPointSize(std::max(box.font.size, 1));
  textColour_ = box.font.colour;
  padding_ = std::clamp(box.padding, 0, kPreviewPaddingLimit);
  applyBorderStyle(*this, box.borderStyle);
  QPalette shades = palette();
  shades.setColor(QPalette::Window, box.background);
  setPalette(shades);
  const QFontMetrics metrics(font_);
  const int extra = 2 * padding_ + 2 * kBevelWidth + 2;
  setFixedSize(metrics.horizontalAdvance(sample_) + extra, metrics.height() + extra);
  update();
}

void BoxPreview::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  QPainter painter(this);
  painter.setFont(font_);
  painter.setPen(textColour_);
  const int inset = padding_ + kBevelWidth + 1;
  painter.drawText(QPoint(inset, inset + QFontMetrics(font_).ascent()), sample_);
}

// ---- TBoxSetting ----------------------------------------------------------------------

TBoxSetting::TBoxSetting(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("BoxSetting"));
  //: Stays English in the Japanese interface, as designed.
  setWindowTitle(tr("BoxSetting"));
  setModal(true);
  auto* layout = new QVBoxLayout(this);

  // The preview stands centred in a band tall enough for the largest font.
  auto* band = new QWidget(this);
  band->setMinimumHeight(110);
  auto* bandRow = new QHBoxLayout(band);
  Example = new BoxPreview(band);
  bandRow->addStretch();
  bandRow->addWidget(Example, 0, Qt::AlignVCenter);
  bandRow->addStretch();
  layout->addWidget(band);

  auto* grid = new QGridLayout;
  Label1 = namedLabel(this, "Label1");
  cbClassName = new QComboBox(this);
  cbClassName->setObjectName(QStringLiteral("cbClassName"));
  cbClassName->setEditable(true);
  cbClassName->setInsertPolicy(QComboBox::NoInsert);
  Label3 = namedLabel(this, "Label3");
  cbBorderStyle = new QComboBox(this);
  cbBorderStyle->setObjectName(QStringLiteral("cbBorderStyle"));
  cbBorderStyle->addItems(kBoxBorderStyles);
  Label4 = namedLabel(this, "Label4");
  ColorEdit = new ColourPanel(tr("     Color"), this);
  ColorEdit->setObjectName(QStringLiteral("ColorEdit"));
  Label5 = namedLabel(this, "Label5");
  sePadding = new QSpinBox(this);
  sePadding->setObjectName(QStringLiteral("sePadding"));
  sePadding->setRange(-99999, 99999);
  Label2 = namedLabel(this, "Label2");
  //: Stays English in the Japanese interface, as designed.
  Label2->setText(tr("pt"));
  auto* paddingRow = new QHBoxLayout;
  paddingRow->addWidget(sePadding);
  paddingRow->addWidget(Label2);
  paddingRow->addStretch();
  // Screen readers name each field after its label.
  Label1->setBuddy(cbClassName);
  Label3->setBuddy(cbBorderStyle);
  Label4->setBuddy(ColorEdit);
  Label5->setBuddy(sePadding);
  grid->addWidget(Label1, 0, 0);
  grid->addWidget(cbClassName, 0, 1);
  grid->addWidget(Label3, 1, 0);
  grid->addWidget(cbBorderStyle, 1, 1);
  grid->addWidget(Label4, 2, 0);
  grid->addWidget(ColorEdit, 2, 1);
  grid->addWidget(Label5, 3, 0);
  grid->addLayout(paddingRow, 3, 1);
  grid->setColumnStretch(1, 1);
  layout->addLayout(grid);

  FontFrame = new TFontFrame(this);
  layout->addWidget(FontFrame);

  layout->addLayout(okCancelRow(this, btnOK, btnCancel));

  const auto preview = [this] { UpdateBoxPreview(); };
  connect(cbClassName, &QComboBox::currentTextChanged, this, [this] { cbClassNameChange(); });
  connect(cbBorderStyle, &QComboBox::currentIndexChanged, this, preview);
  connect(ColorEdit, &ColourPanel::clicked, this, [this] { ColorEditClick(); });
  connect(sePadding, &QSpinBox::valueChanged, this, preview);
  // The frame's own handlers are connected first, so the preview sees their result.
  connect(FontFrame->cbHtmlFontName, &QComboBox::currentTextChanged, this, preview);
  connect(FontFrame->SpinEdit, &QSpinBox::valueChanged, this, preview);
  connect(FontFrame->cbFontSizeUnit, &QComboBox::currentIndexChanged, this, preview);
  connect(FontFrame->FontColorPanel, &ColourPanel::clicked, this, preview);
  setMinimumWidth(366);
  showValues(BoxSettingValues{});
}

void TBoxSetting::setColourChooser(ColourChooser chooser) {
  colourChooser_ = chooser;
  FontFrame->setColourChooser(std::move(chooser));
}

void TBoxSetting::retranslate() {
  Label1->setText(tr("Class Name :"));
  Label3->setText(tr("Border Style"));
  Label4->setText(tr("Background Color"));
  Label5->setText(tr("Padding"));
  ColorEdit->setText(tr("     Color"));
  FontFrame->retranslate();
  // This dialog's frame caption is written without the frame's own margin
  // in Japanese.
  FontFrame->GroupBox->setTitle(tr("   Default Font   "));
  btnCancel->setText(tr("&Cancel"));
}

void TBoxSetting::showValues(const BoxSettingValues& values) {
  showing_ = true;
  shown_ = values;
  retranslate();
  {
    const QSignalBlocker quiet(cbClassName);
    cbClassName->clear();
    cbClassName->addItems(values.classNames);
    cbClassName->setCurrentIndex(int(values.classNames.indexOf(values.className)));
    cbClassName->setEditText(values.className);
  }
  FontFrame->setFontNames(values.fontNames);
  showBox(values.box);
  showing_ = false;
  UpdateBoxPreview();
  adjustSize();
}

BoxSettingValues TBoxSetting::values() const {
  BoxSettingValues values = shown_;
  values.className = cbClassName->currentText();
  values.box = box();
  return values;
}

void TBoxSetting::showBox(const BoxClassValues& box) {
  const bool wasShowing = showing_;
  showing_ = true;
  const int style = int(kBoxBorderStyles.indexOf(box.borderStyle));
  cbBorderStyle->setCurrentIndex(std::max(style, 0));
  ColorEdit->setColour(box.background);
  sePadding->setValue(box.padding);
  FontFrame->showValues(box.font);
  showing_ = wasShowing;
}

BoxClassValues TBoxSetting::box() const {
  BoxClassValues box;
  box.borderStyle = cbBorderStyle->currentText();
  box.background = ColorEdit->colour();
  box.padding = sePadding->value();
  box.font = FontFrame->values();
  return box;
}

// Another class chosen or typed: its values as the page gives them.
void TBoxSetting::cbClassNameChange() {
  if (classReader_) showBox(classReader_(cbClassName->currentText(), box()));
  UpdateBoxPreview();
}

void TBoxSetting::ColorEditClick() {
  if (colourChooser_)
    if (const std::optional<QColor> chosen = colourChooser_(ColorEdit->colour())) ColorEdit->setColour(*chosen);
  UpdateBoxPreview();
}

void TBoxSetting::UpdateBoxPreview() {
  if (!showing_) Example->showBox(shown_.sample, box());
}

}  // namespace wrenpad
