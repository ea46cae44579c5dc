// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The line-number gutter at the left of the editor's text: the number of
// each line on screen, the caret's line and the line of the last compile
// error marked, in the editor's font on the editor's background. A click on
// a number puts the caret on that line.
//
// Every editor has one, hidden until shown. It paints only the lines on
// screen and, of the stretches the editor repaints, only those whose
// numbers, places or marks changed since it painted them (a key typed
// within a line changes none), and works its width out again only when the
// line count gains or loses a digit, so typing costs it nothing that grows
// with the document.

#include "editor/gutter_look.h"

#include <QFont>
#include <QRect>
#include <QRegion>
#include <QTextBlock>
#include <QWidget>
#include <optional>
#include <vector>

class QPlainTextEdit;

namespace wrenpad {

class EditorControl;

// What the gutter needs of the text widget beyond its public calls.
class GutterSource {
 public:
  virtual ~GutterSource() = default;
  virtual QTextBlock firstBlockOnScreen() const = 0;
  // The block's place in the viewport's coordinates.
  virtual QRectF blockPlace(const QTextBlock& block) const = 0;
  // Room left free at the left of the text for the gutter.
  virtual void setLeftMargin(int width) = 0;
};

class LineNumberGutter : public QWidget {
  Q_OBJECT
 public:
  LineNumberGutter(QPlainTextEdit& edit, GutterSource& source);

  // The gutter of `editor`.
  static LineNumberGutter& of(const EditorControl& editor);

  void setShown(bool shown);
  bool isShown() const { return !isHidden(); }

  // The line (0-based) the last compile error or message jump points at;
  // nothing takes the mark away.
  void setErrorLine(std::optional<int> line);
  std::optional<int> errorLine() const { return errorLine_; }

  // One line as the gutter draws it: its 1-based number, its strip in the
  // gutter's coordinates, and its marks.
  struct ShownLine {
    int number = 0;
    QRect strip;
    bool caret = false;
    bool error = false;

    friend bool operator==(const ShownLine&, const ShownLine&) = default;
  };
  // The lines whose strips meet `area`, top to bottom.
  std::vector<ShownLine> linesIn(const QRect& area) const;

  // Lays the gutter beside the text; the editor calls it when resized.
  void fitToEditor();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  // What numbers and places the lines on screen, besides a change of the
  // lines themselves.
  struct LinesState {
    int lineCount = 0;
    int scrolled = 0;
    int caretLine = 0;
    std::optional<int> errorLine;
    int width = 0;
    QColor page;
    QColor text;

    friend bool operator==(const LinesState&, const LinesState&) = default;
  };

  void repaintStretch(const QRect& viewportArea, int scrolledBy);
  void repaintChangedLines(const QRect& stretch, bool wholeText);
  LinesState linesState() const;
  bool paintedAsNow(const QRect& area, const std::vector<ShownLine>& now) const;
  void notePainted(const QRect& area, const std::vector<ShownLine>& lines);
  void movePainted(int scrolledBy);
  void lineCountChanged(int lineCount);
  void caretMoved();
  bool followEditorFont();
  void applyWidth();
  int padding() const;
  int wantedWidth() const;
  const GutterColours& colours() const;

  QPlainTextEdit& edit_;
  GutterSource& source_;
  int digits_ = 1;
  int caretLine_ = 0;
  std::optional<int> errorLine_;
  std::optional<QFont> editorFont_;  // the editor's font the gutter took last
  // What the gutter's pixels show: the lines wholly painted, where they
  // stand now, and the colours they were painted in. Nothing is known until
  // the whole gutter was painted once, nor where a line was painted in part.
  std::vector<ShownLine> painted_;
  bool paintedWhole_ = false;
  QRegion paintedInPart_;
  QColor paintedPage_;
  QColor paintedText_;
  std::optional<LinesState> comparedState_;  // when the lines were last compared
  // The colours worked out for the editor's last background and text colour.
  mutable QColor coloursPage_;
  mutable QColor coloursText_;
  mutable GutterColours colours_;
};

}  // namespace wrenpad
