#pragma once
// Japanese texts that replace the designed English captions of the main
// window when the interface language is Japanese, in the order they are set.

#include <QString>
#include <vector>

namespace wrenpad {

enum class CaptionKind {
  MenuCaption,   // text of a main-menu or pop-up menu item (object name mm.../pm...)
  ToolHint,      // tool tip of a tool button (object name tb...)
  ComboItem,     // item `index` of the heading combo box
};

struct CaptionEntry {
  QString component;  // object name: "mmFile", "tbNew", "pmCut", "HeaderComboBox"
  CaptionKind kind;
  int index;          // combo item index; 0 for the other kinds
  QString text;       // Japanese text, accelerator written "(&X)" after the text
};

const std::vector<CaptionEntry>& japaneseCaptionTable();

}  // namespace wrenpad
