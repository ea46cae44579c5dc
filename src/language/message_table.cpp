// SPDX-License-Identifier: GPL-3.0-or-later
// Run-time messages of the program, written in English and translated into
// the interface language. The table uses designated initialisers in field
// order, so every text stands next to the name of the message it fills.

#include "language/message_table.h"

#include "text/translation.h"

#include <QCoreApplication>

namespace wrenpad {

MessageTable interfaceMessages() {
  return MessageTable{
      .MsgCurrentFolder = QCoreApplication::translate("MessageTable", "Current Folder : "),
      .MsgJustAMoment = QCoreApplication::translate("MessageTable", "Just a moment, please."),
      .MsgNameProgram = QCoreApplication::translate("MessageTable", "Please decide name and location of the program."),
      .MsgCompiler = QCoreApplication::translate("MessageTable", "compiler"),
      .MsgSaveChanges = QCoreApplication::translate("MessageTable", "Save changes to %s?"),
      .MsgLetterCount = QCoreApplication::translate("MessageTable", "Number of letters in the selected text = "),
      .MsgIncludingSpaces = QCoreApplication::translate("MessageTable", " including spaces."),
      .MsgSelectDictionary = QCoreApplication::translate("MessageTable", "Please select(double-click) the dictionary software(*.exe)"),
      .MsgRelateTitle = QCoreApplication::translate("MessageTable", "Relating an extension to this software"),
      .MsgRelatePrompt = QCoreApplication::translate("MessageTable", "Please input string of the extension without \".\"."),
      .MsgNoGifPreview = QCoreApplication::translate("MessageTable", "GIF image cannot be previewed."),
      .MsgRestartComputer = QCoreApplication::translate("MessageTable", "Please restart this computer."),
      .MsgOverwrite = QCoreApplication::translate("MessageTable", "OK to overwrite %s"),
      .MsgAutoRepaintOff = QCoreApplication::translate("MessageTable", "Since the file size is large (>50KB), autorepaint function has been turned off."),
      .MsgSelectDocumentRoot = QCoreApplication::translate("MessageTable", "Please select the folder which is the document-root of the test-server."),
      .MsgErrorLogLastLine = QCoreApplication::translate("MessageTable", "The following is the last line of \"error.log\"."),
      .MsgCompilerOption = QCoreApplication::translate("MessageTable", "Please input the compiler option (e.g.: -O2)"),
      .MsgModifiedSave = QCoreApplication::translate("MessageTable", "This document has been modified. Save?"),
      .MsgFileMissing = QCoreApplication::translate("MessageTable", "The file \"%s\" does not exist."),
  };
}

MessageTable englishMessages() {
  const InterfaceLanguageScope english(InterfaceLanguage::English);
  return interfaceMessages();
}

MessageTable japaneseMessages() {
  const InterfaceLanguageScope japanese(InterfaceLanguage::Japanese);
  return interfaceMessages();
}

QString formatMessage(const QString& message, const QString& name) {
  const qsizetype at = message.indexOf(u"%s");
  if (at < 0) return message;
  QString result = message;
  // Only the placeholder itself is replaced, so a "%s" inside `name` stays literal.
  result.replace(at, 2, name);
  return result;
}

}  // namespace wrenpad
