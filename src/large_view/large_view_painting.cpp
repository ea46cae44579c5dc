// SPDX-License-Identifier: GPL-3.0-or-later
// The large view's painting: the gutter, the layouts of the lines in
// sight, the caret's place and the offset under the mouse.

#include "large_view/large_text_view.h"

#include "large_view/large_gutter.h"

#include <QPaintEvent>
#include <QPainter>
#include <QTextLayout>

namespace wrenpad::large {

// ---- the gutter ------------------------------------------------------------

void LargeGutter::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().color(QPalette::Window));
  if (!view_.document_) return;
  painter.setPen(palette().color(QPalette::PlaceholderText));
  const int height = view_.lineHeight();
  const qint64 caretLine = view_.caretLine();
  const auto spans = view_.document_->lines().lines(view_.top_, view_.visibleLineCount());
  for (const LineIndex::Span& span : spans) {
    const int y = int(span.line - view_.top_) * height;
    QFont face = font();
    face.setBold(span.line == caretLine);
    painter.setFont(face);
    painter.drawText(QRect(0, y, width() - 6, height), Qt::AlignRight | Qt::AlignVCenter,
                     QString::number(span.line + 1));
  }
}

// ---- layout ----------------------------------------------------------------

namespace {
constexpr qsizetype kLayoutsKept = 400;
}  // namespace

// A line's layout depends on its text only (the caret and the selection are
// drawn over it): the layouts of the lines in sight are kept by their text,
// so a key lays out the line it changed and draws the others again as they were.
LargeTextView::Laid LargeTextView::layOut(const ShownLine& shown, bool withPreedit) const {
  Laid laid{shown, nullptr, -1};
  const bool caretHere = caret_ >= shown.from && caret_ <= shown.to && caret_ >= shown.start && caret_ <= shown.end;
  if (caretHere) laid.caretUnit = shown.text.unitAt(caret_ - shown.from);
  const bool preedit = withPreedit && caretHere && !preedit_.isEmpty();
  if (!preedit) {
    if (const auto kept = layouts_.constFind(shown.text.text); kept != layouts_.constEnd()) {
      laid.layout = *kept;
      return laid;
    }
  }
  laid.layout = std::make_shared<QTextLayout>(shown.text.text, font());
  if (preedit) laid.layout->setPreeditArea(int(laid.caretUnit), preedit_);
  QTextOption option;
  option.setWrapMode(QTextOption::NoWrap);
  option.setTabStopDistance(qreal(tabColumns_) * fontMetrics().horizontalAdvance(QLatin1Char('0')));
  laid.layout->setTextOption(option);
  laid.layout->setCacheEnabled(true);
  laid.layout->beginLayout();
  QTextLine line = laid.layout->createLine();
  if (line.isValid()) line.setLineWidth(viewport()->width());
  laid.layout->endLayout();
  if (!preedit) {
    if (layouts_.size() >= kLayoutsKept) layouts_.clear();
    layouts_.insert(shown.text.text, laid.layout);
  }
  return laid;
}

// ---- painting ---------------------------------------------------------------

void LargeTextView::paintEvent(QPaintEvent* event) {
  QPainter painter(viewport());
  if (!document_) return;
  const int height = lineHeight();
  const qint64 from = selectionStart();
  const qint64 to = selectionEnd();
  for (const ShownLine& shown : shownLines()) {
    // Only the lines the repaint covers are laid out (a caret's blink is one).
    const int y = int(shown.line - top_) * height;
    if (y >= event->rect().bottom() + 1 || y + height <= event->rect().top()) continue;
    const Laid laid = layOut(shown, true);
    const QPointF origin(originX(shown), qreal(y));
    QList<QTextLayout::FormatRange> selections;
    if (from < to && from <= shown.to && to >= shown.from) {
      QTextLayout::FormatRange range;
      const qsizetype first = shown.text.unitAt(std::max(from, shown.from) - shown.from);
      const qsizetype last = shown.text.unitAt(std::min(to, shown.to) - shown.from);
      range.start = int(first);
      range.length = int(last - first);
      range.format.setBackground(palette().highlight());
      range.format.setForeground(palette().highlightedText());
      selections.append(range);
      // A selected line break shows as a selected stretch after the line.
      if (to > shown.end && shown.to == shown.end) {
        const qreal end = origin.x() + laid.layout->lineAt(0).naturalTextWidth();
        painter.fillRect(QRectF(end, origin.y(), fontMetrics().horizontalAdvance(QLatin1Char(' ')), height),
                         palette().highlight());
      }
    }
    laid.layout->draw(&painter, origin, selections, event->rect());
    if (laid.caretUnit >= 0 && caretShown_ && hasFocus()) {
      const int cursor = int(laid.caretUnit) + (preedit_.isEmpty() ? 0 : int(preedit_.size()));
      laid.layout->drawCursor(&painter, origin, cursor, 2);
    }
  }
}

QRect LargeTextView::caretRect() {
  if (!document_) return {};
  const qint64 line = caretLine();
  if (line < top_ || line > top_ + visibleLineCount()) return {};
  const LineIndex::Span span = spanOf(line);
  const Laid laid = layOut(screen_->line(span, left_, columnsInSight()), false);
  if (laid.caretUnit < 0) return {};
  const qreal x = originX(laid.shown) + laid.layout->lineAt(0).cursorToX(int(laid.caretUnit));
  return QRect(int(x), int(line - top_) * lineHeight(), 2, lineHeight());
}

qint64 LargeTextView::offsetAt(const QPoint& point) {
  const qint64 line = std::max<qint64>(0, top_ + (point.y() < 0 ? -1 : point.y() / lineHeight()));
  LineIndex::Span span = spanOf(line);
  const Laid laid = layOut(screen_->line(span, left_, columnsInSight()), false);
  const int unit = laid.layout->lineAt(0).xToCursor(point.x() - originX(laid.shown));
  const ShownLine& shown = laid.shown;
  if (unit >= shown.text.text.size()) return shown.to;
  return shown.from + shown.text.byteOf[std::size_t(std::max(0, unit))];
}
}  // namespace wrenpad::large
