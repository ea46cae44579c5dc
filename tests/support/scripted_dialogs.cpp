// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/scripted_dialogs.h"

#include <QDialog>
#include <QPrinter>

namespace wrenpad::test {

namespace {
template <typename T>
T takeOr(std::deque<T>& queue, T fallback) {
  if (queue.empty()) return fallback;
  T value = std::move(queue.front());
  queue.pop_front();
  return value;
}
}  // namespace

Answer ScriptedDialogs::askYesNoCancel(const QString&, const QString& text, Answer preferredAnswer) {
  asked << "question: " + text;
  preferred.push_back(preferredAnswer);
  return takeOr(answers, Answer::Cancel);
}

void ScriptedDialogs::showMessage(const QString&, const QString& text) {
  asked << "message: " + text;
}

void ScriptedDialogs::showError(const QString&, const QString& text) {
  asked << "error: " + text;
}

std::optional<QString> ScriptedDialogs::inputText(const QString&, const QString& prompt,
                                                  const QString&) {
  asked << "input: " + prompt;
  const QString answer = takeOr(inputs, QString());
  if (answer.isNull()) return std::nullopt;
  return answer;
}

OpenFileChoice ScriptedDialogs::chooseFileToOpen(const FileDialogRequest& request) {
  asked << "open: " + request.folder;
  lastOpenRequest = request;
  return takeOr(filesToOpen, OpenFileChoice{});
}

SaveFileChoice ScriptedDialogs::chooseFileToSave(const FileDialogRequest& request) {
  asked << "save: " + request.folder + "|" + request.fileName;
  lastSaveRequest = request;
  SaveFileChoice choice{takeOr(filesToSave, QString()), {}};
  for (const FileDialogRequest::Choice& offered : request.choices) choice.items.push_back(offered.selected);
  const std::map<int, int> changes = takeOr(saveChoices, std::map<int, int>{});
  for (const auto& [index, item] : changes) choice.items.at(std::size_t(index)) = item;
  return choice;
}

QString ScriptedDialogs::chooseFolder(const QString&, const QString& startFolder) {
  asked << "folder: " + startFolder;
  return takeOr(folders, QString());
}

std::optional<QFont> ScriptedDialogs::chooseFont(const QFont& initial,
                                                 const std::function<void(const QFont&)>&) {
  asked << "font";
  fontsShown.push_back(initial);
  return takeOr(fonts, std::optional<QFont>());
}

std::optional<QColor> ScriptedDialogs::chooseColor(const QColor&) {
  asked << "color";
  return takeOr(colors, std::optional<QColor>());
}

bool ScriptedDialogs::setUpPrint(QPrinter& printer) {
  asked << "print";
  const bool accepted = takeOr(printAnswers, false);
  if (accepted && !printToPdf.isEmpty()) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(printToPdf);
  }
  return accepted;
}

bool ScriptedDialogs::setUpPrinter(QPrinter&) {
  asked << "printer";
  return takeOr(printAnswers, false);
}

std::optional<std::any> ScriptedDialogs::runForm(QDialog& form, const std::any& values,
                                                 const std::function<std::optional<std::any>()>&) {
  asked << "form: " + form.objectName();
  formsShown.push_back(values);
  if (forms.empty()) return std::nullopt;
  const FormAnswer answer = std::move(forms.front());
  forms.pop_front();
  return answer(values);
}

void ScriptedDialogs::showModeless(QWidget& form) { asked << "modeless: " + form.objectName(); }

QStringList ScriptedDialogs::askedOf(const QString& kind) const {
  QStringList result;
  const QString prefix = kind + ": ";
  for (const QString& line : asked) {
    if (line.startsWith(prefix)) result << line.mid(prefix.size());
    else if (line == kind) result << QString();
  }
  return result;
}

}  // namespace wrenpad::test
