// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/about_box.h"

#include "window/icons.h"

#include <QDesktopServices>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QUrl>

namespace wrenpad {

namespace {
QLabel* titleLabel(QWidget* parent, const QColor& color) {
  auto* label = new QLabel(parent);
  QFont font = label->font();
  font.setPointSize(18);
  font.setBold(true);
  label->setFont(font);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, color);
  label->setPalette(palette);
  return label;
}
}  // namespace

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("AboutBox"));
  setModal(true);
  ProgramIcon = new QLabel(this);
  ProgramIcon->setPixmap(programIconPixmap(64));
  Shadow = titleLabel(this, QColor(192, 192, 192));
  ProductName = titleLabel(this, QColor(0, 0, 128));
  Version = new QLabel(this);
  URL = new QPushButton(kHomePageAddress, this);
  MailAdress = new QPushButton(kMailAddress, this);
  URL->setObjectName(QStringLiteral("URL"));
  MailAdress->setObjectName(QStringLiteral("MailAdress"));
  // A link opens on a click or Space; Enter, wherever the focus is, closes
  // the box through its OK button. The style draws flat buttons without a
  // focus mark: a dashed frame shows the link that Space would open.
  for (QPushButton* link : {URL, MailAdress}) {
    link->setFlat(true);
    link->setAutoDefault(false);
    link->setStyleSheet(QStringLiteral("QPushButton { border: 1px solid transparent; padding: 3px 8px; }"
                                       "QPushButton:focus { border: 1px dashed palette(window-text); }"));
  }
  OKButton = new QPushButton(this);
  OKButton->setObjectName(QStringLiteral("OKButton"));
  OKButton->setDefault(true);
  retranslate();

  auto* layout = new QGridLayout(this);
  layout->addWidget(ProgramIcon, 0, 0, 2, 1, Qt::AlignTop);
  // The shadow sits under the name, a little to the right and down.
  layout->addWidget(Shadow, 0, 1);
  layout->addWidget(ProductName, 0, 1);
  Shadow->setContentsMargins(2, 2, 0, 0);
  layout->addWidget(Version, 1, 1);
  layout->addWidget(URL, 2, 0, 1, 2);
  layout->addWidget(MailAdress, 3, 0, 1, 2);
  layout->addWidget(OKButton, 4, 0, 1, 2, Qt::AlignHCenter);

  connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
  connect(URL, &QPushButton::clicked, this,
          [] { QDesktopServices::openUrl(QUrl(kHomePageAddress)); });
  connect(MailAdress, &QPushButton::clicked, this,
          [] { QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:") + kMailAddress)); });
}

AboutText aboutTextFor(const QString& version) {
  //: Stays English in the Japanese interface, as designed.
  return {QStringLiteral("  Wrenpad"), TAboutBox::tr("      Version %1").arg(version)};
}

// The captions in the interface language of the moment; a link is named by
// its address and says what it opens.
void TAboutBox::retranslate() {
  //: The box's caption is Japanese in both interfaces, as designed.
  setWindowTitle(tr("バージョン情報"));
  OKButton->setText(tr("OK"));
  URL->setAccessibleDescription(tr("Opens the home page in the web browser."));
  MailAdress->setAccessibleDescription(tr("Writes an e-mail to the author."));
}

void TAboutBox::showValues(const AboutText& text) {
  retranslate();
  ProductName->setText(text.productName);
  Version->setText(text.version);
}

AboutText TAboutBox::values() const { return {ProductName->text(), Version->text()}; }

void TAboutBox::showEvent(QShowEvent* event) {
  Shadow->setText(ProductName->text());
  QDialog::showEvent(event);
}

}  // namespace wrenpad
