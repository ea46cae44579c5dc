#include "large_view/large_text_view.h"

#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTextLayout>
#include <climits>

namespace wrenpad::large {

// ---- the gutter ------------------------------------------------------------

class LargeGutter : public QWidget {
 public:
  explicit LargeGutter(LargeTextView& view) : QWidget(&view), view_(view) {}
  int widthFor(qint64 lastLine) const {
    int digits = 1;
    for (qint64 n = std::max<qint64>(lastLine, 999); n >= 10; n /= 10) ++digits;
    return fontMetrics().horizontalAdvance(QLatin1Char('9')) * digits + 10;
  }

 protected:
  void paintEvent(QPaintEvent*) override {
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

 private:
  LargeTextView& view_;
};

// ---- layout ----------------------------------------------------------------

struct LargeTextView::Laid {
  ShownLine shown;
  std::shared_ptr<QTextLayout> layout;
  qsizetype caretUnit = -1;  // where the caret is in the laid-out text, -1 when elsewhere
};

namespace {
constexpr int kTextMargin = 4;
constexpr qint64 kIdleScanBytes = qint64(8) << 20;
constexpr qsizetype kLayoutsKept = 400;
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

bool LargeTextView::moveByKey(QKeyEvent* event) {
  const bool shift = event->modifiers() & Qt::ShiftModifier;
  const bool control = event->modifiers() & Qt::ControlModifier;
  const int page = std::max(1, viewport()->height() / lineHeight() - 1);
  switch (event->key()) {
    case Qt::Key_Left:
      if (hasSelection() && !shift) return moveCaretTo(selectionStart(), false), true;
      return moveCaretTo(document_->previousCharacter(caret_), shift), true;
    case Qt::Key_Right:
      if (hasSelection() && !shift) return moveCaretTo(selectionEnd(), false), true;
      return moveCaretTo(document_->nextCharacter(caret_), shift), true;
    case Qt::Key_Up: return moveCaretTo(lineAbove(1), shift, true), true;
    case Qt::Key_Down: return moveCaretTo(lineAbove(-1), shift, true), true;
    case Qt::Key_PageUp: return pageBy(-page, shift), true;
    case Qt::Key_PageDown: return pageBy(page, shift), true;
    case Qt::Key_Home:
      return moveCaretTo(control ? 0 : spanOf(caretLine()).start, shift), true;
    case Qt::Key_End:
      return moveCaretTo(control ? document_->size() : spanOf(caretLine()).end, shift), true;
    default: return false;
  }
}

// ---- editing ------------------------------------------------------------------

// After an edit: the edited line is repainted, and every line below it when
// the edit added or took away a line break (`sameLines` false).
void LargeTextView::changed(const Change& change, bool modifiedBefore, bool sameLines) {
  screen_->follow(change);
  goalColumn_ = -1;
  restartBlink();
  if (!ensureCaretVisible()) {
    const qint64 line = document_->lines().lineOf(change.offset);
    updateLines(line, sameLines ? std::max(line, caretLine()) : top_ + visibleLineCount());
  }
  emit textChanged();
  if (document_->isModified() != modifiedBefore) emit modificationChanged(document_->isModified());
  emit caretMoved();
  emit selectionChanged(hasSelection());
}

namespace {
bool holdsBreak(std::string_view bytes) { return bytes.find_first_of("\r\n") != std::string_view::npos; }
}  // namespace

// Whether replacing [from, to) with `bytes` leaves the lines as they are
// (no line break put in or taken out).
bool LargeTextView::keepsLines(qint64 from, qint64 to, std::string_view bytes) const {
  return !holdsBreak(bytes) && to - from <= 4096 && !holdsBreak(document_->bytes(from, to));
}

void LargeTextView::replaceSelection(std::string_view bytes, EditKind kind) {
  if (isReadOnly()) return;
  const bool modified = document_->isModified();
  const qint64 from = selectionStart();
  const bool sameLines = keepsLines(from, selectionEnd(), bytes);
  const Change change = document_->replace(from, selectionEnd() - from, bytes, kind);
  caret_ = anchor_ = from + qint64(bytes.size());
  changed(change, modified, sameLines);
}

std::string LargeTextView::bytesForPaste(const QString& text, bool* ok) {
  *ok = true;
  if (!copiedText_.isEmpty() && text == copiedText_) return copiedBytes_;
  std::string bytes;
  const std::string_view lineBreak = document_->lineBreak(newLineEnd_);
  for (qsizetype start = 0; start <= text.size();) {
    qsizetype end = start;
    while (end < text.size() && text.at(end) != u'\r' && text.at(end) != u'\n') ++end;
    qsizetype unencodable = -1;
    const std::optional<std::string> part =
        encodeText(QStringView(text).mid(start, end - start), document_->encoding(), &unencodable);
    if (!part) {
      emit cannotWrite(QString(text.at(start + unencodable)));
      *ok = false;
      return {};
    }
    bytes += *part;
    if (end == text.size()) break;
    bytes += lineBreak;
    start = end + (text.at(end) == u'\r' && end + 1 < text.size() && text.at(end + 1) == u'\n' ? 2 : 1);
  }
  return bytes;
}

bool LargeTextView::insertText(const QString& text, EditKind kind) {
  if (isReadOnly()) return false;
  if (text.isEmpty()) {
    if (hasSelection()) replaceSelection({}, EditKind::Other);
    return true;
  }
  bool ok = false;
  const std::string bytes = bytesForPaste(text, &ok);
  if (!ok) return false;
  replaceSelection(bytes, hasSelection() ? EditKind::Other : kind);
  return true;
}

void LargeTextView::deleteBackward() {
  if (isReadOnly()) return;
  if (hasSelection()) return replaceSelection({}, EditKind::Other);
  if (caret_ == 0) return;
  const bool modified = document_->isModified();
  const qint64 from = document_->previousCharacter(caret_);
  const bool sameLines = keepsLines(from, caret_, {});
  const Change change = document_->replace(from, caret_ - from, {}, EditKind::DeletingBackward);
  caret_ = anchor_ = from;
  changed(change, modified, sameLines);
}

void LargeTextView::deleteForward() {
  if (isReadOnly()) return;
  if (hasSelection()) return replaceSelection({}, EditKind::Other);
  if (caret_ >= document_->size()) return;
  const bool modified = document_->isModified();
  const qint64 to = document_->nextCharacter(caret_);
  const bool sameLines = keepsLines(caret_, to, {});
  const Change change = document_->replace(caret_, to - caret_, {}, EditKind::DeletingForward);
  changed(change, modified, sameLines);
}

void LargeTextView::afterUndoStep(const std::optional<Change>& change, bool modifiedBefore) {
  if (!change) return;
  caret_ = anchor_ = change->offset + change->inserted;
  changed(*change, modifiedBefore, false);
}

void LargeTextView::documentEdited(qint64 caret) {
  if (!document_) return;
  screen_ = std::make_unique<ScreenText>(*document_, tabColumns_);
  caret_ = anchor_ = document_->characterStart(std::clamp<qint64>(caret, 0, document_->size()));
  goalColumn_ = -1;
  ensureCaretVisible();
  viewport()->update();
  emit textChanged();
  emit modificationChanged(document_->isModified());
  emit caretMoved();
  emit selectionChanged(false);
}

void LargeTextView::undo() {
  if (!document_ || isReadOnly()) return;
  const bool modified = document_->isModified();
  afterUndoStep(document_->undo(), modified);
}

void LargeTextView::redo() {
  if (!document_ || isReadOnly()) return;
  const bool modified = document_->isModified();
  afterUndoStep(document_->redo(), modified);
}

// ---- the clipboard ------------------------------------------------------------

QString LargeTextView::selectedText(bool* tooLarge) {
  *tooLarge = selectionEnd() - selectionStart() > kLargestCopy;
  if (*tooLarge || !hasSelection()) return {};
  const std::string bytes = document_->bytes(selectionStart(), selectionEnd());
  QString text;
  for (std::size_t start = 0; start <= bytes.size();) {
    std::size_t end = bytes.find_first_of("\r\n", start);
    if (end == std::string::npos) end = bytes.size();
    text += decodeText(document_->encoding(), std::string_view(bytes).substr(start, end - start)).text;
    if (end == bytes.size()) break;
    text += copiedLineBreak_;
    start = end + (bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n' ? 2 : 1);
  }
  return text;
}

void LargeTextView::copy() {
  if (!document_ || !hasSelection()) return;
  bool tooLarge = false;
  const QString text = selectedText(&tooLarge);
  if (tooLarge) {
    emit selectionTooLarge();
    return;
  }
  copiedText_ = text;
  copiedBytes_ = document_->bytes(selectionStart(), selectionEnd());
  QApplication::clipboard()->setText(text);
}

void LargeTextView::cut() {
  if (!document_ || !hasSelection() || isReadOnly()) return;
  if (selectionEnd() - selectionStart() > kLargestCopy) {
    emit selectionTooLarge();
    return;
  }
  copy();
  replaceSelection({}, EditKind::Other);
}

void LargeTextView::paste() {
  if (!document_) return;
  insertText(QApplication::clipboard()->text());
}

// ---- keys, the input method and the mouse -----------------------------------------

bool LargeTextView::commandByKey(QKeyEvent* event) {
  if (event == QKeySequence::Copy) return copy(), true;
  if (event == QKeySequence::Cut) return cut(), true;
  if (event == QKeySequence::Paste) return paste(), true;
  if (event == QKeySequence::SelectAll) return selectAll(), true;
  if (event == QKeySequence::Undo) return undo(), true;
  if (event == QKeySequence::Redo) return redo(), true;
  return false;
}

bool LargeTextView::editByKey(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Backspace: return deleteBackward(), true;
    case Qt::Key_Delete: return deleteForward(), true;
    case Qt::Key_Return:
    case Qt::Key_Enter: return insertText(QStringLiteral("\n")), true;
    case Qt::Key_Tab: return insertText(QStringLiteral("\t"), EditKind::Typing), true;
    default: return false;
  }
}

void LargeTextView::keyPressEvent(QKeyEvent* event) {
  if (!document_) return QAbstractScrollArea::keyPressEvent(event);
  if (commandByKey(event) || moveByKey(event) || editByKey(event)) return event->accept();
  const QString text = event->text();
  const bool printable = !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) { return c.isPrint() || c.isSurrogate(); });
  if (printable && !(event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier))) {
    insertText(text, EditKind::Typing);
    return event->accept();
  }
  QAbstractScrollArea::keyPressEvent(event);
}

void LargeTextView::inputMethodEvent(QInputMethodEvent* event) {
  if (!document_ || isReadOnly()) return event->ignore();
  if (!event->commitString().isEmpty()) insertText(event->commitString(), EditKind::Typing);
  preedit_ = event->preeditString();
  viewport()->update();
  event->accept();
}

QVariant LargeTextView::inputMethodQuery(Qt::InputMethodQuery query) const {
  auto* self = const_cast<LargeTextView*>(this);
  switch (query) {
    case Qt::ImEnabled: return bool(document_) && !isReadOnly();
    case Qt::ImCursorRectangle: return self->caretRect();
    case Qt::ImFont: return font();
    case Qt::ImHints: return int(Qt::ImhMultiLine);
    default: return QAbstractScrollArea::inputMethodQuery(query);
  }
}

void LargeTextView::mousePressEvent(QMouseEvent* event) {
  if (!document_ || event->button() != Qt::LeftButton) return QAbstractScrollArea::mousePressEvent(event);
  moveCaretTo(offsetAt(event->position().toPoint()), event->modifiers() & Qt::ShiftModifier);
}

void LargeTextView::mouseMoveEvent(QMouseEvent* event) {
  if (!document_ || !(event->buttons() & Qt::LeftButton)) return;
  moveCaretTo(offsetAt(event->position().toPoint()), true);
}

void LargeTextView::mouseReleaseEvent(QMouseEvent* event) { event->accept(); }

void LargeTextView::mouseDoubleClickEvent(QMouseEvent* event) {
  if (!document_ || event->button() != Qt::LeftButton) return;
  const qint64 offset = offsetAt(event->position().toPoint());
  const ShownLine shown = screen_->line(spanOf(document_->lines().lineOf(offset)), left_, columnsInSight());
  const QString& text = shown.text.text;
  qsizetype first = shown.text.unitAt(offset - shown.from);
  qsizetype last = first;
  const auto inWord = [&text](qsizetype i) { return text.at(i).isLetterOrNumber() || text.at(i) == u'_'; };
  while (first > 0 && inWord(first - 1)) --first;
  while (last < text.size() && inWord(last)) ++last;
  anchor_ = shown.from + shown.text.byteOf[std::size_t(first)];
  moveCaretTo(shown.from + shown.text.byteOf[std::size_t(last)], true);
}

void LargeTextView::restartBlink() {
  caretShown_ = true;
  if (hasFocus()) blink_.start();
}

void LargeTextView::focusInEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusInEvent(event);
  restartBlink();
  viewport()->update();
}

void LargeTextView::focusOutEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusOutEvent(event);
  blink_.stop();
  viewport()->update();
}

}  // namespace wrenpad::large
