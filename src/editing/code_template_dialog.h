// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TCodeTemplateList: the list of code templates, edited as plain text. The
// form gives back the memo's text; the command that shows it sorts and saves
// the list when it closes with OK, and Cancel leaves everything as it was.

#include "platform/value_form.h"

#include <QDialog>
#include <QString>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace wrenpad {

struct CodeTemplateListValues {
  QString list;  // the memo's text, lines separated by "\n"
  friend bool operator==(const CodeTemplateListValues&, const CodeTemplateListValues&) = default;
};

class TCodeTemplateList : public QDialog, public ValueForm<CodeTemplateListValues> {
  Q_OBJECT
 public:
  explicit TCodeTemplateList(QWidget* parent = nullptr);

  QDialog& dialog() override { return *this; }
  void showValues(const CodeTemplateListValues& values) override;
  CodeTemplateListValues values() const override;

 private:
  void retranslate();
  void btnInsertClick();

  CodeTemplateListValues shown_;
  QLabel* Label1;
  QPlainTextEdit* Memo;
  QPushButton* btnInsert;
  QPushButton* btnOK;
  QPushButton* btnCancel;
};

}  // namespace wrenpad
