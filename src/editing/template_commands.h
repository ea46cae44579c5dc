// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Code templates in the editor: the list of the document's language loaded
// when a document opens or changes its kind, Ctrl+J expanding the word
// before the caret, the list dialog saving the list sorted, and the expanded
// text coloured on the next quiet tick.

#include "editing/code_templates.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

namespace wrenpad {

class Dialogs;
class EditorControl;
class TCodeTemplateList;
struct DocumentState;
struct Settings;

struct TemplateContext {
  EditorControl& editor;
  Dialogs& dialogs;
  const DocumentState& document;
  const Settings& settings;  // the language (PL)
  // Where template files are looked for, in order.
  QStringList folders;
  // Where the list dialog saves the list.
  QString saveFolder;
  // Colours [from, to) of the document as its kind wants.
  std::function<void(int from, int to)> recolourRange;
};

class TemplateCommands {
  Q_DECLARE_TR_FUNCTIONS(TemplateCommands)

 public:
  explicit TemplateCommands(TemplateContext context);
  ~TemplateCommands();

  // The template file of the document's kind and language, read into the
  // list; a missing file leaves the list as it was.
  void LoadTemplateList();
  void mmCodeTemplateClick();
  void mmCallCodeTemplateListClick();
  // The undo-snapshot tick: the last expansion is coloured.
  void paintPendingExpansion();

  QString templateFile() const { return templateFile_; }
  const std::vector<CodeTemplate>& templates() const { return templates_; }

 private:
  TCodeTemplateList& listForm();

  TemplateContext c_;
  QString templateFile_;  // TemplateFile: the name the list was last looked up by
  QString listText_;      // the list as read or saved
  std::vector<CodeTemplate> templates_;
  int TemplateStart = -1;  // the last expansion, until it is coloured
  int TemplateEnd = -1;
  std::unique_ptr<TCodeTemplateList> listForm_;
};

}  // namespace wrenpad
