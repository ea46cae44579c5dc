// SPDX-License-Identifier: GPL-3.0-or-later
#include "documents/large_count.h"

#include "documents/document_state.h"
#include "large_view/large_text_view.h"

#include <QCoreApplication>
#include <QProgressDialog>

namespace wrenpad {

namespace {
constexpr int kProgressSteps = 1000;
// A count shorter than this is over before a dialog could show.
constexpr qint64 kProgressBytes = qint64(16) << 20;
}  // namespace

std::optional<large::CharacterCount> CountLargeSelection(large::LargeTextView& view) {
  if (!view.document()) return std::nullopt;
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
  return large::countCharacters(*view.document(), from, from + total, goOn);
}

}  // namespace wrenpad
