// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// THtmlFontDialog: the face, colour, relative size and style class of a
// font element. Created once and reused; the command presets it through
// values and reads the values back on OK.

#include "page/font_frame.h"
#include "platform/value_form.h"

#include <QColor>
#include <QDialog>
#include <QStringList>

class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace wrenpad {

struct HtmlFontValues {
  QStringList faces;      // ComboBox1's items: the screen's font families
  QStringList classes;    // ComboBox2's items: the page's style classes
  QString face;           // the chosen face; empty when none is chosen
  // The face preselected when `face` is empty and this name is among the
  // faces after the first (the face in force at the caret).
  QString pageFontName;
  QColor colour = Qt::black;
  int size = 0;           // relative size, -3 to 3
  QString className;      // ComboBox2's text

  friend bool operator==(const HtmlFontValues&, const HtmlFontValues&) = default;
};

class THtmlFontDialog : public QDialog, public ValueForm<HtmlFontValues> {
  Q_OBJECT
 public:
  explicit THtmlFontDialog(QWidget* parent = nullptr);

  QDialog& dialog() override { return *this; }
  void showValues(const HtmlFontValues& values) override;
  HtmlFontValues values() const override;

  // How a click on the colour panel asks for a colour.
  void setColourChooser(ColourChooser chooser) { chooser_ = std::move(chooser); }

  QComboBox* ComboBox1;
  ColourPanel* ColorPanel;
  QSpinBox* SpinEdit;
  QLabel* Label1;
  QLabel* Label2;
  QComboBox* ComboBox2;
  QPushButton* btnOK;
  QPushButton* btnCancel;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  // The fields' names for screen readers, in the interface's language.
  void retranslate();
  void ColorPanelClick();
  // "Size: +" for a size of 0 or more, "Size: " for a negative one.
  void SpinEditChange();

  ColourChooser chooser_;
  QString pageFontName_;
};

}  // namespace wrenpad
