// SPDX-License-Identifier: GPL-3.0-or-later
#include "large_view/large_text_view.h"

#include "large_view/large_gutter.h"

#include <QApplication>
#include <QFontDatabase>
#include <QScrollBar>
#include <QTextLayout>
#include <climits>

namespace wrenpad::large {

// The view's other parts: painting and layout (large_view_painting.cpp),
// edits (large_view_editing.cpp), the clipboard (large_view_clipboard.cpp),
// keys, the input method and the mouse (large_view_input.cpp).

namespace {
constexpr int kTextMargin = 4;
constexpr qint64 kIdleScanBytes = qint64(8) << 20;
}  // namespace

LargeTextView::LargeTextView(QWidget* parent) : QAbstractScrollArea(parent) {
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_InputMethodEnabled);
  viewport()->setCursor(Qt::IBeamCursor);
  viewport()->setAutoFillBackground(true);
  viewport()->setBackgroundRole(QPalette::Base);
  setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  gutter_ = new LargeGutter(*this);
  blink_.setInterval(QApplication::cursorFlashTime() > 0 ? QApplication::cursorFlashTime() / 2 : 500);
  connect(&blink_, &QTimer::timeout, this, [this] {
    caretShown_ = !caretShown_;
    viewport()->update(caretRect().adjusted(-2, 0, 2, 0));
  });
  scanTimer_.setInterval(0);
  connect(&scanTimer_, &QTimer::timeout, this, &LargeTextView::idleScan);
  setLineNumbersVisible(true);
}

LargeTextView::~LargeTextView() = default;

void LargeTextView::setDocument(std::unique_ptr<LargeDocument> document) {
  document_ = std::move(document);
  screen_ = document_ ? std::make_unique<ScreenText>(*document_, tabColumns_) : nullptr;
  caret_ = anchor_ = 0;
  goalColumn_ = -1;
  top_ = left_ = 0;
  preedit_.clear();
  copiedText_.clear();
  copiedBytes_.clear();
  if (document_) scanTimer_.start();
  refreshScrollBars();
  verticalScrollBar()->setValue(0);
  horizontalScrollBar()->setValue(0);
  viewport()->update();
  gutter_->update();
}

std::unique_ptr<LargeDocument> LargeTextView::takeDocument() {
  scanTimer_.stop();
  screen_.reset();
  return std::move(document_);
}

void LargeTextView::setTabColumns(int columns) {
  if (std::max(1, columns) == tabColumns_) return;
  tabColumns_ = std::max(1, columns);
  layouts_.clear();
  if (screen_) screen_->setTabColumns(tabColumns_);
  viewport()->update();
}

void LargeTextView::setLineNumbersVisible(bool visible) {
  gutter_->setVisible(visible);
  refreshScrollBars();
}

bool LargeTextView::lineNumbersVisible() const { return !gutter_->isHidden(); }

int LargeTextView::lineHeight() const { return std::max(1, fontMetrics().lineSpacing()); }

int LargeTextView::visibleLineCount() const { return viewport()->height() / lineHeight() + 1; }

int LargeTextView::textLeft() const { return kTextMargin; }

qint64 LargeTextView::columnsInSight() const {
  return std::max(1, (viewport()->width() - textLeft()) / std::max(1, fontMetrics().horizontalAdvance(QLatin1Char('0'))) + 1);
}

qreal LargeTextView::originX(const ShownLine& shown) const {
  return textLeft() + qreal(shown.column - left_) * fontMetrics().horizontalAdvance(QLatin1Char('0'));
}

LineIndex::Span LargeTextView::spanOf(qint64 line) {
  const auto spans = document_->lines().lines(line, 1);
  return spans.empty() ? LineIndex::Span{} : spans.front();
}

std::vector<ShownLine> LargeTextView::shownLines() {
  if (!document_) return {};
  return screen_->lines(top_, visibleLineCount(), left_, columnsInSight());
}

// ---- scrolling --------------------------------------------------------------

void LargeTextView::scrollTo(qint64 topLine, qint64 leftColumn) {
  top_ = std::max<qint64>(0, topLine);
  left_ = std::max<qint64>(0, leftColumn);
  refreshScrollBars();
  viewport()->update();
  gutter_->update();
}

void LargeTextView::refreshScrollBars() {
  const int gutterWidth = lineNumbersVisible() && document_ ? gutter_->widthFor(top_ + visibleLineCount()) : 0;
  setViewportMargins(gutterWidth, 0, 0, 0);
  const QRect area = contentsRect();
  gutter_->setGeometry(area.left(), area.top(), gutterWidth, area.height());
  if (!document_) return;
  const int fullLines = std::max(1, viewport()->height() / lineHeight());
  const qint64 lastTopLine = std::max(top_, lastTop());
  qint64 widest = 0;
  for (const LineIndex::Span& span : document_->lines().lines(top_, visibleLineCount()))
    widest = std::max(widest, screen_->widthOf(span));
  const qint64 lastLeft = std::max(left_, std::max<qint64>(0, widest - columnsInSight() + 2));
  QScrollBar* vertical = verticalScrollBar();
  QScrollBar* horizontal = horizontalScrollBar();
  const QSignalBlocker blockVertical(vertical);
  const QSignalBlocker blockHorizontal(horizontal);
  vertical->setRange(0, int(std::min<qint64>(lastTopLine, INT_MAX)));
  vertical->setPageStep(fullLines);
  vertical->setValue(int(std::min<qint64>(top_, INT_MAX)));
  horizontal->setRange(0, int(std::min<qint64>(lastLeft, INT_MAX)));
  horizontal->setPageStep(int(columnsInSight()));
  horizontal->setValue(int(std::min<qint64>(left_, INT_MAX)));
}

void LargeTextView::scrollContentsBy(int, int) {
  top_ = verticalScrollBar()->value();
  left_ = horizontalScrollBar()->value();
  refreshScrollBars();
  viewport()->update();
  gutter_->update();
}

void LargeTextView::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange) layouts_.clear();
  QAbstractScrollArea::changeEvent(event);
}

void LargeTextView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  refreshScrollBars();
}

void LargeTextView::idleScan() {
  if (!document_ || document_->lines().scanOn(kIdleScanBytes)) scanTimer_.stop();
  if (!document_) return;
  const QSignalBlocker block(verticalScrollBar());
  verticalScrollBar()->setRange(0, int(std::min<qint64>(std::max(top_, lastTop()), INT_MAX)));
}

bool LargeTextView::ensureCaretVisible() {
  if (!document_) return false;
  const qint64 oldTop = top_;
  const qint64 oldLeft = left_;
  const qint64 line = caretLine();
  const qint64 fullLines = std::max(1, viewport()->height() / lineHeight());
  if (line < top_) top_ = line;
  if (line >= top_ + fullLines) top_ = line - fullLines + 1;
  const qint64 column = screen_->columnOf(spanOf(line), caret_);
  const qint64 sight = columnsInSight();
  if (column < left_) left_ = std::max<qint64>(0, column - sight / 4);
  if (column >= left_ + sight - 2) left_ = column - sight + sight / 4;
  refreshScrollBars();
  gutter_->update();
  if (top_ == oldTop && left_ == oldLeft) return false;
  viewport()->update();
  return true;
}

// Repaints the rows of lines [first, last] that are on screen.
void LargeTextView::updateLines(qint64 first, qint64 last) {
  const qint64 height = lineHeight();
  const qint64 top = std::max(first, top_) - top_;
  const qint64 bottom = std::min(last, top_ + visibleLineCount()) - top_;
  if (bottom < top) return;
  viewport()->update(QRect(0, int(top * height), viewport()->width(), int((bottom - top + 1) * height)));
}

// ---- caret and selection ----------------------------------------------------

qint64 LargeTextView::caretLine() { return document_ ? document_->lines().lineOf(caret_) : 0; }

void LargeTextView::moveCaretTo(qint64 offset, bool keepAnchor, bool keepGoal) {
  if (!document_) return;
  const bool hadSelection = hasSelection();
  // The rows that change: from the caret's old line and the selection's
  // old ends to the new ones.
  qint64 first = std::min(caretLine(), document_->lines().lineOf(anchor_));
  qint64 last = std::max(caretLine(), document_->lines().lineOf(anchor_));
  caret_ = std::clamp<qint64>(offset, 0, document_->size());
  if (!keepAnchor) anchor_ = caret_;
  if (!keepGoal) goalColumn_ = -1;
  document_->sealUndoStep();
  restartBlink();
  first = std::min(first, caretLine());
  last = std::max(last, caretLine());
  if (!ensureCaretVisible()) {
    if (hadSelection || hasSelection()) updateLines(first, last);
    else updateLines(first, first), updateLines(last, last);
  }
  emit caretMoved();
  if (hadSelection || hasSelection()) emit selectionChanged(hasSelection());
}

void LargeTextView::setCaret(qint64 offset, bool keepAnchor) {
  if (document_) moveCaretTo(document_->characterStart(offset), keepAnchor);
}

void LargeTextView::select(qint64 from, qint64 to) {
  if (!document_) return;
  anchor_ = document_->characterStart(from);
  moveCaretTo(document_->characterStart(to), true);
  viewport()->update();
}

void LargeTextView::goToLine(qint64 line) {
  if (!document_) return;
  const qint64 start = document_->lines().lineStart(line);
  // The line to the top of the screen, as a jump shows it.
  top_ = document_->lines().lineOf(start);
  moveCaretTo(start, false);
  viewport()->update();
}

void LargeTextView::selectAll() {
  if (!document_) return;
  anchor_ = 0;
  moveCaretTo(document_->size(), true);
  viewport()->update();
}

qint64 LargeTextView::lineAbove(int lines) {
  const qint64 line = caretLine();
  const LineIndex::Span here = spanOf(line);
  if (goalColumn_ < 0) goalColumn_ = screen_->columnOf(here, caret_);
  const qint64 target = std::max<qint64>(0, line - lines);
  const LineIndex::Span there = spanOf(target);
  if (there.line != target) return lines < 0 ? document_->size() : 0;
  return screen_->offsetAtColumn(there, goalColumn_);
}

qint64 LargeTextView::lastTop() {
  LineIndex& lines = document_->lines();
  const qint64 total = lines.countKnown() ? lines.lineCount() : lines.estimatedLineCount();
  return std::max<qint64>(0, total - std::max(1, viewport()->height() / lineHeight()));
}

// The screen moves by `lines` and the caret with it, on the same row.
void LargeTextView::pageBy(int lines, bool shift) {
  const qint64 offset = lineAbove(-lines);
  top_ = std::clamp<qint64>(top_ + lines, 0, std::max(top_, lastTop()));
  moveCaretTo(offset, shift, true);
  viewport()->update();
}
}  // namespace wrenpad::large
