// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The two small forms of the Coding menu: TInspectionDialog asks for up to
// four variables to watch, TInputWizardDialog for a prompt and the variable
// to read. Both are value forms and keep their texts between uses.

#include "platform/value_form.h"

#include <QDialog>
#include <QStringList>
#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

namespace wrenpad {

struct InspectionValues {
  QStringList names{"", "", "", ""};  // Edit1 to Edit4

  friend bool operator==(const InspectionValues&, const InspectionValues&) = default;
};

class TInspectionDialog : public QDialog, public ValueForm<InspectionValues> {
  Q_OBJECT
 public:
  explicit TInspectionDialog(QWidget* parent = nullptr);
  QDialog& dialog() override { return *this; }
  void showValues(const InspectionValues& values) override;
  InspectionValues values() const override;

 private:
  void retranslate();
  void ClearBtnClick();

  QLabel* BrinkerLabel1;
  QPushButton* ClearBtn;
  std::array<QLineEdit*, 4> edits_{};
};

struct InputWizardValues {
  QString prompt = QStringLiteral("Please input ... :");
  QString variable;

  friend bool operator==(const InputWizardValues&, const InputWizardValues&) = default;
};

class TInputWizardDialog : public QDialog, public ValueForm<InputWizardValues> {
  Q_OBJECT
 public:
  explicit TInputWizardDialog(QWidget* parent = nullptr);
  QDialog& dialog() override { return *this; }
  void showValues(const InputWizardValues& values) override;
  InputWizardValues values() const override;

 private:
  void retranslate();

  QLabel* Label1;
  QLabel* Label2;
  QLineEdit* Edit1;
  QLineEdit* Edit2;
};

}  // namespace wrenpad
