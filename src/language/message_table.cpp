// SPDX-License-Identifier: GPL-3.0-or-later
// Run-time messages of the program in English and in Japanese. Both tables
// use designated initialisers in field order, so every text stands next to
// the name of the message it fills.

#include "language/message_table.h"

namespace wrenpad {

MessageTable englishMessages() {
  return MessageTable{
      .MsgCurrentFolder = QStringLiteral("Current Folder : "),
      .MsgJustAMoment = QStringLiteral("Just a moment, please."),
      .MsgNameProgram = QStringLiteral("Please decide name and location of the program."),
      .MsgCompiler = QStringLiteral("compiler"),
      .MsgSaveChanges = QStringLiteral("Save changes to %s?"),
      .MsgLetterCount = QStringLiteral("Number of letters in the selected text = "),
      .MsgIncludingSpaces = QStringLiteral(" including spaces."),
      .MsgSelectDictionary = QStringLiteral("Please select(double-click) the dictionary software(*.exe)"),
      .MsgRelateTitle = QStringLiteral("Relating an extension to this software"),
      .MsgRelatePrompt = QStringLiteral("Please input string of the extension without \".\"."),
      .MsgNoGifPreview = QStringLiteral("GIF image cannot be previewed."),
      .MsgRestartComputer = QStringLiteral("Please restart this computer."),
      .MsgOverwrite = QStringLiteral("OK to overwrite %s"),
      .MsgAutoRepaintOff = QStringLiteral("Since the file size is large (>50KB), autorepaint function has been turned off."),
      .MsgSelectDocumentRoot = QStringLiteral("Please select the folder which is the document-root of the test-server."),
      .MsgErrorLogLastLine = QStringLiteral("The following is the last line of \"error.log\"."),
      .MsgCompilerOption = QStringLiteral("Please input the compiler option (e.g.: -O2)"),
      .MsgModifiedSave = QStringLiteral("This document has been modified. Save?"),
      .MsgFileMissing = QStringLiteral("The file \"%s\" does not exist."),
  };
}

MessageTable japaneseMessages() {
  return MessageTable{
      .MsgCurrentFolder = QStringLiteral("カレントフォルダ："),
      .MsgJustAMoment = QStringLiteral("少々お待ちください"),
      .MsgNameProgram = QStringLiteral("プログラムの名称と保存場所を設定してください"),
      .MsgCompiler = QStringLiteral("コンパイラ"),
      .MsgSaveChanges = QStringLiteral("%sへの変更を保存しますか？"),
      .MsgLetterCount = QStringLiteral("選択された範囲の文字数は，スペースを含め"),
      .MsgIncludingSpaces = QStringLiteral("個です。"),
      .MsgSelectDictionary = QStringLiteral("辞書ソフト(*.exe)を選択（ダブルクリック）してください"),
      .MsgRelateTitle = QStringLiteral("拡張子の本ソフトウェアへの関連付け"),
      .MsgRelatePrompt = QStringLiteral("拡張子を\".\"を付けずに入力してください。"),
      .MsgNoGifPreview = QStringLiteral("GIF画像はプレビューできません。"),
      .MsgRestartComputer = QStringLiteral("お手数ですが，コンピュータを再起動してください。"),
      .MsgOverwrite = QStringLiteral("%sに上書きしてよろしいですか？"),
      .MsgAutoRepaintOff = QStringLiteral("ファイルサイズが大きいため(>50KB)，自動着色機能をオフにします。"),
      .MsgSelectDocumentRoot = QStringLiteral("テスト用サーバーのドキュメントルートとなるフォルダを指定してください。"),
      .MsgErrorLogLastLine = QStringLiteral("\"error.log\"の末尾行です。うまくCGIが実行されない場合に参考にして下さい。"),
      .MsgCompilerOption = QStringLiteral("コンパイラオプションを入力してください（例: -O2）。"),
      .MsgModifiedSave = QStringLiteral("この文書は変更されています。保存しますか？"),
      .MsgFileMissing = QStringLiteral("ファイル \"%s\" は存在しません。"),
  };
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
