// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// THtmlPageSetting: a page's title, script, background, margins, line height,
// link underlining and default font, as plain values in and out.

#include "page/font_frame.h"
#include "platform/value_form.h"

#include <QColor>
#include <QDialog>
#include <QStringList>
#include <array>
#include <functional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace wrenpad {

struct PageSettingValues {
  QStringList fontNames;       // the faces the font frame offers
  QString title;
  bool useJavaScript = false;
  bool linkUnderline = false;  // links underlined only under the mouse
  bool colourChosen = true;    // background: the colour; false: the picture
  QColor background{0xFF, 0xFF, 0xBD};
  QString imageFile;
  int marginTop = 10;
  int marginBottom = 10;
  int marginLeft = 10;
  int marginRight = 10;
  QString marginUnit = QStringLiteral("mm");
  int lineHeight = 120;
  QString lineHeightUnit = QStringLiteral("%");
  // Lengths of the page the fields cannot hold (a fractional number, a unit
  // the box does not offer, a margin in another unit than the others), as
  // the page writes them: their fields show them read-only and keep them.
  QString lineHeightAsWritten;
  std::array<QString, 4> marginsAsWritten;  // top, bottom, left, right
  FontFrameValues font;

  friend bool operator==(const PageSettingValues&, const PageSettingValues&) = default;
};

// Asks for a background picture; the path to write into the page, or empty.
using PictureChooser = std::function<QString()>;

class THtmlPageSetting : public QDialog, public ValueForm<PageSettingValues> {
  Q_OBJECT
 public:
  explicit THtmlPageSetting(QWidget* parent = nullptr);

  QDialog& dialog() override { return *this; }
  void showValues(const PageSettingValues& values) override;
  PageSettingValues values() const override;

  void setColourChooser(ColourChooser chooser);
  void setPictureChooser(PictureChooser chooser) { pictureChooser_ = std::move(chooser); }

 private:
  // The captions in the interface's language, at each show.
  void retranslate();
  void RadioButton1Click();
  void ColorPanelClick();
  void cbOpenImgClick();

  PageSettingValues shown_;
  ColourChooser colourChooser_;
  PictureChooser pictureChooser_;
  QLabel* Panel1;
  QLineEdit* Edit1;
  QGroupBox* GroupBox1;
  ColourPanel* ColorPanel;
  QRadioButton* RadioButton1;
  QRadioButton* RadioButton2;
  QLineEdit* edImgFile;
  QPushButton* cbOpenImg;
  QCheckBox* chkUseJavaScript;
  QCheckBox* chkLinkUnderLine;
  QGroupBox* GroupBox2;
  QLabel* marginLabels_[4];
  QSpinBox* TopMargin;
  QSpinBox* BottomMargin;
  QSpinBox* LeftMargin;
  QSpinBox* RightMargin;
  QComboBox* cbMarginUnit;
  QLabel* Label5;
  QSpinBox* LineHeight;
  QComboBox* cbLineHeightUnit;
  TFontFrame* FontFrame;
  QPushButton* btnOK;
  QPushButton* btnCancel;
};

}  // namespace wrenpad
