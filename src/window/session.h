// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The life of one run of the program, apart from its widgets: the command
// line, the settings file (read at start, written at the end, refused when
// it is not ours), the save journal and the left-overs of gone runs, the
// instance slot, the offers of a gone run's work and of an interrupted
// save, and the questions and clean-up of the end, by the user or by a
// termination signal. What it needs of the window comes through SessionHost,
// so it is tested without one.

#include "app/instance_slot.h"
#include "platform/app_paths.h"
#include "settings/settings.h"
#include "settings/settings_file.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

namespace wrenpad {

class Dialogs;
class RecentFiles;
struct DocumentState;
struct MessageTable;
struct RecoveryOffer;
struct LargeEditsOffer;

struct StartupOptions {
  QStringList files;  // the file named on the command line, if any, as written
  AppPaths paths;
  QString workingFolder;  // where relative command-line names are found
  // The locale asks for Japanese: the interface language of a first start.
  bool japaneseLocale = true;
};

class SessionHost {
 public:
  virtual ~SessionHost() = default;

  // The settings were just read: the window shows them.
  virtual void settingsRead() = 0;
  // The settings to write: the values the window holds now.
  virtual Settings settingsToWrite() const = 0;
  // The document's title after the command line, before anything is loaded.
  virtual void showDocumentTitle(const QString& name) = 0;
  virtual bool documentModified() const = 0;
  // Save As; false when nothing was saved.
  virtual bool saveDocumentAs() = 0;
  // Shows a gone run's text as this run's modified document and keeps it as
  // this run's own work; false when it could not be shown or kept (the user
  // was told).
  virtual bool takeOverRecoveredWork(const RecoveryOffer& offer) = 0;
  // Opens a gone run's large file and makes its edits again, or shows the
  // text it typed as a new document when the file has changed since; false
  // when neither could be done (the user was told).
  virtual bool takeOverLargeEdits(const LargeEditsOffer& /*offer*/) { return false; }
  // At the end: the undo snapshots go, or stay for the next start when
  // `keepForRecovery`.
  virtual void endUndoSeries(bool keepForRecovery) = 0;
  // The preview and help windows close.
  virtual void closeOtherWindows() = 0;
};

struct SessionContext {
  Dialogs& dialogs;
  SessionHost& host;
  AppPaths paths;
  DocumentState& document;
  Settings& settings;
  RecentFiles& recentFiles;
  const MessageTable& messages;
};

class Session {
  Q_DECLARE_TR_FUNCTIONS(Session)

 public:
  explicit Session(SessionContext context);

  // ---- start-up, in this order
  // The file named on the command line (joined, resolved against the working
  // folder) becomes the document's name and folder; no file: untitled.
  void readCommandLine(const StartupOptions& options);
  // Reads the settings file; one that cannot be read or is not ours is
  // remembered and never written over.
  void readSettingsFile();
  // Saves note what they write beside the instance markers; half-written
  // files and temporary folders of ours that gone runs left are removed.
  void keepSaveJournal();
  // Takes the first free instance slot; a slot whose gone run left work to
  // offer is kept back until it is offered.
  void claimInstanceSlot();
  // At the first show: an interrupted save comes first, then (without a
  // file on the command line) a gone run's work.
  void offerInterruptedSaves();
  // The editor's kept text first; when there is none, a large file's edits.
  void offerRecovery();

  // ---- the end
  // The user closes the window: a modified document is asked about first.
  // False when the user cancelled or the save did not happen: the window stays.
  bool askToClose();
  // A termination signal: unsaved work is kept for the next start and the
  // settings are written without a question.
  void endWithoutQuestions();

  const QString& commandLineFile() const { return commandLineFile_; }
  bool startupOpenPending() const { return startupOpenPending_; }
  void setStartupOpenPending(bool pending) { startupOpenPending_ = pending; }
  int instanceSlot() const { return instanceSlot_; }
  const QString& applicationFolder() const { return applicationFolder_; }
  const QString& settingsFile() const { return settingsPath_; }
  QString instanceMarkerFile() const;

 private:
  QString firstRunFolder() const;
  void offerLargeEdits(const QString& folder);
  // After No to an offer: whether its files stay for the next start.
  bool keepForNextStart();
  // The instance slot is given back and the other windows close.
  void finish();
  void writeSettingsFile();
  void reportSettingsNotSaved(SettingsFileKind kind, const QString& error);
  QString settingsRefusal(SettingsFileKind kind, const QString& error) const;

  SessionContext c_;
  QString commandLineFile_;
  bool japaneseLocale_ = true;
  bool startupOpenPending_ = false;
  QString startFolder_;  // the working folder the program was started in
  QString applicationFolder_;
  int instanceSlot_ = 0;
  InstanceLock instanceLock_;
  QString settingsPath_;
  // What the settings file was at start: one that could not be read or is
  // not ours is never written over.
  SettingsFileKind settingsKind_ = SettingsFileKind::Missing;
  bool settingsProblemReported_ = false;
  bool endingWithoutQuestions_ = false;  // nothing may wait for the user
};

}  // namespace wrenpad
