// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TImageProperty: a picture's alignment and size ratio, with a preview drawn
// at that ratio. Created once, so the alignment and ratio last the run.

#include "platform/value_form.h"

#include <QDialog>
#include <QImage>
#include <QTimer>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QSpinBox;

namespace wrenpad {

struct ImagePropertyValues {
  int alignment = 2;  // 0 left, 1 right, 2 none
  int ratio = 100;    // percent of the original size
  QImage picture;     // the decoded picture; null when it cannot be shown
  QString problem;    // why there is no preview, shown in its place
  friend bool operator==(const ImagePropertyValues& a, const ImagePropertyValues& b) {
    return a.alignment == b.alignment && a.ratio == b.ratio && a.picture == b.picture && a.problem == b.problem;
  }
};

class TImageProperty : public QDialog, public ValueForm<ImagePropertyValues> {
  Q_OBJECT
 public:
  explicit TImageProperty(QWidget* parent = nullptr);

  QDialog& dialog() override { return *this; }
  void showValues(const ImagePropertyValues& values) override;
  ImagePropertyValues values() const override;

 private:
  void retranslate();
  void SpinEditChange();
  void Timer1Timer();

  ImagePropertyValues shown_;
  QPushButton* btnOK;
  QPushButton* btnCancel;
  QGroupBox* RadioGroup;
  QRadioButton* items_[3];
  QLabel* Label1;
  QSpinBox* SpinEdit;
  QLabel* Label2;
  QScrollArea* ScrollBox1;
  QLabel* Image1;
  QTimer Timer1;
};

}  // namespace wrenpad
