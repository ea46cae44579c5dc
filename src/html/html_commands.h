// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The small commands of the HTML menu and tool bar: bold, italic, underline,
// subscript, superscript, alignment, headings, lists, comments, the "<br>"
// on Enter mode, and the editor's background colour. Each reads the editor,
// has the mark-up built by the pure functions beside it, writes the editor
// and recolours what changed.

#include "colouring/page_painting.h"
#include "editing/caret_context.h"
#include "editing/command_marks.h"
#include "html/lists.h"

#include <QString>
#include <functional>

class QColor;

namespace wrenpad {

class Dialogs;
class EditingHost;
class EditorControl;
class EditorEvents;
struct DocumentState;
struct Settings;

struct HtmlContext {
  EditorControl& editor;
  Dialogs& dialogs;
  EditingHost& host;
  const DocumentState& document;
  Settings& settings;
  CaretContextFlags& caret;
  CommandMarks& marks;
  // The key handling: commands that move the caret let it look again.
  EditorEvents& keys;
  // Colouring of what a command changed, and the in-editor rendering of web
  // formats run before it while rendering is switched on.
  PagePainting& painting;
  // The point size of painted tags; the editor font's size when empty.
  std::function<int()> editorFontSize;
};

class HtmlCommands {
 public:
  explicit HtmlCommands(HtmlContext context);

  void mmBoldClick();
  void mmItalicClick();
  void mmUnderlineClick();
  void mmSubscriptClick();
  void mmSuperscriptClick();
  void mmAlignLeftClick();
  void mmAlignCenterClick();
  void mmAlignRightClick();
  // A heading chosen in the heading box is applied a second later, so that
  // passing over items with the arrow keys applies only the last.
  void HeaderComboBoxChange();
  void Timer4Timer();
  void tbInsertListClick(ListKind kind);
  void mmCommentizeClick();
  void mmBRClick();
  void mmBackGroundColorClick();

  // Wraps the selection (maybe empty) in "<tag>" and "</tag>"; the caret
  // ends after the closing tag. Not in plain text documents.
  void WrapInTag(const QString& tag);
  // Removes the "<tag>" pair around the caret and its formatting of the
  // enclosed text. Not in program documents.
  void UnwrapTag(const QString& tag);
  // Removes, changes or adds the align of the paragraph, division or
  // heading at the caret; "left", "center" or "right".
  void ApplyAlignment(const QString& align);
  // Display aid: the editor's own alignment of the lines from `from` to
  // `to`; the text does not change.
  void ShowParagraphAlignment(const QString& align, int from, int to);

 private:
  bool isPlainText() const;
  bool isWebPage() const;
  bool autoRepaint() const;
  void toggleTag(const QString& tag, bool& inTag, bool* buttonDown);
  void recolour(int from, int to, int renderFrom);
  void recolour(int from, int to) { recolour(from, to, from); }
  void colourRange(int from, int to, const QColor& colour);
  void lookAtCaretAgain();

  HtmlContext c_;
};

}  // namespace wrenpad
