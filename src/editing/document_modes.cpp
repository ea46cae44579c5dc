// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/document_modes.h"

#include "colouring/program_painter.h"
#include "colouring/tag_painter.h"
#include "documents/document_kind.h"
#include "documents/document_mode.h"
#include "documents/document_state.h"
#include "documents/document_view.h"
#include "editing/template_commands.h"
#include "editor/editor_control.h"
#include "settings/language_mode.h"
#include "settings/settings.h"

#include <QFileInfo>
#include <cstdint>

namespace wrenpad {

DocumentModes::DocumentModes(DocumentModesContext context) : c_(std::move(context)) {}

qint64 DocumentModes::documentFileSize() const {
  const QString& name = c_.document.CurrentFileName;
  return folderOf(name).isEmpty() ? 0 : QFileInfo(name).size();
}

// The Coding menu, the program tool buttons and the message pane follow the
// mode (views of it, through showCommandStates).
void DocumentModes::selectProgramMode() {
  const std::optional<LanguageMode> language = programLanguageOf(c_.document.CurrentFileName);
  if (!language || !c_.view->can(ViewAbility::ProgramCommands)) {
    c_.showCommandStates();
    return;
  }
  c_.settings.PL = std::int8_t(*language);
  c_.showCodingMenu();
  setWebPageMode(false);
  c_.document.DocumentMode = kProgramMode;
  c_.painter.SwitchOffForLargeFile(documentFileSize());
  c_.programPainter.LoadKeywordList(*language, c_.paths.dataFolders());
  c_.programPainter.PaintWholeProgram();
  c_.templates.LoadTemplateList();
  c_.showCommandStates();
}

void DocumentModes::setWebPageMode(bool on) {
  if (!c_.view->can(ViewAbility::PageCommands)) on = false;
  const WebPageSwitch change = switchWebPage(c_.document.DocumentMode, on);
  c_.document.DocumentMode = change.documentMode;
  if (change.multiUndo) c_.settings.MultiUndo = true;
  const ModeFeatures features = featuresOf(change.documentMode);
  c_.editor.setPlainTextMode(!features.richEditor);
  c_.showHtmlToolBar(features.pageCommands);
  if (on) {
    // A page's script is coloured as JavaScript.
    c_.programPainter.LoadKeywordList(LanguageMode::Cpp, c_.paths.dataFolders());
    c_.painter.WebPageModeOn(documentFileSize());
    c_.templates.LoadTemplateList();
  }
  c_.showCommandStates();
}

void DocumentModes::languageChanged() {
  c_.programPainter.LoadKeywordList(languageModeFrom(c_.settings.PL), c_.paths.dataFolders());
  if (c_.document.DocumentMode == kProgramMode) recolourWhole();
  c_.templates.LoadTemplateList();
}

void DocumentModes::recolourWhole() {
  if (c_.document.DocumentMode == kProgramMode)
    c_.programPainter.PaintWholeProgram();
  else if (c_.document.DocumentMode == kHtmlMode)
    c_.painter.mmRepaintTagsClick();
}

void DocumentModes::recolourRange(int start, int finish) {
  if (c_.document.DocumentMode == kProgramMode) {
    c_.programPainter.PaintProgramRange(start, finish);
    return;
  }
  if (c_.document.DocumentMode != kHtmlMode) return;
  c_.painter.RenderWebFormats(start, finish);
  c_.painter.PaintTagsInRange(start, finish, {0, 100});
  c_.setProgress(0);
}

}  // namespace wrenpad
