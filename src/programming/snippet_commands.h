// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Coding menu's writers of program text: Break Point inserts a block
// that prints the values of chosen variables, Input Wizard a statement that
// reads one, and a new program document starts from the template of its
// language.

#include "programming/snippet_dialogs.h"
#include "settings/language_mode.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

namespace wrenpad {

class Dialogs;
class DocumentCommands;
class EditorControl;
struct DocumentState;
struct SessionState;
struct Settings;

struct SnippetContext {
  EditorControl& editor;
  Dialogs& dialogs;
  DocumentState& document;
  SessionState& session;
  const Settings& settings;
  DocumentCommands& files;
  // Colours [from, to) as program text.
  std::function<void(int from, int to)> paintProgramRange;
  // The language, menus and colours follow the document's name.
  std::function<void()> selectProgramMode;
  // Where "Default.cpp" and "Default.cgi" are looked for, in order.
  QStringList templateFolders;
  // The folder a new program goes to when no folder is current.
  QString programFolder;
};

class SnippetCommands {
  Q_DECLARE_TR_FUNCTIONS(SnippetCommands)

 public:
  explicit SnippetCommands(SnippetContext context);
  ~SnippetCommands();

  void mmBreakPointClick();
  void mmInputWizardClick();
  // Fills the cleared editor with the starting program of the language and
  // names the document.
  void NewProgramFromTemplate();

 private:
  void insertAtCaret(const QString& text);
  QString templateText(const QString& fileName, LanguageMode mode) const;
  QString askJavaClassName();
  void savePascalProgram();

  SnippetContext c_;
  InspectionValues inspection_;
  InputWizardValues wizard_;
  std::unique_ptr<TInspectionDialog> inspectionForm_;
  std::unique_ptr<TInputWizardDialog> wizardForm_;
};

}  // namespace wrenpad
