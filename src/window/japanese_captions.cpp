// The Japanese captions of the main window, grouped by the kind of text they
// set and kept in the order they are applied: menu captions, tool-button
// hints, pop-up captions, then the items of the heading combo box.
// A menu caption carries its accelerator as "(&X)" after the text, the usual
// form for Japanese menus, because a Japanese word has no Latin letter to mark.

#include "window/japanese_captions.h"

#include <iterator>

namespace wrenpad {
namespace {

struct Row {
  const char16_t* component;
  const char16_t* text;
};

constexpr Row kMenuCaptions[] = {
    // File
    {u"mmFile", u"ファイル(&F)"},
    {u"mmNew", u"新規作成(&N)"},
    {u"mmOpen", u"開く(&O)..."},
    {u"mmSave", u"上書き保存(&S)"},
    {u"mmSaveAs", u"名前を付けて保存(&A)..."},
    {u"mmSetDefaultFolder", u"既定のフォルダへ移動(&D)"},
    {u"mmRenameAsTopLine", u"先頭行をファイル名に(&R)"},
    {u"mmPrinterSetup", u"プリンタの設定"},
    {u"mmPrint", u"印刷(&P)..."},
    {u"mmExit", u"終了(&X)"},
    // Edit
    {u"mmEdit", u"編集(&E)"},
    {u"mmUndo", u"元に戻す(&U)"},
    {u"mmRedo", u"やり直し(&R)"},
    {u"mmCut", u"切り取り(&T)"},
    {u"mmCopy", u"コピー(&C)"},
    {u"mmPaste", u"貼り付け(&P)"},
    {u"mmSelectAll", u"すべて選択(&S)"},
    {u"mmFind", u"検索(&F)..."},
    {u"mmReplace", u"置換(&E)..."},
    {u"mmFont", u"フォント(&O)"},
    // Web page
    {u"mmHTML", u"Webページ(&W)"},
    {u"mmModifyAsHTMLfile", u"HTMLファイルに変換(&M)"},
    {u"mmPageSettings", u"ページの設定(&P)"},
    {u"mmDisplayAsWebPage", u"Webページとして表示(&D)"},
    {u"mmBold", u"太字"},
    {u"mmItalic", u"斜体"},
    {u"mmUnderline", u"下線"},
    {u"mmSuperscript", u"上付き文字(&P)"},
    {u"mmSubscript", u"下付き文字(&S)"},
    {u"mmAlignLeft", u"左揃え(&L)"},
    {u"mmAlignCenter", u"中央揃え(&C)"},
    {u"mmAlignRight", u"右揃え(&R)"},
    {u"mmBR", u"[Enter]で<br>を挿入"},
    {u"mmCommentize", u"選択範囲をコメントにする"},
    {u"mmBulletList", u"箇条書き(&B)"},
    {u"mmNumbering", u"段落番号(&N)"},
    {u"mmInsertObjects", u"挿入(&I)"},
    {u"mmPicture", u"画像(&P)"},
    {u"mmLink", u"リンク(&L)"},
    {u"mmName", u"リンク先アンカー(&T)"},
    {u"mmTable", u"表(&T)"},
    {u"mmForm", u"フォーム(&O)"},
    {u"mmNewForm", u"新しいフォーム(&N)"},
    {u"mmSingleLineInput", u"1行テキスト入力欄"},
    {u"mmTextArea", u"複数行テキスト入力欄"},
    {u"mmSelect", u"選択リスト(&S)"},
    {u"mmCheckBox", u"チェックボックス(&X)"},
    {u"mmCreateBox", u"ボックスの作成・編集"},
    {u"mmHTMLFont", u"フォント(&F)"},
    {u"mmRepaintTags", u"エディタの再着色"},
    // Coding
    {u"mmCompile_and_Execute", u"コンパイル＆実行(&C)"},
    {u"mmCompile", u"コンパイル(&M)"},
    {u"mmExecute", u"実行(&E)"},
    {u"mmBreakPoint", u"ブレークポイント(&B)"},
    {u"mmInputWizard", u"入力ウィザード(&I)"},
    {u"mmCallCodeTemplateList", u"コードテンプレート一覧(&L)"},
    {u"mmCompilerOption", u"コンパイラオプション(&C)"},
    // Tools
    {u"mmTools", u"ツール(&T)"},
    {u"mmRefer", u"辞書を引く(&R)"},
    {u"mmCount", u"文字数のカウント(&C)"},
    {u"mmMacroReplace", u"マクロ置換(&M)"},
    // Option
    {u"mmOption", u"オプション(&O)"},
    {u"mmChangeDictionary", u"辞書ソフトの選択(&S)"},
    {u"mmAutoFileRenamer", u"ファイル名の自動設定(&A)"},
    {u"mmSelectDefaultFolder", u"既定のフォルダの選択(&S)"},
    {u"mmBackGroundColor", u"背景色(&B)"},
    {u"mmTabWidth", u"タブ幅(&T)..."},
    {u"mmProgrammingOptions", u"プログラミングの設定(&P)"},
    {u"mmWebPageEditOptions", u"Webページ編集の設定(&W)"},
    {u"mmKcode", u"保存時の漢字コード"},
    {u"mmAutoRepaint", u"自動着色"},
    {u"mmRelateTxtFileToThis", u"拡張子の設定(&R)"},
    {u"mmSCSendTo", u"「送る」ポップアップメニューに追加"},
    {u"mmEnableMultiUndo", u"複数回のアンドゥを可能にする(&E)"},
    // Help
    {u"mmHelp", u"ヘルプ(&H)"},
    {u"mmSearch", u"ヘルプの検索(&S)"},
    {u"mmAbout", u"バージョン情報(&A)"},
};

constexpr Row kToolHints[] = {
    {u"tbNew", u"新規作成"},
    {u"tbOpen", u"開く"},
    {u"tbSaveAs", u"名前を付けて保存"},
    {u"tbPrint", u"印刷"},
    {u"tbUndo", u"元に戻す"},
    {u"tbCut", u"切り取り"},
    {u"tbCopy", u"コピー"},
    {u"tbPaste", u"貼り付け"},
    {u"tbFind", u"検索"},
    {u"tbReplace", u"置換"},
    {u"tbRepaint", u"再着色"},
    {u"tbRefer", u"辞書を引く"},
    {u"tbCompile", u"現在のプログラムをコンパイルして実行"},
    {u"tbInspector", u"ブレークポイントを置いて変数の値を調べる"},
    {u"tbInputWizard", u"入力ウィザード"},
    {u"tbCreateBox", u"ボックスの作成・編集"},
    {u"tbHTMLfont", u"フォント"},
    {u"tbBold", u"太字"},
    {u"tbItalic", u"斜体"},
    {u"tbBR", u"[Enter]で改行タグ<br>を挿入"},
    {u"tbBulletList", u"箇条書き"},
    {u"tbNumbering", u"段落番号"},
    {u"tbCenter", u"中央揃え"},
    {u"tbRight", u"右揃え"},
    {u"tbPicture", u"画像"},
    {u"tbLink", u"リンク"},
    {u"tbTable", u"表の挿入"},
    {u"tbBrowse", u"Webページとして表示"},
};

constexpr Row kPopupCaptions[] = {
    {u"pmCut", u"切り取り(&U)"},
    {u"pmCopy", u"コピー(&C)"},
    {u"pmPaste", u"貼り付け(&P)"},
    {u"pmRefer", u"辞書を引く(&R)"},
    {u"pmSelectAll", u"すべて選択(&A)"},
    {u"pmAddRow", u"行の追加(&A)"},
    {u"pmLinkOpen", u"リンク先のファイルを開く(&O)"},
    {u"pmSaveAndExit", u"保存→終了"},
};

// Items 0 to 5 of the heading combo box: normal text, then headings 1 to 5.
constexpr const char16_t* kHeadingItems[] = {
    u"標準", u"見出し 1", u"見出し 2", u"見出し 3", u"見出し 4", u"見出し 5",
};

template <std::size_t N>
void appendRows(std::vector<CaptionEntry>& table, const Row (&rows)[N], CaptionKind kind) {
  for (const Row& row : rows)
    table.push_back({QString::fromUtf16(row.component), kind, 0, QString::fromUtf16(row.text)});
}

std::vector<CaptionEntry> buildTable() {
  std::vector<CaptionEntry> table;
  table.reserve(std::size(kMenuCaptions) + std::size(kToolHints) + std::size(kPopupCaptions) +
                std::size(kHeadingItems));
  appendRows(table, kMenuCaptions, CaptionKind::MenuCaption);
  appendRows(table, kToolHints, CaptionKind::ToolHint);
  // Pop-up items are menu items too; their captions are set the same way.
  appendRows(table, kPopupCaptions, CaptionKind::MenuCaption);
  int index = 0;
  for (const char16_t* item : kHeadingItems)
    table.push_back({QStringLiteral("HeaderComboBox"), CaptionKind::ComboItem, index++,
                     QString::fromUtf16(item)});
  return table;
}

}  // namespace

const std::vector<CaptionEntry>& japaneseCaptionTable() {
  static const std::vector<CaptionEntry> table = buildTable();
  return table;
}

}  // namespace wrenpad
