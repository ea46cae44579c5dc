// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A Dialogs implementation for tests: every question is recorded, and answers
// come from queues the test fills beforehand. A question without a queued
// answer is answered as a user pressing Cancel would, and is recorded too.

#include "platform/dialogs.h"

#include <QStringList>
#include <any>
#include <deque>
#include <map>
#include <vector>

namespace wrenpad::test {

class ScriptedDialogs : public Dialogs {
 public:
  // What was asked, one line per question: "question: <text>", "error: ...",
  // "message: ...", "input: ...", "open: <folder>", "save: <folder>|<name>",
  // "folder: ...", "font", "color", "print", "printer", "form: <objectName>",
  // "modeless: <objectName>".
  QStringList asked;

  std::deque<Answer> answers;
  // The answer each question offered as its default (the button Enter presses).
  std::vector<Answer> preferred;
  std::deque<QString> inputs;  // a null QString answers Cancel
  std::deque<OpenFileChoice> filesToOpen;
  std::deque<QString> filesToSave;
  // Per save dialog: choice index -> item picked; unlisted choices keep
  // the item the dialog offered first.
  std::deque<std::map<int, int>> saveChoices;
  std::deque<QString> folders;
  std::deque<std::optional<QFont>> fonts;
  std::vector<QFont> fontsShown;  // the font each font dialog opened on
  std::deque<std::optional<QColor>> colors;
  std::deque<bool> printAnswers;
  // When set, an accepted print dialog sends the job to this PDF file.
  QString printToPdf;
  // Answers of the program's own forms, in order: each is given the values
  // the form was shown with and returns the values confirmed, or nothing for
  // Cancel. A form without a queued answer is cancelled.
  using FormAnswer = std::function<std::optional<std::any>(const std::any& shown)>;
  std::deque<FormAnswer> forms;
  // The values each form was shown with, in order.
  std::vector<std::any> formsShown;

  // Answers the next form with OK and these values, or Cancel with nullopt.
  template <class Values>
  void answerForm(std::optional<Values> answer) {
    forms.push_back([answer](const std::any&) -> std::optional<std::any> {
      if (!answer) return std::nullopt;
      return std::any(*answer);
    });
  }
  // Answers the next form with OK and the values it was shown with, changed.
  template <class Values>
  void answerFormWith(std::function<void(Values&)> change) {
    forms.push_back([change](const std::any& shown) -> std::optional<std::any> {
      Values values = std::any_cast<Values>(shown);
      change(values);
      return std::any(values);
    });
  }
  template <class Values>
  Values shownValues(std::size_t index = 0) const {
    return std::any_cast<Values>(formsShown.at(index));
  }

  FileDialogRequest lastOpenRequest;
  FileDialogRequest lastSaveRequest;

  using Dialogs::askYesNoCancel;
  Answer askYesNoCancel(const QString& title, const QString& text, Answer preferred) override;
  void showMessage(const QString& title, const QString& text) override;
  void showError(const QString& title, const QString& text) override;
  std::optional<QString> inputText(const QString& title, const QString& prompt,
                                   const QString& initial) override;
  OpenFileChoice chooseFileToOpen(const FileDialogRequest& request) override;
  SaveFileChoice chooseFileToSave(const FileDialogRequest& request) override;
  QString chooseFolder(const QString& title, const QString& startFolder) override;
  std::optional<QFont> chooseFont(const QFont& initial,
                                  const std::function<void(const QFont&)>& apply) override;
  std::optional<QColor> chooseColor(const QColor& initial) override;
  bool setUpPrint(QPrinter& printer) override;
  bool setUpPrinter(QPrinter& printer) override;
  void showModeless(QWidget& form) override;

  // Questions of one kind ("question", "error", ...), texts only.
  QStringList askedOf(const QString& kind) const;

 protected:
  std::optional<std::any> runForm(QDialog& form, const std::any& values,
                                  const std::function<std::optional<std::any>()>& show) override;
};

}  // namespace wrenpad::test
