#pragma once
// A Dialogs implementation for tests: every question is recorded, and answers
// come from queues the test fills beforehand. A question without a queued
// answer is answered as a user pressing Cancel would, and is recorded too.

#include "platform/dialogs.h"

#include <QStringList>
#include <deque>

namespace wrenpad::test {

class ScriptedDialogs : public Dialogs {
 public:
  // What was asked, one line per question: "question: <text>", "error: ...",
  // "message: ...", "input: ...", "open: <folder>", "save: <folder>|<name>",
  // "folder: ...", "font", "color", "print", "printer", "form: <objectName>".
  QStringList asked;

  std::deque<Answer> answers;
  std::deque<QString> inputs;  // a null QString answers Cancel
  std::deque<OpenFileChoice> filesToOpen;
  std::deque<QString> filesToSave;
  std::deque<QString> folders;
  std::deque<std::optional<QFont>> fonts;
  std::deque<std::optional<QColor>> colors;
  std::deque<bool> printAnswers;
  // When set, an accepted print dialog sends the job to this PDF file.
  QString printToPdf;
  // Each form handler fills the form's fields and returns the dialog result.
  std::deque<std::function<int(QDialog&)>> forms;

  FileDialogRequest lastOpenRequest;
  FileDialogRequest lastSaveRequest;

  Answer askYesNoCancel(const QString& title, const QString& text) override;
  void showMessage(const QString& title, const QString& text) override;
  void showError(const QString& title, const QString& text) override;
  std::optional<QString> inputText(const QString& title, const QString& prompt,
                                   const QString& initial) override;
  OpenFileChoice chooseFileToOpen(const FileDialogRequest& request) override;
  QString chooseFileToSave(const FileDialogRequest& request) override;
  QString chooseFolder(const QString& title, const QString& startFolder) override;
  std::optional<QFont> chooseFont(const QFont& initial,
                                  const std::function<void(const QFont&)>& apply) override;
  std::optional<QColor> chooseColor(const QColor& initial) override;
  bool setUpPrint(QPrinter& printer) override;
  bool setUpPrinter(QPrinter& printer) override;
  int showForm(QDialog& form) override;

  // Questions of one kind ("question", "error", ...), texts only.
  QStringList askedOf(const QString& kind) const;
};

}  // namespace wrenpad::test
