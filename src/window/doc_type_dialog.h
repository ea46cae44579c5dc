// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TDocType: asks which kind of document New makes.

#include "platform/value_form.h"

#include <QDialog>
#include <array>

class QGroupBox;
class QRadioButton;

namespace wrenpad {

struct DocumentTypeValues {
  int languageMode = 0;   // the third kind names it: 0 C/C++, 1 Java, 2 Perl, 3 Pascal
  // Kinds whose command is not built are shown but cannot be chosen.
  std::array<bool, 3> choosable = {true, true, true};
  int kind = 0;           // 0 text, 1 HTML, 2 program

  friend bool operator==(const DocumentTypeValues&, const DocumentTypeValues&) = default;
};

class TDocType : public QDialog, public ValueForm<DocumentTypeValues> {
  Q_OBJECT
 public:
  explicit TDocType(QWidget* parent = nullptr);

  QDialog& dialog() override { return *this; }
  void showValues(const DocumentTypeValues& values) override;
  DocumentTypeValues values() const override;

 private:
  // The texts in the interface language; the third kind names `languageMode`.
  void retranslate(int languageMode);

  DocumentTypeValues shown_;
  QGroupBox* RadioGroup;
  QRadioButton* items_[3];
};

}  // namespace wrenpad
