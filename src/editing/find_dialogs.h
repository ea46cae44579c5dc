// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Find and Replace dialogs: modeless forms that stay open beside the
// editor. They offer only the search text, the replacement text and "Match
// case" (no whole word, no direction). Their buttons never touch the editor:
// each press sends a FindRequest with what the fields hold, and the command
// object serving the form's channel does the work.

#include "platform/value_form.h"
#include "text/translation.h"

#include <QDialog>
#include <QString>
#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace wrenpad {

// What the user can set in either dialog.
struct FindFields {
  QString findText;
  QString replaceText;  // the Replace dialog's only; the Find dialog keeps it as given
  bool matchCase = false;

  friend bool operator==(const FindFields&, const FindFields&) = default;
};

// What a dialog is shown with.
struct FindFormValues {
  FindFields fields;
};

// What a dialog's buttons send, always with the fields as they stand.
struct FindRequest {
  enum class Kind {
    Edited,      // the user changed a field; nothing to do but remember it
    FindNext,
    Replace,     // the Replace dialog only
    ReplaceAll,  // the Replace dialog only
    Closed,      // Cancel, Esc or the window's close button
  };
  Kind kind = Kind::FindNext;
  FindFields fields;
};

using FindForm = ModelessForm<FindFormValues, FindRequest>;

// The layout and behaviour both dialogs share; `replacing` adds the
// replacement field and the Replace and Replace All buttons.
class FindFormDialog : public QDialog, public FindForm {
  Q_OBJECT
 public:
  FindFormDialog(bool replacing, QWidget* parent);

  // The form's window (this hides QWidget::window(), which a top-level
  // dialog would answer with itself anyway).
  QWidget& window() override { return *this; }
  void showValues(const FindFormValues& values) override;
  FindFields fields() const;

  // Every way of closing (Cancel, Esc, the title bar) ends here.
  void done(int result) override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void send(FindRequest::Kind kind);
  void retranslate();
  void enableButtons();

  const bool replacing_;
  FindFields fields_;  // what showValues gave; keeps replaceText for the Find dialog
  std::optional<InterfaceLanguage> language_;  // the one the captions are in
  QLabel* findLabel_;
  QLineEdit* findEdit_;
  QLabel* replaceLabel_ = nullptr;
  QLineEdit* replaceEdit_ = nullptr;
  QCheckBox* matchCase_;
  QPushButton* findNext_;
  QPushButton* replace_ = nullptr;
  QPushButton* replaceAll_ = nullptr;
  QPushButton* cancel_;
};

// The Find dialog (object name "FindDialog").
class TFindDialog : public FindFormDialog {
  Q_OBJECT
 public:
  explicit TFindDialog(QWidget* parent = nullptr);
};

// The Replace dialog (object name "ReplaceDialog").
class TReplaceDialog : public FindFormDialog {
  Q_OBJECT
 public:
  explicit TReplaceDialog(QWidget* parent = nullptr);
};

}  // namespace wrenpad
