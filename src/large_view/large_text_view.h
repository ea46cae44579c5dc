// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The view of a large document (large/large_document.h): our own widget over
// our own storage, used instead of the editor's text widget for files too
// large for it. Only the lines on screen are decoded and laid out, and of a
// long line only the stretch in sight (screen_text.h). It has a caret, the
// selection by mouse and Shift with the arrows, typing (input methods
// included), Backspace, Delete, Enter, the clipboard, undo and redo, Page
// Up/Down, Ctrl+Home/End, horizontal scrolling and line numbers in a gutter.
//
// Everything is in bytes of the file: the caret and the selection's anchor
// are offsets on characters' starts.

#include "large/large_document.h"
#include "large_view/screen_text.h"

#include <QAbstractScrollArea>
#include <QHash>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>

class QTextLayout;

namespace wrenpad::large {

class LargeGutter;

class LargeTextView : public QAbstractScrollArea {
  Q_OBJECT
 public:
  explicit LargeTextView(QWidget* parent = nullptr);
  ~LargeTextView() override;

  // The view takes the document; the caret goes to its start.
  void setDocument(std::unique_ptr<LargeDocument> document);
  std::unique_ptr<LargeDocument> takeDocument();
  LargeDocument* document() const { return document_.get(); }

  // The line break Enter and pasted text use in a document that has none of its own.
  void setNewLineEnd(LineEnd lineEnd) { newLineEnd_ = lineEnd; }
  // The line break text copied out of the view ends its lines with.
  void setCopiedLineBreak(const QString& lineBreak) { copiedLineBreak_ = lineBreak; }
  void setTabColumns(int columns);
  int tabColumns() const { return tabColumns_; }
  void setReadOnly(bool readOnly) { readOnly_ = readOnly; }
  bool isReadOnly() const { return readOnly_ || !document_; }
  void setLineNumbersVisible(bool visible);
  bool lineNumbersVisible() const;

  qint64 caret() const { return caret_; }
  qint64 anchor() const { return anchor_; }
  bool hasSelection() const { return caret_ != anchor_; }
  qint64 selectionStart() const { return std::min(caret_, anchor_); }
  qint64 selectionEnd() const { return std::max(caret_, anchor_); }
  // Selects [from, to) (the caret at `to`) and brings it into sight.
  void select(qint64 from, qint64 to);
  void setCaret(qint64 offset, bool keepAnchor = false);
  qint64 caretLine();
  // The caret to the start of the line (0-based), in sight.
  void goToLine(qint64 line);
  qint64 topLine() const { return top_; }
  qint64 leftColumn() const { return left_; }
  void scrollTo(qint64 topLine, qint64 leftColumn);

  // The commands; each does nothing where it cannot work (read-only, no selection).
  void copy();
  void cut();
  void paste();
  void selectAll();
  void undo();
  void redo();
  // Text typed or pasted, in place of the selection (none: the selection goes);
  // false when the document's code cannot hold a character of it
  // (cannotWrite tells which), and nothing changed.
  bool insertText(const QString& text, EditKind kind = EditKind::Other);
  // The document was changed (or saved) from outside the view: what the view
  // knew of its lines goes, and the caret goes to `caret`.
  void documentEdited(qint64 caret);
  // [from, to) as text, its line breaks written `lineBreak`; nothing for a
  // stretch longer than kLargestCopy.
  QString textBetween(qint64 from, qint64 to, const QString& lineBreak) const;
  // The bytes of a selection larger than this are not put on the clipboard.
  static constexpr qint64 kLargestCopy = qint64(64) << 20;

  // What the screen shows now, line by line (for tests and the gutter).
  std::vector<ShownLine> shownLines();
  int lineHeight() const;
  int visibleLineCount() const;

 signals:
  void caretMoved();
  void selectionChanged(bool hasSelection);
  void textChanged();
  void modificationChanged(bool modified);
  // Typed or pasted text held a character the document's code cannot hold.
  void cannotWrite(const QString& character);
  // A selection too large for the clipboard was not copied.
  void selectionTooLarge();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;

 private:
  friend class LargeGutter;
  struct Laid {
    ShownLine shown;
    std::shared_ptr<QTextLayout> layout;
    qsizetype caretUnit = -1;  // where the caret is in the laid-out text, -1 when elsewhere
  };
  Laid layOut(const ShownLine& shown, bool withPreedit) const;
  qreal originX(const ShownLine& shown) const;
  qint64 offsetAt(const QPoint& point);
  QRect caretRect();
  bool moveByKey(QKeyEvent* event);
  bool editByKey(QKeyEvent* event);
  bool commandByKey(QKeyEvent* event);
  void moveCaretTo(qint64 offset, bool keepAnchor, bool keepGoal = false);
  qint64 lineAbove(int lines);
  qint64 lastTop();
  void pageBy(int lines, bool shift);
  void deleteBackward();
  void deleteForward();
  // Makes the edit `made` and puts the caret after what it put in.
  void put(const Replacement& made, EditKind kind);
  void changed(const Change& change, bool modifiedBefore, bool sameLines);
  bool keepsLines(qint64 from, qint64 to, std::string_view bytes) const;
  void updateLines(qint64 first, qint64 last);
  void afterUndoStep(const std::optional<Change>& change, bool modifiedBefore);
  // Scrolls the caret into sight; true when the screen moved (and is repainted).
  bool ensureCaretVisible();
  void refreshScrollBars();
  void restartBlink();
  LineIndex::Span spanOf(qint64 line);
  QString selectedText(bool* tooLarge);
  // The edit that puts `text` in place of the selection; nothing when the
  // document's code cannot hold a character of it (cannotWrite tells which).
  std::optional<Replacement> bytesForPaste(const QString& text);
  int textLeft() const;
  qint64 columnsInSight() const;
  void idleScan();

  std::unique_ptr<LargeDocument> document_;
  std::unique_ptr<ScreenText> screen_;
  LargeGutter* gutter_ = nullptr;
  qint64 caret_ = 0;
  qint64 anchor_ = 0;
  qint64 goalColumn_ = -1;  // the column Up and Down keep to; -1: the caret's own
  qint64 top_ = 0;
  qint64 left_ = 0;
  int tabColumns_ = 8;
  bool readOnly_ = false;
  LineEnd newLineEnd_ = LineEnd::Lf;
  QString copiedLineBreak_ = QStringLiteral("\n");
  QString preedit_;
  // What the view last copied, and its bytes: pasted back, the bytes go in
  // as they were, whatever the code (stand-ins of undecodable bytes too).
  QString copiedText_;
  std::string copiedBytes_;
  bool caretShown_ = true;
  // Layouts of lines lately shown, by their text.
  mutable QHash<QString, std::shared_ptr<QTextLayout>> layouts_;
  QTimer blink_;
  QTimer scanTimer_;  // counts the lines a little at a time while the window is idle
};

}  // namespace wrenpad::large
