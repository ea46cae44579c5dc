// SPDX-License-Identifier: GPL-3.0-or-later
#include "documents/large_count.h"

#include "documents/document_state.h"
#include "language/message_table.h"
#include "large/character_count.h"
#include "large_view/large_text_view.h"
#include "platform/dialogs.h"

#include <QCoreApplication>
#include <QProgressDialog>

namespace wrenpad {

namespace {
constexpr int kProgressSteps = 1000;
// A count shorter than this is over before a dialog could show.
constexpr qint64 kProgressBytes = qint64(16) << 20;
}  // namespace

QString LargeCountMessage(const MessageTable& messages, qint64 characters, qint64 lines) {
  return messages.MsgLetterCount + QString::number(characters) + messages.MsgIncludingSpaces +
         QCoreApplication::translate("LargeCount", " Lines: %1.").arg(lines);
}

void CountLargeText(large::LargeTextView& view, Dialogs& dialogs, const MessageTable& messages) {
  if (!view.document()) return;
  if (!view.hasSelection()) view.selectAll();
  const qint64 from = view.selectionStart();
  const qint64 total = view.selectionEnd() - from;
  std::unique_ptr<QProgressDialog> progress;
  if (total > kProgressBytes) {
    progress = std::make_unique<QProgressDialog>(QCoreApplication::translate("LargeCount", "Counting..."),
                                                 QCoreApplication::translate("LargeCount", "Cancel"), 0,
                                                 kProgressSteps, view.window());
    progress->setWindowTitle(kApplicationTitle);
    progress->setWindowModality(Qt::WindowModal);
    progress->setMinimumDuration(300);
  }
  const auto goOn = [&](qint64 done) {
    if (!progress) return true;
    progress->setValue(int(done * kProgressSteps / total));
    return !progress->wasCanceled();
  };
  const std::optional<large::CharacterCount> count =
      large::countCharacters(*view.document(), from, from + total, goOn);
  progress.reset();
  if (count) dialogs.showMessage(kApplicationTitle, LargeCountMessage(messages, count->characters, count->lines));
}

}  // namespace wrenpad
