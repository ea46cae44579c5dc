#pragma once
// TAboutBox: the program's name, version and where to find its author.

#include <QDialog>

class QLabel;
class QPushButton;

namespace wrenpad {

inline const QString kHomePageAddress = QStringLiteral("https://wrenpad.example.org/");
inline const QString kMailAddress = QStringLiteral("wrenpad@example.org");

class TAboutBox : public QDialog {
  Q_OBJECT
 public:
  explicit TAboutBox(QWidget* parent = nullptr);

  QLabel* ProgramIcon;
  QLabel* ProductName;
  QLabel* Shadow;
  QLabel* Version;
  QPushButton* OKButton;
  QPushButton* URL;
  QPushButton* MailAdress;

 protected:
  void showEvent(QShowEvent* event) override;
};

}  // namespace wrenpad
