// SPDX-License-Identifier: GPL-3.0-or-later
#include "page/preview/web_page_options.h"

#include "page/preview/preview_rules.h"
#include "platform/form_widgets.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

namespace wrenpad {

TWebPageEditOptions::TWebPageEditOptions(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("WebPageEditOptions"));
  setModal(true);
  auto* layout = new QVBoxLayout(this);
  rgBrowser = new QGroupBox(this);
  rgBrowser->setObjectName(QStringLiteral("rgBrowser"));
  auto* groupLayout = new QVBoxLayout(rgBrowser);
  for (int i = 0; i < 4; ++i) {
    auto* item = new QRadioButton(rgBrowser);
    item->setObjectName(QStringLiteral("rgBrowserItem%1").arg(i));
    groupLayout->addWidget(item);
    items_.push_back(item);
  }
  layout->addWidget(rgBrowser);
  chkRealization = new QCheckBox(this);
  chkRealization->setObjectName(QStringLiteral("chkRealization"));
  layout->addWidget(chkRealization);

  auto* buttons = new QHBoxLayout;
  auto* ok = new QPushButton(this);
  captionOk(ok);
  ok->setObjectName(QStringLiteral("btnOK"));
  ok->setDefault(true);
  auto* cancel = new QPushButton(tr("&Cancel"), this);
  cancel->setObjectName(QStringLiteral("btnCancel"));
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  layout->addLayout(buttons);
  setMinimumSize(315, 187);
  showValues(WebPageOptionsValues{});
}

void TWebPageEditOptions::showValues(const WebPageOptionsValues& values) {
  shown_ = values;
  confirmed_ = false;
  retranslate();
  chkRealization->setChecked(values.realization);
  for (std::size_t i = 0; i < items_.size(); ++i)
    items_[i]->setText(i < std::size_t(values.browserCaptions.size()) ? values.browserCaptions[qsizetype(i)] : QString());
  items_[std::size_t(std::clamp(values.browser, 0, int(items_.size()) - 1))]->setChecked(true);
  // The dialog takes the width of its texts, never less than its design
  // size. The layouts keep the sizes they last measured until told the texts
  // changed, and the items of a hidden dialog do not tell them.
  rgBrowser->layout()->invalidate();
  rgBrowser->updateGeometry();
  layout()->invalidate();
  adjustSize();
}

void TWebPageEditOptions::retranslate() {
  setWindowTitle(tr("Options for Webpage Editing"));
  rgBrowser->setTitle(tr(" Browser for Preview "));
  findChild<QPushButton*>(QStringLiteral("btnCancel"))->setText(tr("&Cancel"));
  chkRealization->setText(tr("Realize (a part of) the Webpage Attiributes"));
}

WebPageOptionsValues TWebPageEditOptions::values() const {
  WebPageOptionsValues values = shown_;
  for (std::size_t i = 0; i < items_.size(); ++i)
    if (items_[i]->isChecked()) values.browser = int(i);
  values.realization = chkRealization->isChecked();
  values.confirmed = confirmed_;
  return values;
}

void TWebPageEditOptions::done(int result) {
  confirmed_ = result == QDialog::Accepted;
  QDialog::done(QDialog::Accepted);
}

}  // namespace wrenpad
