// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/keys_before_load.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

namespace wrenpad {

KeysBeforeLoad::KeysBeforeLoad(QWidget& editor) : editor_(editor) { editor_.installEventFilter(this); }

KeysBeforeLoad::~KeysBeforeLoad() { editor_.removeEventFilter(this); }

bool KeysBeforeLoad::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (watched != &editor_ ||
      (type != QEvent::KeyPress && type != QEvent::KeyRelease && type != QEvent::InputMethod))
    return QObject::eventFilter(watched, event);
  kept_.emplace_back(event->clone());
  event->accept();
  return true;
}

void KeysBeforeLoad::replay(QWidget* into) {
  editor_.removeEventFilter(this);
  // Taken out first: a key may start a command that runs the event loop.
  const std::vector<std::unique_ptr<QEvent>> kept = std::move(kept_);
  kept_.clear();
  QWidget& target = into ? *into : editor_;
  for (const std::unique_ptr<QEvent>& event : kept) QCoreApplication::sendEvent(&target, event.get());
}

}  // namespace wrenpad
