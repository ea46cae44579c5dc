// SPDX-License-Identifier: GPL-3.0-or-later
#include "documents/recovery.h"

#include "documents/document_kind.h"
#include "documents/undo_snapshots.h"
#include "documents/file_access.h"
#include "files/descriptors.h"
#include "files/file_names.h"
#include "files/private_files.h"
#include "settings/ini_file.h"
#include "text/translation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <algorithm>
#include <fcntl.h>
#include <unistd.h>

namespace wrenpad {

namespace {

const QString kSection = QStringLiteral("Recovery");
const QString kNameKey = QStringLiteral("Name");
// The name's own bytes, percent-encoded: a name that is not UTF-8 has no
// text that turns back into it, and the file is saved under this name.
const QString kNameBytesKey = QStringLiteral("NameBytes");
const QString kKindKey = QStringLiteral("Kind");

QString kindName(SnapshotKind kind) {
  switch (kind) {
    case SnapshotKind::Rich: return QStringLiteral("Rich");
    case SnapshotKind::Plain: return QStringLiteral("Plain");
    case SnapshotKind::Unknown: break;
  }
  return QString();
}

SnapshotKind kindNamed(const std::optional<QString>& name) {
  if (name == kindName(SnapshotKind::Rich)) return SnapshotKind::Rich;
  if (name == kindName(SnapshotKind::Plain)) return SnapshotKind::Plain;
  return SnapshotKind::Unknown;
}

// The newest snapshot of a slot, by the time its file was written.
std::optional<QFileInfo> newestSnapshot(const UndoSnapshots& snapshots) {
  std::optional<QFileInfo> newest;
  for (int number = 1; number <= UndoSnapshots::kLevels; ++number) {
    const QFileInfo info(snapshots.path(number));
    if (info.isFile() && (!newest || info.lastModified() > newest->lastModified())) newest = info;
  }
  return newest;
}

}  // namespace

// The system's locale may speak another language than the interface.
QString RecoveryTime(const QDateTime& time) {
  QLocale locale = QLocale(QLocale::English, QLocale::UnitedStates);
  if (interfaceIsJapanese())
    locale = QLocale(QLocale::Japanese, QLocale::Japan);
  else if (QLocale().language() == QLocale::English)
    locale = QLocale();
  return locale.toString(time, QLocale::ShortFormat);
}

QString DocumentNameFile(const QString& folder, int slot) {
  return QDir(folder).filePath(QStringLiteral("Temporary File for Wrenpad_%1.name").arg(slot));
}

files::Failure RecordDocumentName(const QString& folder, int slot, const RecordedDocument& document,
                                  mode_t modeLimit) {
  IniFile file;
  file.setValue(kSection, kNameKey, document.name);
  const QByteArray nameBytes = files::fileNameToBytes(document.name).toPercentEncoding();
  file.setValue(kSection, kNameBytesKey, QString::fromLatin1(nameBytes));
  file.setValue(kSection, kKindKey, kindName(document.kind));
  return files::writePrivateFile(DocumentNameFile(folder, slot), file.toBytes(), modeLimit);
}

std::optional<RecordedDocument> ReadDocumentName(const QString& folder, int slot) {
  const std::optional<QString> text = IniFile::readTextFile(DocumentNameFile(folder, slot));
  if (!text) return std::nullopt;
  const IniFile file = IniFile::fromBytes(text->toUtf8());
  // Earlier versions wrote the name alone.
  if (!file.contains(kSection, kNameKey)) return RecordedDocument{text->trimmed(), SnapshotKind::Unknown};
  const std::optional<QString> bytes = file.value(kSection, kNameBytesKey);
  const QString name = bytes ? files::fileNameFromBytes(QByteArray::fromPercentEncoding(bytes->toLatin1()))
                             : file.value(kSection, kNameKey).value_or(QString());
  return RecordedDocument{name, kindNamed(file.value(kSection, kKindKey))};
}

std::vector<RecoveryOffer> FindRecoveryOffers(const QString& folder, int lastSlot,
                                              const std::function<bool(int slot)>& isLive) {
  std::vector<RecoveryOffer> offers;
  for (int slot = 1; slot <= lastSlot; ++slot) {
    if (!QFileInfo::exists(DocumentNameFile(folder, slot)) || isLive(slot)) continue;
    const std::optional<RecordedDocument> recorded = ReadDocumentName(folder, slot);
    const std::optional<QFileInfo> snapshot = newestSnapshot(UndoSnapshots(folder, slot));
    if (!recorded || !snapshot) continue;
    RecoveryOffer offer{slot, recorded->name, snapshot->filePath(), snapshot->lastModified(), recorded->kind, {}};
    // A save removes the name file, so a file newer than the snapshot was
    // changed by something else: the work is offered all the same, and the
    // question says so.
    const files::FileStamp document = files::stampOf(recorded->name);
    const QDateTime changed = QDateTime::fromMSecsSinceEpoch(document.modifiedNs / 1000000);
    if (QDir::isAbsolutePath(recorded->name) && files::isRegularFile(recorded->name) && changed > offer.written)
      offer.fileChanged = changed;
    offers.push_back(offer);
  }
  std::sort(offers.begin(), offers.end(),
            [](const RecoveryOffer& a, const RecoveryOffer& b) { return a.written > b.written; });
  return offers;
}

bool IsRichSnapshot(const RecoveryOffer& offer, const QByteArray& bytes) {
  if (offer.kind != SnapshotKind::Unknown) return offer.kind == SnapshotKind::Rich;
  return isHtmlFile(offer.documentName) && bytes.startsWith("{\\rtf");
}

QString RecoveryQuestion(const RecoveryOffer& offer) {
  if (offer.fileChanged.isValid())
    return QCoreApplication::translate("Recovery",
                                       "Wrenpad ended before the changes to \"%1\" were saved, but the file was "
                                       "changed after that.\nThe kept text is from %2; the file was changed at %3. "
                                       "Recover the kept text?")
        .arg(offer.documentName, RecoveryTime(offer.written), RecoveryTime(offer.fileChanged));
  return QCoreApplication::translate("Recovery",
                                     "Wrenpad ended before the changes to \"%1\" were saved.\nThe text as it was at "
                                     "%2 is kept. Recover it?")
      .arg(offer.documentName, RecoveryTime(offer.written));
}

QString RecoveryFailedMessage(const RecoveryOffer& offer) {
  return QCoreApplication::translate("Recovery",
                                     "The kept text of \"%1\" (%2) could not be read.\nThe files stay for the next "
                                     "start.")
      .arg(offer.documentName, QDir::toNativeSeparators(offer.snapshot));
}

void RemoveRecoveryFiles(const QString& folder, int slot) {
  UndoSnapshots(folder, slot).removeAllBut(0);
  QFile::remove(DocumentNameFile(folder, slot));
}

RecoveryClaim::RecoveryClaim(const QString& folder, int slot) : RecoveryClaim(DocumentNameFile(folder, slot)) {}

RecoveryClaim::RecoveryClaim(const QString& path) {
  const int descriptor = ::open(files::native(path).constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
  if (descriptor < 0) return;
  // The instance that held it before may have removed it meanwhile.
  if (files::lockWhileNamed(descriptor, path) != files::LockOutcome::Locked) {
    ::close(descriptor);
    return;
  }
  descriptor_ = descriptor;
}

RecoveryClaim::~RecoveryClaim() {
  if (descriptor_ >= 0) ::close(descriptor_);
}

}  // namespace wrenpad
