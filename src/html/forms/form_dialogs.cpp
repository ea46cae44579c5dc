// SPDX-License-Identifier: GPL-3.0-or-later
#include "html/forms/form_dialogs.h"

#include "editor/plain_paste.h"
#include "platform/form_widgets.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace wrenpad {

namespace {

// Rows and columns of a text area have no bounds of their own; these keep
// the boxes to numbers a page can use.
constexpr int kLargestCount = 99999;

void setUpDialog(QDialog* dialog, const char* name) {
  dialog->setObjectName(QString::fromLatin1(name));
  dialog->setModal(true);
}

QLabel* namedLabel(QWidget* parent, const char* name, QWidget* buddy) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setBuddy(buddy);
  return label;
}

QSpinBox* spinField(QWidget* parent, const char* name, int minimum, int maximum, int step, int value) {
  auto* spin = new QSpinBox(parent);
  spin->setObjectName(QString::fromLatin1(name));
  spin->setRange(minimum, maximum);
  spin->setSingleStep(step);
  spin->setValue(value);
  return spin;
}

// A box of one entry per line, lines not wrapped.
QPlainTextEdit* memoField(QWidget* parent) {
  auto* memo = new QPlainTextEdit(parent);
  memo->setObjectName(QStringLiteral("Memo"));
  memo->setLineWrapMode(QPlainTextEdit::NoWrap);
  // An item needs no tab: Tab goes on to the buttons, as in the other fields.
  memo->setTabChangesFocus(true);
  memo->setMinimumSize(260, 140);
  installPlainPaste(memo);
  return memo;
}

QPushButton* dialogButton(QDialog* dialog, const char* name, const QString& text, bool accepts) {
  auto* button = new QPushButton(text, dialog);
  button->setObjectName(QString::fromLatin1(name));
  button->setDefault(accepts);
  QObject::connect(button, &QPushButton::clicked, dialog, accepts ? &QDialog::accept : &QDialog::reject);
  return button;
}

// The form dialogs' one button, "&O K"; closing the dialog counts as Cancel.
QPushButton* okButton(QDialog* dialog, const char* name) {
  QPushButton* button = dialogButton(dialog, name, QString(), true);
  captionOk(button);
  return button;
}

QPushButton* clearButton(QDialog* dialog, QLineEdit* name, QPlainTextEdit* memo) {
  QPushButton* button = namedButton(dialog, QStringLiteral("Button2"));
  QObject::connect(button, &QPushButton::clicked, dialog, [name, memo] {
    name->clear();
    memo->clear();
  });
  return button;
}

void addRow(QGridLayout* grid, QLabel* label, QWidget* field) {
  const int row = grid->rowCount();
  grid->addWidget(label, row, 0, Qt::AlignRight);
  grid->addWidget(field, row, 1);
}

// The dialog's fields above, its buttons right-aligned below them.
void layOut(QDialog* dialog, QLayout* fields, std::initializer_list<QPushButton*> buttons) {
  auto* row = new QHBoxLayout;
  row->addStretch();
  for (QPushButton* button : buttons) row->addWidget(button);
  auto* layout = new QVBoxLayout(dialog);
  layout->addLayout(fields);
  layout->addLayout(row);
  layout->setSizeConstraint(QLayout::SetMinimumSize);
}

}  // namespace

// ---- the submit button's handler ---------------------------------------------

TEventFrame::TEventFrame(QWidget* parent) : QFrame(parent) {
  setFrameShape(QFrame::StyledPanel);
  TitleLabel = new QLabel(this);
  TitleLabel->setObjectName(QStringLiteral("TitleLabel"));
  EventSelect = new QComboBox(this);
  EventSelect->setObjectName(QStringLiteral("EventSelect"));
  EventSelect->setEditable(true);
  EventSelect->addItems({QStringLiteral("onClick"), QStringLiteral("onDblClick"), QStringLiteral("onKeyUp")});
  EventSelect->setEditText(QString());
  edEventName = namedField(this, QStringLiteral("edEventName"));
  TypeLabel = namedLabel(this, "TypeLabel", EventSelect);
  NameLabel = namedLabel(this, "NameLabel", edEventName);
  auto* grid = new QGridLayout;
  addRow(grid, TypeLabel, EventSelect);
  addRow(grid, NameLabel, edEventName);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(TitleLabel);
  layout->addLayout(grid);
  retranslate();
}

void TEventFrame::retranslate() {
  TitleLabel->setText(tr(" JavaScript of \"Submit\" Button"));
  TypeLabel->setText(tr("Type"));
  NameLabel->setText(tr("Name of the event"));
}

// ---- new form --------------------------------------------------------------------

TFormDialog::TFormDialog(QWidget* parent) : QDialog(parent) {
  setUpDialog(this, "FormDialog");
  edName = namedField(this, QStringLiteral("edName"));
  edSubmittedTo = namedField(this, QStringLiteral("edSubmittedTo"));
  Label2 = namedLabel(this, "Label2", edName);
  Label1 = namedLabel(this, "Label1", edSubmittedTo);
  EventFrame = new TEventFrame(this);
  EventFrame->setObjectName(QStringLiteral("EventFrame"));
  Button1 = okButton(this, "Button1");
  auto* grid = new QGridLayout;
  addRow(grid, Label2, edName);
  addRow(grid, Label1, edSubmittedTo);
  grid->addWidget(EventFrame, grid->rowCount(), 0, 1, 2);
  layOut(this, grid, {Button1});
  retranslate();
}

void TFormDialog::showValues(const FormValues& values) {
  retranslate();
  edName->setText(values.name);
  edSubmittedTo->setText(values.submittedTo);
  EventFrame->EventSelect->setEditText(values.event);
  EventFrame->edEventName->setText(values.handler);
  adjustSize();
}

void TFormDialog::retranslate() {
  setWindowTitle(tr("Property of the Form"));
  Label2->setText(tr("Name"));
  Label1->setText(tr("Submitted to: "));
  EventFrame->retranslate();
}

FormValues TFormDialog::values() const {
  return {edName->text(), edSubmittedTo->text(), EventFrame->EventSelect->currentText(),
          EventFrame->edEventName->text()};
}

// ---- one-line input ----------------------------------------------------------------

TSingleLineInputDialog::TSingleLineInputDialog(QWidget* parent) : QDialog(parent) {
  setUpDialog(this, "SingleLineInputDialog");
  Edit1 = namedField(this, QStringLiteral("Edit1"));
  SpinEdit1 = spinField(this, "SpinEdit1", 5, 500, 5, 80);
  Label2 = namedLabel(this, "Label2", Edit1);
  Label3 = namedLabel(this, "Label3", SpinEdit1);
  Button1 = okButton(this, "Button1");
  auto* grid = new QGridLayout;
  addRow(grid, Label2, Edit1);
  addRow(grid, Label3, SpinEdit1);
  layOut(this, grid, {Button1});
  retranslate();
}

void TSingleLineInputDialog::showValues(const SingleLineInputValues& values) {
  retranslate();
  Edit1->setText(values.fieldName);
  SpinEdit1->setValue(values.size);
  adjustSize();
}

void TSingleLineInputDialog::retranslate() {
  setWindowTitle(tr("Properties of OneLineInput"));
  Label2->setText(tr("Field-Name"));
  Label3->setText(tr("Size"));
}

SingleLineInputValues TSingleLineInputDialog::values() const {
  return {Edit1->text(), SpinEdit1->value()};
}

// ---- text area ---------------------------------------------------------------------

TTextArea::TTextArea(QWidget* parent) : QDialog(parent) {
  setUpDialog(this, "TextArea");
  Edit1 = namedField(this, QStringLiteral("Edit1"));
  Edit1->setText(QStringLiteral("TextArea1"));
  SpinEdit1 = spinField(this, "SpinEdit1", 0, kLargestCount, 1, 5);
  SpinEdit2 = spinField(this, "SpinEdit2", 0, kLargestCount, 10, 50);
  Label1 = namedLabel(this, "Label1", Edit1);
  Label2 = namedLabel(this, "Label2", SpinEdit1);
  Label3 = namedLabel(this, "Label3", SpinEdit2);
  Button1 = okButton(this, "Button1");
  auto* grid = new QGridLayout;
  addRow(grid, Label1, Edit1);
  addRow(grid, Label2, SpinEdit1);
  addRow(grid, Label3, SpinEdit2);
  layOut(this, grid, {Button1});
  retranslate();
}

void TTextArea::showValues(const TextAreaValues& values) {
  retranslate();
  Edit1->setText(values.fieldName);
  SpinEdit1->setValue(values.rows);
  SpinEdit2->setValue(values.cols);
  adjustSize();
}

void TTextArea::retranslate() {
  setWindowTitle(tr("Properties of TextArea"));
  Label1->setText(tr("field-name"));
  Label2->setText(tr("Row"));
  Label3->setText(tr("Cols"));
}

TextAreaValues TTextArea::values() const {
  return {Edit1->text(), SpinEdit1->value(), SpinEdit2->value()};
}

// ---- selection list ------------------------------------------------------------------

TSelectDialog::TSelectDialog(QWidget* parent) : QDialog(parent) {
  setUpDialog(this, "SelectDialog");
  Edit1 = namedField(this, QStringLiteral("Edit1"));
  SpinEdit1 = spinField(this, "SpinEdit1", 1, 100, 1, 1);
  Memo = memoField(this);
  Label2 = namedLabel(this, "Label2", Edit1);
  Label3 = namedLabel(this, "Label3", SpinEdit1);
  Label1 = namedLabel(this, "Label1", Memo);
  Button1 = okButton(this, "Button1");
  Button2 = clearButton(this, Edit1, Memo);
  auto* grid = new QGridLayout;
  addRow(grid, Label2, Edit1);
  addRow(grid, Label3, SpinEdit1);
  grid->addWidget(Label1, grid->rowCount(), 0, 1, 2);
  grid->addWidget(Memo, grid->rowCount(), 0, 1, 2);
  layOut(this, grid, {Button2, Button1});
  retranslate();
}

void TSelectDialog::showValues(const SelectValues& values) {
  retranslate();
  Edit1->setText(values.fieldName);
  SpinEdit1->setValue(values.size);
  Memo->setPlainText(values.items);
  adjustSize();
}

void TSelectDialog::retranslate() {
  setWindowTitle(tr("Properties of ComboBox / ListBox"));
  Label1->setText(tr("Enter items of the ComboBox / ListBox"));
  Label2->setText(tr("Field-Name"));
  Label3->setText(tr("Size"));
  Button2->setText(tr("&Clear"));
}

SelectValues TSelectDialog::values() const {
  return {Edit1->text(), SpinEdit1->value(), Memo->toPlainText()};
}

// ---- check boxes -------------------------------------------------------------------

TCheckDialog::TCheckDialog(QWidget* parent) : QDialog(parent) {
  setUpDialog(this, "CheckDialog");
  Edit1 = namedField(this, QStringLiteral("Edit1"));
  Memo = memoField(this);
  Label2 = namedLabel(this, "Label2", Edit1);
  Label1 = namedLabel(this, "Label1", Memo);
  Button1 = okButton(this, "Button1");
  Button2 = clearButton(this, Edit1, Memo);
  auto* grid = new QGridLayout;
  addRow(grid, Label2, Edit1);
  grid->addWidget(Label1, grid->rowCount(), 0, 1, 2);
  grid->addWidget(Memo, grid->rowCount(), 0, 1, 2);
  layOut(this, grid, {Button2, Button1});
  retranslate();
}

void TCheckDialog::showValues(const CheckBoxValues& values) {
  retranslate();
  Edit1->setText(values.commonName);
  Memo->setPlainText(values.questions);
  adjustSize();
}

void TCheckDialog::retranslate() {
  setWindowTitle(tr("Properties of CheckBox"));
  Label1->setText(tr("Enter questions"));
  Label2->setText(tr("Common-Name"));
  Button2->setText(tr("&Clear"));
}

CheckBoxValues TCheckDialog::values() const { return {Edit1->text(), Memo->toPlainText()}; }

// ---- division ------------------------------------------------------------------------

TDivDialog::TDivDialog(QWidget* parent) : QDialog(parent) {
  setUpDialog(this, "DivDialog");
  //: Stays English in the Japanese interface, as designed.
  setWindowTitle(tr("DivDialog"));
  AlignComboBox = new QComboBox(this);
  AlignComboBox->setObjectName(QStringLiteral("AlignComboBox"));
  AlignComboBox->setEditable(true);
  AlignComboBox->addItems({QStringLiteral("center"), QStringLiteral("right")});
  AlignComboBox->setEditText(QString());
  IDEdit = namedField(this, QStringLiteral("IDEdit"));
  OtherEdit = namedField(this, QStringLiteral("OtherEdit"));
  OKButton = okButton(this, "OKButton");
  //: Stays English in the Japanese interface, as designed.
  CancelButton = dialogButton(this, "CancelButton", tr("&Cancel"), false);
  auto* grid = new QGridLayout;
  const auto row = [this, grid](const char* name, const char* text, QWidget* field) {
    QLabel* label = namedLabel(this, name, field);
    label->setText(tr(text));
    addRow(grid, label, field);
  };
  //: Stays English in the Japanese interface, as designed.
  row("Label1", QT_TR_NOOP("Alignment :"), AlignComboBox);
  //: Stays English in the Japanese interface, as designed.
  row("Label2", QT_TR_NOOP("ID : "), IDEdit);
  //: Stays English in the Japanese interface, as designed.
  row("Label3", QT_TR_NOOP("Other"), OtherEdit);
  layOut(this, grid, {OKButton, CancelButton});
}

void TDivDialog::showValues(const DivValues& values) {
  AlignComboBox->setEditText(values.align);
  IDEdit->setText(values.id);
  OtherEdit->setText(values.other);
}

DivValues TDivDialog::values() const { return {AlignComboBox->currentText(), IDEdit->text(), OtherEdit->text()}; }

}  // namespace wrenpad
