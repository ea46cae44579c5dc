// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TProgrammingOptions: the programming language, the applet size of the
// applet test page and the tab width. The three numbers are kept however the
// dialog closes; the language only when it closes with OK, so the form's
// values carry which button closed it.

#include "platform/value_form.h"

#include <QDialog>
#include <QStringList>
#include <vector>

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace wrenpad {

struct ProgrammingOptionsValues {
  QStringList languages;      // the radio items, in LanguageMode order
  int language = 0;           // RadioGroup's index
  int appletWidth = 300;
  int appletHeight = 300;
  int tabWidth = 2;
  bool confirmed = false;     // closed with OK

  friend bool operator==(const ProgrammingOptionsValues&, const ProgrammingOptionsValues&) = default;
};

class TProgrammingOptions : public QDialog, public ValueForm<ProgrammingOptionsValues> {
  Q_OBJECT
 public:
  explicit TProgrammingOptions(QWidget* parent = nullptr);

  QDialog& dialog() override { return *this; }
  void showValues(const ProgrammingOptionsValues& values) override;
  ProgrammingOptionsValues values() const override;

  // Every close counts as accepted, so the numbers come back on Cancel too.
  void done(int result) override;

 private:
  void retranslate();
  void RadioGroupClick();

  ProgrammingOptionsValues shown_;
  bool confirmed_ = false;
  QGroupBox* RadioGroup;
  std::vector<QRadioButton*> items_;
  QLabel* Label1;
  QLabel* Label2;
  QLabel* Label3;
  QLabel* Label4;
  QLabel* Label5;
  QSpinBox* SpinEdit1;
  QSpinBox* SpinEdit2;
  QSpinBox* SpinEdit3;
  QPushButton* Button2;
};

}  // namespace wrenpad
