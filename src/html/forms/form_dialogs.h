// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The dialogs of the Form submenu (TFormDialog with its TEventFrame,
// TSingleLineInputDialog, TTextArea, TSelectDialog, TCheckDialog) and the
// division dialog TDivDialog, as plain values in and out. Each is created
// once and reused; the commands show them the values confirmed last. The
// form dialogs have only an OK button: closing them counts as Cancel.

#include "html/form_markup.h"
#include "platform/value_form.h"

#include <QDialog>
#include <QFrame>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;

namespace wrenpad {

// The JavaScript handler of the submit button: the event and its handler.
class TEventFrame : public QFrame {
  Q_OBJECT
 public:
  explicit TEventFrame(QWidget* parent = nullptr);
  // The captions in the interface's language; the form dialog calls it when shown.
  void retranslate();

  QLabel* TitleLabel;
  QLabel* TypeLabel;
  QComboBox* EventSelect;  // editable: "onClick", "onDblClick", "onKeyUp"
  QLabel* NameLabel;
  QLineEdit* edEventName;
};

class TFormDialog : public QDialog, public ValueForm<FormValues> {
  Q_OBJECT
 public:
  explicit TFormDialog(QWidget* parent = nullptr);
  QDialog& dialog() override { return *this; }
  void showValues(const FormValues& values) override;
  FormValues values() const override;

  QLabel* Label2;  // name
  QLineEdit* edName;
  QLabel* Label1;  // submitted to
  QLineEdit* edSubmittedTo;
  TEventFrame* EventFrame;
  QPushButton* Button1;

 private:
  // The captions in the interface's language, at each showing.
  void retranslate();
};

class TSingleLineInputDialog : public QDialog, public ValueForm<SingleLineInputValues> {
  Q_OBJECT
 public:
  explicit TSingleLineInputDialog(QWidget* parent = nullptr);
  QDialog& dialog() override { return *this; }
  void showValues(const SingleLineInputValues& values) override;
  SingleLineInputValues values() const override;

  QLabel* Label2;  // field name
  QLineEdit* Edit1;
  QLabel* Label3;  // size
  QSpinBox* SpinEdit1;
  QPushButton* Button1;

 private:
  // The captions in the interface's language, at each showing.
  void retranslate();
};

class TTextArea : public QDialog, public ValueForm<TextAreaValues> {
  Q_OBJECT
 public:
  explicit TTextArea(QWidget* parent = nullptr);
  QDialog& dialog() override { return *this; }
  void showValues(const TextAreaValues& values) override;
  TextAreaValues values() const override;

  QLabel* Label1;  // field name
  QLineEdit* Edit1;
  QLabel* Label2;  // rows
  QSpinBox* SpinEdit1;
  QLabel* Label3;  // columns
  QSpinBox* SpinEdit2;
  QPushButton* Button1;

 private:
  // The captions in the interface's language, at each showing.
  void retranslate();
};

class TSelectDialog : public QDialog, public ValueForm<SelectValues> {
  Q_OBJECT
 public:
  explicit TSelectDialog(QWidget* parent = nullptr);
  QDialog& dialog() override { return *this; }
  void showValues(const SelectValues& values) override;
  SelectValues values() const override;

  QLabel* Label2;  // field name
  QLineEdit* Edit1;
  QLabel* Label3;  // size
  QSpinBox* SpinEdit1;
  QLabel* Label1;  // above the items
  QPlainTextEdit* Memo;
  QPushButton* Button1;
  QPushButton* Button2;  // clears the name and the items

 private:
  // The captions in the interface's language, at each showing.
  void retranslate();
};

class TCheckDialog : public QDialog, public ValueForm<CheckBoxValues> {
  Q_OBJECT
 public:
  explicit TCheckDialog(QWidget* parent = nullptr);
  QDialog& dialog() override { return *this; }
  void showValues(const CheckBoxValues& values) override;
  CheckBoxValues values() const override;

  QLabel* Label2;  // common name
  QLineEdit* Edit1;
  QLabel* Label1;  // above the questions
  QPlainTextEdit* Memo;
  QPushButton* Button1;
  QPushButton* Button2;  // clears the name and the questions

 private:
  // The captions in the interface's language, at each showing.
  void retranslate();
};

class TDivDialog : public QDialog, public ValueForm<DivValues> {
  Q_OBJECT
 public:
  explicit TDivDialog(QWidget* parent = nullptr);
  QDialog& dialog() override { return *this; }
  void showValues(const DivValues& values) override;
  DivValues values() const override;

  QComboBox* AlignComboBox;  // editable: "center", "right"
  QLineEdit* IDEdit;
  QLineEdit* OtherEdit;
  QPushButton* OKButton;
  QPushButton* CancelButton;
};

}  // namespace wrenpad
