// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Run-time messages in the interface language. Filled once the language is
// chosen; every message the program shows to the user that has a row here
// comes from this table.

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

// The messages in the interface language (text/translation.h).
MessageTable interfaceMessages();
// The messages in one language, whatever the interface's is now.
MessageTable englishMessages();
MessageTable japaneseMessages();

// Replaces the first "%s" of a message by `name`.
QString formatMessage(const QString& message, const QString& name);

}  // namespace wrenpad
