// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/editor_widget.h"

#include "editor/aligning_layout.h"
#include "editor/paper_ink.h"
#include "editor/plain_paste.h"
#include "editor/text_on_background.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QPrinter>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QStyleHints>
#include <QTextBlock>
#include <QTextDocument>
#include <memory>

// The widget behind EditorControl, its layout, and the control's calls that
// are about the view rather than the text: read-only, background, printing,
// focus and scrolling.

namespace wrenpad {

namespace {
bool keyMayEdit(const QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return true;
    default:
      return !event->text().isEmpty() && event->text().at(0).isPrint();
  }
}

KeyEventInfo keyInfoOf(const QKeyEvent* event) {
  KeyEventInfo info;
  info.key = event->key();
  info.modifiers = event->modifiers();
  info.text = event->text();
  return info;
}

}  // namespace

EditorControl::Widget::Widget(EditorControl& owner, QWidget* parent)
    : QPlainTextEdit(parent),
      owner_(owner),
      usualFlashTime_(QGuiApplication::styleHints()->cursorFlashTime()) {
  document()->setDocumentLayout(new AligningLayout(document()));
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setLineWrapMode(QPlainTextEdit::WidgetWidth);
  setUndoRedoEnabled(false);  // the control keeps its own one-level undo
  connect(this, &QPlainTextEdit::cursorPositionChanged, this, &Widget::steadyCaretOnLongLine);
  gutter_ = new LineNumberGutter(*this, *this);
}

EditorControl::Widget::~Widget() { QGuiApplication::styleHints()->setCursorFlashTime(usualFlashTime_); }

bool EditorControl::Widget::event(QEvent* event) {
  // Let the main menu's Ctrl short-cuts win over the text edit's own keys.
  if (event->type() == QEvent::ShortcutOverride) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & Qt::ControlModifier) {
      event->ignore();
      return false;
    }
  }
  return QPlainTextEdit::event(event);
}

void EditorControl::Widget::keyPressEvent(QKeyEvent* event) {
  KeyEventInfo info = keyInfoOf(event);
  emit owner_.keyDown(info);
  if (info.handled) {
    event->accept();
    return;
  }
  if (isReadOnly() || !keyMayEdit(event)) {
    QPlainTextEdit::keyPressEvent(event);
    return;
  }
  owner_.rememberUndoState();
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    // Shift+Enter would insert a line separator inside the paragraph; the
    // document knows only one kind of line break.
    textCursor().insertBlock();
    ensureCursorVisible();
    event->accept();
    return;
  }
  QPlainTextEdit::keyPressEvent(event);
}

void EditorControl::Widget::keyReleaseEvent(QKeyEvent* event) {
  KeyEventInfo info = keyInfoOf(event);
  emit owner_.keyUp(info);
  QPlainTextEdit::keyReleaseEvent(event);
}

void EditorControl::Widget::mousePressEvent(QMouseEvent* event) {
  emit owner_.mouseDown(event->button(), event->modifiers());
  QPlainTextEdit::mousePressEvent(event);
}

// A drop or paste may come without mime data at all; Qt's own insertion
// would read through the null pointer.
bool EditorControl::Widget::canInsertFromMimeData(const QMimeData* source) const {
  return source != nullptr && QPlainTextEdit::canInsertFromMimeData(source);
}

void EditorControl::Widget::insertFromMimeData(const QMimeData* source) {
  if (source == nullptr) return;
  owner_.rememberUndoState();
  QPlainTextEdit::insertFromMimeData(source);
}

// The widget's own copies (Ctrl+Insert, Shift+Delete, dragging, the primary
// selection) are plain text with the line breaks of the control's copies.
QMimeData* EditorControl::Widget::createMimeDataFromSelection() const {
  auto* data = new QMimeData;
  data->setText(owner_.copiedSelection());
  return data;
}

void EditorControl::Widget::insertPasted(const QString& text, std::optional<QPoint> at) {
  owner_.rememberUndoState();
  if (at) setTextCursor(cursorForPosition(*at));
  insertPlainText(text);
  ensureCursorVisible();
}

// Text being composed in an input method would take the format of the
// character before it (the blue of a tag's ">"), which the text control also
// lays under the input method's own formats; it is shown in the document's
// plain colour until committed. The input method's underline stays, and so
// does a colour it chose itself.
void EditorControl::Widget::inputMethodEvent(QInputMethodEvent* event) {
  if (!event->commitString().isEmpty()) owner_.rememberUndoState();
  // A composition shown, changed or given up commits nothing and changes
  // nothing: no modified flag, no undo step.
  const bool composingOnly = event->commitString().isEmpty() && event->replacementLength() == 0;
  const QScopedValueRollback<bool> composing(owner_.composingOnly_, composingOnly);
  if (event->preeditString().isEmpty()) return QPlainTextEdit::inputMethodEvent(event);
  const QColor plainColour = owner_.defaultFont().color;
  QTextCharFormat plain;
  plain.setForeground(plainColour);
  QList<QInputMethodEvent::Attribute> attributes{
      {QInputMethodEvent::TextFormat, 0, int(event->preeditString().size()), plain}};
  for (QInputMethodEvent::Attribute attribute : event->attributes()) {
    if (attribute.type == QInputMethodEvent::TextFormat) {
      QTextCharFormat format = qvariant_cast<QTextFormat>(attribute.value).toCharFormat();
      if (!format.hasProperty(QTextFormat::ForegroundBrush)) format.setForeground(plainColour);
      attribute.value = format;
    }
    attributes << attribute;
  }
  QInputMethodEvent shown(event->preeditString(), attributes);
  shown.setCommitString(event->commitString(), event->replacementStart(), event->replacementLength());
  QPlainTextEdit::inputMethodEvent(&shown);
}

void EditorControl::Widget::resizeEvent(QResizeEvent* event) {
  QPlainTextEdit::resizeEvent(event);
  gutter_->fitToEditor();
}

QRectF EditorControl::Widget::blockPlace(const QTextBlock& block) const {
  return blockBoundingGeometry(block).translated(contentOffset());
}

// Every blink redraws the caret's paragraph, and Qt shapes a paragraph's
// text again to draw it: on a line of megabytes that is most of a second of
// work twice a second. The caret stays lit while it is on such a line.
void EditorControl::Widget::steadyCaretOnLongLine() {
  constexpr int kLongLine = 100'000;
  QStyleHints* hints = QGuiApplication::styleHints();
  const int wanted = textCursor().block().length() > kLongLine ? 0 : usualFlashTime_;
  if (hints->cursorFlashTime() != wanted) hints->setCursorFlashTime(wanted);
}

EditorControl::EditorControl(QWidget* parent) : QObject(parent) {
  edit_ = new Widget(*this, parent);
  edit_->setObjectName(QStringLiteral("Editor"));
  installPlainPaste(edit_, [edit = edit_](const QString& text, std::optional<QPoint> at) {
    edit->insertPasted(text, at);
  });
  QTextDocument* document = edit_->document();
  document->setUndoRedoEnabled(false);
  connect(document, &QTextDocument::contentsChange, this, &EditorControl::onContentsChange);
  connect(edit_, &QPlainTextEdit::cursorPositionChanged, this, &EditorControl::noteCaretMoved);
  connect(edit_, &QPlainTextEdit::selectionChanged, this, &EditorControl::noteCaretMoved);
}

EditorControl::~EditorControl() = default;

QWidget* EditorControl::widget() const { return edit_; }

void EditorControl::beginUpdate() {
  if (updateDepth_++ == 0) edit_->viewport()->setUpdatesEnabled(false);
}

void EditorControl::endUpdate() {
  if (updateDepth_ > 0 && --updateDepth_ == 0) {
    edit_->viewport()->setUpdatesEnabled(true);
    edit_->viewport()->update();
  }
}

QColor EditorControl::background() const {
  return edit_->palette().color(QPalette::Base);
}

// Plain text stays readable: a default colour that was the plain colour of
// the old background (black on a light one) becomes that of the new one; a
// page's own text colour stays.
void EditorControl::setBackground(const QColor& color) {
  const QColor plainBefore = PlainTextColourOn(background());
  QPalette palette = edit_->palette();
  palette.setColor(QPalette::Base, color);
  edit_->setPalette(palette);
  if (defaultFont_.color == plainBefore && PlainTextColourOn(color) != plainBefore) {
    EditorFont font = defaultFont_;
    font.color = PlainTextColourOn(color);
    setDefaultFont(font);
  }
}

void EditorControl::setReadOnly(bool readOnly) { edit_->setReadOnly(readOnly); }
bool EditorControl::isReadOnly() const { return edit_->isReadOnly(); }

// ---- printing, focus, scrolling ------------------------------------------------

void EditorControl::print(QPrinter& printer, const QString& title) const {
  printer.setDocName(title);
  const QRect page = printer.pageLayout().fullRectPixels(printer.resolution());
  const QRect area = pageRect_.isValid() ? pageRect_ : page;
  // The page rectangle becomes the printer's margins, in points.
  const double toPoints = 72.0 / printer.resolution();
  printer.setPageMargins(QMarginsF(area.left() * toPoints, area.top() * toPoints,
                                   (page.width() - area.right()) * toPoints,
                                   (page.height() - area.bottom()) * toPoints),
                         QPageLayout::Point);
  std::unique_ptr<QTextDocument> copy(edit_->document()->clone());
  prepareForPaper(*copy);
  copy->documentLayout()->setPaintDevice(&printer);
  copy->setPageSize(printer.pageRect(QPrinter::DevicePixel).size());
  copy->print(&printer);
}

void EditorControl::setFocus() { edit_->setFocus(); }

int EditorControl::firstVisibleLine() const {
  // One pixel in: a view that starts exactly on a line's top shows that line.
  return edit_->cursorForPosition(QPoint(0, 1)).blockNumber();
}

void EditorControl::returnFocus() {
  QWidget* window = edit_->window();
  if (!window->isVisible()) return;
  window->activateWindow();
  edit_->setFocus();
}

void EditorControl::scrollLines(int lines) {
  const int target = std::clamp(firstVisibleLine() + lines, 0, lineCount() - 1);
  // The scroll bar counts screen lines, wrapped lines included.
  const QTextBlock block = edit_->document()->findBlockByNumber(target);
  edit_->verticalScrollBar()->setValue(block.firstLineNumber());
}

void EditorControl::scrollCaretIntoView() { edit_->ensureCursorVisible(); }

}  // namespace wrenpad
