// SPDX-License-Identifier: GPL-3.0-or-later
#include "html/forms/form_dialogs.h"

#include "editor/plain_paste.h"
#include "platform/form_widgets.h"
#include "text/bilingual.h"

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

QPushButton* dialogButton(QDialog* dialog, const char* name, const char* text, bool accepts) {
  auto* button = new QPushButton(QString::fromLatin1(text), dialog);
  button->setObjectName(QString::fromLatin1(name));
  button->setDefault(accepts);
  QObject::connect(button, &QPushButton::clicked, dialog, accepts ? &QDialog::accept : &QDialog::reject);
  return button;
}

// The form dialogs' one button, "&O K"; closing the dialog counts as Cancel.
QPushButton* okButton(QDialog* dialog, const char* name) { return dialogButton(dialog, name, "&O K", true); }

QPushButton* clearButton(QDialog* dialog, QLineEdit* name, QPlainTextEdit* memo) {
  QPushButton* button = namedButton(dialog, QStringLiteral("Button2"));
  button->setText(QStringLiteral("&Clear"));
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
  TitleLabel = new QLabel(QStringLiteral(" JavaScript of \"Submit\" Button"), this);
  TitleLabel->setObjectName(QStringLiteral("TitleLabel"));
  EventSelect = new QComboBox(this);
  EventSelect->setObjectName(QStringLiteral("EventSelect"));
  EventSelect->setEditable(true);
  EventSelect->addItems({QStringLiteral("onClick"), QStringLiteral("onDblClick"), QStringLiteral("onKeyUp")});
  EventSelect->setEditText(QString());
  edEventName = namedField(this, QStringLiteral("edEventName"));
  TypeLabel = namedLabel(this, "TypeLabel", EventSelect);
  TypeLabel->setText(QStringLiteral("Type"));
  NameLabel = namedLabel(this, "NameLabel", edEventName);
  NameLabel->setText(QStringLiteral("Name of the event"));
  auto* grid = new QGridLayout;
  addRow(grid, TypeLabel, EventSelect);
  addRow(grid, NameLabel, edEventName);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(TitleLabel);
  layout->addLayout(grid);
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
}

void TFormDialog::showValues(const FormValues& values) {
  japanese_ = values.japanese;
  setWindowTitle(bilingual(japanese_, "Property of the Form", u"フォームの属性"));
  Label2->setText(bilingual(japanese_, "Name", u"フォーム名"));
  Label1->setText(bilingual(japanese_, "Submitted to: ", u"送信先"));
  EventFrame->TitleLabel->setText(bilingual(japanese_, " JavaScript of \"Submit\" Button", u" 「送信」ボタンのJavaScript"));
  EventFrame->TypeLabel->setText(bilingual(japanese_, "Type", u"種類"));
  EventFrame->NameLabel->setText(bilingual(japanese_, "Name of the event", u"イベント処理の名前"));
  edName->setText(values.name);
  edSubmittedTo->setText(values.submittedTo);
  EventFrame->EventSelect->setEditText(values.event);
  EventFrame->edEventName->setText(values.handler);
  adjustSize();
}

FormValues TFormDialog::values() const {
  return {japanese_, edName->text(), edSubmittedTo->text(), EventFrame->EventSelect->currentText(),
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
}

void TSingleLineInputDialog::showValues(const SingleLineInputValues& values) {
  japanese_ = values.japanese;
  setWindowTitle(bilingual(japanese_, "Properties of OneLineInput", u"１行入力テキストエリアの属性"));
  Label2->setText(bilingual(japanese_, "Field-Name", u"フィールド名"));
  Label3->setText(bilingual(japanese_, "Size", u"サイズ"));
  Edit1->setText(values.fieldName);
  SpinEdit1->setValue(values.size);
  adjustSize();
}

SingleLineInputValues TSingleLineInputDialog::values() const {
  return {japanese_, Edit1->text(), SpinEdit1->value()};
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
}

void TTextArea::showValues(const TextAreaValues& values) {
  japanese_ = values.japanese;
  setWindowTitle(bilingual(japanese_, "Properties of TextArea", u"複数入力テキストエリアの属性"));
  Label1->setText(bilingual(japanese_, "field-name", u"フィールド名"));
  Label2->setText(bilingual(japanese_, "Row", u"行数"));
  Label3->setText(bilingual(japanese_, "Cols", u"列数"));
  Edit1->setText(values.fieldName);
  SpinEdit1->setValue(values.rows);
  SpinEdit2->setValue(values.cols);
  adjustSize();
}

TextAreaValues TTextArea::values() const {
  return {japanese_, Edit1->text(), SpinEdit1->value(), SpinEdit2->value()};
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
}

void TSelectDialog::showValues(const SelectValues& values) {
  japanese_ = values.japanese;
  setWindowTitle(bilingual(japanese_, "Properties of ComboBox / ListBox",
                           u"コンボボックス／リストボックスの属性"));
  Label1->setText(bilingual(japanese_, "Enter items of the ComboBox / ListBox",
                            u"選択肢の項目をこの下に入力してください"));
  Label2->setText(bilingual(japanese_, "Field-Name", u"フィールド名"));
  Label3->setText(bilingual(japanese_, "Size", u"サイズ"));
  Button2->setText(bilingual(japanese_, "&Clear", u"クリア(&C)"));
  Edit1->setText(values.fieldName);
  SpinEdit1->setValue(values.size);
  Memo->setPlainText(values.items);
  adjustSize();
}

SelectValues TSelectDialog::values() const {
  return {japanese_, Edit1->text(), SpinEdit1->value(), Memo->toPlainText()};
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
}

void TCheckDialog::showValues(const CheckBoxValues& values) {
  japanese_ = values.japanese;
  setWindowTitle(bilingual(japanese_, "Properties of CheckBox", u"チェックボックスの属性"));
  Label1->setText(bilingual(japanese_, "Enter questions", u"質問内容を入力してください"));
  Label2->setText(bilingual(japanese_, "Common-Name", u"フィールド名の共通部分"));
  Button2->setText(bilingual(japanese_, "&Clear", u"クリア(&C)"));
  Edit1->setText(values.commonName);
  Memo->setPlainText(values.questions);
  adjustSize();
}

CheckBoxValues TCheckDialog::values() const { return {japanese_, Edit1->text(), Memo->toPlainText()}; }

// ---- division ------------------------------------------------------------------------

TDivDialog::TDivDialog(QWidget* parent) : QDialog(parent) {
  setUpDialog(this, "DivDialog");
  setWindowTitle(QStringLiteral("DivDialog"));
  AlignComboBox = new QComboBox(this);
  AlignComboBox->setObjectName(QStringLiteral("AlignComboBox"));
  AlignComboBox->setEditable(true);
  AlignComboBox->addItems({QStringLiteral("center"), QStringLiteral("right")});
  AlignComboBox->setEditText(QString());
  IDEdit = namedField(this, QStringLiteral("IDEdit"));
  OtherEdit = namedField(this, QStringLiteral("OtherEdit"));
  OKButton = dialogButton(this, "OKButton", "&O K", true);
  CancelButton = dialogButton(this, "CancelButton", "&Cancel", false);
  auto* grid = new QGridLayout;
  const auto row = [this, grid](const char* name, const char* text, QWidget* field) {
    QLabel* label = namedLabel(this, name, field);
    label->setText(QString::fromLatin1(text));
    addRow(grid, label, field);
  };
  row("Label1", "Alignment :", AlignComboBox);
  row("Label2", "ID : ", IDEdit);
  row("Label3", "Other", OtherEdit);
  layOut(this, grid, {OKButton, CancelButton});
}

void TDivDialog::showValues(const DivValues& values) {
  AlignComboBox->setEditText(values.align);
  IDEdit->setText(values.id);
  OtherEdit->setText(values.other);
}

DivValues TDivDialog::values() const { return {AlignComboBox->currentText(), IDEdit->text(), OtherEdit->text()}; }

}  // namespace wrenpad
