// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Form submenu of the HTML menu (a new form, a one-line input, a text
// area, a selection list, check boxes) and the division command of its
// Insert submenu. Each asks its dialog, shown the values confirmed last,
// replaces the selection with the mark-up in one edit, colours what it
// wrote and leaves the caret after it. Only in HTML documents; Cancel
// changes nothing.

#include "colouring/page_painting.h"
#include "html/forms/form_dialogs.h"

#include <functional>
#include <optional>

namespace wrenpad {

class Dialogs;
class EditorControl;
struct DocumentState;
struct Settings;

struct FormCommandsContext {
  EditorControl& editor;
  Dialogs& dialogs;
  const DocumentState& document;
  // The automatic colouring switch (AutoRepaint) and the in-editor
  // rendering switch (Realization).
  const Settings& settings;
  // The dialogs, owned by the window and kept between uses.
  ValueForm<FormValues>& formDialog;
  ValueForm<SingleLineInputValues>& singleLineInputDialog;
  ValueForm<TextAreaValues>& textAreaDialog;
  ValueForm<SelectValues>& selectDialog;
  ValueForm<CheckBoxValues>& checkDialog;
  ValueForm<DivValues>& divDialog;
  // Not read: the captions follow the interface language (text/translation.h).
  // Colouring of what was written: the uncoloured look for the text written
  // anew, the in-editor rendering of web formats while rendering is on (for a
  // division, and for the stretch a new form's handler function made it
  // rewrite), then the tags, with the progress bar from 0 to 100.
  PagePainting& painting;
  // The window's progress bar, 0 to 100.
  std::function<void(int value)> setProgress;
};

class FormCommands {
 public:
  explicit FormCommands(FormCommandsContext context);

  // HTML > Form > New Form: the selection goes inside the new form; with a
  // JavaScript event, an empty handler function goes before the page's
  // first "// -->" in the same edit, and the handler's name keeps the "()"
  // it was given.
  void mmNewFormClick();
  void mmSingleLineInputClick();
  void mmTextAreaClick();
  void mmSelectClick();
  // No questions: the selection is deleted.
  void mmCheckBoxClick();
  // HTML > Insert > <div ...>: wraps the selection in a division.
  void mmDivClick();

 private:
  bool isWebPage() const;
  // Asks the form with the values kept from its last use; keeps what the
  // user confirms.
  template <class Values>
  std::optional<Values> ask(ValueForm<Values>& form, Values& kept);
  // Replaces the selection with the mark-up, colours it, caret after it.
  void insertMarkup(const QString& markup);
  // With automatic colouring on: renders [from, renderTo) while rendering
  // is on, then colours [from, paintTo) with the progress bar; both end at
  // the end of the text. The bar goes back to 0.
  // [from, writtenTo) was written anew and starts uncoloured; tags are
  // painted up to paintTo and web formats rendered up to renderTo.
  void recolour(int from, int writtenTo, int paintTo, int renderTo);

  FormCommandsContext c_;
  FormValues form_;
  SingleLineInputValues singleLineInput_;
  TextAreaValues textArea_;
  SelectValues select_;
  CheckBoxValues checkBoxes_;
  DivValues div_;
};

}  // namespace wrenpad
