// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TBoxSetting: one style class for framed boxes (border style, padding,
// background colour, default font) with a live preview of the box, as plain
// values in and out. Choosing another class in the class box loads that
// class through a reader the command hands in, so the form never sees the
// page.

#include "page/font_frame.h"
#include "platform/value_form.h"

#include <QColor>
#include <QDialog>
#include <QFrame>
#include <QStringList>
#include <functional>

class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace wrenpad {

inline const QStringList kBoxBorderStyles{QStringLiteral("outset"), QStringLiteral("inset"),
                                          QStringLiteral("ridge"), QStringLiteral("groove")};

// What one box class says.
struct BoxClassValues {
  QString borderStyle = QStringLiteral("outset");  // one of kBoxBorderStyles
  QColor background{0xC0, 0xC0, 0xC0};              // silver
  int padding = 5;                                  // points
  FontFrameValues font;

  friend bool operator==(const BoxClassValues&, const BoxClassValues&) = default;
};

struct BoxSettingValues {
  QStringList fontNames;      // the faces the font frame offers
  QStringList classNames;     // the page's classes, offered by the class box
  QString className = QStringLiteral("my_box");
  QString sample;             // the text the preview shows; empty: "Example"
  BoxClassValues box;

  friend bool operator==(const BoxSettingValues&, const BoxSettingValues&) = default;
};

// Reads a class of the page on top of the values shown (what the page does
// not say keeps its value).
using BoxClassReader = std::function<BoxClassValues(const QString& className, const BoxClassValues& shown)>;

// The preview: a panel framed as the border style draws it, filled with the
// background colour, the sample written in the box's font at the padding.
class BoxPreview : public QFrame {
  Q_OBJECT
 public:
  explicit BoxPreview(QWidget* parent = nullptr);

  void showBox(const QString& sample, const BoxClassValues& box);
  QString sample() const { return sample_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString sample_;
  QFont font_;
  QColor textColour_;
  int padding_ = 0;
};

class TBoxSetting : public QDialog, public ValueForm<BoxSettingValues> {
  Q_OBJECT
 public:
  explicit TBoxSetting(QWidget* parent = nullptr);

  QDialog& dialog() override { return *this; }
  void showValues(const BoxSettingValues& values) override;
  BoxSettingValues values() const override;

  void setColourChooser(ColourChooser chooser);
  void setClassReader(BoxClassReader reader) { classReader_ = std::move(reader); }

  BoxPreview* Example;
  QLabel* Label1;
  QComboBox* cbClassName;
  QLabel* Label3;
  QComboBox* cbBorderStyle;
  QLabel* Label4;
  ColourPanel* ColorEdit;
  QLabel* Label5;
  QSpinBox* sePadding;
  QLabel* Label2;
  TFontFrame* FontFrame;
  QPushButton* btnOK;
  QPushButton* btnCancel;

 private:
  // The captions in the interface's language, at each show.
  void retranslate();
  void showBox(const BoxClassValues& box);
  BoxClassValues box() const;
  void cbClassNameChange();
  void ColorEditClick();
  void UpdateBoxPreview();

  BoxSettingValues shown_;
  ColourChooser colourChooser_;
  BoxClassReader classReader_;
  bool showing_ = false;
};

}  // namespace wrenpad
