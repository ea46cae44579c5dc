// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/session.h"

#include "app/command_line.h"
#include "documents/document_kind.h"
#include "documents/document_state.h"
#include "documents/file_access.h"
#include "documents/large_recovery.h"
#include "documents/recent_files.h"
#include "documents/recovery.h"
#include "files/private_files.h"
#include "language/message_table.h"
#include "platform/dialogs.h"
#include "programming/test_server.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>

namespace wrenpad {

Session::Session(SessionContext context)
    : c_(std::move(context)), applicationFolder_(c_.paths.applicationFolder) {}

void Session::readCommandLine(const StartupOptions& options) {
  c_.document.CurrentFolder = applicationFolder_;
  startFolder_ = options.workingFolder;
  japaneseLocale_ = options.japaneseLocale;
  if (options.files.isEmpty()) {
    c_.host.showDocumentTitle(kUntitledName);
    return;
  }
  commandLineFile_ = resolveCommandLineFile(options.files.first(), options.workingFolder);
  c_.host.showDocumentTitle(bareFileName(commandLineFile_));
  c_.document.LastExtension = extensionOf(commandLineFile_);
  c_.document.CurrentFolder = folderOf(commandLineFile_);
}

void Session::readSettingsFile() {
  settingsPath_ = settingsFilePath(c_.paths.executablePath, c_.paths.keepsFilesBeside, c_.paths.configFolder);
  const SettingsFile file = loadSettingsFile(settingsPath_);
  settingsKind_ = file.kind;
  if (!file.mayBeWritten())
    qWarning().noquote() << "Wrenpad: settings not read from" << settingsPath_ << file.error;
  const QScreen* screen = QGuiApplication::primaryScreen();
  SettingsReadContext context;
  context.applicationFolder = firstRunFolder();
  context.commandLineFolder = commandLineFile_.isEmpty() ? QString() : folderOf(commandLineFile_);
  context.japaneseLocale = japaneseLocale_;
  // The screen without its panels: a first window of two thirds of it fits.
  context.screenSize = screen ? screen->availableGeometry().size() : QSize(1024, 768);
  c_.settings = readSettings(file.ini, context);
  c_.recentFiles.load(file.ini, [](const QString& name) { return QFileInfo(name).isFile(); });
  c_.host.settingsRead();
}

// Where a first run's folders start: the folder the program was started in,
// as a terminal user expects; started from its own folder, a build or
// portable copy stays there, and an installed one (/usr/bin is no place for
// documents) starts in the user's home folder.
QString Session::firstRunFolder() const {
  const QString start = QDir::cleanPath(startFolder_);
  if (!start.isEmpty() && start != u"/" && start != QDir::cleanPath(applicationFolder_) && QFileInfo(start).isDir())
    return start;
  return c_.paths.keepsFilesBeside ? applicationFolder_ : QDir::homePath();
}

void Session::keepSaveJournal() {
  files::setSaveJournalFolder(c_.paths.instanceFileFolder());
  files::removeLeftOverTemporaries(c_.paths.instanceFileFolder());
  files::removeLeftOverTemporaries(QFileInfo(settingsPath_).absolutePath());
  TestServer::removeLeftOvers();
}

void Session::claimInstanceSlot() {
  const QString folder = c_.paths.instanceFileFolder();
  instanceLock_ = wrenpad::claimInstanceSlot(folder, QDateTime::currentDateTime(), [&folder](int slot) {
    return QFileInfo::exists(DocumentNameFile(folder, slot));
  });
  instanceSlot_ = instanceLock_.slot();
}

QString Session::instanceMarkerFile() const {
  return instanceMarkerPath(c_.paths.instanceFileFolder(), instanceSlot_);
}

// A run killed while it wrote a file in place may have left the file half
// new, half old; the copy of its old bytes is offered back.
void Session::offerInterruptedSaves() {
  for (const files::InterruptedSave& save : files::findInterruptedSaves()) {
    const QString question =
        tr("Wrenpad was stopped while it was saving \"%1\", so the file may be half written.\n"
           "Its content from before that save is kept in \"%2\".\nPut that content back into "
           "the file? (No leaves the file as it is and keeps the copy; Cancel asks again at "
           "the next start.)");
    const Answer answer = c_.dialogs.askYesNoCancel(kApplicationTitle, question.arg(save.target, save.backup));
    if (answer == Answer::No) files::forgetInterruptedSave(save);
    if (answer != Answer::Yes) continue;
    if (const files::Failure failure = files::restoreInterruptedSave(save); failure.failed())
      c_.dialogs.showError(kApplicationTitle,
                           tr("\"%1\" could not be put back.").arg(save.target) +
                               u'\n' + files::describe(failure));
  }
}

void Session::offerRecovery() {
  const QString folder = c_.paths.instanceFileFolder();
  const std::vector<RecoveryOffer> offers = FindRecoveryOffers(folder, 999, [this, &folder](int slot) {
    return slot == instanceSlot_ || InstanceSlotIsLive(folder, slot);
  });
  for (const RecoveryOffer& offer : offers) {
    // Another instance started at the same time may be asking about it.
    const RecoveryClaim claim(folder, offer.slot);
    if (!claim.held()) continue;
    const Answer answer = c_.dialogs.askYesNoCancel(kApplicationTitle, RecoveryQuestion(offer));
    // The old files go once the text is shown and kept as this run's own.
    if (answer == Answer::Yes && c_.host.takeOverRecoveredWork(offer)) RemoveRecoveryFiles(folder, offer.slot);
    if (answer == Answer::No && !keepForNextStart()) RemoveRecoveryFiles(folder, offer.slot);
    return;
  }
  offerLargeEdits(folder);
}

// A large file's edits are offered as the editor's text is: Yes takes them
// over, No asks whether they stay, Cancel leaves them for the next start.
void Session::offerLargeEdits(const QString& folder) {
  for (const LargeEditsOffer& offer : FindLargeEditsOffers(folder)) {
    const RecoveryClaim claim(offer.journal);
    if (!claim.held()) continue;
    const Answer answer = c_.dialogs.askYesNoCancel(kApplicationTitle, LargeEditsQuestion(offer));
    if (answer == Answer::Yes && c_.host.takeOverLargeEdits(offer)) RemoveLargeEdits(offer);
    if (answer == Answer::No && !keepForNextStart()) RemoveLargeEdits(offer);
    return;
  }
}

bool Session::keepForNextStart() {
  const QString keep = tr("Keep the text for the next start? (No deletes it.)");
  return c_.dialogs.askYesNoCancel(kApplicationTitle, keep) != Answer::No;
}

bool Session::askToClose() {
  // Any modified text is asked about, however young the edit.
  if (c_.host.documentModified()) {
    const QString question = formatMessage(c_.messages.MsgSaveChanges, c_.document.CurrentFileName);
    const Answer answer = c_.dialogs.askYesNoCancel(kApplicationTitle, question);
    if (answer == Answer::Cancel) return false;
    // A save that did not happen keeps the window, so nothing is lost.
    if (answer == Answer::Yes && !c_.host.saveDocumentAs()) return false;
  }
  writeSettingsFile();
  c_.host.endUndoSeries(false);
  finish();
  return true;
}

void Session::endWithoutQuestions() {
  c_.host.endUndoSeries(c_.host.documentModified());
  endingWithoutQuestions_ = true;
  writeSettingsFile();
  finish();
}

void Session::finish() {
  instanceLock_.release();
  c_.host.closeOtherWindows();
}

void Session::writeSettingsFile() {
  // Read again: keys another instance or another part wrote meanwhile stay.
  // A file that cannot be read, or is not ours, is left as it is: writing
  // over it would lose what it holds.
  SettingsFile file = loadSettingsFile(settingsPath_);
  const bool refusedAtStart =
      settingsKind_ == SettingsFileKind::Unreadable || settingsKind_ == SettingsFileKind::NotOurs;
  if (refusedAtStart || !file.mayBeWritten()) {
    reportSettingsNotSaved(refusedAtStart ? settingsKind_ : file.kind, QString());
    return;
  }
  writeSettings(file.ini, c_.host.settingsToWrite());
  c_.recentFiles.save(file.ini);
  QString error;
  if (!file.ini.save(settingsPath_, &error)) reportSettingsNotSaved(SettingsFileKind::Ours, error);
}

// Once a run: the same refusal at every exit path would only repeat itself.
void Session::reportSettingsNotSaved(SettingsFileKind kind, const QString& error) {
  if (settingsProblemReported_) return;
  settingsProblemReported_ = true;
  // A session that ends by a signal waits for no answer: standard error only.
  if (endingWithoutQuestions_) {
    qWarning().noquote() << "Wrenpad: settings not saved in" << settingsPath_ << error;
    return;
  }
  c_.dialogs.showError(kApplicationTitle, settingsRefusal(kind, error).arg(settingsPath_));
}

QString Session::settingsRefusal(SettingsFileKind kind, const QString& error) const {
  if (kind == SettingsFileKind::NotOurs)
    return tr("\"%1\" is not a settings file of Wrenpad, so the settings are not saved "
              "over it (the file is left as it is).");
  if (kind == SettingsFileKind::Unreadable)
    return tr("The settings file \"%1\" cannot be read, so the settings are not saved over it.");
  return tr("The settings could not be saved in \"%1\"; the previous settings file is left as it was.\n") + error;
}

}  // namespace wrenpad
