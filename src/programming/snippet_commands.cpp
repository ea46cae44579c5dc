// SPDX-License-Identifier: GPL-3.0-or-later
#include "programming/snippet_commands.h"

#include "colouring/paint_guards.h"
#include "documents/document_commands.h"
#include "documents/document_kind.h"
#include "documents/document_state.h"
#include "editor/editor_control.h"
#include "platform/dialogs.h"
#include "programming/program_snippets.h"
#include "settings/ini_file.h"
#include "settings/settings.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace wrenpad {

SnippetCommands::SnippetCommands(SnippetContext context) : c_(std::move(context)) {}

SnippetCommands::~SnippetCommands() = default;

// The text replaces the selection, is coloured as program text, and the
// caret ends after it.
void SnippetCommands::insertAtCaret(const QString& text) {
  if (text.isEmpty()) return;
  const int start = c_.editor.selStart();
  {
    const ChangeWatchOff quiet(c_.session);
    c_.editor.replaceSelection(text);
  }
  const int end = start + int(text.size());
  if (c_.paintProgramRange) c_.paintProgramRange(start, end);
  c_.editor.select(end, 0);
  c_.editor.scrollCaretIntoView();
}

void SnippetCommands::mmBreakPointClick() {
  const int caret = c_.editor.selStart();
  const int indent = caret - c_.editor.positionOfLine(c_.editor.lineFromPosition(caret));
  if (!inspectionForm_) inspectionForm_ = std::make_unique<TInspectionDialog>();
  const std::optional<InspectionValues> chosen = c_.dialogs.askForm(*inspectionForm_, inspection_);
  if (!chosen) return;
  inspection_ = *chosen;
  insertAtCaret(InspectorBlock(languageModeFrom(c_.settings.PL), indent, chosen->names));
}

void SnippetCommands::mmInputWizardClick() {
  if (!wizardForm_) wizardForm_ = std::make_unique<TInputWizardDialog>();
  const std::optional<InputWizardValues> chosen = c_.dialogs.askForm(*wizardForm_, wizard_);
  if (!chosen) return;
  wizard_ = *chosen;
  const LanguageMode mode = languageModeFrom(c_.settings.PL);
  const int caret = c_.editor.selStart();
  const QString javaType =
      mode == LanguageMode::Java ? DetectJavaType(c_.editor.text().left(caret), chosen->variable) : QString();
  c_.editor.select(caret, 0);
  insertAtCaret(InputStatement(mode, chosen->prompt, chosen->variable, javaType));
}

// The user's own starting program beside the program, else the built-in one.
// A Perl script always starts with the line that names its interpreter.
QString SnippetCommands::templateText(const QString& fileName, LanguageMode mode) const {
  QString text = BuiltInProgramText(mode);
  for (const QString& folder : c_.templateFolders) {
    if (std::optional<QString> own = IniFile::readTextFile(QDir(folder).filePath(fileName))) {
      text = *own;
      break;
    }
  }
  if (mode == LanguageMode::Perl && !text.startsWith(QStringLiteral("#!"))) {
    const QString perl = QStandardPaths::findExecutable(QStringLiteral("perl"));
    text.prepend(QStringLiteral("#!%1\r\n").arg(perl.isEmpty() ? QStringLiteral("/usr/bin/perl") : perl));
  }
  return text;
}

// Asked until the name can name a class; Cancel takes the proposal.
QString SnippetCommands::askJavaClassName() {
  const QString proposal = ProposedJavaClassName(QDate::currentDate());
  QString shown = proposal;
  for (;;) {
    const std::optional<QString> answer =
        c_.dialogs.inputText(tr("Creating a new Java code"),
                             tr("Please input the class name."), shown);
    if (!answer) return proposal;
    const QString name = answer->trimmed();
    const std::optional<QString> problem = JavaClassNameProblem(name);
    if (!problem) return name;
    c_.dialogs.showError(kApplicationTitle, *problem);
    shown = name;
  }
}

// Save As until the name suits the compiler; Cancel keeps "Untitled.pas".
// The name is looked at before anything is written, so a refused name never
// touches a file that already has it.
void SnippetCommands::savePascalProgram() {
  c_.dialogs.showMessage(kApplicationTitle, tr("Please decide name and location of the program."));
  const QString untitled = QDir(c_.document.CurrentFolder).filePath(QStringLiteral("Untitled.pas"));
  c_.document.CurrentFileName = untitled;
  const bool saved = c_.files.mmSaveAsClick([this](const QString& chosen) {
    const std::optional<QString> problem = PascalNameProblem(QFileInfo(chosen).completeBaseName());
    if (problem) c_.dialogs.showError(kApplicationTitle, *problem);
    return !problem;
  });
  if (!saved) c_.document.CurrentFileName = untitled;
}

void SnippetCommands::NewProgramFromTemplate() {
  if (c_.document.CurrentFolder.isEmpty()) c_.document.CurrentFolder = c_.programFolder;
  const QDir folder(c_.document.CurrentFolder);
  QString text;
  switch (languageModeFrom(c_.settings.PL)) {
    case LanguageMode::Cpp:
      text = templateText(QStringLiteral("Default.cpp"), LanguageMode::Cpp);
      c_.files.SetDocumentTitle(folder.filePath(QStringLiteral("Untitled.cpp")));
      break;
    case LanguageMode::Java: {
      const QString className = askJavaClassName();
      text = BuiltInProgramText(LanguageMode::Java, className);
      c_.files.SetDocumentTitle(folder.filePath(className + QStringLiteral(".java")));
      break;
    }
    case LanguageMode::Perl:
      text = templateText(QStringLiteral("Default.cgi"), LanguageMode::Perl);
      c_.files.SetDocumentTitle(folder.filePath(QStringLiteral("untitled.cgi")));
      break;
    case LanguageMode::Pascal:
      savePascalProgram();
      text = BuiltInProgramText(LanguageMode::Pascal);
      c_.files.SetDocumentTitle(c_.document.CurrentFileName);
      break;
  }
  {
    const ChangeWatchOff quiet(c_.session);
    c_.editor.setText(text);
  }
  c_.editor.setModified(false);
  c_.files.SelectDocumentFont(text);
  if (c_.selectProgramMode) c_.selectProgramMode();
  c_.session.AutoFileNaming = false;
}

}  // namespace wrenpad
