// SPDX-License-Identifier: GPL-3.0-or-later
#include "documents/large_recovery.h"

#include "documents/file_access.h"
#include "documents/large_files.h"
#include "documents/recovery.h"
#include "files/descriptors.h"
#include "files/private_files.h"
#include "large_view/large_text_view.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <unistd.h>

namespace wrenpad {

namespace {

const QString kJournalPrefix = QStringLiteral("large-edits-");
const QString kJournalSuffix = QStringLiteral(".journal");

// A name no journal of this folder has yet: a gone run of the same process
// id may have left one behind.
QString newJournalPath(const QString& folder) {
  const QDir dir(folder);
  for (int number = 1;; ++number) {
    const QString path = dir.filePath(kJournalPrefix + QStringLiteral("%1-%2").arg(::getpid()).arg(number) +
                                      kJournalSuffix);
    if (!QFileInfo::exists(path) && !QFileInfo(path).isSymLink()) return path;
  }
}

// The process id in a journal's name; 0 when there is none.
qint64 processOf(const QString& name) {
  const qsizetype dash = name.indexOf(u'-', kJournalPrefix.size());
  return dash < 0 ? 0 : name.mid(kJournalPrefix.size(), dash - kJournalPrefix.size()).toLongLong();
}

}  // namespace

LargeEditKeeper::LargeEditKeeper(QString folder) : folder_(std::move(folder)) {
  idle_.setSingleShot(true);
  idle_.setInterval(int(large::EditJournal::kSyncIntervalMs));
  QObject::connect(&idle_, &QTimer::timeout, [this] {
    if (journal_) journal_->sync();
  });
}

LargeEditKeeper::~LargeEditKeeper() { stop(); }

void LargeEditKeeper::start(large::LargeDocument& document, const QString& path, const large::FileIdentity& file) {
  stop();
  if (folder_.isEmpty()) return;
  journal_ = std::make_unique<large::EditJournal>(
      newJournalPath(folder_), large::JournalBase{QFileInfo(path).absoluteFilePath(), file, document.encoding()});
  kept_ = false;
  document.setChangeListener(
      [this, &document](const large::Change& change) { recorded(document, change); });
}

void LargeEditKeeper::stop() {
  idle_.stop();
  // Kept for the next start, it stays whatever closes at the end.
  if (journal_ && !kept_) journal_->remove();
  journal_.reset();
}

void LargeEditKeeper::keepForRecovery() {
  if (!journal_) return;
  journal_->sync();
  kept_ = true;
}

void LargeEditKeeper::recorded(const large::LargeDocument& document, const large::Change& change) {
  if (!journal_) return;
  if (const files::Failure failure = journal_->record(document, change); failure.failed()) {
    // The editing goes on; only its recovery after a crash is lost.
    qWarning().noquote() << "Wrenpad: the edits of" << journal_->base().path
                         << "are not kept for recovery:" << files::describe(failure);
    return;
  }
  if (journal_->unsynced()) idle_.start();
}

std::vector<LargeEditsOffer> FindLargeEditsOffers(const QString& folder) {
  std::vector<LargeEditsOffer> offers;
  const QDir dir(folder);
  for (const QString& name : dir.entryList({kJournalPrefix + u'*' + kJournalSuffix}, QDir::Files | QDir::Hidden)) {
    const qint64 pid = processOf(name);
    // At start no journal of this process is ours yet: one of its id is a gone run's.
    if (pid <= 0 || (pid != ::getpid() && files::processIsLive(pid))) continue;
    const QString journal = dir.filePath(name);
    const std::optional<large::JournalBase> base = large::readJournalBase(journal);
    if (!base || large::wholeRecords(journal) == 0) {
      ::unlink(files::native(journal).constData());
      continue;
    }
    const files::FileStamp now = files::stampOf(base->path);
    offers.push_back(
        {journal, *base, QFileInfo(journal).lastModified(), !now.exists || IdentityOf(now) != base->identity});
  }
  std::sort(offers.begin(), offers.end(),
            [](const LargeEditsOffer& a, const LargeEditsOffer& b) { return a.written > b.written; });
  return offers;
}

void RemoveLargeEdits(const LargeEditsOffer& offer) { ::unlink(files::native(offer.journal).constData()); }

QString LargeEditsQuestion(const LargeEditsOffer& offer) {
  const QString time = RecoveryTime(offer.written);
  if (offer.fileChanged)
    return QCoreApplication::translate("LargeRecovery",
                                       "Wrenpad ended before the edits of the large file \"%1\" were saved, and the "
                                       "file was changed after that, so the edits cannot be made on it again.\nOpen "
                                       "the text typed up to %2 as a new document?")
        .arg(offer.base.path, time);
  return QCoreApplication::translate("LargeRecovery",
                                     "Wrenpad ended before the edits of the large file \"%1\" were saved.\nThe edits "
                                     "up to %2 are kept. Open the file and make them again?")
      .arg(offer.base.path, time);
}

QString LargeEditsFailedMessage(const LargeEditsOffer& offer) {
  return QCoreApplication::translate("LargeRecovery",
                                     "The kept edits of \"%1\" (%2) could not be read.\nThe files stay for the next "
                                     "start.")
      .arg(offer.base.path, QDir::toNativeSeparators(offer.journal));
}

large::Replay ReplayLargeEdits(const LargeEditsOffer& offer, LargeFiles& files) {
  large::LargeDocument* document = files.view().document();
  const large::EditJournal* shown = files.edits().journal();
  if (!document || !files.shown()) return {};
  // The file as it was shown; without a journal of this run, as it is now.
  const files::FileStamp now = files::stampOf(offer.base.path);
  const large::FileIdentity current = shown ? shown->base().identity : IdentityOf(now);
  const large::Replay replay = large::replayJournal(offer.journal, current, *document);
  if (replay.outcome == large::ReplayOutcome::Replayed) files.view().documentEdited(0);
  return replay;
}

}  // namespace wrenpad
