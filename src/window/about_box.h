// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TAboutBox: the program's name, version and where to find its author.

#include "platform/value_form.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace wrenpad {

inline const QString kHomePageAddress = QStringLiteral("https://wrenpad.example.org/");
inline const QString kMailAddress = QStringLiteral("wrenpad@example.org");

// What the box says: the program's name and its version line.
struct AboutText {
  QString productName;
  QString version;
  friend bool operator==(const AboutText&, const AboutText&) = default;
};

// What the box says of this program, version `version`.
AboutText aboutTextFor(const QString& version);

class TAboutBox : public QDialog, public ValueForm<AboutText> {
  Q_OBJECT
 public:
  explicit TAboutBox(QWidget* parent = nullptr);

  QDialog& dialog() override { return *this; }
  void showValues(const AboutText& text) override;
  AboutText values() const override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void retranslate();

  QLabel* ProgramIcon;
  QLabel* ProductName;
  QLabel* Shadow;
  QLabel* Version;
  QPushButton* OKButton;
  QPushButton* URL;
  QPushButton* MailAdress;
};

}  // namespace wrenpad
