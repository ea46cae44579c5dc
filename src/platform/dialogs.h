// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every modal question and dialog the program shows goes through Dialogs, so
// commands can be driven headless: the program installs QtDialogs, tests a
// scripted implementation that records questions and hands out queued answers.

#include "platform/value_form.h"

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>
#include <any>
#include <functional>
#include <optional>
#include <vector>

class QDialog;
class QPrinter;

namespace wrenpad {

enum class Answer { Yes, No, Cancel };

struct FileDialogRequest {
  QString title;
  QString folder;        // folder the dialog starts in
  QString fileName;      // bare name proposed in the name field
  QStringList filters;   // "Text File (*.txt *.in)", ...
  int filterIndex = 0;   // 0-based filter to start on
  // Choices a save dialog offers under the name (the kanji code, the line
  // ends): a caption, its items and the item selected at first.
  struct Choice {
    QString caption;
    QStringList items;
    int selected = 0;
  };
  std::vector<Choice> choices;
};

struct SaveFileChoice {
  QString path;            // empty when the user cancelled
  std::vector<int> items;  // the item chosen of each of the request's choices
};

struct OpenFileChoice {
  QString path;          // empty when the user cancelled
  int filterIndex = 0;   // filter in use when the dialog closed
  bool readOnly = false; // "open read-only" ticked
};

class Dialogs {
 public:
  virtual ~Dialogs() = default;

  // Confirmation box with Yes, No and Cancel; closing the box counts as Cancel.
  // `preferred` is the button Enter presses: a question whose Yes may destroy
  // a file of the user's prefers No.
  virtual Answer askYesNoCancel(const QString& title, const QString& text, Answer preferred) = 0;
  Answer askYesNoCancel(const QString& title, const QString& text) {
    return askYesNoCancel(title, text, Answer::Yes);
  }
  // Information box with one OK button.
  virtual void showMessage(const QString& title, const QString& text) = 0;
  // The standard error box for failures of files and conversions.
  virtual void showError(const QString& title, const QString& text) = 0;
  // Input box; nullopt on Cancel.
  virtual std::optional<QString> inputText(const QString& title, const QString& prompt,
                                           const QString& initial) = 0;

  virtual OpenFileChoice chooseFileToOpen(const FileDialogRequest& request) = 0;
  // An empty path on Cancel. Never asks about overwriting: the caller does.
  virtual SaveFileChoice chooseFileToSave(const FileDialogRequest& request) = 0;
  // Folder choice that lets the user create folders; empty on Cancel.
  virtual QString chooseFolder(const QString& title, const QString& startFolder) = 0;
  // Font dialog; `apply` is called when the user presses Apply (if offered).
  virtual std::optional<QFont> chooseFont(const QFont& initial,
                                          const std::function<void(const QFont&)>& apply) = 0;
  virtual std::optional<QColor> chooseColor(const QColor& initial) = 0;

  // Print dialog (true = print) and printer set-up (true = accepted).
  virtual bool setUpPrint(QPrinter& printer) = 0;
  virtual bool setUpPrinter(QPrinter& printer) = 0;

  // One of the program's own forms (document type, tables, ...), filled
  // with `values`; the values the user confirmed with OK, nothing on Cancel.
  template <class Values>
  std::optional<Values> askForm(ValueForm<Values>& form, const Values& values) {
    const std::optional<std::any> answer =
        runForm(form.dialog(), values, [&form, &values]() -> std::optional<std::any> {
          form.showValues(values);
          if (!execForm(form.dialog())) return std::nullopt;
          return std::any(form.values());
        });
    if (!answer) return std::nullopt;
    return std::any_cast<Values>(*answer);
  }

  // Shows a modeless form and leaves it open; its requests go through its channel.
  virtual void showModeless(QWidget& form) = 0;

 protected:
  // Runs a form: the program calls `show`, which fills the form, runs it
  // and reads it; a test answers with values of the form's type instead.
  virtual std::optional<std::any> runForm(
      QDialog& form, const std::any& values,
      const std::function<std::optional<std::any>()>& show) = 0;
  // Runs a dialog modally; true when it was accepted.
  static bool execForm(QDialog& form);
};

}  // namespace wrenpad
