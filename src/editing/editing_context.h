#pragma once
// The narrow context the key handling and the editing tools work in: the
// editor, the questions, the window's small services and the shared state.

#include "editing/caret_context.h"

#include <functional>

namespace wrenpad {

class Dialogs;
class DocumentHost;
class EditingHost;
class EditorControl;
struct DocumentState;
struct MessageTable;
struct SessionState;
struct Settings;

struct EditingContext {
  EditorControl& editor;
  Dialogs& dialogs;
  EditingHost& host;
  DocumentHost& documentHost;
  DocumentState& document;
  SessionState& session;
  Settings& settings;
  const MessageTable& messages;
  CaretContextFlags& caret;
  // Colours the one tag [from, to) that the user has just closed.
  std::function<void(int from, int to)> paintSingleTag;
};

}  // namespace wrenpad
