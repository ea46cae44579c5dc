#include "window/large_file_commands.h"

#include "documents/large_files.h"
#include "large_view/large_text_view.h"
#include "window/main_window.h"

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

}  // namespace wrenpad
