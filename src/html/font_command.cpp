// SPDX-License-Identifier: GPL-3.0-or-later
#include "html/font_command.h"

#include "colouring/colouring_context.h"
#include "colouring/paint_guards.h"
#include "colouring/style_classes.h"
#include "documents/document_state.h"
#include "editor/editor_control.h"
#include "html/font_tag.h"
#include "platform/dialogs.h"
#include "settings/settings.h"
#include "text/english_text.h"
#include "text/tag_attribute.h"

#include <algorithm>

namespace wrenpad {

namespace {

constexpr int kSymbolCharset = 161;


// The character set a face is shown with: the symbol set for "Symbol", the
// default set for a face named in single-byte text, Shift-JIS otherwise.
int charsetOfFace(const QString& face) {
  if (face == u"Symbol") return kSymbolCharset;
  return IsEnglishText(face) ? kDefaultCharset : kShiftJisCharset;
}

}  // namespace

FontCommand::FontCommand(FontCommandContext context) : c_(std::move(context)) {}

// What the dialog opens with: the face, colour and size in force where the
// element goes. A rewritten tag keeps its face and class unless the user
// changes them; a new element is offered the face chosen last.
HtmlFontValues FontCommand::valuesShown(const FontTarget& target, const CaretFont& inEffect,
                                        int presetSize) const {
  HtmlFontValues shown;
  if (c_.screenFonts) shown.faces = c_.screenFonts();
  shown.classes = FillStyleClassList(c_.colouring.StyleClassTable);
  shown.face = target.editing ? inEffect.face : chosenFace_;
  shown.pageFontName = inEffect.face;
  shown.colour = QColorOf(inEffect.colour);
  shown.size = presetSize;
  if (target.editing) shown.className = TagAttributeValue(target.oldTag, QStringLiteral("class"));
  return shown;
}

FontTagRequest FontCommand::requestFor(const HtmlFontValues& chosen, const QString& content, bool wholeText,
                                       bool editing, const CaretFont& inEffect, int presetSize) const {
  FontTagRequest request;
  request.content = content;
  request.wholeText = wholeText;
  request.editing = editing;
  request.face = chosen.face;
  request.colour = RgbOf(chosen.colour);
  request.size = chosen.size;
  request.className = chosen.className;
  request.documentFontName = c_.document.DocumentFontName;
  request.faceInEffect = inEffect.face;
  request.colourInEffect = inEffect.colour;
  request.presetSize = presetSize;
  return request;
}

void FontCommand::rememberChoice(const HtmlFontValues& chosen) {
  chosenFace_ = chosen.face;
  c_.colouring.PageFontChoice = chosen.face;
  c_.colouring.PageFontColorChoice = RgbHex(RgbOf(chosen.colour));
  FontSizeText = wrenpad::FontSizeText(chosen.size);
}

void FontCommand::mmHTMLFontClick() {
  if (c_.document.DocumentMode == kTextMode) return;
  const QString text = c_.editor.text();
  const int selStart = c_.editor.selStart();
  const int selLength = c_.editor.selLength();
  c_.colouring.StyleClassTable = CollectStyleClasses(text);
  const FontTarget target = FontTargetAt(text, selStart, selLength);
  QString content = text.mid(target.contentStart, target.contentLength);
  // An empty selection wraps a blank, so that the element holds something.
  // An edited element without a closing tag gets only its new opening tag.
  if (content.isEmpty() && target.closed) content = QStringLiteral(" ");
  const bool wholeText = !target.editing && selStart == 0 && selLength == text.size();

  const int base = c_.colouring.EditorFontSize;
  const QString pageFace = c_.colouring.PageFontName.isEmpty() ? c_.document.DocumentFontName
                                                                : c_.colouring.PageFontName;
  const CaretFont inEffect = FontAtCaret(text, target.contentStart, {pageFace, base, {}});
  const int presetSize = std::clamp((inEffect.sizePoints - base) / 3, -3, 3);

  const HtmlFontValues shown = valuesShown(target, inEffect, presetSize);
  if (target.editing) c_.editor.select(target.contentStart, target.contentLength);
  const std::optional<HtmlFontValues> chosen = c_.dialogs.askForm(c_.form, shown);
  if (!chosen) {
    c_.editor.select(selStart, selLength);
    return;
  }
  rememberChoice(*chosen);
  const std::optional<FontInsertion> insertion =
      FontTagInsertion(requestFor(*chosen, content, wholeText, target.editing, inEffect, presetSize));
  const int contentEnd = target.contentStart + target.contentLength;
  if (!insertion) {
    c_.editor.setSelStart(contentEnd);
    return;
  }
  insert(*insertion, target.replaceFrom, contentEnd, content,
         chosen->face.isEmpty() ? inEffect.face : chosen->face, chosen->colour);
}

// Writes the element over [from, contentEnd), paints its opening tag and, with
// automatic repainting, shows the enclosed text in the chosen font.
void FontCommand::insert(const FontInsertion& insertion, int from, int contentEnd, const QString& content,
                         const QString& face, const QColor& colour) {
  c_.editor.select(from, contentEnd - from);
  c_.editor.replaceSelection(insertion.text);
  const int end = from + int(insertion.text.size());
  c_.editor.setSelStart(end);
  c_.painting.paintSingleTag(from, from + insertion.openingLength);
  if (c_.settings.AutoRepaint && !content.isEmpty())
    showInFont(from + insertion.openingLength, insertion.suffixLength + int(content.size()), face, colour, end,
               insertion.closingLength);
}

// Shows the enclosed text [from, from + length) in the chosen face, colour
// and size, colours the tags within it and the closing tag written at the
// end, and leaves the caret before that closing tag.
void FontCommand::showInFont(int from, int length, const QString& face, const QColor& colour, int end,
                             int closingLength) {
  const ChangeWatchOff quiet(c_.session);
  const RedrawSuspended frozen(c_.editor);
  EditorControl::FormatRun content;
  content.start = from;
  content.length = length;
  content.attributes.color = colour;
  content.attributes.fontName = face;
  content.attributes.charset = charsetOfFace(face);
  content.attributes.sizePoints = std::max(1, c_.colouring.EditorFontSize + 3 * FontSizeText.toInt());
  c_.editor.applyFormats({content});
  if (c_.settings.Realization) c_.painting.renderWebFormats(from, from + length);
  c_.painting.paintTagsInRange(from, from + length);
  if (c_.setProgress) c_.setProgress(0);
  if (closingLength > 0) {
    EditorControl::FormatRun closing;
    closing.start = end - closingLength;
    closing.length = closingLength;
    closing.attributes.color = StyleOnBackground(c_.colouring.paintStyle(), c_.editor.background()).tagColour;
    closing.attributes.fontName = kProportionalGothic;
    closing.attributes.charset = kShiftJisCharset;
    closing.attributes.sizePoints = c_.colouring.EditorFontSize;
    c_.editor.applyFormats({closing});
  }
  c_.editor.setSelStart(end - closingLength);
}

}  // namespace wrenpad
