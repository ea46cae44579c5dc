#include "documents/recovery.h"

#include "documents/undo_snapshots.h"
#include "settings/ini_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace wrenpad {

QString DocumentNameFile(const QString& folder, int slot) {
  return QDir(folder).filePath(QStringLiteral("Temporary File for Wrenpad_%1.name").arg(slot));
}

bool RecordDocumentName(const QString& folder, int slot, const QString& name) {
  return IniFile::writeTextFile(DocumentNameFile(folder, slot), name);
}

namespace {

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

std::vector<RecoveryOffer> FindRecoveryOffers(const QString& folder, int lastSlot,
                                              const std::function<bool(int slot)>& isLive) {
  std::vector<RecoveryOffer> offers;
  for (int slot = 1; slot <= lastSlot; ++slot) {
    if (!QFileInfo::exists(DocumentNameFile(folder, slot)) || isLive(slot)) continue;
    const std::optional<QString> name = IniFile::readTextFile(DocumentNameFile(folder, slot));
    const std::optional<QFileInfo> snapshot = newestSnapshot(UndoSnapshots(folder, slot));
    if (!name || !snapshot) continue;
    const QString documentName = name->trimmed();
    const QFileInfo document(documentName);
    // Work that was saved after its last snapshot needs no recovery.
    if (document.isAbsolute() && document.isFile() && document.lastModified() >= snapshot->lastModified())
      continue;
    offers.push_back({slot, documentName, snapshot->filePath(), snapshot->lastModified()});
  }
  std::sort(offers.begin(), offers.end(),
            [](const RecoveryOffer& a, const RecoveryOffer& b) { return a.written > b.written; });
  return offers;
}

void RemoveRecoveryFiles(const QString& folder, int slot) {
  UndoSnapshots(folder, slot).removeAllBut(0);
  QFile::remove(DocumentNameFile(folder, slot));
}

}  // namespace wrenpad
