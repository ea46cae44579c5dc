// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/editor_events.h"

#include "colouring/colour_span.h"
#include "colouring/web_formats.h"
#include "documents/document_view.h"
#include "editing/dictionary.h"
#include "editing/editing_host.h"
#include "editing/indentation.h"
#include "editing/link_target.h"
#include "editing/tag_typing.h"
#include "editor/apply_changes.h"
#include "editing/virtual_keys.h"
#include "documents/document_state.h"
#include "editor/editor_control.h"
#include "text/english_text.h"
#include "settings/settings.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTimer>
#include <QWidget>

namespace wrenpad {

namespace {
const QString kBreakTag = QStringLiteral("<br>");
}  // namespace

EditorEvents::EditorEvents(EditingContext context) : c_(std::move(context)) {
  QObject::connect(&c_.editor, &EditorControl::textChanged, &lifetime_,
                   [this] { followTextChange(); });
}

// A change the editor's kept text followed moves the tag index and the
// English measure along with it; any other leaves them to be built afresh
// when next asked. Only pages ask for them, so other documents leave them to
// be built then.
void EditorEvents::followTextChange() {
  const quint64 revision = c_.editor.revision();
  const auto splice = c_.editor.lastSplice();
  if (!splice || !isWebPage()) return;
  const PieceText text = c_.editor.keptText();
  if (tagsRevision_ + 1 == revision) {
    tags_.splice(text, splice->start, splice->removed, splice->added);
    tagsRevision_ = revision;
  }
  if (englishRevision_ + 1 == revision) {
    englishBefore_.follow(textAtEnglishRevision_, splice->start);
    englishRevision_ = revision;
    textAtEnglishRevision_ = text;
  }
}

// The window's own change handler may ask before this object has heard of
// the change: it is followed first.
bool EditorEvents::isEnglishBefore(const PieceText& text, int caret) {
  followTextChange();
  if (englishRevision_ != c_.editor.revision()) {
    englishBefore_.forget();
    englishRevision_ = c_.editor.revision();
    textAtEnglishRevision_ = text;
  }
  return englishBefore_.at(text, caret);
}

const TagIndex& EditorEvents::tagsNow() {
  if (tagsRevision_ != c_.editor.revision()) {
    tags_.rebuild(c_.editor.text());
    tagsRevision_ = c_.editor.revision();
  }
  return tags_;
}

bool EditorEvents::isWebPage() const { return c_.document.DocumentMode == kHtmlMode; }
bool EditorEvents::isProgram() const { return c_.document.DocumentMode == kProgramMode; }

// ---- keys ---------------------------------------------------------------------

void EditorEvents::EditorKeyDown(KeyEventInfo& key) {
  int code = vk::fromQtKey(key.key);
  keyDown(code, vk::fromQtModifiers(key.modifiers));
  if (code == 0) key.handled = true;
}

void EditorEvents::EditorKeyUp(KeyEventInfo& key) {
  keyUp(vk::fromQtKey(key.key), vk::fromQtModifiers(key.modifiers));
}

void EditorEvents::keyDown(int& key, int shift) {
  // A key puts the undo snapshot off until typing stops; it never cancels a
  // snapshot that is due, since a key that changes nothing (Ctrl, a click's
  // Ctrl) would leave the change without one.
  if (!vk::isArrow(key) && c_.host.isSnapshotTimerRunning()) c_.host.startSnapshotTimer();
  c_.host.stopCaretContextTimer();
  if (opensPopupMenu(key, shift)) {
    key = 0;
    openPopupAtCaret();
    return;
  }
  if (key == vk::Enter && enterInsertsBreak(shift)) {
    key = 0;
    insertBreakTag();
    return;
  }
  if (isWebPage()) refreshLinkItem();
  // Tab indents on release; the editor must not put a tab character in.
  // Whether it outdents is decided now: Shift may be let go first.
  if (key == vk::Tab && !(shift & vk::AltBit)) {
    key = 0;
    tabOutdents_ = shift == vk::ShiftBit;
    tabPending_ = true;
  }
}

void EditorEvents::keyUp(int key, int shift) {
  c_.host.startCaretContextTimer();
  showCaretLine();
  if (key == vk::Tab && !(shift & vk::AltBit) && tabPending_) {
    tabPending_ = false;
    indentBlock(tabOutdents_);
  }
  if (key == vk::Enter &&
      (isProgram() || (isWebPage() && InScriptAt(tagsNow(), c_.editor.selStart()))))
    carryIndentation();
  if (key == vk::F2 && shift == 0) lookUpWordInHelp();
  const bool movesOnly = key == vk::Ctrl || vk::isArrow(key) || key == vk::PageUp || key == vk::PageDown;
  if (isWebPage() && !movesOnly) paintClosedTag();
  if (!movesOnly && key != vk::Shift) colourProgramText();
}

// F2: the word at the caret, in its base form, goes on the clipboard and is
// looked up in the help.
void EditorEvents::lookUpWordInHelp() {
  const std::optional<QString> word =
      CopyWordAtCaret(c_.editor, [](const QString& text) { QGuiApplication::clipboard()->setText(text); });
  if (word) c_.host.lookUpInHelp(*word);
}

// Program text typed or deleted is coloured on the key's release, when
// automatic colouring is on and nothing is selected.
void EditorEvents::colourProgramText() {
  if (!c_.settings.AutoRepaint || c_.editor.selLength() != 0) return;
  if (isProgram()) {
    if (colourProgram_) colourProgram_();
  } else if (isWebPage() && colourScript_ && InScriptAt(tagsNow(), c_.editor.selStart())) {
    colourScript_();
  }
}

void EditorEvents::pressAndReleaseCtrl() {
  int key = vk::Ctrl;
  keyDown(key, vk::CtrlBit);
  keyUp(vk::Ctrl, 0);
}

// Shift+Enter inverts the "<br>" button; the head and script blocks never
// get "<br>".
bool EditorEvents::enterInsertsBreak(int shift) {
  if (!isWebPage() || InHeadOrScriptAt(tagsNow(), c_.editor.selStart())) return false;
  return c_.settings.AutoBR != (shift == vk::ShiftBit);
}

// Enter is handled here rather than by the editor: "<br>" and the line break
// go in as one replacement, so no moment exists in which the break is in the
// text and the tag is not.
void EditorEvents::insertBreakTag() {
  const bool paint = c_.settings.AutoRepaint;
  c_.editor.replaceSelection(kBreakTag + QStringLiteral("\r\n"));
  if (paint) {
    EditorControl::FormatRun run;
    run.start = c_.editor.selStart() - 6;
    run.length = int(kBreakTag.size());
    run.attributes.color = StyleOnBackground(TagPaintStyle{}, c_.editor.background()).tagColour;
    c_.editor.applyFormats({run});
  }
  c_.editor.scrollCaretIntoView();
  c_.editor.setFocus();
}

// Ctrl+Space, and the keys desktops use for a context menu: the Menu key and
// Shift+F10. (Input methods often take Ctrl+Space for themselves.)
bool EditorEvents::opensPopupMenu(int key, int shift) {
  return ((shift & vk::CtrlBit) && key == vk::Space) || (key == vk::Apps && shift == 0) ||
         (key == vk::F10 && shift == vk::ShiftBit);
}

void EditorEvents::openPopupAtCaret() {
  QWidget* view = c_.editor.widget();
  const QRect caretBox = view->inputMethodQuery(Qt::ImCursorRectangle).toRect();
  c_.host.showPopupMenu(view->mapToGlobal(caretBox.bottomLeft()));
}

void EditorEvents::showCaretLine() {
  const int line = c_.editor.lineFromPosition(c_.editor.selStart()) + 1;
  c_.host.showLineNumber(QString::number(line));
}

// ---- pop-up menu -------------------------------------------------------------------

void EditorEvents::refreshLinkItem() {
  const std::optional<QString> quoted = QuotedTextAtCaret(c_.editor.keptText(), c_.editor.selStart());
  c_.caret.LinkTarget = quoted ? ResolveLinkTarget(c_.document.CurrentFolder, *quoted) : QString();
  c_.marks.linkOpen = quoted && IsOpenablePage(c_.caret.LinkTarget);
  c_.host.showCommandStates();
}

void EditorEvents::showTableItem(bool inTable) {
  c_.marks.addRow = inTable;
  c_.host.showCommandStates();
}

void EditorEvents::PopupMenu1Popup() {
  c_.marks.popupPaste = !c_.view->isReadOnly() && !QGuiApplication::clipboard()->text().isEmpty();
  c_.marks.popupCutCopy = c_.view->hasSelection();
  if (isWebPage()) {
    refreshLinkItem();
    showTableItem(AnalyseCaretContext(c_.editor.keptText(), c_.editor.selStart(), tagsNow()).inTable);
  } else {
    c_.marks.linkOpen = false;
    showTableItem(false);
  }
}

// ---- editing on release ------------------------------------------------------------

void EditorEvents::indentBlock(bool outdent) {
  const IndentPlan plan = PlanBlockIndent(c_.editor.keptText(), c_.editor.selStart(),
                                          c_.editor.selLength(), c_.settings.TabWidth, outdent);
  if (plan.changes.empty()) return;
  c_.editor.beginUpdate();
  applyChanges(c_.editor, plan.changes);
  c_.editor.select(plan.selStart, plan.selLength);
  c_.editor.endUpdate();
}

void EditorEvents::carryIndentation() {
  const int caret = c_.editor.selStart();
  const int line = c_.editor.lineFromPosition(caret);
  if (line < 1 || c_.editor.positionOfLine(line) != caret) return;
  const int blanks = LeadingBlanksToCarry(c_.editor.line(line - 1));
  if (blanks == 0) return;
  c_.editor.beginUpdate();
  c_.editor.select(caret, 0);
  c_.editor.replaceSelection(QString(blanks, u' '));
  c_.editor.endUpdate();
}

void EditorEvents::paintClosedTag() {
  if (c_.editor.selLength() != 0 || !c_.painting) return;
  if (!c_.settings.AutoRepaint) return;
  if (const auto tag = TagClosedAtCaret(c_.editor.keptText(), c_.editor.selStart()))
    c_.painting->paintSingleTag(tag->from, tag->to);
}

// ---- other events -------------------------------------------------------------------

void EditorEvents::EditorChange() {
  if (!c_.session.ChangeWatch) return;
  if (isWebPage()) restoreTypedTextFormat();
  c_.host.startSnapshotTimer();
  if (c_.document.CurrentFileName == kUntitledName && c_.editor.textLength() > 3)
    c_.host.SetWebPageMode(false);
}

// Typed text takes the format of the character before it; behind a tag that
// is the tag's colour, which typed text must not keep.
void EditorEvents::restoreTypedTextFormat() {
  if (c_.editor.selLength() != 0) return;
  const TagPaintStyle style = StyleOnBackground(TagPaintStyle{}, c_.editor.background());
  const QColor colour = c_.editor.selAttributes().color.value_or(QColor());
  if (colour != style.tagColour && colour != style.commentColour) return;
  const PieceText text = c_.editor.keptText();
  const int caret = c_.editor.selStart();
  const std::optional<TextRange> typed = TextTypedAfterTag(text, caret);
  if (!typed) return;
  const EditorFont font = c_.editor.defaultFont();
  EditorControl::FormatRun run;
  run.start = typed->from;
  run.length = typed->to - typed->from;
  run.attributes.sizePoints = font.sizePoints;
  run.attributes.color = style.textColour;
  const QString pageFont = c_.pageFontName ? c_.pageFontName() : QString();
  run.attributes.fontName = pageFont.isEmpty() ? font.name : pageFont;
  run.attributes.charset = isEnglishBefore(text, caret) ? kDefaultCharset : kShiftJisCharset;
  if (c_.settings.Realization && c_.settings.AutoRepaint) takeRenderedFont(text, caret, run.attributes);
  c_.editor.applyFormats({run});
}

// With the in-editor rendering on, text typed inside a font element looks as
// the rendering shows the element's other text.
void EditorEvents::takeRenderedFont(const PieceText& text, int caret, CharAttributes& attributes) const {
  const int base = c_.editorFontSize ? c_.editorFontSize() : c_.editor.defaultFont().sizePoints;
  const RenderedFont rendered = RenderedFontAt(text, caret, base);
  attributes.sizePoints = rendered.sizePoints.value_or(base);
  if (rendered.colour) attributes.color = *rendered.colour;
  if (rendered.face) {
    attributes.fontName = *rendered.face;
    attributes.charset = rendered.charset;
  }
}

void EditorEvents::EditorMouseDown() {
  // The click moves the caret only after this event; the line-number box and
  // the caret context follow once it has.
  QTimer::singleShot(0, &lifetime_, [this] { pressAndReleaseCtrl(); });
}

// Every move of the caret, by keys, clicks, loads or commands, shows its
// line in the line-number box.
void EditorEvents::EditorSelectionChange() {
  showCaretLine();
  const bool selected = c_.editor.selLength() > 0;
  c_.marks.selection = selected;
  c_.marks.commentize = selected && isWebPage();
  c_.host.showCommandStates();
}

// ---- caret context ------------------------------------------------------------------

void EditorEvents::Timer5Timer() {
  if (isWebPage()) UpdateCaretContext();
  c_.host.stopCaretContextTimer();
}

void EditorEvents::UpdateCaretContext() {
  const CaretContext context = AnalyseCaretContext(c_.editor.keptText(), c_.editor.selStart(), tagsNow());
  storeCaretContext(context, c_.caret);
  c_.marks.bold = context.inBold;
  c_.marks.italic = context.inItalic;
  const QString align = context.currentAlign.toLower();
  c_.marks.centre = align == u"center";
  c_.marks.right = align == u"right";
  showTableItem(context.inTable);
  c_.host.showHeadingIndex(context.headingLevel);
}

}  // namespace wrenpad
