// SPDX-License-Identifier: GPL-3.0-or-later
#include "html/forms/link_dialog.h"

#include "editor/text_on_background.h"
#include "platform/form_widgets.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace wrenpad {

TBrinkerLabel::TBrinkerLabel(QWidget* parent) : QLabel(parent) {
  connect(&timer_, &QTimer::timeout, this, [this] { tick(); });
}

void TBrinkerLabel::setBrinkerInterval(int milliseconds) {
  interval_ = std::max(1, milliseconds);
  timer_.setInterval(interval_);
}

void TBrinkerLabel::restart() {
  elapsed_ = 0;
  setVisible(true);
  timer_.start(interval_);
}

void TBrinkerLabel::tick() {
  setVisible(!isVisible());
  if (isVisible()) return;
  elapsed_ += 2 * interval_;
  if (duration_ >= 1 && elapsed_ >= duration_) timer_.stop();
}

TLinkDialog::TLinkDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("LinkDialog"));
  setModal(true);
  auto* layout = new QVBoxLayout(this);
  auto* grid = new QGridLayout;
  //: Stays English in the Japanese interface, as designed.
  Label1 = new QLabel(tr("URL or"), this);
  Edit1 = new QLineEdit(this);
  Edit1->setObjectName(QStringLiteral("Edit1"));
  Edit1->setMinimumWidth(280);
  btnSelector = new QPushButton(QStringLiteral("..."), this);
  btnSelector->setObjectName(QStringLiteral("btnSelector"));
  Label2 = new QLabel(this);
  //: Stays English in the Japanese interface, as designed.
  Label3 = new QLabel(tr("Target"), this);
  Edit2 = new QLineEdit(this);
  Edit2->setObjectName(QStringLiteral("Edit2"));
  Label3->setBuddy(Edit2);
  grid->addWidget(Label1, 0, 0);
  grid->addWidget(Edit1, 0, 1);
  grid->addWidget(btnSelector, 0, 2);
  grid->addWidget(Label2, 0, 3);
  grid->addWidget(Label3, 1, 0);
  grid->addWidget(Edit2, 1, 1);
  layout->addLayout(grid);
  BrinkerLabel1 = new TBrinkerLabel(this);
  BrinkerLabel1->setObjectName(QStringLiteral("BrinkerLabel1"));
  BrinkerLabel1->setBrinkerInterval(500);
  BrinkerLabel1->setDuration(8000);
  layout->addWidget(BrinkerLabel1);
  auto* buttons = new QHBoxLayout;
  btnOK = new QPushButton(this);
  captionOk(btnOK);
  btnOK->setDefault(true);
  btnCancel = new QPushButton(tr("&Cancel"), this);
  buttons->addStretch();
  buttons->addWidget(btnOK);
  buttons->addWidget(btnCancel);
  layout->addLayout(buttons);
  retranslate();
  connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(btnSelector, &QPushButton::clicked, this, [this] { btnSelectorClick(); });
}

void TLinkDialog::showValues(const LinkValues& values) {
  // The hint is red, made lighter on a dark palette so that it still reads
  // (4.5 to 1, as for any text).
  const QColor hint = withContrastOn(QColor(0xC0, 0, 0), palette().color(QPalette::Window), 4.5);
  BrinkerLabel1->setStyleSheet(QStringLiteral("color: %1").arg(hint.name()));
  shown_ = values;
  retranslate();
  Edit1->setText(values.url);
  Edit2->setText(values.target);
  BrinkerLabel1->restart();
  adjustSize();
}

void TLinkDialog::retranslate() {
  setWindowTitle(tr("Setting of Link"));
  btnCancel->setText(tr("&Cancel"));
  Label2->setText(tr("File Name"));
  BrinkerLabel1->setText(tr("Please select the file of type the URL"));
  Edit1->setAccessibleName(tr("URL or file name"));
  btnSelector->setAccessibleName(tr("Choose a file"));
}

LinkValues TLinkDialog::values() const {
  LinkValues values = shown_;
  values.url = Edit1->text();
  values.target = Edit2->text();
  return values;
}

void TLinkDialog::btnSelectorClick() {
  if (!chooser_) return;
  const QString reference = chooser_();
  if (!reference.isEmpty()) Edit1->setText(reference);
}

}  // namespace wrenpad
