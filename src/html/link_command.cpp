// SPDX-License-Identifier: GPL-3.0-or-later
#include "html/link_command.h"

#include "documents/document_state.h"
#include "editing/link_target.h"
#include "editor/editor_control.h"
#include "html/link_markup.h"
#include "platform/dialogs.h"
#include "text/english_text.h"
#include "text/text_helpers.h"

namespace wrenpad {

LinkCommand::LinkCommand(LinkCommandContext context) : c_(std::move(context)) {}

// A mail address selected or on the clipboard becomes a "mailto:" address,
// a web address on the clipboard the address itself.
QString LinkCommand::presetUrl(const QString& selection) const {
  if (selection.contains(u'@') && IsEnglishText(selection)) return QStringLiteral("mailto:") + selection;
  const QString clipboard = c_.clipboardText ? c_.clipboardText() : QString();
  if (clipboard.size() < 200 && clipboard.contains(u'@')) return QStringLiteral("mailto:") + clipboard;
  if (clipboard.contains(QStringLiteral("http://")) || clipboard.contains(QStringLiteral("https://"))) return clipboard;
  return QString();
}

void LinkCommand::mmLinkClick() {
  if (c_.document.DocumentMode == kTextMode) return;
  const QString text = c_.editor.text();
  const int caret = c_.editor.selStart();
  const QString selection = c_.editor.selText();
  const std::optional<LinkAtCaret> link = FindLinkAtCaret(text, caret);
  const bool selected = selection.size() >= 2;
  if (!selected && !link) return;
  LinkValues shown;
  if (link) {
    shown.url = link->url;
    shown.target = link->target;
  } else {
    shown.url = presetUrl(selection);
  }
  const std::optional<LinkValues> chosen = c_.dialogs.askForm(c_.linkForm, shown);
  if (!chosen) return;
  if (!link) {
    insertAndPaint(caret, int(selection.size()), LinkElement(chosen->url, chosen->target, selection));
    return;
  }
  // Only the opening tag is written anew, and only when a value changed: the
  // link's text, its other attributes and its closing tag stay as written.
  if (chosen->url == link->url && chosen->target == link->target) return;
  const QString tag = text.mid(link->start, link->tagLength);
  insertAndPaint(link->start, link->tagLength, EditedLinkTag(tag, chosen->url, chosen->target));
}

void LinkCommand::insertAndPaint(int start, int length, const QString& text) {
  c_.editor.select(start, length);
  c_.editor.replaceSelection(text);
  const int caret = c_.editor.selStart();
  c_.painting.paintTagsInRange(caret - int(text.size()), caret);
  c_.editor.setSelStart(caret);
  if (c_.setProgress) c_.setProgress(0);
}

void LinkCommand::mmNameClick() {
  const QString selection = c_.editor.selText();
  if (selection.isEmpty()) return;
  c_.editor.replaceSelection(AnchorMarkup(selection));
  const int caret = c_.editor.selStart();
  const int tagStart = LastPosition(QStringLiteral("<"), c_.editor.text().left(caret)) - 1;
  if (tagStart >= 0) c_.painting.paintSingleTag(tagStart, caret - int(selection.size()));
  c_.editor.setSelStart(caret);
}

// A picture chosen in a file dialog, described in the picture dialog, and
// written as an img element that names it relative to the page.
void LinkCommand::mmPictureClick() {
  if (c_.document.DocumentMode == kTextMode || !c_.choosePicture || !c_.loadPicture) return;
  const QString fileName = c_.choosePicture();
  if (fileName.isEmpty()) return;
  const LoadedPicture loaded = c_.loadPicture(fileName);
  ImagePropertyValues shown = picture_;
  shown.picture = loaded.image;
  shown.problem = loaded.problem;
  const std::optional<ImagePropertyValues> chosen = c_.dialogs.askForm(c_.pictureForm, shown);
  if (!chosen) return;
  picture_ = *chosen;
  picture_.picture = QImage();
  const QString element = PictureElement(RelativePath(c_.document.CurrentFolder, fileName), chosen->alignment,
                                         chosen->ratio, loaded.size);
  insertAndPaint(c_.editor.selStart(), c_.editor.selLength(), element);
}

void LinkCommand::pmLinkOpenClick() {
  const QString target = c_.linkTarget ? c_.linkTarget() : QString();
  if (!target.isEmpty() && c_.openInNewInstance) c_.openInNewInstance(target);
}

}  // namespace wrenpad
