// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Font command of the HTML menu: wraps the selection in a font element,
// or rewrites the opening tag of the font element whose opening tag holds
// the caret, with what the font dialog gives. Only attributes that differ
// from the font in force at the caret are written (every one when a tag is
// rewritten). With automatic colouring on, the enclosed text is shown in the
// chosen face, colour and size and the tags are coloured.

#include "colouring/page_painting.h"
#include "html/font_tag.h"
#include "html/forms/html_font_dialog.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace wrenpad {

class Dialogs;
class EditorControl;
struct ColouringState;
struct DocumentState;
struct SessionState;
struct Settings;

struct FontCommandContext {
  EditorControl& editor;
  Dialogs& dialogs;
  const DocumentState& document;
  SessionState& session;
  const Settings& settings;
  ColouringState& colouring;
  // The font dialog, owned by the window and kept between uses.
  ValueForm<HtmlFontValues>& form;
  // The screen's font families the dialog offers.
  std::function<QStringList()> screenFonts;
  // Colouring of the tag written and of the text it holds, and the
  // in-editor rendering of web formats run before it while rendering is on.
  PagePainting& painting;
  // The window's progress bar, 0 to 100.
  std::function<void(int value)> setProgress;
};

class FontCommand {
 public:
  explicit FontCommand(FontCommandContext context);

  // Menu item mmHTMLFont and tool button tbHTMLfont. Nothing in a text
  // document; nothing changes when the dialog is cancelled.
  void mmHTMLFontClick();

  // The relative size chosen last, as written: "+1", "-2".
  QString FontSizeText = QStringLiteral("+0");

 private:
  HtmlFontValues valuesShown(const FontTarget& target, const CaretFont& inEffect, int presetSize) const;
  FontTagRequest requestFor(const HtmlFontValues& chosen, const QString& content, bool wholeText, bool editing,
                            const CaretFont& inEffect, int presetSize) const;
  void rememberChoice(const HtmlFontValues& chosen);
  void insert(const FontInsertion& insertion, int from, int contentEnd, const QString& content, const QString& face,
              const QColor& colour);
  void showInFont(int from, int length, const QString& face, const QColor& colour, int end,
                  int closingLength);

  FontCommandContext c_;
  // The face chosen last, offered again when no tag is being rewritten.
  QString chosenFace_;
};

}  // namespace wrenpad
