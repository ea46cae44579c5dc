// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TWebPageEditOptions: the browser that shows the preview, and whether the
// editor shows a page's fonts, headings and alignment. The browser choice is
// taken however the dialog closes (a click on an item counts at once), the
// rendering switch only on OK, so the values carry which button closed it.

#include "platform/value_form.h"

#include <QDialog>
#include <QStringList>
#include <vector>

class QCheckBox;
class QGroupBox;
class QRadioButton;

namespace wrenpad {

struct WebPageOptionsValues {
  bool realization = true;
  int browser = 0;         // index of the browser items
  QStringList browserCaptions;  // the items' texts, naming what runs here
  bool confirmed = false;  // closed with OK

  friend bool operator==(const WebPageOptionsValues&, const WebPageOptionsValues&) = default;
};

class TWebPageEditOptions : public QDialog, public ValueForm<WebPageOptionsValues> {
  Q_OBJECT
 public:
  explicit TWebPageEditOptions(QWidget* parent = nullptr);

  QDialog& dialog() override { return *this; }
  void showValues(const WebPageOptionsValues& values) override;
  WebPageOptionsValues values() const override;

  // Every close counts as accepted, so the browser choice comes back on
  // Cancel too.
  void done(int result) override;

 private:
  // The captions in the interface's language, at each show; the browser
  // items take theirs from the values.
  void retranslate();

  WebPageOptionsValues shown_;
  bool confirmed_ = false;
  QCheckBox* chkRealization;
  QGroupBox* rgBrowser;
  std::vector<QRadioButton*> items_;
};

}  // namespace wrenpad
