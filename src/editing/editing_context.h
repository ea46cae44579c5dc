// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The narrow context the key handling and the editing tools work in: the
// editor, the questions, the window's small services and the shared state.

#include "colouring/page_painting.h"
#include "editing/caret_context.h"
#include "editing/command_marks.h"

#include <QString>
#include <functional>

namespace wrenpad {

class Dialogs;
class EditingHost;
class EditorControl;
class ShownView;
struct DocumentState;
struct MessageTable;
struct SessionState;
struct Settings;

struct EditingContext {
  EditorControl& editor;
  // The view the document is shown in: the editor, or a large file's own view.
  ShownView& view;
  Dialogs& dialogs;
  EditingHost& host;
  const DocumentState& document;
  const SessionState& session;
  Settings& settings;
  const MessageTable& messages;
  CaretContextFlags& caret;
  CommandMarks& marks;
  // Colours the one tag that the user has just closed; none where nothing
  // colours the page.
  PagePainting* painting = nullptr;
  // The face the page's style block names ("" for none); text typed behind a
  // tag takes it, or the editor's face when the page names none.
  std::function<QString()> pageFontName;
  // Points of text outside every font element, the base of rendered sizes.
  std::function<int()> editorFontSize;
};

}  // namespace wrenpad
