// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Create and Edit Box: defines or edits a style class for framed boxes in the
// page's style block (a page without one gets a new block holding the class
// alone) and wraps the selected text in an element of the class.
// Reading and writing the class are plain functions over the page's text;
// the command applies the result as one undoable edit.

#include "colouring/page_painting.h"
#include "page/box_setting_dialog.h"
#include "page/page_setting_dialog.h"
#include "page/page_settings.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <functional>

namespace wrenpad {

class Dialogs;
class EditorControl;
struct DocumentState;

// The class's values as the page's style block gives them, on top of
// `previous`: the border style always (absent or unknown: "outset"), the
// background, padding, font size and face when declared, the font colour
// (black when absent). A page without a style block gives `previous`.
// Colours that name no colour and paddings that are no whole number keep
// their earlier value and are listed in `problems`.
struct BoxClassReading {
  BoxClassValues values;
  QStringList problems;
};
// Values that cannot be read are noted in the interface's language.
BoxClassReading ReadBoxClass(const QString& page, const QString& className, const BoxClassValues& previous = {});

// The selector of a class: the name with "." in front unless it has one.
QString BoxSelector(const QString& className);

// The block with the class's rule set: border style, padding (points),
// background colour, and the font's size, face and colour when given (a
// face other than the default, a colour other than black). Each declaration
// the rule lacks is put first in it; nothing else in the block changes.
QString WriteBoxClass(const QString& block, const QString& selector, const BoxClassValues& box);

struct BoxRequest {
  QString className;              // as typed: with or without the "."
  BoxClassValues box;
  int caret = 0;                  // where the selection starts
  int selectionLength = 0;
};

struct BoxEdit {
  QString page;
  int caret = 0;  // at the same place in the text, after the wrapped element
  // The stretch of the new text that differs from the old (a whole-text
  // splice), so one replacement applies it.
  int changeStart = 0;
  int changeLength = 0;     // characters of the old text replaced
  QString replacement;
};

// The page with the class written into its style block (a new block at the
// end of the head, a head made before "<body" when there is none), and a
// selection of two characters or more, wherever it stands outside the
// block, wrapped in <font class = "name">...</font><br>.
BoxEdit CreateBox(const QString& page, const BoxRequest& request);

struct BoxCommandContext {
  EditorControl& editor;
  Dialogs& dialogs;
  const DocumentState& document;
  // The box dialog, owned by the window and kept between uses.
  TBoxSetting& form;
  // The screen's font families the dialog's font frame offers.
  std::function<QStringList()> screenFonts;
  // Colouring of the block and the wrapped text, written anew: uncoloured,
  // then painted, with the progress bar up to 100.
  PagePainting& painting;
  // The window's progress bar, 0 to 100.
  std::function<void(int value)> setProgress;
};

class BoxCommand {
  Q_DECLARE_TR_FUNCTIONS(BoxCommand)

 public:
  explicit BoxCommand(BoxCommandContext context);

  // Menu item mmCreateBox and tool button tbCreateBox. Nothing in a text
  // document; nothing changes when the dialog is cancelled.
  void mmCreateBoxClick();

 private:
  BoxClassValues readClass(const QString& className, const BoxClassValues& shown);

  BoxCommandContext c_;
  BoxSettingValues last_;
};

}  // namespace wrenpad
