// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/command_needs.h"

#include <cstring>

namespace wrenpad {
namespace {

// The commands that work in every view: on the document's file, the
// settings, or the view's own interface (undo, the clipboard, Find and
// Replace, Go to Line, Count, the face and the tab width).
const char* const kForEveryView[] = {
    "mmNew", "mmOpen", "mmSave", "mmSaveAs", "mmRenameAsTopLine", "mmSetDefaultFolder", "mmPrinterSetup", "mmExit",
    "mmUndo", "mmRedo", "mmCut", "mmCopy", "mmPaste", "mmSelectAll",
    "mmFind", "mmReplace", "mmGoToLine", "mmFont", "mmCount", "mmTabWidth", "mmSetCompiler",
    "mmChangeDictionary", "mmAutoFileRenamer", "mmSelectDefaultFolder", "mmProgrammingOptions",
    "mmWebPageEditOptions", "mmSJIS", "mmEUC", "mmUTF8", "mmNewLF", "mmNewCRLF",
    "English", "Japanese", "mmShowLineNumbers", "mmRelateTxtFileToThis", "mmSCSendTo",
    "mmSearch", "mmAbout", "pmCut", "pmCopy", "pmPaste", "pmSelectAll", "pmSaveAndExit",
};

const struct {
  const char* name;
  ViewAbility ability;
} kNeedsByCommand[] = {
    {"mmAutoRepaint", ViewAbility::Colouring},
    {"mmRepaintTags", ViewAbility::Colouring},
    {"mmBackGroundColor", ViewAbility::BackgroundColour},
    {"mmEnableMultiUndo", ViewAbility::UndoLevels},
    {"mmDisplayAsWebPage", ViewAbility::PageRendering},
    {"mmPrint", ViewAbility::Print},
};

// The rest need what their menu is about.
const struct {
  const char* menu;
  ViewAbility ability;
} kNeedsByMenu[] = {
    {"mmHTML", ViewAbility::PageCommands},
    {"mmCoding", ViewAbility::ProgramCommands},
    {"mmTools", ViewAbility::ToolCommands},
};

// The name of the menu bar's menu (or the pop-up menu) that holds `row`.
const char* menuOf(const CommandRow& row) {
  const char* menu = "";
  for (const CommandRow& each : commandTable()) {
    if (&each == &row) break;
    if (each.depth == 0) menu = each.name;
  }
  return menu;
}

}  // namespace

std::optional<ViewAbility> abilityNeeded(const CommandRow& row) {
  for (const char* name : kForEveryView)
    if (std::strcmp(name, row.name) == 0) return std::nullopt;
  for (const auto& known : kNeedsByCommand)
    if (std::strcmp(known.name, row.name) == 0) return known.ability;
  const char* menu = menuOf(row);
  for (const auto& known : kNeedsByMenu)
    if (std::strcmp(known.menu, menu) == 0) return known.ability;
  return ViewAbility::EditorCommands;
}

bool viewServes(const DocumentView& view, const CommandRow& row) { return whyViewCannot(view, row).isEmpty(); }

QString whyViewCannot(const DocumentView& view, const CommandRow& row) {
  const std::optional<ViewAbility> need = abilityNeeded(row);
  return need ? view.whyNot(*need) : QString();
}

}  // namespace wrenpad
