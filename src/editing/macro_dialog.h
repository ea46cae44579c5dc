// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TMacroReplaceDialog: the modeless editor of a macro list. Its buttons never
// touch the document or the list file: each press sends a MacroRequest with
// the list as it stands, and the macro command does the work and shows the
// dialog new values when the list or its file changes.

#include "platform/value_form.h"

#include <QDialog>
#include <QString>
#include <optional>

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace wrenpad {

struct MacroFormValues {
  QString fileName;               // the list file's full name; "" for a list not saved yet
  std::optional<QString> list;    // when set, the memo takes it and counts as unmodified
  bool autoSave = true;
};

struct MacroRequest {
  enum class Kind {
    Execute,       // apply the list to the document
    Load,
    New,
    PageTemplate,  // F2 released in the dialog
    Closed,        // Cancel, Esc or the window's close button
  };
  Kind kind = Kind::Execute;
  QString list;
  bool modified = false;  // the memo changed since it was last given a list
  bool autoSave = true;
};

using MacroForm = ModelessForm<MacroFormValues, MacroRequest>;

class TMacroReplaceDialog : public QDialog, public MacroForm {
  Q_OBJECT
 public:
  explicit TMacroReplaceDialog(QWidget* parent = nullptr);

  QWidget& window() override { return *this; }
  void showValues(const MacroFormValues& values) override;
  QString list() const;

 protected:
  void keyReleaseEvent(QKeyEvent* event) override;
  // Cancel, Esc and the close button end here; the command hears of it.
  void done(int result) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void retranslate();
  void btnInsertClick();
  void send(MacroRequest::Kind kind);

  QPlainTextEdit* Memo;
  QPushButton* btnInsert;
  QPushButton* btnLoad;
  QPushButton* btnNew;
  QPushButton* btnOK;
  QPushButton* btnCancel;
  QCheckBox* CheckBox1;
  QLabel* StaticText1;
  QLabel* StatusLine;
};

}  // namespace wrenpad
