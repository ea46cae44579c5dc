#include "editor/editor_control.h"

#include "editor/plain_paste.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QGuiApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QPrinter>
#include <QScrollBar>
#include <QStyleHints>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>

namespace wrenpad {

namespace {
// Qt fonts have no Windows character set; it travels with the format.
constexpr int kCharsetProperty = QTextFormat::UserProperty + 1;

// CR LF and lone CR become LF, in one pass. (QString::replace moves the
// whole rest of the text for every thousand matches: quadratic on a long
// file.)
QString withLfBreaks(const QString& text) {
  if (!text.contains(u'\r')) return text;
  QString out(text.size(), Qt::Uninitialized);
  QChar* to = out.data();
  const QChar* from = text.constData();
  const QChar* end = from + text.size();
  for (; from < end; ++from) {
    if (*from != u'\r') {
      *to++ = *from;
    } else {
      *to++ = u'\n';
      if (from + 1 < end && from[1] == u'\n') ++from;
    }
  }
  out.truncate(to - out.constData());
  return out;
}

// The document's paragraph separators written as CR LF, in one pass.
QString withCrLfBreaks(const QString& raw) {
  const qsizetype breaks = raw.count(QChar::ParagraphSeparator);
  if (breaks == 0) return raw;
  QString out(raw.size() + breaks, Qt::Uninitialized);
  QChar* to = out.data();
  for (const QChar c : raw) {
    if (c == QChar::ParagraphSeparator) {
      *to++ = u'\r';
      *to++ = u'\n';
    } else {
      *to++ = c;
    }
  }
  return out;
}

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

// Marks a stretch of work that changes formats only: no modified flag, no
// text-changed event, no undo step.
class FormattingScope {
 public:
  explicit FormattingScope(EditorControl& editor) : editor_(editor) {
    ++editor_.formattingDepth_;
  }
  ~FormattingScope() { --editor_.formattingDepth_; }

 private:
  EditorControl& editor_;
};

// Lays the document out line by line, as QPlainTextEdit does, and shows each
// paragraph with the alignment its block format carries. The plain-text layout
// knows the height of a paragraph only once it is shown, so neither loading
// nor a change costs a layout of the whole document; the alignment is applied
// to a paragraph's lines when they are measured or drawn.
class AligningLayout : public QPlainTextDocumentLayout {
 public:
  using QPlainTextDocumentLayout::QPlainTextDocumentLayout;

  QRectF blockBoundingRect(const QTextBlock& block) const override {
    const QRectF rect = QPlainTextDocumentLayout::blockBoundingRect(block);
    QTextLayout* layout = block.isValid() ? block.layout() : nullptr;
    if (layout == nullptr) return rect;
    const QTextBlockFormat format = block.blockFormat();
    const Qt::Alignment wanted = format.hasProperty(QTextFormat::BlockAlignment)
                                     ? format.alignment()
                                     : document()->defaultTextOption().alignment();
    QTextOption option = layout->textOption();
    if (option.alignment() != wanted) {
      option.setAlignment(wanted);
      layout->setTextOption(option);  // positions lines when drawn; no new layout
    }
    return rect;
  }
};

// The text edit itself: hands key and mouse events to the owner first, keeps
// every line break a plain paragraph break, and accepts plain text only.
class EditorControl::Widget : public QPlainTextEdit {
 public:
  Widget(EditorControl& owner, QWidget* parent) : QPlainTextEdit(parent), owner_(owner) {
    document()->setDocumentLayout(new AligningLayout(document()));
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setUndoRedoEnabled(false);  // the control keeps its own one-level undo
    connect(this, &QPlainTextEdit::cursorPositionChanged, this, &Widget::steadyCaretOnLongLine);
  }

  ~Widget() override { QGuiApplication::styleHints()->setCursorFlashTime(usualFlashTime_); }

 protected:
  bool event(QEvent* event) override {
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

  void keyPressEvent(QKeyEvent* event) override {
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

  void keyReleaseEvent(QKeyEvent* event) override {
    KeyEventInfo info = keyInfoOf(event);
    emit owner_.keyUp(info);
    QPlainTextEdit::keyReleaseEvent(event);
  }

  void mousePressEvent(QMouseEvent* event) override {
    emit owner_.mouseDown(event->button(), event->modifiers());
    QPlainTextEdit::mousePressEvent(event);
  }

  // A drop or paste may come without mime data at all; Qt's own insertion
  // would read through the null pointer.
  bool canInsertFromMimeData(const QMimeData* source) const override {
    return source != nullptr && QPlainTextEdit::canInsertFromMimeData(source);
  }

  void insertFromMimeData(const QMimeData* source) override {
    if (source == nullptr) return;
    owner_.rememberUndoState();
    QPlainTextEdit::insertFromMimeData(source);
  }

 public:
  // The middle button's and the paste keys' text (see plain_paste.h), one
  // step of the control's undo like any other insertion.
  void insertPasted(const QString& text, std::optional<QPoint> at) {
    owner_.rememberUndoState();
    if (at) setTextCursor(cursorForPosition(*at));
    insertPlainText(text);
    ensureCursorVisible();
  }

 protected:

  void inputMethodEvent(QInputMethodEvent* event) override {
    if (!event->commitString().isEmpty()) owner_.rememberUndoState();
    QPlainTextEdit::inputMethodEvent(event);
  }

 private:
  // Every blink redraws the caret's paragraph, and Qt shapes a paragraph's
  // text again to draw it: on a line of megabytes that is most of a second of
  // work twice a second. The caret stays lit while it is on such a line.
  void steadyCaretOnLongLine() {
    constexpr int kLongLine = 100'000;
    QStyleHints* hints = QGuiApplication::styleHints();
    const int wanted = textCursor().block().length() > kLongLine ? 0 : usualFlashTime_;
    if (hints->cursorFlashTime() != wanted) hints->setCursorFlashTime(wanted);
  }

  EditorControl& owner_;
  const int usualFlashTime_ = QGuiApplication::styleHints()->cursorFlashTime();
};

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

// ---- text ---------------------------------------------------------------

QString EditorControl::text() const {
  if (cachedRevision_ != revision_) {
    cachedText_ = withCrLfBreaks(edit_->document()->toRawText());
    cachedRevision_ = revision_;
  }
  return cachedText_;
}

namespace {
// True when the document gives back exactly `text` as its CR LF text: every
// line break is CR LF and nothing in it is a character the document stores
// in its own way.
bool readsBackUnchanged(const QString& text) {
  const qsizetype n = text.size();
  const QChar* data = text.constData();
  for (qsizetype i = 0; i < n; ++i) {
    const char16_t c = data[i].unicode();
    if (c > u'\r' && c < 0x2028) continue;  // the common case, at once
    if (c == u'\r' && (i + 1 == n || data[i + 1] != u'\n')) return false;
    if (c == u'\n' && (i == 0 || data[i - 1] != u'\r')) return false;
    if (c == 0 || c == 0x2028 || c == 0x2029 || c == 0xFDD0 || c == 0xFDD1) return false;
  }
  return true;
}
}  // namespace

void EditorControl::setText(const QString& text) {
  undoValid_ = false;
  editRunOpen_ = false;
  replaceWholeText(text);
  // The CR LF text starts as the text given, shared rather than read back
  // from the document: no second copy of a large file, no pass over it.
  if (readsBackUnchanged(text)) {
    cachedText_ = text;
    cachedRevision_ = revision_;
  }
}

void EditorControl::replaceText(const QString& text, bool sameUndoStep) {
  if (!sameUndoStep || !undoValid_) {
    editRunOpen_ = false;
    rememberUndoState();
  }
  replaceWholeText(text);
  if (readsBackUnchanged(text)) {
    cachedText_ = text;
    cachedRevision_ = revision_;
  }
  modified_ = true;
  editRunOpen_ = false;  // what is typed next is an edit of its own
}

// A whole new text starts with the default format: nothing of the format the
// caret stood on before (a tag's colour, say) carries over, neither to the
// new text (Qt gives it the caret's format) nor to what is typed next.
void EditorControl::replaceWholeText(const QString& text) {
  {
    FormattingScope scope(*this);
    edit_->setCurrentCharFormat(defaultCharFormat());
  }
  edit_->setPlainText(text);  // CR LF and lone CR each make one paragraph break
  FormattingScope scope(*this);
  edit_->setCurrentCharFormat(defaultCharFormat());
}

void EditorControl::clear() { setText(QString()); }

// Keeps the CR LF text up to date across one change of the document, so a key
// costs the change's size rather than a copy of the whole text. The blocks
// before `position` are as they were, so the change starts at the same place
// in the cached text; the removed characters are counted off there (a CR LF
// standing for one paragraph break) and the added ones read back from the
// document. False when the change does not fit the cache, which is then
// rebuilt on the next read.
bool EditorControl::spliceCachedText(int position, int removed, int added) {
  const QTextDocument* document = edit_->document();
  const int textEnd = document->characterCount() - 1;  // the last break is not text
  if (position < 0 || position + added > textEnd) return false;
  const int start = position + document->findBlock(position).blockNumber();
  int end = start;
  for (int counted = 0; counted < removed; ++counted) {
    if (end >= cachedText_.size()) return false;
    end += cachedText_.at(end) == u'\r' && end + 1 < cachedText_.size() &&
                   cachedText_.at(end + 1) == u'\n'
               ? 2
               : 1;
  }
  QTextCursor cursor(edit_->document());
  cursor.setPosition(position);
  cursor.setPosition(position + added, QTextCursor::KeepAnchor);
  const QString inserted = withCrLfBreaks(cursor.selectedText());
  cachedText_.replace(start, end - start, inserted);
  lastSplice_ = TextSplice{start, end - start, int(inserted.size())};
  return true;
}

void EditorControl::onContentsChange(int position, int removed, int added) {
  if (formattingDepth_ > 0) return;
  if (removed == 0 && added == 0) return;
  const bool cacheWasCurrent = cachedRevision_ == revision_;
  ++revision_;
  lastSplice_.reset();
  if (cacheWasCurrent && spliceCachedText(position, removed, added)) cachedRevision_ = revision_;
  modified_ = true;
  emit textChanged();
}

// ---- one-level undo ------------------------------------------------------

void EditorControl::rememberUndoState() {
  if (editRunOpen_ || restoringUndo_) return;
  undoText_ = text();
  undoCaret_ = selStart();
  undoValid_ = true;
  editRunOpen_ = true;
}

void EditorControl::noteCaretMoved() {
  // A caret move that is not part of an edit ends the current run of typing.
  if (revision_ == caretRevision_) editRunOpen_ = false;
  caretRevision_ = revision_;
  emit selectionChanged();
}

void EditorControl::undo() {
  if (!undoValid_) return;
  const QString current = text();
  const int caret = selStart();
  restoringUndo_ = true;
  replaceWholeText(undoText_);
  restoringUndo_ = false;
  setSelStart(undoCaret_);
  undoText_ = current;
  undoCaret_ = caret;
  editRunOpen_ = false;
}

// ---- positions -------------------------------------------------------------

int EditorControl::toDocumentPosition(int controlPosition) const {
  const QTextDocument* document = edit_->document();
  if (controlPosition <= 0) return 0;
  // Block b starts at control position block.position() + b.
  int low = 0;
  int high = document->blockCount() - 1;
  while (low < high) {
    const int middle = (low + high + 1) / 2;
    if (document->findBlockByNumber(middle).position() + middle <= controlPosition)
      low = middle;
    else
      high = middle - 1;
  }
  const QTextBlock block = document->findBlockByNumber(low);
  const int offset = controlPosition - (block.position() + low);
  // A position between CR and LF belongs to the end of its line.
  return block.position() + std::min(offset, block.length() - 1);
}

int EditorControl::toControlPosition(int documentPosition) const {
  const QTextDocument* document = edit_->document();
  const int last = document->characterCount() - 1;
  documentPosition = std::clamp(documentPosition, 0, std::max(0, last));
  return documentPosition + document->findBlock(documentPosition).blockNumber();
}

QTextCursor EditorControl::cursorFor(int start, int length) const {
  QTextCursor cursor(edit_->document());
  cursor.setPosition(toDocumentPosition(start));
  if (length > 0) cursor.setPosition(toDocumentPosition(start + length), QTextCursor::KeepAnchor);
  return cursor;
}

// ---- selection --------------------------------------------------------------

int EditorControl::selStart() const {
  return toControlPosition(edit_->textCursor().selectionStart());
}

void EditorControl::setSelStart(int position) { select(position, 0); }

int EditorControl::selLength() const {
  const QTextCursor cursor = edit_->textCursor();
  return toControlPosition(cursor.selectionEnd()) - toControlPosition(cursor.selectionStart());
}

void EditorControl::setSelLength(int length) { select(selStart(), length); }

void EditorControl::select(int start, int length) {
  edit_->setTextCursor(cursorFor(start, length));
}

QString EditorControl::selText() const {
  const int start = selStart();
  return text().mid(start, selLength());
}

void EditorControl::replaceSelection(const QString& replacement) {
  editRunOpen_ = false;
  rememberUndoState();
  QTextCursor cursor = edit_->textCursor();
  cursor.insertText(replacement);  // CR LF and lone CR each make one paragraph break
  edit_->setTextCursor(cursor);
  editRunOpen_ = false;
}

void EditorControl::selectAll() { edit_->selectAll(); }

// Other programs on this system end lines with LF alone; pasting accepts
// CR LF, CR and LF alike.
void EditorControl::copyToClipboard() const {
  QString selected = selText();
  selected = withLfBreaks(selected);
  if (!selected.isEmpty()) QApplication::clipboard()->setText(selected);
}

// ---- lines --------------------------------------------------------------------

int EditorControl::lineCount() const { return edit_->document()->blockCount(); }

QString EditorControl::line(int index) const {
  return edit_->document()->findBlockByNumber(index).text();
}

int EditorControl::lineFromPosition(int position) const {
  return edit_->document()->findBlock(toDocumentPosition(position)).blockNumber();
}

int EditorControl::positionOfLine(int lineIndex) const {
  const QTextBlock block = edit_->document()->findBlockByNumber(lineIndex);
  if (!block.isValid()) return -1;
  return block.position() + lineIndex;
}

void EditorControl::beginUpdate() {
  if (updateDepth_++ == 0) edit_->viewport()->setUpdatesEnabled(false);
}

void EditorControl::endUpdate() {
  if (updateDepth_ > 0 && --updateDepth_ == 0) {
    edit_->viewport()->setUpdatesEnabled(true);
    edit_->viewport()->update();
  }
}

// ---- attributes ----------------------------------------------------------------

CharAttributes EditorControl::selAttributes() const {
  QTextCursor cursor = edit_->textCursor();
  QTextCharFormat format;
  if (cursor.hasSelection()) {
    QTextCursor first(edit_->document());
    first.setPosition(cursor.selectionStart() + 1);
    format = first.charFormat();
  } else {
    format = cursor.charFormat();
  }
  CharAttributes result;
  result.color = format.hasProperty(QTextFormat::ForegroundBrush)
                     ? format.foreground().color()
                     : defaultFont_.color;
  const QStringList families = format.fontFamilies().toStringList();
  result.fontName = families.isEmpty() ? defaultFont_.name : families.first();
  result.sizePoints = format.hasProperty(QTextFormat::FontPointSize)
                          ? qRound(format.fontPointSize())
                          : defaultFont_.sizePoints;
  result.charset = format.hasProperty(kCharsetProperty) ? format.intProperty(kCharsetProperty)
                                                        : defaultFont_.charset;
  result.bold = format.fontWeight() >= QFont::Bold;
  result.italic = format.fontItalic();
  result.underline = format.fontUnderline();
  result.strikeOut = format.fontStrikeOut();
  return result;
}

namespace {
QTextCharFormat formatOf(const CharAttributes& attributes);

QTextBlockFormat blockFormatOf(Alignment alignment) {
  QTextBlockFormat format;
  switch (alignment) {
    case Alignment::Left: format.setAlignment(Qt::AlignLeft); break;
    case Alignment::Right: format.setAlignment(Qt::AlignRight); break;
    case Alignment::Center: format.setAlignment(Qt::AlignHCenter); break;
  }
  return format;
}
}  // namespace

void EditorControl::applyFormats(const std::vector<FormatRun>& runs, bool fromPlain,
                                 const std::vector<AlignmentRun>& alignments) {
  if (runs.empty() && !fromPlain && alignments.empty()) return;
  FormattingScope scope(*this);
  // Control positions map to document positions by line; the line starts are
  // looked up once, so the whole batch is linear in the runs.
  const QString& whole = text();
  std::vector<int> lineStarts{0};
  for (int i = 0; i + 1 < whole.size(); ++i)
    if (whole.at(i) == u'\r' && whole.at(i + 1) == u'\n') lineStarts.push_back(i + 2);
  // A position on line L lies L characters further on in the control than
  // in the document.
  const auto lineOf = [&lineStarts](int position) {
    return int(std::upper_bound(lineStarts.begin(), lineStarts.end(), position) - lineStarts.begin()) - 1;
  };
  const auto toDocument = [&lineOf](int position) { return position - lineOf(position); };
  QTextCursor cursor(edit_->document());
  cursor.beginEditBlock();
  if (fromPlain) {
    cursor.select(QTextCursor::Document);
    cursor.setCharFormat(QTextCharFormat());
    QTextBlockFormat left;
    left.setAlignment(Qt::AlignLeft);
    cursor.mergeBlockFormat(left);
  }
  for (const FormatRun& run : runs) {
    if (run.length <= 0) continue;
    cursor.setPosition(toDocument(run.start));
    cursor.setPosition(toDocument(run.start + run.length), QTextCursor::KeepAnchor);
    cursor.mergeCharFormat(formatOf(run.attributes));
  }
  // The lines a stretch touches, counted as repaintLines counts them.
  const QTextDocument* document = edit_->document();
  for (const AlignmentRun& run : alignments) {
    const int start = std::max(0, run.start);
    const int lastTouched = std::max(start, run.start + run.length - 1);
    cursor.setPosition(document->findBlockByNumber(lineOf(start)).position());
    cursor.setPosition(document->findBlockByNumber(lineOf(lastTouched)).position(), QTextCursor::KeepAnchor);
    cursor.mergeBlockFormat(blockFormatOf(run.alignment));
  }
  cursor.endEditBlock();
}

namespace {
// One line's characters as stretches of one format each, positions from the
// line's start, adjacent stretches of the same format joined.
struct FormatStretch {
  int end = 0;
  QTextCharFormat format;

  friend bool operator==(const FormatStretch&, const FormatStretch&) = default;
};
using LineFormats = std::vector<FormatStretch>;

void appendStretch(LineFormats& line, int end, const QTextCharFormat& format) {
  if (!line.empty() && line.back().format == format)
    line.back().end = end;
  else
    line.push_back({end, format});
}

// The formats the line's characters hold now (its line break aside).
LineFormats formatsOf(const QTextBlock& block) {
  LineFormats line;
  const int length = block.length() - 1;
  for (auto it = block.begin(); !it.atEnd(); ++it) {
    const QTextFragment fragment = it.fragment();
    const int end = std::min(length, fragment.position() + fragment.length() - block.position());
    if (end > (line.empty() ? 0 : line.back().end)) appendStretch(line, end, fragment.charFormat());
  }
  return line;
}

// `format` merged into the characters [from, to) of `line`.
void mergeInto(LineFormats& line, int from, int to, const QTextCharFormat& format) {
  LineFormats merged;
  merged.reserve(line.size() + 2);
  int start = 0;
  for (const FormatStretch& stretch : line) {
    const int a = std::clamp(from, start, stretch.end);
    const int b = std::clamp(to, start, stretch.end);
    if (a > start) appendStretch(merged, a, stretch.format);
    if (b > a) {
      QTextCharFormat inside = stretch.format;
      inside.merge(format);
      appendStretch(merged, b, inside);
    }
    if (stretch.end > b) appendStretch(merged, stretch.end, stretch.format);
    start = stretch.end;
  }
  line = std::move(merged);
}

Alignment alignmentOf(const QTextBlock& block) {
  const QTextBlockFormat format = block.blockFormat();
  if (!format.hasProperty(QTextFormat::BlockAlignment)) return Alignment::Left;
  const Qt::Alignment horizontal = format.alignment() & Qt::AlignHorizontal_Mask;
  if (horizontal & Qt::AlignRight) return Alignment::Right;
  if (horizontal & Qt::AlignHCenter) return Alignment::Center;
  return Alignment::Left;
}
}  // namespace

int EditorControl::repaintLines(int firstLine, int lastLine, const std::vector<FormatRun>& runs,
                                const std::vector<AlignmentRun>& alignments) {
  const QTextDocument* document = edit_->document();
  firstLine = std::max(0, firstLine);
  lastLine = std::min(lastLine, document->blockCount() - 1);
  if (firstLine > lastLine) return 0;
  // The control positions where the lines start, looked up once, and the end
  // of the last line.
  std::vector<int> lineStarts;
  lineStarts.reserve(std::size_t(lastLine - firstLine + 2));
  QTextBlock block = document->findBlockByNumber(firstLine);
  for (int line = firstLine; line <= lastLine; ++line, block = block.next())
    lineStarts.push_back(block.position() + line);
  const int rangeStart = lineStarts.front();
  const QTextBlock lastBlock = document->findBlockByNumber(lastLine);
  const int rangeEnd = lastBlock.position() + lastLine + lastBlock.length() - 1;
  const auto lineOf = [&lineStarts](int position) {
    return int(std::upper_bound(lineStarts.begin(), lineStarts.end(), position) - lineStarts.begin()) - 1;
  };
  // Each run goes to the lines it touches, in the order given, so later runs
  // still lie over earlier ones; its format is made once.
  std::vector<QTextCharFormat> formats;
  std::vector<std::vector<std::pair<const FormatRun*, std::size_t>>> runsOfLine(lineStarts.size());
  for (const FormatRun& run : runs) {
    const int start = std::max(run.start, rangeStart);
    const int end = std::min(run.start + run.length, rangeEnd);
    if (start >= end) continue;
    formats.push_back(formatOf(run.attributes));
    for (int line = lineOf(start), last = lineOf(end - 1); line <= last; ++line)
      runsOfLine[std::size_t(line)].push_back({&run, formats.size() - 1});
  }
  // The alignment each line should have: left unless a run touches it.
  std::vector<Alignment> alignmentOfLine(lineStarts.size(), Alignment::Left);
  for (const AlignmentRun& run : alignments) {
    const int start = std::max(run.start, 0);
    const int lastTouched = std::max(start, run.start + run.length - 1);
    if (lastTouched < rangeStart || start > rangeEnd + 1) continue;
    const int first = lineOf(std::max(start, rangeStart));
    const int last = lineOf(std::min(lastTouched, rangeEnd));
    for (int line = first; line <= last; ++line) alignmentOfLine[std::size_t(line)] = run.alignment;
  }
  FormattingScope scope(*this);
  QTextCursor cursor(edit_->document());
  cursor.beginEditBlock();
  int changed = 0;
  block = document->findBlockByNumber(firstLine);
  for (int line = firstLine; line <= lastLine; ++line, block = block.next()) {
    const int length = block.length() - 1;
    const int lineStart = lineStarts[std::size_t(line - firstLine)];
    LineFormats wanted;
    if (length > 0) wanted.push_back({length, QTextCharFormat()});
    for (const auto& [run, format] : runsOfLine[std::size_t(line - firstLine)])
      mergeInto(wanted, std::max(0, run->start - lineStart),
                std::min(length, run->start + run->length - lineStart), formats[format]);
    const bool formatsDiffer = formatsOf(block) != wanted;
    const Alignment alignment = alignmentOfLine[std::size_t(line - firstLine)];
    const bool alignmentDiffers = alignmentOf(block) != alignment;
    if (!formatsDiffer && !alignmentDiffers) continue;
    ++changed;
    cursor.setPosition(block.position());
    if (alignmentDiffers) cursor.mergeBlockFormat(blockFormatOf(alignment));
    if (!formatsDiffer) continue;
    int start = 0;
    for (const FormatStretch& stretch : wanted) {
      cursor.setPosition(block.position() + start);
      cursor.setPosition(block.position() + stretch.end, QTextCursor::KeepAnchor);
      cursor.setCharFormat(stretch.format);
      start = stretch.end;
    }
  }
  cursor.endEditBlock();
  return changed;
}

namespace {
QTextCharFormat formatOf(const CharAttributes& attributes) {
  QTextCharFormat format;
  if (attributes.color) format.setForeground(*attributes.color);
  if (attributes.fontName) format.setFontFamilies({*attributes.fontName});
  if (attributes.sizePoints) format.setFontPointSize(*attributes.sizePoints);
  if (attributes.charset) format.setProperty(kCharsetProperty, *attributes.charset);
  if (attributes.bold) format.setFontWeight(*attributes.bold ? QFont::Bold : QFont::Normal);
  if (attributes.italic) format.setFontItalic(*attributes.italic);
  if (attributes.underline) format.setFontUnderline(*attributes.underline);
  if (attributes.strikeOut) format.setFontStrikeOut(*attributes.strikeOut);
  return format;
}
}  // namespace

void EditorControl::setSelAttributes(const CharAttributes& attributes) {
  const QTextCharFormat format = formatOf(attributes);
  FormattingScope scope(*this);
  QTextCursor cursor = edit_->textCursor();
  if (cursor.hasSelection())
    cursor.mergeCharFormat(format);
  else
    edit_->mergeCurrentCharFormat(format);
}

void EditorControl::resetAllFormats() {
  FormattingScope scope(*this);
  QTextCursor cursor(edit_->document());
  cursor.select(QTextCursor::Document);
  cursor.setCharFormat(QTextCharFormat());
  edit_->setCurrentCharFormat(QTextCharFormat());
}

namespace {
RgbColour rgbOf(const QColor& colour) { return {colour.red(), colour.green(), colour.blue()}; }

RichAlignment richAlignmentOf(const QTextBlock& block) {
  const Qt::Alignment horizontal = block.blockFormat().alignment() & Qt::AlignHorizontal_Mask;
  if (!block.blockFormat().hasProperty(QTextFormat::BlockAlignment)) return RichAlignment::Left;
  if (horizontal & Qt::AlignRight) return RichAlignment::Right;
  if (horizontal & Qt::AlignHCenter) return RichAlignment::Center;
  return RichAlignment::Left;
}
}  // namespace

RichDocument EditorControl::richDocument() const {
  RichDocument document;
  const QFont base = edit_->document()->defaultFont();
  // A coloured page has a few dozen distinct formats over many thousands of
  // fragments: each format is read out once.
  std::vector<std::optional<RichRun>> byFormat;
  auto attributesOf = [&](const QTextFragment& fragment) -> const RichRun& {
    const size_t index = size_t(fragment.charFormatIndex());
    if (index >= byFormat.size()) byFormat.resize(index + 1);
    if (!byFormat[index]) byFormat[index] = richAttributesOf(fragment.charFormat(), base.pointSizeF());
    return *byFormat[index];
  };
  for (QTextBlock block = edit_->document()->begin(); block.isValid(); block = block.next()) {
    RichParagraph paragraph;
    paragraph.alignment = richAlignmentOf(block);
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      RichRun run = attributesOf(fragment);
      run.text = fragment.text();
      paragraph.runs.push_back(std::move(run));
    }
    document.paragraphs.push_back(std::move(paragraph));
  }
  return document;
}

RichRun EditorControl::richAttributesOf(const QTextCharFormat& format, double basePoints) const {
  RichRun run;
  const QStringList families = format.fontFamilies().toStringList();
  run.fontName = families.isEmpty() ? QString() : families.first();
  const double points = format.hasProperty(QTextFormat::FontPointSize) ? format.fontPointSize() : basePoints;
  run.sizePoints = std::max(1, qRound(points));
  run.colour = rgbOf(format.hasProperty(QTextFormat::ForegroundBrush) ? format.foreground().color()
                                                                       : defaultFont_.color);
  run.bold = format.fontWeight() >= QFont::Bold;
  run.italic = format.fontItalic();
  run.underline = format.fontUnderline();
  return run;
}

void EditorControl::setRichDocument(const RichDocument& document) {
  setText(PlainTextOf(document));
  std::vector<FormatRun> runs;
  std::vector<AlignmentRun> alignments;
  int position = 0;
  for (const RichParagraph& paragraph : document.paragraphs) {
    const int lineStart = position;
    for (const RichRun& run : paragraph.runs) {
      FormatRun format{position, int(run.text.size()), {}};
      format.attributes.color = QColor(run.colour.red, run.colour.green, run.colour.blue);
      if (!run.fontName.isEmpty()) format.attributes.fontName = run.fontName;
      format.attributes.sizePoints = run.sizePoints;
      format.attributes.bold = run.bold;
      format.attributes.italic = run.italic;
      format.attributes.underline = run.underline;
      runs.push_back(std::move(format));
      position += int(run.text.size());
    }
    if (paragraph.alignment != RichAlignment::Left)
      alignments.push_back({lineStart, position - lineStart,
                            paragraph.alignment == RichAlignment::Right ? Alignment::Right : Alignment::Center});
    position += 2;  // the line break
  }
  applyFormats(runs, true, alignments);
}

Alignment EditorControl::paragraphAlignment() const {
  const Qt::Alignment alignment = edit_->textCursor().blockFormat().alignment();
  if (alignment & Qt::AlignRight) return Alignment::Right;
  if (alignment & Qt::AlignHCenter) return Alignment::Center;
  return Alignment::Left;
}

void EditorControl::setParagraphAlignment(Alignment alignment) {
  FormattingScope scope(*this);
  edit_->textCursor().mergeBlockFormat(blockFormatOf(alignment));
}

void EditorControl::setDefaultFont(const EditorFont& font) {
  FormattingScope scope(*this);
  defaultFont_ = font;
  QFont qfont(font.name);
  qfont.setPointSize(std::max(1, font.sizePoints));
  edit_->document()->setDefaultFont(qfont);
  QPalette palette = edit_->palette();
  palette.setColor(QPalette::Text, font.color);
  edit_->setPalette(palette);
  // Typed text takes the default font from now on.
  edit_->setCurrentCharFormat(defaultCharFormat());
}

QTextCharFormat EditorControl::defaultCharFormat() const {
  QTextCharFormat format;
  format.setFontFamilies({defaultFont_.name});
  format.setFontPointSize(std::max(1, defaultFont_.sizePoints));
  format.setForeground(defaultFont_.color);
  format.setProperty(kCharsetProperty, defaultFont_.charset);
  return format;
}

QColor EditorControl::background() const {
  return edit_->palette().color(QPalette::Base);
}

void EditorControl::setBackground(const QColor& color) {
  QPalette palette = edit_->palette();
  palette.setColor(QPalette::Base, color);
  edit_->setPalette(palette);
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
