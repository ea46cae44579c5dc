// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's Dialogs: Qt's message boxes and common dialogs.

#include "platform/dialogs.h"

class QWidget;

namespace wrenpad {

class QtDialogs : public Dialogs {
 public:
  explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}
  void setParent(QWidget* parent) { parent_ = parent; }

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

 protected:
  std::optional<std::any> runForm(QDialog& form, const std::any& values,
                                  const std::function<std::optional<std::any>()>& show) override;

 private:
  QWidget* parent_;
};

}  // namespace wrenpad
