// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TFontFrame: the default font of a page (face, size with unit, colour) as a
// frame that the page-settings, table and box dialogs embed. Values in,
// values out; the colour is asked for through a chooser the dialog hands in
// (the program's Dialogs::chooseColor), so the frame shows no dialog itself.
//
// ColourPanel is the clickable colour swatch the frame and the font dialog
// share.

#include "text/colour_names.h"

#include <QColor>
#include <QLabel>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QSpinBox;

namespace wrenpad {

// The program's colours and the page's colour values, both ways.
inline RgbColour RgbOf(const QColor& colour) { return {colour.red(), colour.green(), colour.blue()}; }
inline QColor QColorOf(RgbColour colour) { return QColor(colour.red, colour.green, colour.blue); }

// Asks for a colour, starting from the one given; nothing on Cancel.
using ColourChooser = std::function<std::optional<QColor>(const QColor& initial)>;

// A raised panel filled with a colour, with a caption drawn white on dark
// colours and black on light ones so it stays readable. It is a tab stop:
// while it has the focus a dashed frame in the caption's colour runs inside
// its edge. A click, or Space or Enter while it has the focus, emits
// clicked(); its owner asks for the new colour. Screen readers meet it as a
// button (see font_frame.cpp): named by its accessible name, its label (a
// QLabel buddy) or its caption, described by its colour, pressed by their
// press action.
class ColourPanel : public QLabel {
  Q_OBJECT
 public:
  explicit ColourPanel(const QString& caption, QWidget* parent = nullptr);

  QColor colour() const { return colour_; }
  void setColour(const QColor& colour);

 signals:
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor colour_;
};

struct FontFrameValues {
  QString fontName;
  bool setSize = false;               // whether a size is given
  int size = 10;                      // 4 to 54
  QString unit = QStringLiteral("pt");  // "pt", "mm", "em" or ""
  QColor colour = Qt::black;
  // A size of the page the fields cannot hold (another unit, a fraction, a
  // size outside 4 to 54, a keyword), as the page writes it: shown read-only
  // and kept; size and unit then keep the values they had.
  QString sizeAsWritten{};

  friend bool operator==(const FontFrameValues&, const FontFrameValues&) = default;
};

// Takes a page's font size ("12pt", "14px", "0.9rem") into the values: into
// size and unit when the fields can hold it, as written otherwise.
void ReadFontSize(const QString& size, FontFrameValues& values);

class TFontFrame : public QWidget {
  Q_OBJECT
 public:
  explicit TFontFrame(QWidget* parent = nullptr);

  // The faces offered: the screen's font families, given by the caller.
  void setFontNames(const QStringList& names);
  void setColourChooser(ColourChooser chooser);
  // The captions in the interface's language; the dialog that holds the
  // frame calls it when it is shown.
  void retranslate();

  void showValues(const FontFrameValues& values);
  FontFrameValues values() const;

  QGroupBox* GroupBox;
  QComboBox* cbHtmlFontName;
  QCheckBox* chkSetFontSize;
  QSpinBox* SpinEdit;
  QComboBox* cbFontSizeUnit;
  ColourPanel* FontColorPanel;

 private:
  // A size or unit the user changes means a size is wanted.
  void SpinEditChange();
  // Asks for a colour starting from the panel's; the panel takes the one chosen.
  void FontColorPanelClick();

  ColourChooser chooser_;
  FontFrameValues shown_;
  bool showing_ = false;
};

}  // namespace wrenpad
