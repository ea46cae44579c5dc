// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TTableDialog: the attributes of a new table (caption, rows and columns,
// per-row heights and per-column widths, border, spacing, padding,
// alignment, background, cell-address comments and the default font), as
// plain values in and out. Created once and reused; the command shows it the
// values it gave last.

#include "page/font_frame.h"
#include "platform/value_form.h"

#include <QColor>
#include <QDialog>
#include <QStringList>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace wrenpad {

// The height and width lists start with this many entries and grow with the
// numbers of rows and columns.
inline constexpr int kTableListSize = 40;

struct TableValues {
  QStringList fontNames;   // the faces the font frame offers
  QString caption;
  int rows = 2;            // 0 to 100
  int columns = 2;         // 0 to 100
  // The row and column whose height and width the two "=" boxes show.
  int rowNo = 1;
  int columnNo = 1;
  // Heights of rows 1, 2, ... and widths of columns 1, 2, ...; 0 means none.
  // At least as long as the numbers of rows and columns.
  std::vector<int> rowHeights = std::vector<int>(kTableListSize, 0);
  std::vector<int> colWidths = std::vector<int>(kTableListSize, 0);
  int border = 3;
  int spacing = 2;
  int padding = 2;
  int alignment = 0;       // 0 left, 1 center, 2 right
  bool setBackground = false;
  QColor background = Qt::white;
  bool cellComments = false;
  FontFrameValues font;

  friend bool operator==(const TableValues&, const TableValues&) = default;
};

class TTableDialog : public QDialog, public ValueForm<TableValues> {
  Q_OBJECT
 public:
  explicit TTableDialog(QWidget* parent = nullptr);

  QDialog& dialog() override { return *this; }
  void showValues(const TableValues& values) override;
  TableValues values() const override;

  // How the background panel and the font frame ask for a colour.
  void setColourChooser(ColourChooser chooser);

  QLineEdit* Edit1;
  QSpinBox* edNumRow;
  QSpinBox* edNumCol;
  QSpinBox* edRowNo;
  QLineEdit* edRowHeight;  // digits only; empty means none
  QSpinBox* edColNo;
  QLineEdit* edColWidth;   // digits only; empty means none
  QSpinBox* Border;
  QSpinBox* CellSpacing;
  QSpinBox* CellPadding;
  QGroupBox* RadioGroup1;
  QButtonGroup* alignmentButtons;
  QCheckBox* CheckBox1;
  ColourPanel* ColorEdit1;
  QCheckBox* CheckBox2;
  TFontFrame* FontFrame;
  QPushButton* OKButton;
  QPushButton* CancelButton;
  QLabel* Label1;  // number of rows
  QLabel* Label2;  // number of columns
  QLabel* Label3;  // border
  QLabel* Label4;  // spacing
  QLabel* Label5;  // padding
  QLabel* Label6;  // width of column
  QLabel* Label7;  // height of row
  QLabel* Label9;  // caption

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  // The captions in the interface's language, at each showing.
  void retranslate();
  // The maximum of the row (column) chooser follows the number of rows
  // (columns); the list grows to hold them.
  void edNumRowChange();
  void edNumColChange();
  // Stores the edited height (width) for the row (column) shown so far, then
  // shows the one chosen now.
  void edRowNoChange();
  void edColNoChange();
  void ColorEdit1Click();
  // Stores what the two "=" boxes hold, then accepts.
  void OKButtonClick();

  ColourChooser chooser_;
  std::vector<int> rowHeights_ = std::vector<int>(kTableListSize, 0);
  std::vector<int> colWidths_ = std::vector<int>(kTableListSize, 0);
  int CurrentRowNo = 1;
  int CurrentColNo = 1;
};

}  // namespace wrenpad
