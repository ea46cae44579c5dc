#pragma once
// TDocType: asks which kind of document New makes.

#include <QDialog>

class QGroupBox;
class QRadioButton;

namespace wrenpad {

class TDocType : public QDialog {
  Q_OBJECT
 public:
  explicit TDocType(QWidget* parent = nullptr);

  // Sets the texts for the interface language; the third item names the
  // programming language (0 C/C++, 1 Java, 2 Perl, 3 Pascal).
  void setTexts(bool japanese, int languageMode);
  // Kinds whose command is not built are shown but cannot be chosen.
  void setItemEnabled(int item, bool enabled);

  int itemIndex() const;
  void setItemIndex(int item);

 private:
  QGroupBox* RadioGroup;
  QRadioButton* items_[3];
};

}  // namespace wrenpad
