// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/template_commands.h"

#include "documents/document_state.h"
#include "editing/code_template_dialog.h"
#include "editor/editor_control.h"
#include "platform/dialogs.h"
#include "settings/settings.h"

#include <QDir>

namespace wrenpad {

TemplateCommands::TemplateCommands(TemplateContext context) : c_(std::move(context)) {}

TemplateCommands::~TemplateCommands() = default;

void TemplateCommands::LoadTemplateList() {
  templateFile_ = TemplateFileName(languageModeFrom(c_.settings.PL), c_.document.DocumentMode);
  const std::optional<TemplateFile> file = ReadTemplateFile(c_.folders, templateFile_);
  if (!file) return;
  listText_ = file->text;
  templates_ = ParseTemplateList(listText_);
}

void TemplateCommands::mmCodeTemplateClick() {
  const int caret = c_.editor.selStart() + c_.editor.selLength();
  const std::optional<TemplateExpansion> expansion = ExpandTemplateAt(c_.editor.text(), caret, templates_);
  if (!expansion) {
    c_.editor.select(caret, 0);
    return;
  }
  c_.editor.select(expansion->wordStart, expansion->wordLength);
  c_.editor.replaceSelection(expansion->text);
  TemplateStart = expansion->wordStart;
  TemplateEnd = expansion->wordStart + int(expansion->text.size());
  c_.editor.select(expansion->caret, 0);
  c_.editor.scrollCaretIntoView();
}

void TemplateCommands::paintPendingExpansion() {
  if (TemplateStart < 0) return;
  const int end = std::min(TemplateEnd, c_.editor.textLength());
  if (c_.recolourRange && TemplateStart < end) c_.recolourRange(TemplateStart, end);
  TemplateStart = TemplateEnd = -1;
}

TCodeTemplateList& TemplateCommands::listForm() {
  if (!listForm_) listForm_ = std::make_unique<TCodeTemplateList>();
  return *listForm_;
}

// OK saves the list sorted where the program keeps its lists; the list in
// use follows what was saved.
void TemplateCommands::mmCallCodeTemplateListClick() {
  if (templateFile_.isEmpty()) LoadTemplateList();
  const std::optional<CodeTemplateListValues> chosen =
      c_.dialogs.askForm(listForm(), CodeTemplateListValues{listText_});
  if (!chosen) return;
  // The edited list is used from now on even when it cannot be saved, so
  // the user's edits are not lost with the dialog.
  listText_ = SortedTemplateList(chosen->list.split(u'\n'));
  templates_ = ParseTemplateList(listText_);
  const QString path = QDir(c_.saveFolder).filePath(templateFile_);
  QString error;
  if (WriteTemplateFile(path, listText_, &error)) return;
  c_.dialogs.showError(kApplicationTitle,
                       tr("The template list could not be saved to \"%1\": %2\nIt is used until the program ends.")
                           .arg(QDir::toNativeSeparators(path), error));
}

}  // namespace wrenpad
