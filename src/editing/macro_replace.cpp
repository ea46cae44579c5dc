// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/macro_replace.h"

#include "editing/macro_rules.h"
#include "documents/document_state.h"
#include "editor/editor_control.h"
#include "platform/dialogs.h"
#include "settings/ini_file.h"
#include "settings/settings.h"

#include <QDir>
#include <QFileInfo>

namespace wrenpad {

namespace {

QString listFilter() {
  //: Stays English in the Japanese interface, as designed.
  return MacroReplace::tr("Text File (*.txt)");
}

}  // namespace

QString InsertPageTemplateMarks(const QString& text) {
  static const QString laboratory = QStringLiteral("【研究室のページ】");
  QString result = text;
  if (!text.contains(laboratory)) {
    const qsizetype mail = text.indexOf(QStringLiteral("【メールアドレス】"));
    result.insert(mail < 0 ? 0 : mail,
                  laboratory + QStringLiteral(" \r\n<! 研究室のページへのリンクはここに挿入 /a>\r\n"));
  }
  const qsizetype http = result.indexOf(QStringLiteral("http://"));
  if (http >= 0) {
    // The start of the next line; a last line gets the marks at the end.
    const qsizetype lineEnd = result.indexOf(QStringLiteral("\r\n"), http);
    result.insert(lineEnd < 0 ? result.size() : lineEnd + 2, QStringLiteral("###"));
  }
  return result;
}

MacroReplace::MacroReplace(MacroReplaceContext context) : c_(std::move(context)) {}

MacroReplace::~MacroReplace() = default;

// A name without a folder (the settings' first-run list) is looked for in the
// program's folders, also with ".txt".
QString MacroReplace::listFile() const {
  const QString& name = c_.settings.MacroFile;
  if (name.isEmpty()) return {};
  if (QFileInfo(name).isAbsolute()) return name;
  for (const QString& folder : c_.listFolders) {
    for (const QString& candidate : {name, name + QStringLiteral(".txt")}) {
      const QString path = QDir(folder).filePath(candidate);
      if (QFileInfo(path).isFile()) return path;
    }
  }
  return {};
}

TMacroReplaceDialog& MacroReplace::form() {
  if (!form_) {
    form_ = new TMacroReplaceDialog(c_.editor.widget() ? c_.editor.widget()->window() : nullptr);
    form_->requests().serve([this](const MacroRequest& request) { serve(request); });
    FormShow(std::nullopt);
  }
  return *form_;
}

void MacroReplace::mmMacroReplaceClick() {
  TMacroReplaceDialog& dialog = form();
  if (c_.setPasteShortcut) c_.setPasteShortcut(false);
  open_ = true;
  FormShow(std::nullopt);
  c_.dialogs.showModeless(dialog.window());
}

// The list file's text goes into the list when the file can be read; the
// caption names the file.
void MacroReplace::FormShow(std::optional<QString> list) {
  const QString path = listFile();
  if (!list && !path.isEmpty()) list = IniFile::readTextFile(path);
  MacroFormValues values;
  values.fileName = path;
  values.list = list;
  values.autoSave = c_.settings.AutoFileSave;
  form_->showValues(values);
}

void MacroReplace::serve(const MacroRequest& request) {
  c_.settings.AutoFileSave = request.autoSave;
  switch (request.kind) {
    case MacroRequest::Kind::Execute: btnOKClick(request); break;
    case MacroRequest::Kind::Load: btnLoadClick(request); break;
    case MacroRequest::Kind::New: btnNewClick(request); break;
    case MacroRequest::Kind::PageTemplate: FormKeyUp(); break;
    case MacroRequest::Kind::Closed: FormClose(); break;
  }
}

bool MacroReplace::writeList(const QString& path, const QString& list) {
  QString error;
  if (IniFile::writeTextFile(path, list, &error)) return true;
  c_.dialogs.showError(kApplicationTitle, tr("The list could not be saved to \"%1\": %2\n"
                                             "It is still in the dialog; save it to another file with Load or New.")
                                         .arg(QDir::toNativeSeparators(path), error));
  return false;
}

// The save dialog; on OK the list is written there and becomes the list file.
bool MacroReplace::saveAs(const QString& list) {
  FileDialogRequest request;
  request.folder = c_.listFolders.value(0);
  request.fileName = QFileInfo(listFile()).fileName();
  request.filters = {listFilter()};
  QString path = c_.dialogs.chooseFileToSave(request).path;
  if (path.isEmpty()) return false;
  if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".txt");
  if (!writeList(path, list)) return false;
  c_.settings.MacroFile = path;
  FormShow(list);
  return true;
}

// False when a modified list is still unsaved and the user did not say to
// let it go: a save that failed or was cancelled, or Cancel to the question.
bool MacroReplace::saveIfModified(const MacroRequest& request) {
  if (!request.modified) return true;
  if (request.autoSave) {
    const QString path = listFile();
    if (!path.isEmpty()) {
      if (!writeList(path, request.list)) return false;
      FormShow(request.list);
      return true;
    }
    c_.dialogs.showMessage(kApplicationTitle, tr("Please save the list to a new file."));
    return saveAs(request.list);
  }
  const Answer answer = c_.dialogs.askYesNoCancel(
      kApplicationTitle, tr("Do you save the list?"));
  if (answer == Answer::Yes) return saveAs(request.list);
  return answer == Answer::No;
}

void MacroReplace::btnOKClick(const MacroRequest& request) {
  saveIfModified(request);
  const std::vector<MacroRule> rules = ParseMacroList(request.list);
  const QString before = c_.editor.text();
  const QString after = ApplyMacroRules(before, rules);
  if (after != before) {
    // One undo step takes the whole list back.
    c_.editor.replaceText(after);
    if (c_.recolourWholeText) c_.recolourWholeText();
  }
  if (form_) form_->hide();
  FormClose();
}

void MacroReplace::btnLoadClick(const MacroRequest& request) {
  if (request.list.contains(u'\n')) saveIfModified(request);
  FileDialogRequest dialog;
  dialog.folder = c_.listFolders.value(0);
  //: Stays English in the Japanese interface, as designed.
  dialog.filters = {listFilter(), tr("All (*)")};
  const OpenFileChoice choice = c_.dialogs.chooseFileToOpen(dialog);
  if (choice.path.isEmpty()) return;
  QString error;
  const std::optional<QString> list = IniFile::readTextFile(choice.path, &error);
  if (!list) {
    c_.dialogs.showError(kApplicationTitle, tr("The list \"%1\" could not be read: %2")
                                           .arg(QDir::toNativeSeparators(choice.path), error));
    return;
  }
  c_.settings.MacroFile = choice.path;
  FormShow(list);
}

// A new, empty list that belongs to no file until it is saved.
void MacroReplace::btnNewClick(const MacroRequest& request) {
  if (!saveIfModified(request)) return;
  c_.settings.MacroFile.clear();
  FormShow(QString());
}

void MacroReplace::FormKeyUp() {
  const QString before = c_.editor.text();
  const QString after = InsertPageTemplateMarks(before);
  if (after != before) c_.editor.replaceText(after);
}

void MacroReplace::FormClose() {
  open_ = false;
  if (c_.setPasteShortcut) c_.setPasteShortcut(true);
  c_.editor.returnFocus();
}

}  // namespace wrenpad
