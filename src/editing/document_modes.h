// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Puts a document's mode into effect: program mode by the file's name, page
// mode on or off, the keyword and template lists of the language chosen, and
// the colours of the text as its mode paints them. Which mode a name gives
// and what each mode shows are the rules of documents/document_mode.h; this
// is the one place they are applied, and the one place text is recoloured
// by its mode.

#include "platform/app_paths.h"

#include <QtGlobal>
#include <functional>

namespace wrenpad {

class EditorControl;
class ProgramPainter;
class TagPainter;
class TemplateCommands;
struct DocumentState;
struct Settings;

class ShownView;

struct DocumentModesContext {
  EditorControl& editor;
  DocumentState& document;
  Settings& settings;
  TagPainter& painter;
  ProgramPainter& programPainter;
  TemplateCommands& templates;
  AppPaths paths;  // where the keyword lists are found
  // The view the document is shown in: one that cannot serve the program
  // or page commands keeps its text plain whatever the file's name.
  const ShownView& view;
  // The window's parts that follow the mode.
  std::function<void(bool visible)> showHtmlToolBar;
  std::function<void()> showCommandStates;
  std::function<void()> showCodingMenu;
  std::function<void(int percent)> setProgress;
};

class DocumentModes {
 public:
  explicit DocumentModes(DocumentModesContext context);

  // A program document takes its language from its name; any other name
  // leaves the mode as it is.
  void selectProgramMode();
  void setWebPageMode(bool on);
  // The language of programs was chosen anew: its keywords and templates.
  void languageChanged();
  // Colours the whole text again as its mode paints it; text mode has none.
  void recolourWhole();
  // The same for [start, finish) only.
  void recolourRange(int start, int finish);

 private:
  // The size of the document's file, 0 for one not saved yet: colouring is
  // switched off for files too large for it.
  qint64 documentFileSize() const;

  DocumentModesContext c_;
};

}  // namespace wrenpad
