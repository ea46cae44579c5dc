// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the tag-colouring commands receive from the program: the editor, the
// dialogs, the shared document state, the settings, the messages, the
// colouring's own state, and the few window services they drive.

#include <QColor>
#include <QString>
#include <QStringList>
#include <optional>

#include "colouring/colour_span.h"
#include "colouring/program_spans.h"
#include "documents/document_state.h"
#include "language/message_table.h"
#include "settings/settings.h"

namespace wrenpad {

class Dialogs;
class EditorControl;

// The window services a colouring run uses. The main window implements it.
class ColouringHost {
 public:
  virtual ~ColouringHost() = default;

  // A setting the window shows (Auto Repaint) changed.
  virtual void showCommandStates() = 0;
  // The window's progress bar, 0 to 100. Shown at once: the run does not let
  // window events run while it formats.
  virtual void setProgress(int value) = 0;
  // The busy cursor over the whole program while a repaint runs.
  virtual void showWaitCursor(bool on) = 0;
  // Before a whole repaint: the page settings are read from the page, which
  // sets the page's text colour, face and size the repaint applies. A host
  // without page settings reads nothing.
  virtual void readPageSettings(const QString& text) { (void)text; }
};

// The colours and sizes colouring gives, and what it last read from the page.
struct ColouringState {
  QColor TagColour{0, 0, 255};
  QColor ValueColour{0, 128, 128};
  QColor CommentColour{128, 128, 128};
  // Size of painted tags, in points. Starts as the settings' DefFontSize; a
  // page whose style block sets a size in points replaces it.
  int EditorFontSize = 11;
  // The class names of the page's style block, at most 30.
  QStringList StyleClassTable;
  // The keywords of the current program's language, or JavaScript's in a page.
  KeywordList Keywords;

  // The page's own text colour, face and size in points, as the page-settings
  // readers last found them in the document; black, none and none until a
  // page sets them. The repaint applies them to the whole text.
  QColor PageTextColour{0, 0, 0};
  QString PageFontName;
  std::optional<int> PageFontSizePt;
  // The default font chosen last in the font or the page-settings dialog:
  // its name, and its colour as six hexadecimal digits RRGGBB.
  QString PageFontChoice;
  QString PageFontColorChoice = QStringLiteral("000000");

  TagPaintStyle paintStyle() const {
    return {TagColour, ValueColour, CommentColour, EditorFontSize};
  }
};

// The state at start-up, from the settings just read.
inline ColouringState colouringStateFrom(const Settings& settings) {
  ColouringState state;
  state.EditorFontSize = settings.DefFontSize;
  return state;
}

struct ColouringContext {
  EditorControl& editor;
  Dialogs& dialogs;
  ColouringHost& host;
  const DocumentState& document;
  SessionState& session;
  Settings& settings;
  const MessageTable& messages;
  ColouringState& colouring;
};

}  // namespace wrenpad
