// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Scopes every colouring run opens: the change handler kept quiet, and the
// editor's redrawing suspended.

#include "documents/document_state.h"
#include "editor/editor_control.h"

namespace wrenpad {

// Keeps the change handler quiet while colouring changes the editor, and
// gives ChangeWatch back its earlier value afterwards, so a run nested in a
// longer one does not switch it on half-way.
class ChangeWatchOff {
 public:
  explicit ChangeWatchOff(SessionState& session)
      : session_(session), previous_(session.ChangeWatch) {
    session_.ChangeWatch = false;
  }
  ~ChangeWatchOff() { session_.ChangeWatch = previous_; }
  ChangeWatchOff(const ChangeWatchOff&) = delete;
  ChangeWatchOff& operator=(const ChangeWatchOff&) = delete;

 private:
  SessionState& session_;
  bool previous_;
};

// Redrawing of the editor suspended for the lifetime of the object.
class RedrawSuspended {
 public:
  explicit RedrawSuspended(EditorControl& editor) : editor_(editor) { editor_.beginUpdate(); }
  ~RedrawSuspended() { editor_.endUpdate(); }
  RedrawSuspended(const RedrawSuspended&) = delete;
  RedrawSuspended& operator=(const RedrawSuspended&) = delete;

 private:
  EditorControl& editor_;
};

}  // namespace wrenpad
