// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/macro_dialog.h"

#include "editor/plain_paste.h"
#include "platform/form_widgets.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace wrenpad {

TMacroReplaceDialog::TMacroReplaceDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("MacroReplaceDialog"));
  setModal(false);
  auto* layout = new QVBoxLayout(this);
  StaticText1 = new QLabel(this);
  StaticText1->setObjectName(QStringLiteral("StaticText1"));
  layout->addWidget(StaticText1);
  Memo = new QPlainTextEdit(this);
  Memo->setObjectName(QStringLiteral("Memo"));
  Memo->setLineWrapMode(QPlainTextEdit::NoWrap);
  Memo->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  // Tab and Ctrl+Tab move on to the next field; Ctrl+I types a tab.
  Memo->setTabChangesFocus(true);
  Memo->installEventFilter(this);
  installPlainPaste(Memo);
  layout->addWidget(Memo, 1);
  CheckBox1 = new QCheckBox(this);
  CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
  layout->addWidget(CheckBox1);

  auto* buttons = new QHBoxLayout;
  btnInsert = namedButton(this, QStringLiteral("btnInsert"));
  btnLoad = namedButton(this, QStringLiteral("btnLoad"));
  btnNew = namedButton(this, QStringLiteral("btnNew"));
  btnOK = namedButton(this, QStringLiteral("btnOK"));
  btnOK->setDefault(true);
  btnCancel = namedButton(this, QStringLiteral("btnCancel"));
  for (QPushButton* b : {btnInsert, btnLoad, btnNew}) buttons->addWidget(b);
  buttons->addStretch();
  buttons->addWidget(btnOK);
  buttons->addWidget(btnCancel);
  layout->addLayout(buttons);
  //: Stays English in the Japanese interface, as designed.
  StatusLine = new QLabel(tr("For Help, press [F1]"), this);
  StatusLine->setObjectName(QStringLiteral("StatusLine"));
  layout->addWidget(StatusLine);

  connect(btnInsert, &QPushButton::clicked, this, [this] { btnInsertClick(); });
  connect(btnLoad, &QPushButton::clicked, this, [this] { send(MacroRequest::Kind::Load); });
  connect(btnNew, &QPushButton::clicked, this, [this] { send(MacroRequest::Kind::New); });
  connect(btnOK, &QPushButton::clicked, this, [this] { send(MacroRequest::Kind::Execute); });
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
  resize(560, 420);
  showValues(MacroFormValues{});
}

void TMacroReplaceDialog::showValues(const MacroFormValues& values) {
  retranslate();
  setWindowTitle(tr("List of Macro Replacing - %1").arg(QFileInfo(values.fileName).fileName()));
  CheckBox1->setChecked(values.autoSave);
  if (values.list) {
    Memo->setPlainText(*values.list);
    Memo->document()->setModified(false);
  }
}

// The captions in the interface language of the moment.
void TMacroReplaceDialog::retranslate() {
  StaticText1->setText(tr("Left hand side of \"==>>\" is changed to the right hand side."));
  CheckBox1->setText(tr("Save the list file &automatically"));
  btnInsert->setText(tr("&Insert \"==>>\""));
  btnLoad->setText(tr("&Load"));
  btnNew->setText(tr("&New"));
  btnOK->setText(tr("&Execute"));
  btnCancel->setText(tr("&Cancel"));
  Memo->setAccessibleName(tr("Macro list"));
  Memo->setAccessibleDescription(StaticText1->text());
}

QString TMacroReplaceDialog::list() const { return Memo->toPlainText(); }

void TMacroReplaceDialog::send(MacroRequest::Kind kind) {
  MacroRequest request;
  request.kind = kind;
  request.list = Memo->toPlainText();
  request.modified = Memo->document()->isModified();
  request.autoSave = CheckBox1->isChecked();
  requests().send(request);
}

void TMacroReplaceDialog::btnInsertClick() {
  Memo->insertPlainText(QStringLiteral("==>>"));
  Memo->ensureCursorVisible();
  Memo->setFocus();
}

// F2 released in the dialog or in its list.
void TMacroReplaceDialog::keyReleaseEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F2 && !event->isAutoRepeat()) send(MacroRequest::Kind::PageTemplate);
  QDialog::keyReleaseEvent(event);
}

// The list's own keys: Ctrl+Tab leaves it as Tab does (a text field keeps
// Ctrl+Tab to itself), Ctrl+I types the tab that Tab no longer types, and F2
// released asks for the page template.
bool TMacroReplaceDialog::eventFilter(QObject* watched, QEvent* event) {
  const bool press = event->type() == QEvent::KeyPress;
  if (watched != Memo || (!press && event->type() != QEvent::KeyRelease)) return QDialog::eventFilter(watched, event);
  const auto* key = static_cast<QKeyEvent*>(event);
  const bool control = key->modifiers() == Qt::ControlModifier;
  if (press && control && key->key() == Qt::Key_Tab) {
    focusNextChild();
  } else if (press && control && key->key() == Qt::Key_I) {
    Memo->insertPlainText(QStringLiteral("\t"));
  } else if (!press && key->key() == Qt::Key_F2 && !key->isAutoRepeat()) {
    send(MacroRequest::Kind::PageTemplate);
  } else {
    return QDialog::eventFilter(watched, event);
  }
  return true;
}

void TMacroReplaceDialog::done(int result) {
  QDialog::done(result);
  send(MacroRequest::Kind::Closed);
}

}  // namespace wrenpad
