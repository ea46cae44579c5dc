// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/large_file_commands.h"

#include "documents/document_commands.h"
#include "documents/document_mode.h"
#include "documents/large_count.h"
#include "documents/large_files.h"
#include "documents/large_recovery.h"
#include "documents/undo_commands.h"
#include "editing/editing_tools.h"
#include "editor/editor_control.h"
#include "large_view/large_text_view.h"
#include "platform/dialogs.h"
#include "window/main_window.h"

#include <QCoreApplication>
#include <QLabel>
#include <algorithm>
#include <cstring>

namespace wrenpad {
namespace {

struct LargeFileCommand {
  const char* name;
  CommandHandler run = nullptr;  // null: the row's own handler
};

large::LargeTextView& view(TMain& w) { return w.largeFiles().view(); }

// clang-format off
const LargeFileCommand kLargeFileCommands[] = {
    {"mmNew"}, {"mmOpen"}, {"mmSave"}, {"mmSaveAs"}, {"mmSetDefaultFolder"}, {"mmPrinterSetup"}, {"mmExit"},
    {"mmUndo", [](TMain& w) { view(w).undo(); }},
    {"mmRedo", [](TMain& w) { view(w).redo(); }},
    {"mmCut", [](TMain& w) { view(w).cut(); }},
    {"mmCopy", [](TMain& w) { view(w).copy(); }},
    {"mmPaste", [](TMain& w) { view(w).paste(); }},
    {"mmSelectAll", [](TMain& w) { view(w).selectAll(); }},
    {"mmFind"}, {"mmReplace"}, {"mmGoToLine"},
    {"mmFont", [](TMain& w) { w.largeFileFontClick(); }},
    {"mmCount", [](TMain& w) { w.largeFileCountClick(); }},
    // The width goes to the settings, and the view takes it from there.
    {"mmTabWidth", [](TMain& w) { w.editingTools().mmTabWidthClick(), w.showCommandStates(); }},
    {"mmSetCompiler"},
    {"mmChangeDictionary"}, {"mmAutoFileRenamer"}, {"mmSelectDefaultFolder"}, {"mmProgrammingOptions"},
    {"mmWebPageEditOptions"}, {"mmSJIS"}, {"mmEUC"}, {"mmUTF8"}, {"mmNewLF"}, {"mmNewCRLF"},
    {"English"}, {"Japanese"}, {"mmShowLineNumbers"}, {"mmRelateTxtFileToThis"}, {"mmSCSendTo"},
    {"mmSearch"}, {"mmAbout"},
    {"pmCut", [](TMain& w) { view(w).cut(); }},
    {"pmCopy", [](TMain& w) { view(w).copy(); }},
    {"pmPaste", [](TMain& w) { view(w).paste(); }},
    {"pmSelectAll", [](TMain& w) { view(w).selectAll(); }},
    {"pmSaveAndExit"},
};
// clang-format on

const LargeFileCommand* find(const CommandRow& row) {
  for (const LargeFileCommand& command : kLargeFileCommands)
    if (std::strcmp(command.name, row.name) == 0) return &command;
  return nullptr;
}

}  // namespace

bool worksOnLargeFile(const CommandRow& row) { return find(row) != nullptr; }

CommandHandler largeFileHandler(const CommandRow& row) {
  const LargeFileCommand* command = find(row);
  if (!command) return nullptr;
  return command->run ? command->run : row.run;
}

// ---- why a command is off ----------------------------------------------------

namespace {

// The commands kept out for a reason of their own; the others say what
// their menu works on. The reasons are English, translated where shown.
const struct {
  const char* name;
  const char* reason;
} kReasonsByCommand[] = {
    {"mmAutoRepaint", QT_TRANSLATE_NOOP("LargeFileCommands", "colouring is off")},
    {"mmRepaintTags", QT_TRANSLATE_NOOP("LargeFileCommands", "colouring is off")},
    {"mmBackGroundColor", QT_TRANSLATE_NOOP("LargeFileCommands", "the view shows the system's colours")},
    {"mmEnableMultiUndo", QT_TRANSLATE_NOOP("LargeFileCommands", "the view always keeps every undo step")},
    {"mmDisplayAsWebPage", QT_TRANSLATE_NOOP("LargeFileCommands", "in-page rendering is off")},
    {"mmPrint", QT_TRANSLATE_NOOP("LargeFileCommands", "copy the part to print into a new document")},
    {"mmRenameAsTopLine", QT_TRANSLATE_NOOP("LargeFileCommands", "the first line is not read for a name")},
};

const struct {
  const char* menu;
  const char* reason;
} kReasonsByMenu[] = {
    {"mmHTML", QT_TRANSLATE_NOOP("LargeFileCommands", "page commands work in the editor only")},
    {"mmCoding", QT_TRANSLATE_NOOP("LargeFileCommands", "program commands work in the editor only")},
    {"mmTools", QT_TRANSLATE_NOOP("LargeFileCommands", "the tools work in the editor only")},
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

const char* reasonFor(const CommandRow& row) {
  for (const auto& known : kReasonsByCommand)
    if (std::strcmp(known.name, row.name) == 0) return known.reason;
  const char* menu = menuOf(row);
  for (const auto& known : kReasonsByMenu)
    if (std::strcmp(known.menu, menu) == 0) return known.reason;
  return QT_TRANSLATE_NOOP("LargeFileCommands", "it works in the editor only");
}

}  // namespace

QString whyNotOnLargeFile(const CommandRow& row) {
  return QCoreApplication::translate("LargeFileCommands", "Not available for large files: %1")
      .arg(QCoreApplication::translate("LargeFileCommands", reasonFor(row)));
}

// ---- the commands of their own -------------------------------------------------

// The settings the view follows, and the status bar's note (its whole text
// also as its tool tip, should a narrow window cut it).
void TMain::showLargeFileStates() {
  LargeView->setLineNumbersVisible(settings_.*lineNumbersSetting(document_.DocumentMode));
  LargeView->setTabColumns(std::max<int>(1, settings_.TabWidth));
  const QString note = largeFiles().statusNote();
  if (largeFileNote_->toolTip() != note) {
    largeFileNote_->setToolTip(note);
    largeFileNote_->setText(note);
  }
}

// The font of the view is the program face (its columns line up): the
// choice goes there, as it does for a program.
void TMain::largeFileFontClick() {
  const std::optional<QFont> chosen = dialogs_.chooseFont(LargeView->font(), nullptr);
  if (!chosen) return;
  settings_.CodingFontName = chosen->family();
  settings_.CodingFontSize = std::int8_t(std::clamp(chosen->pointSize(), 1, 127));
  LargeView->setFont(*chosen);
}

void TMain::largeFileCountClick() { CountLargeText(*LargeView, dialogs_, messages_); }

// ---- a gone run's edits ------------------------------------------------------

// The file is opened as the user would open it, and the edits are made on
// it again: the document is modified, not saved, under its old name, and
// its journal keeps them as this run's own. A file that is no longer the
// one they were made on gets none of them: its typed text comes instead.
bool TMain::takeOverLargeEdits(const LargeEditsOffer& offer) {
  if (!offer.fileChanged && LargeFiles::isLargeFile(offer.base.path) && documents().LoadDocument(offer.base.path) &&
      showsLargeFile()) {
    const large::Replay replay = ReplayLargeEdits(offer, largeFiles());
    if (replay.outcome == large::ReplayOutcome::Replayed) {
      showCommandStates();
      return true;
    }
    if (replay.outcome == large::ReplayOutcome::Unreadable) {
      dialogs_.showError(kApplicationTitle, LargeEditsFailedMessage(offer));
      return false;
    }
  }
  return recoverTypedText(offer);
}

bool TMain::recoverTypedText(const LargeEditsOffer& offer) {
  const std::optional<QString> typed = large::typedText(offer.journal, kLargestTypedText);
  if (!typed) {
    dialogs_.showError(kApplicationTitle, LargeEditsFailedMessage(offer));
    return false;
  }
  if (showsLargeFile()) beginDocument();
  documents().startNewDocument();
  document_.CurrentFileName = kUntitledName;
  documents().SetDocumentTitle(kUntitledName);
  Editor->setText(*typed);
  Editor->setModified(true);
  showCommandStates();
  return undo_->keepRecoveredWork();
}

}  // namespace wrenpad
