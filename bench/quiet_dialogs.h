// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Dialogs for benchmarks: every question answered at once, as a user pressing
// Cancel would (a large page's message about colouring included), and every
// form cancelled.

#include "platform/dialogs.h"

namespace wrenpad::bench {

class QuietDialogs : public Dialogs {
 public:
  using Dialogs::askYesNoCancel;
  Answer askYesNoCancel(const QString&, const QString&, Answer) override { return Answer::Cancel; }
  void showMessage(const QString&, const QString&) override {}
  void showError(const QString&, const QString&) override {}
  std::optional<QString> inputText(const QString&, const QString&, const QString&) override {
    return std::nullopt;
  }
  OpenFileChoice chooseFileToOpen(const FileDialogRequest&) override { return {}; }
  SaveFileChoice chooseFileToSave(const FileDialogRequest&) override { return {}; }
  QString chooseFolder(const QString&, const QString&) override { return {}; }
  std::optional<QFont> chooseFont(const QFont&, const std::function<void(const QFont&)>&) override {
    return std::nullopt;
  }
  std::optional<QColor> chooseColor(const QColor&) override { return std::nullopt; }
  bool setUpPrint(QPrinter&) override { return false; }
  bool setUpPrinter(QPrinter&) override { return false; }
  void showModeless(QWidget&) override {}

 protected:
  std::optional<std::any> runForm(QDialog&, const std::any&,
                                  const std::function<std::optional<std::any>()>&) override {
    return std::nullopt;
  }
};

}  // namespace wrenpad::bench
