// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TLinkDialog: the address (or a file) and target frame of a link, and
// TBrinkerLabel, the hint that blinks for a while when the dialog opens.

#include "platform/value_form.h"

#include <QDialog>
#include <QLabel>
#include <QTimer>
#include <functional>

class QLineEdit;
class QPushButton;

namespace wrenpad {

// A label that blinks by itself: every `BrinkerInterval` ms it shows or
// hides, starting by hiding; after `Duration` ms (0: for ever) it stops,
// hidden.
class TBrinkerLabel : public QLabel {
  Q_OBJECT
 public:
  explicit TBrinkerLabel(QWidget* parent = nullptr);
  void setBrinkerInterval(int milliseconds);
  void setDuration(int milliseconds) { duration_ = milliseconds; }
  // Starts blinking anew, shown.
  void restart();
  bool blinking() const { return timer_.isActive(); }

 private:
  void tick();

  QTimer timer_;
  int interval_ = 500;
  int duration_ = 0;
  int elapsed_ = 0;
};

struct LinkValues {
  QString url;
  QString target;
  friend bool operator==(const LinkValues&, const LinkValues&) = default;
};

// Asks for a file to link to; the reference to write, or empty.
using LinkFileChooser = std::function<QString()>;

class TLinkDialog : public QDialog, public ValueForm<LinkValues> {
  Q_OBJECT
 public:
  explicit TLinkDialog(QWidget* parent = nullptr);

  QDialog& dialog() override { return *this; }
  void showValues(const LinkValues& values) override;
  LinkValues values() const override;
  void setFileChooser(LinkFileChooser chooser) { chooser_ = std::move(chooser); }

 private:
  void retranslate();
  void btnSelectorClick();

  LinkValues shown_;
  LinkFileChooser chooser_;
  QLabel* Label1;
  QLineEdit* Edit1;
  QPushButton* btnSelector;
  QLabel* Label2;
  QLabel* Label3;
  QLineEdit* Edit2;
  TBrinkerLabel* BrinkerLabel1;
  QPushButton* btnOK;
  QPushButton* btnCancel;
};

}  // namespace wrenpad
