// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// EditorControl is the one door to the document text. It wraps a QPlainTextEdit and
// speaks in the positions every command uses: the whole text with each line
// break written as CR LF, positions 0-based, a line break counting as two.
//
// Character formats (colour, face, size, character set, style) are stored in
// the document. Setting them never sets the modified flag, never raises the
// text-changed event and never becomes an undo step.

#include "text/piece_text.h"
#include "text/rich_text.h"

#include <QColor>
#include <QObject>
#include <QRect>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

class QTextCharFormat;
class QTextCursor;
class QWidget;
class QPrinter;

namespace wrenpad {

enum class Alignment { Left, Right, Center };

// Keyboard state of a key event, as the key handlers compare it.
struct KeyEventInfo {
  int key = 0;                   // Qt::Key
  Qt::KeyboardModifiers modifiers;
  QString text;
  bool handled = false;          // set by a handler to stop the editor's own action
};

// Attributes of a run of characters. Unset fields are left as they are.
struct CharAttributes {
  std::optional<QColor> color;
  std::optional<QString> fontName;
  std::optional<int> sizePoints;
  std::optional<int> charset;
  std::optional<bool> bold;
  std::optional<bool> italic;
  std::optional<bool> underline;
  std::optional<bool> strikeOut;
};

struct EditorFont {
  QString name;
  int sizePoints = 10;
  int charset = 1;
  QColor color = Qt::black;
};

class EditorControl : public QObject {
  Q_OBJECT
 public:
  explicit EditorControl(QWidget* parent = nullptr);
  ~EditorControl() override;

  QWidget* widget() const;

  // Whole text, line breaks as CR LF. One string per revision: what runs on
  // every key reads keptText() instead.
  QString text() const;
  // The same text as kept change by change: a snapshot that costs nothing to
  // take and reads a character, a stretch or a search at the cost of that
  // part, however long the text.
  PieceText keptText() const;
  void setText(const QString& text);
  // Replaces the whole text as one edit of the user's: the control's undo
  // brings the text before it back, and the document counts as modified.
  // With `sameUndoStep`, an edit that changes the whole text twice in one
  // command (the second change right after the first) stays one undo step:
  // the undo then goes back to the text before the first change.
  void replaceText(const QString& text, bool sameUndoStep = false);
  int textLength() const;
  void clear();

  // Selection, in control positions.
  int selStart() const;
  void setSelStart(int position);        // also collapses the selection
  int selLength() const;
  void setSelLength(int length);
  void select(int start, int length);
  QString selText() const;
  void replaceSelection(const QString& text);
  void selectAll();
  // Puts the selection on the clipboard. What leaves the editor (these
  // copies, and the widget's own: Ctrl+Insert, Shift+Delete, dragging, the
  // primary selection) ends its lines with the break `lineBreak` gives, LF
  // until one is set; the editor keeps CR LF within.
  void copyToClipboard() const;
  void setCopiedLineBreak(std::function<QString()> lineBreak) { copiedLineBreak_ = std::move(lineBreak); }
  QString copiedSelection() const;

  // Lines (0-based).
  int lineCount() const;
  QString line(int index) const;
  int lineFromPosition(int position) const;  // EM_LINEFROMCHAR
  int positionOfLine(int line) const;        // EM_LINEINDEX; -1 past the end
  void beginUpdate();
  void endUpdate();

  // Attributes of the selection. Reading gives the attributes at the start of
  // the selection (or before the caret when nothing is selected).
  CharAttributes selAttributes() const;
  void setSelAttributes(const CharAttributes& attributes);
  // Resets every character to the default font and colour.
  void resetAllFormats();

  // Formats many runs in one edit block: the fast road for colouring whole
  // documents. Runs are applied in order, later over earlier.
  struct FormatRun {
    int start = 0;   // control position
    int length = 0;
    CharAttributes attributes;
  };
  // The alignment of every line that the stretch [start, start + length)
  // touches; an empty stretch touches the line of `start`.
  struct AlignmentRun {
    int start = 0;  // control position
    int length = 0;
    Alignment alignment = Alignment::Left;

    friend bool operator==(const AlignmentRun&, const AlignmentRun&) = default;
  };
  // With `fromPlain`, every character format is cleared and every paragraph
  // left-aligned first, in the same edit block: a whole-document repaint then
  // costs one relayout instead of three. The alignments go in after the
  // formats, later runs over earlier ones.
  void applyFormats(const std::vector<FormatRun>& runs, bool fromPlain = false,
                    const std::vector<AlignmentRun>& alignments = {});
  // Gives the lines [firstLine, lastLine] the formats and alignments that
  // `applyFormats(runs, true, alignments)` would give them, changing only
  // the lines whose formats or alignment differ. `runs` and `alignments` may
  // reach beyond the lines. Returns how many lines were changed.
  int repaintLines(int firstLine, int lastLine, const std::vector<FormatRun>& runs,
                   const std::vector<AlignmentRun>& alignments = {});

  // The text with its formats and paragraph alignments, line by line, and a
  // whole new text from such a document (not an undo step; the caret goes
  // to the start). Fonts and sizes a run does not set are the default font's.
  RichDocument richDocument() const;
  void setRichDocument(const RichDocument& document);

  Alignment paragraphAlignment() const;
  void setParagraphAlignment(Alignment alignment);

  EditorFont defaultFont() const { return defaultFont_; }
  void setDefaultFont(const EditorFont& font);
  // Whether U+005C shows as a backslash in faces that draw a yen sign there
  // (a UTF-8 document, which has a yen sign of its own). Text given fonts
  // from now on follows; set it while the document is empty.
  void setDrawsBackslash(bool drawsBackslash);
  bool drawsBackslash() const { return drawsBackslash_; }
  QColor background() const;
  void setBackground(const QColor& color);

  bool plainTextMode() const { return plainTextMode_; }
  void setPlainTextMode(bool on) { plainTextMode_ = on; }

  bool isModified() const { return modified_; }
  void setModified(bool modified) { modified_ = modified; }

  // The control's own one-level undo: undoes the last run of edits; a second
  // undo redoes it.
  bool canUndo() const { return undoValid_; }
  void undo();

  void setReadOnly(bool readOnly);
  bool isReadOnly() const;

  // Printing: the page rectangle in printer pixels, then print.
  void setPageRect(const QRect& rect) { pageRect_ = rect; }
  QRect pageRect() const { return pageRect_; }
  void print(QPrinter& printer, const QString& title) const;

  void setFocus();
  // Brings the editor's window to the front and gives the editor the focus,
  // as after a dialog beside it closes.
  void returnFocus();
  int firstVisibleLine() const;
  void scrollLines(int lines);            // EM_LINESCROLL
  void scrollCaretIntoView();

  // Background marks over stretches of text, drawn by the widget apart from
  // the document: no format, no change event, no undo step, no modified
  // flag. Each layer is replaced on its own and every layer's marks show
  // together. A mark moves with edits made before it.
  enum class MarkLayer { Brackets = 1 };
  struct TextMark {
    int start = 0;  // control position
    int length = 0;
    QColor background;
  };
  void setTextMarks(MarkLayer layer, const std::vector<TextMark>& marks);
  std::vector<TextMark> textMarks(MarkLayer layer) const;

  // Revision of the text: changes whenever the characters change.
  quint64 revision() const { return revision_; }
  // The last change of the text in the program's positions, when the kept
  // CR LF text followed it: `removed` characters at `start` replaced by
  // `added`, giving revision(). Nothing after a change it could not follow
  // (a whole new text, an undo).
  struct TextSplice {
    int start = 0;
    int removed = 0;
    int added = 0;
  };
  std::optional<TextSplice> lastSplice() const { return lastSplice_; }

  // Converts between control positions and positions of the underlying
  // QTextDocument (which counts a line break as one).
  int toDocumentPosition(int controlPosition) const;
  int toControlPosition(int documentPosition) const;

 signals:
  void textChanged();
  void selectionChanged();
  void keyDown(wrenpad::KeyEventInfo& key);
  void keyUp(wrenpad::KeyEventInfo& key);
  void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers);

 private:
  // The attributes of one character format as a rich-text run (no text).
  RichRun richAttributesOf(const QTextCharFormat& format, double basePoints) const;
  class Widget;
  friend class Widget;
  friend class FormattingScope;

  QTextCursor cursorFor(int start, int length) const;
  QTextCharFormat defaultCharFormat() const;
  void replaceWholeText(const QString& text);
  void onContentsChange(int position, int removed, int added);
  bool spliceKeptText(int position, int removed, int added);
  const PieceText& currentKeptText() const;
  void keepWholeText(const QString& text);
  void rememberUndoState();
  void noteCaretMoved();

  Widget* edit_;
  EditorFont defaultFont_;
  bool drawsBackslash_ = false;
  bool plainTextMode_ = true;
  bool modified_ = false;
  int formattingDepth_ = 0;
  // Inside an input-method event that commits nothing: the text control
  // reports the composed text's line as changed (the same length out and
  // in), which is no edit of the document.
  bool composingOnly_ = false;
  int updateDepth_ = 0;
  quint64 revision_ = 0;
  std::optional<TextSplice> lastSplice_;
  // The CR LF text, current while keptRevision_ is revision_.
  mutable quint64 keptRevision_ = ~0ull;
  mutable PieceText kept_;
  QRect pageRect_;
  std::function<QString()> copiedLineBreak_;

  // One-level undo: the text before the current run of edits.
  bool undoValid_ = false;
  bool editRunOpen_ = false;
  PieceText undoText_;
  int undoCaret_ = 0;
  bool restoringUndo_ = false;
  quint64 caretRevision_ = 0;
};

}  // namespace wrenpad
