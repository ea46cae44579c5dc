// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/line_number_gutter.h"

#include "editor/editor_control.h"
#include "editor/gutter_look.h"

#include <QAbstractTextDocumentLayout>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextDocument>
#include <algorithm>

namespace wrenpad {

namespace {
constexpr int kErrorMarkWidth = 3;  // the bar at the gutter's left edge
}  // namespace

LineNumberGutter::LineNumberGutter(QPlainTextEdit& edit, GutterSource& source)
    : QWidget(&edit), edit_(edit), source_(source) {
  setObjectName(QStringLiteral("LineNumberGutter"));
  hide();
  connect(&edit_, &QPlainTextEdit::updateRequest, this, &LineNumberGutter::repaintStretch);
  connect(&edit_, &QPlainTextEdit::blockCountChanged, this, &LineNumberGutter::lineCountChanged);
  connect(&edit_, &QPlainTextEdit::cursorPositionChanged, this, &LineNumberGutter::caretMoved);
}

LineNumberGutter& LineNumberGutter::of(const EditorControl& editor) {
  return *editor.widget()->findChild<LineNumberGutter*>(QString(), Qt::FindDirectChildrenOnly);
}

// A hidden gutter follows nothing; showing it catches up with the line
// count, the caret and the font.
void LineNumberGutter::setShown(bool shown) {
  if (shown == isShown()) return;
  setVisible(shown);
  if (shown) {
    digits_ = lineNumberDigits(edit_.blockCount());
    caretLine_ = edit_.textCursor().blockNumber();
    followEditorFont();
  }
  applyWidth();
}

void LineNumberGutter::setErrorLine(std::optional<int> line) {
  if (line == errorLine_) return;
  errorLine_ = line;
  update();
}

// ---- following the editor -------------------------------------------------------

// The editor repaints a stretch of its text, or scrolls by `scrolledBy`.
// Its font is looked at here because every change of it (the Font command,
// a zoom of the widget) lays the text out again and repaints it.
void LineNumberGutter::repaintStretch(const QRect& viewportArea, int scrolledBy) {
  if (isHidden()) return;
  const QRect stretch(0, viewportArea.y(), width(), viewportArea.height());
  if (followEditorFont()) {
    applyWidth();
    update();
  } else if (scrolledBy != 0) {
    movePainted(scrolledBy);
    scroll(0, scrolledBy);
  } else {
    repaintChangedLines(stretch, viewportArea.contains(edit_.viewport()->rect()));
  }
}

// The editor repaints a stretch of its text in place. A change that moves
// lines (one grows a line, joins lines, hides a line) makes it repaint all
// of its text; a stretch alone is a change within lines, which leaves every
// number where it stands unless the lines were counted, scrolled or marked
// anew since the gutter last compared its lines with what it painted. A
// comparison finding a difference paints the lines it touches whole, so
// that what they show is known.
void LineNumberGutter::repaintChangedLines(const QRect& stretch, bool wholeText) {
  const LinesState state = linesState();
  if (!wholeText && comparedState_ == state) return;
  comparedState_ = state;
  const std::vector<ShownLine> lines = linesIn(rect());
  if (paintedAsNow(rect(), lines)) return;
  QRect area = stretch;
  for (const ShownLine& line : lines) area |= line.strip;
  update(area);
}

LineNumberGutter::LinesState LineNumberGutter::linesState() const {
  const QPalette& palette = edit_.palette();
  return {edit_.blockCount(), edit_.verticalScrollBar()->value(), caretLine_, errorLine_, width(),
          palette.color(QPalette::Base), palette.color(QPalette::Text)};
}

// True when every line in `area` stands where it was painted, with the same
// number and marks, in the same colours, and no painted line left it.
bool LineNumberGutter::paintedAsNow(const QRect& area, const std::vector<ShownLine>& now) const {
  if (!paintedWhole_ || paintedInPart_.intersects(area)) return false;
  const QPalette& palette = edit_.palette();
  if (palette.color(QPalette::Base) != paintedPage_ || palette.color(QPalette::Text) != paintedText_)
    return false;
  const auto isNow = [&now](const ShownLine& line) { return std::find(now.begin(), now.end(), line) != now.end(); };
  const auto wasPainted = [this](const ShownLine& line) {
    return std::find(painted_.begin(), painted_.end(), line) != painted_.end();
  };
  if (!std::all_of(now.begin(), now.end(), wasPainted)) return false;
  return std::all_of(painted_.begin(), painted_.end(),
                     [&](const ShownLine& line) { return !line.strip.intersects(area) || isNow(line); });
}

void LineNumberGutter::lineCountChanged(int lineCount) {
  if (isHidden()) return;
  const int digits = lineNumberDigits(lineCount);
  if (digits == digits_) return;
  digits_ = digits;
  applyWidth();
}

void LineNumberGutter::caretMoved() {
  if (isHidden()) return;
  const int line = edit_.textCursor().blockNumber();
  if (line == caretLine_) return;
  caretLine_ = line;
  update();
}

// True when the font changed.
bool LineNumberGutter::followEditorFont() {
  const QFont shown = edit_.document()->defaultFont();
  if (editorFont_ == shown) return false;
  editorFont_ = shown;
  setFont(shown);
  return true;
}

void LineNumberGutter::applyWidth() {
  source_.setLeftMargin(isShown() ? wantedWidth() : 0);
  fitToEditor();
}

int LineNumberGutter::padding() const { return std::max(4, fontMetrics().horizontalAdvance(u'9') / 2); }

int LineNumberGutter::wantedWidth() const {
  return kErrorMarkWidth + 2 * padding() + fontMetrics().horizontalAdvance(QString(digits_, u'9'));
}

void LineNumberGutter::fitToEditor() {
  const QRect area = edit_.contentsRect();
  setGeometry(area.left(), area.top(), wantedWidth(), area.height());
}

// ---- drawing and clicks ---------------------------------------------------------

// The first line's place comes from the editor; each next line stands
// below the last, as tall as the layout made it: the editor's own look-up of
// a place walks from the top of the screen and would cost as much again for
// every line.
std::vector<LineNumberGutter::ShownLine> LineNumberGutter::linesIn(const QRect& area) const {
  std::vector<ShownLine> lines;
  const int caretLine = edit_.textCursor().blockNumber();
  const QAbstractTextDocumentLayout* layout = edit_.document()->documentLayout();
  QTextBlock block = source_.firstBlockOnScreen();
  qreal top = source_.blockPlace(block).top();
  for (int index = block.blockNumber(); block.isValid() && top <= area.bottom(); block = block.next(), ++index) {
    const qreal height = layout->blockBoundingRect(block).height();
    const QRect strip = QRectF(0, top, width(), height).toAlignedRect();
    top += height;
    if (block.isVisible() && strip.bottom() >= area.top())
      lines.push_back({index + 1, strip, index == caretLine, errorLine_ == index});
  }
  return lines;
}

const GutterColours& LineNumberGutter::colours() const {
  const QPalette& palette = edit_.palette();
  const QColor page = palette.color(QPalette::Base);
  const QColor text = palette.color(QPalette::Text);
  if (page != coloursPage_ || text != coloursText_) {
    coloursPage_ = page;
    coloursText_ = text;
    colours_ = gutterColoursFor(page, text);
  }
  return colours_;
}

void LineNumberGutter::paintEvent(QPaintEvent* event) {
  const GutterColours& look = colours();
  QPainter painter(this);
  painter.fillRect(event->rect(), look.background);
  QFont caretFont = font();
  caretFont.setBold(true);
  const int numberHeight = fontMetrics().height();
  const int numbersRight = width() - padding();
  const std::vector<ShownLine> lines = linesIn(event->rect());
  notePainted(event->rect(), lines);
  for (const ShownLine& line : lines) {
    if (line.error) {
      painter.fillRect(line.strip, look.errorStrip);
      painter.fillRect(QRect(0, line.strip.top(), kErrorMarkWidth, line.strip.height()), look.errorMark);
    } else if (line.caret) {
      painter.fillRect(line.strip, look.caretStrip);
    }
    painter.setPen(line.error ? look.errorNumber : line.caret ? look.caretNumber : look.number);
    painter.setFont(line.caret ? caretFont : font());
    painter.drawText(QRect(0, line.strip.top(), numbersRight, numberHeight), Qt::AlignRight | Qt::AlignVCenter,
                     QString::number(line.number));
  }
}

// A line cut by the painted area (its part on the gutter, that is) is known
// in part only, and forgotten.
void LineNumberGutter::notePainted(const QRect& area, const std::vector<ShownLine>& lines) {
  if (area.contains(rect())) {
    paintedWhole_ = true;
    paintedInPart_ = QRegion();
  }
  std::erase_if(painted_, [&area](const ShownLine& line) { return line.strip.intersects(area); });
  paintedInPart_ -= area;
  for (const ShownLine& line : lines) {
    if (area.contains(line.strip & rect()))
      painted_.push_back(line);
    else
      paintedInPart_ += line.strip;
  }
  paintedPage_ = coloursPage_;
  paintedText_ = coloursText_;
}

// A scroll moves the pixels, and what they show with them; a line pushed
// partly off the gutter is known in part only.
void LineNumberGutter::movePainted(int scrolledBy) {
  paintedInPart_.translate(0, scrolledBy);
  for (ShownLine& line : painted_) line.strip.translate(0, scrolledBy);
  std::erase_if(painted_, [this](const ShownLine& line) {
    if (rect().contains(line.strip)) return false;
    paintedInPart_ += line.strip & rect();
    return true;
  });
}

void LineNumberGutter::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    QWidget::mousePressEvent(event);
    return;
  }
  // The gutter's rows are the viewport's: the same y finds the same line.
  QTextCursor cursor = edit_.cursorForPosition(QPoint(0, event->position().toPoint().y()));
  cursor.movePosition(QTextCursor::StartOfBlock);
  edit_.setTextCursor(cursor);
  edit_.setFocus(Qt::MouseFocusReason);
  event->accept();
}

}  // namespace wrenpad
