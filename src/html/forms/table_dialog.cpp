// SPDX-License-Identifier: GPL-3.0-or-later
#include "html/forms/table_dialog.h"

#include "platform/form_widgets.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

namespace wrenpad {

namespace {

constexpr int kMaxCount = 100;
constexpr int kMaxNumber = 1000;

QSpinBox* spinField(QWidget* parent, const char* name, int minimum, int maximum, int value) {
  auto* spin = new QSpinBox(parent);
  spin->setObjectName(QString::fromLatin1(name));
  spin->setRange(minimum, maximum);
  spin->setValue(value);
  return spin;
}

// A height or width box: whole numbers only, so every text converts (empty means none).
QLineEdit* numberField(QWidget* parent, const char* name) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(QString::fromLatin1(name));
  edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,6}")), edit));
  edit->setMaximumWidth(80);
  return edit;
}

QLabel* label(QWidget* parent, const char* name, QWidget* buddy) {
  auto* text = new QLabel(parent);
  text->setObjectName(QString::fromLatin1(name));
  text->setBuddy(buddy);
  return text;
}

void growTo(std::vector<int>& list, int count) {
  if (count > int(list.size())) list.resize(std::size_t(count), 0);
}

// Stores a box's text as the 1-based entry `number`; empty text stores 0.
void storeEntry(std::vector<int>& list, int number, const QString& text) {
  growTo(list, number);
  list[std::size_t(number - 1)] = text.toInt();
}

int entryAt(std::vector<int>& list, int number) {
  growTo(list, number);
  return list[std::size_t(number - 1)];
}

// The value shown when the dialog opens: empty for none.
QString shownEntry(int value) { return value != 0 ? QString::number(value) : QString(); }

}  // namespace

TTableDialog::TTableDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TableDialog"));
  setModal(true);

  Edit1 = new QLineEdit(this);
  Edit1->setObjectName(QStringLiteral("Edit1"));
  edNumRow = spinField(this, "edNumRow", 0, kMaxCount, 2);
  edNumCol = spinField(this, "edNumCol", 0, kMaxCount, 2);
  edRowNo = spinField(this, "edRowNo", 1, kMaxNumber, 1);
  edRowNo->setMaximum(2);
  edRowHeight = numberField(this, "edRowHeight");
  edColNo = spinField(this, "edColNo", 1, kMaxNumber, 1);
  edColNo->setMaximum(2);
  edColWidth = numberField(this, "edColWidth");
  Border = spinField(this, "Border", 0, kMaxCount, 3);
  CellSpacing = spinField(this, "CellSpacing", 0, kMaxCount, 2);
  CellPadding = spinField(this, "CellPadding", 0, kMaxCount, 2);
  Label9 = label(this, "Label9", Edit1);
  Label1 = label(this, "Label1", edNumRow);
  Label2 = label(this, "Label2", edNumCol);
  Label7 = label(this, "Label7", edRowNo);
  Label6 = label(this, "Label6", edColNo);
  Label3 = label(this, "Label3", Border);
  Label4 = label(this, "Label4", CellSpacing);
  Label5 = label(this, "Label5", CellPadding);

  RadioGroup1 = new QGroupBox(this);
  RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
  alignmentButtons = new QButtonGroup(this);
  auto* alignments = new QHBoxLayout(RadioGroup1);
  for (int index = 0; index < 3; ++index) {
    auto* button = new QRadioButton(RadioGroup1);
    button->setObjectName(QStringLiteral("RadioGroup1Item%1").arg(index));
    alignmentButtons->addButton(button, index);
    alignments->addWidget(button);
  }
  alignmentButtons->button(0)->setChecked(true);

  CheckBox1 = new QCheckBox(this);
  CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
  ColorEdit1 = new ColourPanel(tr("     Color"), this);
  ColorEdit1->setObjectName(QStringLiteral("ColorEdit1"));
  ColorEdit1->setMinimumWidth(100);
  ColorEdit1->setColour(Qt::white);
  CheckBox2 = new QCheckBox(this);
  CheckBox2->setObjectName(QStringLiteral("CheckBox2"));
  FontFrame = new TFontFrame(this);
  FontFrame->setObjectName(QStringLiteral("FontFrame"));

  OKButton = new QPushButton(this);
  captionOk(OKButton);
  OKButton->setObjectName(QStringLiteral("OKButton"));
  OKButton->setDefault(true);
  CancelButton = new QPushButton(tr("&Cancel"), this);
  CancelButton->setObjectName(QStringLiteral("CancelButton"));

  auto* grid = new QGridLayout;
  grid->addWidget(Label9, 0, 0, Qt::AlignRight);
  grid->addWidget(Edit1, 0, 1, 1, 4);
  grid->addWidget(Label1, 1, 0, Qt::AlignRight);
  grid->addWidget(edNumRow, 1, 1);
  grid->addWidget(Label7, 1, 2, Qt::AlignRight);
  grid->addWidget(edRowNo, 1, 3);
  auto* rowEquals = new QHBoxLayout;
  rowEquals->addWidget(new QLabel(QStringLiteral("="), this));
  rowEquals->addWidget(edRowHeight);
  grid->addLayout(rowEquals, 1, 4);
  grid->addWidget(Label2, 2, 0, Qt::AlignRight);
  grid->addWidget(edNumCol, 2, 1);
  grid->addWidget(Label6, 2, 2, Qt::AlignRight);
  grid->addWidget(edColNo, 2, 3);
  auto* columnEquals = new QHBoxLayout;
  columnEquals->addWidget(new QLabel(QStringLiteral("="), this));
  columnEquals->addWidget(edColWidth);
  grid->addLayout(columnEquals, 2, 4);
  grid->addWidget(Label3, 3, 0, Qt::AlignRight);
  grid->addWidget(Border, 3, 1);
  grid->addWidget(Label4, 4, 0, Qt::AlignRight);
  grid->addWidget(CellSpacing, 4, 1);
  grid->addWidget(Label5, 5, 0, Qt::AlignRight);
  grid->addWidget(CellPadding, 5, 1);
  grid->addWidget(RadioGroup1, 3, 2, 3, 3);

  auto* background = new QHBoxLayout;
  background->addWidget(CheckBox1);
  background->addWidget(ColorEdit1);
  background->addStretch();
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(OKButton);
  buttons->addWidget(CancelButton);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addLayout(background);
  layout->addWidget(CheckBox2);
  layout->addWidget(FontFrame);
  layout->addLayout(buttons);

  connect(edNumRow, &QSpinBox::valueChanged, this, [this] { edNumRowChange(); });
  connect(edNumCol, &QSpinBox::valueChanged, this, [this] { edNumColChange(); });
  connect(edRowNo, &QSpinBox::valueChanged, this, [this] { edRowNoChange(); });
  connect(edColNo, &QSpinBox::valueChanged, this, [this] { edColNoChange(); });
  connect(ColorEdit1, &ColourPanel::clicked, this, [this] { ColorEdit1Click(); });
  connect(OKButton, &QPushButton::clicked, this, [this] { OKButtonClick(); });
  connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
  retranslate();
}

void TTableDialog::setColourChooser(ColourChooser chooser) {
  chooser_ = chooser;
  FontFrame->setColourChooser(std::move(chooser));
}

void TTableDialog::retranslate() {
  setWindowTitle(tr("Attributes of the Table"));
  ColorEdit1->setText(tr("     Color"));
  CancelButton->setText(tr("&Cancel"));
  Label9->setText(tr("Caption :"));
  Label1->setText(tr("Number of Row :"));
  Label2->setText(tr("Number of Column :"));
  Label7->setText(tr("Height of Row    "));
  Label6->setText(tr("Width of Column   "));
  Label3->setText(tr("Border Width :"));
  Label4->setText(tr("Cell Spacing :"));
  Label5->setText(tr("Cell Padding :"));
  RadioGroup1->setTitle(tr(" Alignment"));
  alignmentButtons->button(0)->setText(tr("Left"));
  alignmentButtons->button(1)->setText(tr("Center"));
  alignmentButtons->button(2)->setText(tr("Right"));
  CheckBox1->setText(tr("Set background color :"));
  CheckBox2->setText(tr("Add comment of cell address"));
  FontFrame->retranslate();
  // The row and column numbers pick the row whose height and the column
  // whose width the fields after "=" hold.
  edRowNo->setAccessibleName(tr("Row whose height is set"));
  edRowHeight->setAccessibleName(tr("Height of the row"));
  edColNo->setAccessibleName(tr("Column whose width is set"));
  edColWidth->setAccessibleName(tr("Width of the column"));
  ColorEdit1->setAccessibleName(tr("Background colour"));
}

void TTableDialog::showValues(const TableValues& values) {
  retranslate();
  FontFrame->setFontNames(values.fontNames);
  Edit1->setText(values.caption);
  rowHeights_ = values.rowHeights;
  colWidths_ = values.colWidths;
  growTo(rowHeights_, values.rows);
  growTo(colWidths_, values.columns);
  {
    const QSignalBlocker rows(edNumRow), columns(edNumCol), rowNo(edRowNo), columnNo(edColNo);
    edNumRow->setValue(values.rows);
    edNumCol->setValue(values.columns);
    edRowNo->setMaximum(std::max(1, edNumRow->value()));
    edColNo->setMaximum(std::max(1, edNumCol->value()));
    edRowNo->setValue(values.rowNo);
    edColNo->setValue(values.columnNo);
  }
  CurrentRowNo = edRowNo->value();
  CurrentColNo = edColNo->value();
  edRowHeight->setText(shownEntry(entryAt(rowHeights_, CurrentRowNo)));
  edColWidth->setText(shownEntry(entryAt(colWidths_, CurrentColNo)));
  Border->setValue(values.border);
  CellSpacing->setValue(values.spacing);
  CellPadding->setValue(values.padding);
  if (QAbstractButton* button = alignmentButtons->button(std::clamp(values.alignment, 0, 2)))
    button->setChecked(true);
  CheckBox1->setChecked(values.setBackground);
  ColorEdit1->setColour(values.background);
  CheckBox2->setChecked(values.cellComments);
  FontFrame->showValues(values.font);
}

TableValues TTableDialog::values() const {
  TableValues values;
  for (int i = 0; i < FontFrame->cbHtmlFontName->count(); ++i)
    values.fontNames << FontFrame->cbHtmlFontName->itemText(i);
  values.caption = Edit1->text();
  values.rows = edNumRow->value();
  values.columns = edNumCol->value();
  values.rowNo = edRowNo->value();
  values.columnNo = edColNo->value();
  // What the two boxes hold counts, as if the row and column were switched.
  values.rowHeights = rowHeights_;
  values.colWidths = colWidths_;
  storeEntry(values.rowHeights, CurrentRowNo, edRowHeight->text());
  storeEntry(values.colWidths, CurrentColNo, edColWidth->text());
  growTo(values.rowHeights, values.rows);
  growTo(values.colWidths, values.columns);
  values.border = Border->value();
  values.spacing = CellSpacing->value();
  values.padding = CellPadding->value();
  values.alignment = std::max(0, alignmentButtons->checkedId());
  values.setBackground = CheckBox1->isChecked();
  values.background = ColorEdit1->colour();
  values.cellComments = CheckBox2->isChecked();
  values.font = FontFrame->values();
  return values;
}

// Centred on the screen, as the dialog has no place of its own.
void TTableDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (const QScreen* shown = screen()) move(shown->availableGeometry().center() - rect().center());
  Edit1->setFocus();
}

void TTableDialog::edNumRowChange() {
  growTo(rowHeights_, edNumRow->value());
  edRowNo->setMaximum(std::max(1, edNumRow->value()));
}

void TTableDialog::edNumColChange() {
  growTo(colWidths_, edNumCol->value());
  edColNo->setMaximum(std::max(1, edNumCol->value()));
}

void TTableDialog::edRowNoChange() {
  storeEntry(rowHeights_, CurrentRowNo, edRowHeight->text());
  CurrentRowNo = edRowNo->value();
  edRowHeight->setText(QString::number(entryAt(rowHeights_, CurrentRowNo)));
}

void TTableDialog::edColNoChange() {
  storeEntry(colWidths_, CurrentColNo, edColWidth->text());
  CurrentColNo = edColNo->value();
  edColWidth->setText(QString::number(entryAt(colWidths_, CurrentColNo)));
}

void TTableDialog::ColorEdit1Click() {
  if (!chooser_) return;
  if (const std::optional<QColor> chosen = chooser_(ColorEdit1->colour())) ColorEdit1->setColour(*chosen);
}

void TTableDialog::OKButtonClick() {
  edRowNoChange();
  edColNoChange();
  accept();
}

}  // namespace wrenpad
