// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/enhanced_edit.h"

#include <QKeyEvent>

namespace wrenpad {

TEnhancedEdit::TEnhancedEdit(QWidget* parent) : QLineEdit(parent) {}

void TEnhancedEdit::setTextAlignment(TextAlignment alignment) {
  textAlignment_ = alignment;
  switch (alignment) {
    case LeftJustify: setAlignment(Qt::AlignLeft | Qt::AlignVCenter); break;
    case Center: setAlignment(Qt::AlignHCenter | Qt::AlignVCenter); break;
    case RightJustify: setAlignment(Qt::AlignRight | Qt::AlignVCenter); break;
  }
}

void TEnhancedEdit::fitToDigits(int digits) {
  if (digits != measuredDigits_ || font() != measuredFont_) {
    measuredDigits_ = digits;
    measuredFont_ = font();
    measuredWidth_ = fontMetrics().horizontalAdvance(QString(digits, u'0')) + 14;
  }
  if (width() != measuredWidth_) setFixedWidth(measuredWidth_);
}

void TEnhancedEdit::setBackground(const QColor& color) {
  QPalette colours = palette();
  colours.setColor(QPalette::Base, color);
  setPalette(colours);
}

void TEnhancedEdit::focusInEvent(QFocusEvent* event) {
  colorBeforeFocus_ = palette().color(QPalette::Base);
  setBackground(enterColor_);
  QLineEdit::focusInEvent(event);
}

void TEnhancedEdit::focusOutEvent(QFocusEvent* event) {
  if (colorBeforeFocus_.isValid()) setBackground(colorBeforeFocus_);
  QLineEdit::focusOutEvent(event);
}

void TEnhancedEdit::keyReleaseEvent(QKeyEvent* event) {
  QLineEdit::keyReleaseEvent(event);
  emit keyUp(event->key());
}

}  // namespace wrenpad
