// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Keys typed while the file named on the command line is still to be read.
// The editor stays read-only until that load (nothing may be typed into the
// empty document and then lost under the file), so the keys are kept here,
// in the order typed, and sent to the editor once the file is in: they land
// where the load leaves the caret, at the start of the text, as if typed a
// moment later. Menu short-cuts are not kept: a command loads the file first
// and types the kept keys before it runs.

#include <QObject>
#include <memory>
#include <vector>

class QEvent;
class QWidget;

namespace wrenpad {

class KeysBeforeLoad : public QObject {
 public:
  // Keeps every key press, key release and input-method commit sent to
  // `editor` from now on, instead of letting the editor have it.
  explicit KeysBeforeLoad(QWidget& editor);
  ~KeysBeforeLoad() override;

  // Stops keeping and sends what was kept to the editor, in order (or to
  // `into`: a large file's own view, shown in the editor's place).
  void replay(QWidget* into = nullptr);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget& editor_;
  std::vector<std::unique_ptr<QEvent>> kept_;
};

}  // namespace wrenpad
