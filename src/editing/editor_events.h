// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the main window does on the editor's key, mouse, change and
// selection events: keeps the line-number box, the edit commands, the pop-up
// menu and the formatting buttons in step with the caret; inserts "<br>" on
// Enter in pages; indents blocks with Tab; carries indentation over on Enter
// in programs; colours a tag when its ">" is typed.

#include "editing/editing_context.h"
#include "text/english_text.h"
#include "text/tag_index.h"

#include <QObject>
#include <functional>

namespace wrenpad {

struct CharAttributes;
struct KeyEventInfo;

class EditorEvents {
 public:
  explicit EditorEvents(EditingContext context);

  // The editor's signals. A key the handler consumes is marked handled.
  void EditorKeyDown(KeyEventInfo& key);
  void EditorKeyUp(KeyEventInfo& key);
  void EditorChange();
  void EditorMouseDown();
  void EditorSelectionChange();
  // Before the pop-up menu opens: which of its items apply at the caret.
  void PopupMenu1Popup();
  // Tick of the caret-context timer (Timer5).
  void Timer5Timer();
  // Works out the formatting open at the caret into the shared flags and
  // shows it on the tool buttons, the alignment items and the heading box.
  void UpdateCaretContext();

  // The same handlers on virtual-key codes and the modifier set (Shift 1,
  // Alt 2, Ctrl 4); key down sets `key` to 0 to swallow it.
  void keyDown(int& key, int shift);
  void keyUp(int key, int shift);
  // A press and release of Ctrl: refreshes the line-number box and restarts
  // the caret-context timer, as after any key.
  void pressAndReleaseCtrl();

  // What colours program text after a key that may have changed it: in a
  // program document, and in the script of a page.
  void setProgramColouring(std::function<void()> inProgram, std::function<void()> inScript) {
    colourProgram_ = std::move(inProgram);
    colourScript_ = std::move(inScript);
  }

 private:
  bool isWebPage() const;
  bool isProgram() const;
  bool enterInsertsBreak(int shift);
  void insertBreakTag();
  static bool opensPopupMenu(int key, int shift);
  void openPopupAtCaret();
  void refreshLinkItem();
  void showTableItem(bool inTable);
  void showCaretLine();
  void indentBlock(bool outdent);
  void carryIndentation();
  void paintClosedTag();
  void colourProgramText();
  void lookUpWordInHelp();
  void restoreTypedTextFormat();
  void takeRenderedFont(const PieceText& text, int caret, CharAttributes& attributes) const;
  void followTextChange();
  const TagIndex& tagsNow();
  // IsEnglishText of the text before the caret, at the cost of the caret's
  // moves and the edits since the last time.
  bool isEnglishBefore(const PieceText& text, int caret);

  EditingContext c_;
  // Where the tags of the caret context stand, for the editor's text at
  // revision tagsRevision_; each change is followed as it happens.
  TagIndex tags_;
  quint64 tagsRevision_ = ~0ull;
  // Whether the text before the caret is English, for the editor's text at
  // revision englishRevision_, followed the same way; the text as it stood
  // then, for taking back what an edit changes.
  EnglishTextBefore englishBefore_;
  quint64 englishRevision_ = ~0ull;
  PieceText textAtEnglishRevision_;
  // A Tab pressed and not yet released, and whether Shift was down then.
  bool tabPending_ = false;
  bool tabOutdents_ = false;
  // Context of deferred calls: they are dropped with this object.
  QObject lifetime_;
  std::function<void()> colourProgram_;
  std::function<void()> colourScript_;
};

}  // namespace wrenpad
