// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A single-line edit that changes its background while it has the focus,
// so the user sees at a glance that typing goes into it (the line-number box
// on the tool bar).

#include <QColor>
#include <QFont>
#include <QLineEdit>

namespace wrenpad {

class TEnhancedEdit : public QLineEdit {
  Q_OBJECT
 public:
  enum TextAlignment { LeftJustify = 0, Center = 1, RightJustify = 2 };

  explicit TEnhancedEdit(QWidget* parent = nullptr);

  // Background while focused; aqua unless set.
  QColor EnterColor() const { return enterColor_; }
  void setEnterColor(const QColor& color) { enterColor_ = color; }
  TextAlignment textAlignment() const { return textAlignment_; }
  void setTextAlignment(TextAlignment alignment);
  // Just wide enough for `digits` digits and the frame. The width is
  // measured once for each count of digits and font, not on every call
  // (the line-number box is fitted on every key).
  void fitToDigits(int digits);

 signals:
  // Every key released in the box, as a Qt key.
  void keyUp(int qtKey);

 protected:
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;

 private:
  void setBackground(const QColor& color);

  QColor enterColor_{0, 255, 255};
  QColor colorBeforeFocus_;
  TextAlignment textAlignment_ = LeftJustify;
  // The last width measured, and for what.
  int measuredDigits_ = 0;
  QFont measuredFont_;
  int measuredWidth_ = 0;
};

}  // namespace wrenpad
