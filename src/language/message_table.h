// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Run-time messages in the interface language. Filled once at start-up;
// every message the program shows to the user that has a row here comes
// from this table.

#include <QString>

namespace wrenpad {

struct MessageTable {
  QString MsgCurrentFolder;
  QString MsgJustAMoment;
  QString MsgNameProgram;
  QString MsgCompiler;
  QString MsgSaveChanges;      // contains %s for the file name
  QString MsgLetterCount;
  QString MsgIncludingSpaces;
  QString MsgSelectDictionary;
  QString MsgRelateTitle;
  QString MsgRelatePrompt;
  QString MsgNoGifPreview;
  QString MsgRestartComputer;
  QString MsgOverwrite;        // contains %s for the file name
  QString MsgAutoRepaintOff;
  QString MsgSelectDocumentRoot;
  QString MsgErrorLogLastLine;
  QString MsgCompilerOption;
  QString MsgModifiedSave;
  QString MsgFileMissing;      // contains %s for the file name
};

MessageTable englishMessages();
MessageTable japaneseMessages();
inline MessageTable messagesFor(bool japanese) {
  return japanese ? japaneseMessages() : englishMessages();
}

// Replaces the first "%s" of a message by `name`.
QString formatMessage(const QString& message, const QString& name);

}  // namespace wrenpad
