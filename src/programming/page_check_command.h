// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Check Page (HTML menu): the page in the editor checked by tidy, each
// finding a line of the message pane, and the caret taken to the first
// error's place (the first warning's when there is no error) the way a
// double click on that line of the pane takes it.

namespace wrenpad {

class EditorControl;
class MessagePane;
class ProgramCommands;

struct PageCheckContext {
  EditorControl& editor;
  MessagePane& pane;
  ProgramCommands& programs;  // the jump from a line of the pane
};

class PageCheckCommand {
 public:
  explicit PageCheckCommand(const PageCheckContext& context) : c_(context) {}

  void mmCheckPageClick();

 private:
  PageCheckContext c_;
};

}  // namespace wrenpad
