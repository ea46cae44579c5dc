// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/command_table.h"

#include "colouring/tag_painter.h"
#include "documents/document_commands.h"
#include "documents/document_mode.h"
#include "documents/undo_commands.h"
#include "documents/writing_choices.h"
#include "editing/editing_tools.h"
#include "editing/find_replace.h"
#include "editing/macro_replace.h"
#include "editing/template_commands.h"
#include "html/html_commands.h"
#include "html/link_command.h"
#include "html/table_command.h"
#include "html/form_commands.h"
#include "html/text_to_html.h"
#include "page/box_command.h"
#include "editing/dictionary.h"
#include "page/page_settings.h"
#include "page/preview/page_preview.h"
#include "programming/program_commands.h"
#include "programming/snippet_commands.h"
#include "window/main_window.h"

#include <cstring>

namespace wrenpad {
namespace {

// Views: what a check mark, an enabled state or a visible state shows.
bool inPage(const CommandView& v) { return featuresOf(v.document.DocumentMode).pageCommands; }
bool outsidePage(const CommandView& v) { return !inPage(v); }
bool inProgram(const CommandView& v) { return featuresOf(v.document.DocumentMode).programCommands; }
bool outsideProgram(const CommandView& v) { return !inProgram(v); }
bool compiles(const CommandView& v) { return wrenpad::compiles(v.document.DocumentMode, v.document.CurrentFileName); }
bool readsInput(const CommandView& v) {
  return readsKeyboardInput(v.document.DocumentMode, languageModeFrom(v.settings.PL));
}
bool isBold(const CommandView& v) { return v.marks.bold; }
bool isItalic(const CommandView& v) { return v.marks.italic; }
bool isCentred(const CommandView& v) { return v.marks.centre; }
bool isRightAligned(const CommandView& v) { return v.marks.right; }
bool breaksOnEnter(const CommandView& v) { return v.settings.AutoBR; }
bool namesAutomatically(const CommandView& v) { return v.session.AutoFileNaming; }
bool savesShiftJis(const CommandView& v) { return chosenOutputEncoding(v.settings) == TextEncoding::ShiftJis; }
bool savesEuc(const CommandView& v) { return chosenOutputEncoding(v.settings) == TextEncoding::EucJp; }
bool savesUtf8(const CommandView& v) { return chosenOutputEncoding(v.settings) == TextEncoding::Utf8; }
bool endsNewLinesWithLf(const CommandView& v) { return newTextLineEnd(v.settings) == LineEnd::Lf; }
bool endsNewLinesWithCrLf(const CommandView& v) { return newTextLineEnd(v.settings) == LineEnd::CrLf; }
// The language in use, or the one chosen for the next start.
bool speaksEnglish(const CommandView& v) { return !v.settings.Jpn; }
bool speaksJapanese(const CommandView& v) { return v.settings.Jpn; }
bool repaintsAutomatically(const CommandView& v) { return v.settings.AutoRepaint; }
bool showsLineNumbers(const CommandView& v) { return v.settings.*lineNumbersSetting(v.document.DocumentMode); }
bool undoesManySteps(const CommandView& v) { return v.settings.MultiUndo; }
bool redoes(const CommandView& v) { return v.session.RedoEnabled; }
bool offersOpenWith(const CommandView& v) { return v.session.SendToShortcut; }
bool hasSelection(const CommandView& v) { return v.marks.selection; }
bool canCommentize(const CommandView& v) { return v.marks.commentize; }
bool popupCanCutCopy(const CommandView& v) { return v.marks.popupCutCopy; }
bool popupCanPaste(const CommandView& v) { return v.marks.popupPaste; }
bool showsLinkOpen(const CommandView& v) { return v.marks.linkOpen; }
bool showsAddRow(const CommandView& v) { return v.marks.addRow; }
// The separator stands above the link and table items whenever one is shown.
bool showsPopupGap(const CommandView& v) { return v.marks.linkOpen || v.marks.addRow; }

// clang-format off
const CommandRow kCommands[] = {
    // File
    {0, "mmFile", "&File", u"ファイル(&F)", "", kNone},
    {1, "mmNew", "&New", u"新規作成(&N)", "Ctrl+N", kNone,
     {ToolBar::Main, 1, "tbNew", "New", u"新規作成"}, [](TMain& w) { w.documents().mmNewClick(); }},
    {1, "mmOpen", "&Open...", u"開く(&O)...", "Ctrl+O", kNone,
     {ToolBar::Main, 2, "tbOpen", "Open", u"開く"}, [](TMain& w) { w.documents().mmOpenClick(); }},
    {1, "mmSave", "&Save", u"上書き保存(&S)", "Ctrl+S", kNone,
     {}, [](TMain& w) { w.documents().mmSaveClick(); }},
    {1, "mmSaveAs", "Save &As...", u"名前を付けて保存(&A)...", "Ctrl+Shift+S", kSeparatorAfter,
     {ToolBar::Main, 3, "tbSaveAs", "Save As", u"名前を付けて保存"}, [](TMain& w) { w.documents().mmSaveAsClick(); }},
    {1, "mmSetDefaultFolder", "&Default folder", u"既定のフォルダへ移動(&D)", "", kNone,
     {}, [](TMain& w) { w.documents().mmSetDefaultFolderClick(); }},
    {1, "mmRenameAsTopLine", "&Rename As Top Line", u"先頭行をファイル名に(&R)", "", kSeparatorAfter,
     {}, [](TMain& w) { w.documents().mmRenameAsTopLineClick(); }},
    {1, "mmPrinterSetup", "Printer Set&up", u"プリンタの設定(&U)", "", kNone,
     {}, [](TMain& w) { w.documents().mmPrinterSetupClick(); }},
    {1, "mmPrint", "&Print...", u"印刷(&P)...", "Ctrl+P", kSeparatorAfter,
     {ToolBar::Main, 4, "tbPrint", "Print", u"印刷"}, [](TMain& w) { w.documents().mmPrintClick(); }},
    {1, "mmExit", "E&xit", u"終了(&X)", "Ctrl+Q", kNone,
     {}, [](TMain& w) { w.mmExitClick(); }},

    // Edit
    {0, "mmEdit", "&Edit", u"編集(&E)", "", kNone},
    {1, "mmUndo", "&Undo", u"元に戻す(&U)", "Ctrl+Z", kNone,
     {ToolBar::Main, 5, "tbUndo", "Undo", u"元に戻す", kGapBefore}, [](TMain& w) { w.undo().mmUndoClick(); }},
    {1, "mmRedo", "&Redo", u"やり直し(&R)", "Ctrl+Y;Ctrl+Shift+Z", kSeparatorAfter,
     {}, [](TMain& w) { w.undo().mmRedoClick(); }, nullptr, redoes},
    {1, "mmCut", "Cu&t", u"切り取り(&T)", "Ctrl+X", kNone,
     {ToolBar::Main, 6, "tbCut", "Cut", u"切り取り"}, [](TMain& w) { w.documents().mmCutClick(); }, nullptr, hasSelection},
    {1, "mmCopy", "&Copy", u"コピー(&C)", "Ctrl+C", kNone,
     {ToolBar::Main, 7, "tbCopy", "Copy", u"コピー"}, [](TMain& w) { w.documents().mmCopyClick(); }, nullptr, hasSelection},
    {1, "mmPaste", "&Paste", u"貼り付け(&P)", "Ctrl+V", kNone,
     {ToolBar::Main, 8, "tbPaste", "Paste", u"貼り付け"}, [](TMain& w) { w.documents().pmPasteClick(); }},
    {1, "mmSelectAll", "&Select All", u"すべて選択(&S)", "Ctrl+A", kSeparatorAfter,
     {}, [](TMain& w) { w.documents().mmSelectAllClick(); }},
    {1, "mmFind", "&Find...", u"検索(&F)...", "Ctrl+F", kNone,
     {ToolBar::Main, 9, "tbFind", "Find", u"検索", kGapBefore}, [](TMain& w) { w.findReplace().mmFindClick(); }},
    {1, "mmReplace", "R&eplace...", u"置換(&E)...", "Ctrl+R", kNone,
     {ToolBar::Main, 10, "tbReplace", "Replace", u"置換"}, [](TMain& w) { w.findReplace().mmReplaceClick(); }},
    {1, "mmGoToLine", "&Go to Line...", u"指定行へ移動(&G)...", "Ctrl+G", kSeparatorAfter,
     {}, [](TMain& w) { w.goToLineNumberBox(); }},
    {1, "mmFont", "F&ont", u"フォント(&O)", "", kNone,
     {}, [](TMain& w) { w.documents().mmFontClick(); }},

    // HTML
    {0, "mmHTML", "HT&ML", u"Webページ(&W)", "", kNone,
     {}, nullptr, nullptr, outsideProgram},
    {1, "mmModifyAsHTMLfile", "&Modify as a HTML file", u"HTMLファイルに変換(&M)", "", kNone,
     {}, [](TMain& w) { w.textToHtml().mmModifyAsHTMLfileClick(); }, nullptr, outsidePage},
    {1, "mmPageSettings", "&Page Settings", u"ページの設定(&P)", "", kNone,
     {}, [](TMain& w) { w.pageSettings().mmPageSettingsClick(); }, nullptr, inPage},
    {1, "mmDisplayAsWebPage", "&Display as a Web Page", u"Webページとして表示(&D)", "F9", kSeparatorAfter | kShortcutWhenEnabled,
     {ToolBar::Html, 14, "tbBrowse", "Browse as WebPage", u"Webページとして表示"},
     [](TMain& w) { w.preview().mmDisplayAsWebPageClick(); }, nullptr, inPage},
    {1, "mmBold", "&Bold", u"太字(&B)", "Ctrl+B", kNone,
     {ToolBar::Html, 3, "tbBold", "Bold", u"太字", kToggles}, [](TMain& w) { w.htmlCommands().mmBoldClick(); }, isBold, inPage},
    {1, "mmItalic", "It&alic", u"斜体(&A)", "Ctrl+I", kNone,
     {ToolBar::Html, 4, "tbItalic", "Italic", u"斜体", kToggles}, [](TMain& w) { w.htmlCommands().mmItalicClick(); }, isItalic, inPage},
    {1, "mmUnderline", "&Underline", u"下線(&U)", "Ctrl+U", kNone,
     {}, [](TMain& w) { w.htmlCommands().mmUnderlineClick(); }, nullptr, inPage},
    {1, "mmSuperscript", "Sup&erscript", u"上付き文字(&E)", "Ctrl+Up", kNone,
     {}, [](TMain& w) { w.htmlCommands().mmSuperscriptClick(); }, nullptr, inPage},
    {1, "mmSubscript", "Subscrip&t", u"下付き文字(&T)", "Ctrl+Down", kSeparatorAfter,
     {}, [](TMain& w) { w.htmlCommands().mmSubscriptClick(); }, nullptr, inPage},
    {1, "mmAlignLeft", "&Left", u"左揃え(&L)", "", kHidden,
     {}, [](TMain& w) { w.htmlCommands().mmAlignLeftClick(); }, nullptr, inPage},
    {1, "mmAlignCenter", "&Center", u"中央揃え(&C)", "", kCheckable,
     {ToolBar::Html, 7, "tbCenter", "Center", u"中央揃え", kGapBefore | kToggles}, [](TMain& w) { w.htmlCommands().mmAlignCenterClick(); }, isCentred, inPage},
    {1, "mmAlignRight", "&Right", u"右揃え(&R)", "", kCheckable | kSeparatorAfter,
     {ToolBar::Html, 8, "tbRight", "Right", u"右揃え", kToggles}, [](TMain& w) { w.htmlCommands().mmAlignRightClick(); }, isRightAligned, inPage},
    {1, "mmBR", "In&sert <br> on [Enter]", u"[Enter]で<br>を挿入(&S)", "", kCheckable,
     {ToolBar::Html, 15, "tbBR", "insert \"<BR>\" on pressing [Enter]", u"[Enter]で改行タグ<br>を挿入", kGapBefore | kToggles}, [](TMain& w) { w.htmlCommands().mmBRClick(); }, breaksOnEnter, inPage},
    {1, "mmCommentize", "Commenti&ze the selected text", u"選択範囲をコメントにする(&Z)", "", kNone,
     {}, [](TMain& w) { w.htmlCommands().mmCommentizeClick(); }, nullptr, canCommentize},
    {1, "mmBulletList", "Bullet &List", u"箇条書き(&L)", "", kNone,
     {ToolBar::Html, 5, "tbBulletList", "Bullet List", u"箇条書き", kGapBefore}, [](TMain& w) { w.htmlCommands().tbInsertListClick(ListKind::Bullet); }, nullptr, inPage},
    {1, "mmNumbering", "&Numbering", u"段落番号(&N)", "", kSeparatorAfter,
     {}, [](TMain& w) { w.htmlCommands().tbInsertListClick(ListKind::Numbered); }, nullptr, inPage},
    {1, "tbNumbering", "", nullptr, "", kToolOnly,
     {ToolBar::Html, 6, "tbNumbering", "", u"段落番号"}, [](TMain& w) { w.htmlCommands().tbInsertListClick(ListKind::Numbered); }, nullptr, inPage},
    {1, "mmInsertObjects", "&Insert", u"挿入(&I)", "", kNone},
    {2, "mmPicture", "&Picture", u"画像(&P)", "", kNone,
     {ToolBar::Html, 9, "tbPicture", "Picture", u"画像", kGapBefore}, [](TMain& w) { w.links().mmPictureClick(); }, nullptr, inPage},
    {2, "mmLink", "&Link", u"リンク(&L)", "Ctrl+L", kNone,
     {ToolBar::Html, 10, "tbLink", "Link", u"リンク"}, [](TMain& w) { w.links().mmLinkClick(); }, nullptr, inPage},
    {2, "mmName", "Link Tar&get", u"リンク先アンカー(&G)", "", kNone,
     {}, [](TMain& w) { w.links().mmNameClick(); }, nullptr, inPage},
    {2, "mmTable", "&Table", u"表(&T)", "", kNone,
     {ToolBar::Html, 11, "tbTable", "Insert a Table", u"表の挿入"}, [](TMain& w) { w.tables().mmTableClick(); }, nullptr, inPage},
    {2, "mmDiv", "<&div ... >.....</div>", nullptr, "", kSeparatorAfter,
     {}, [](TMain& w) { w.forms().mmDivClick(); }, nullptr, inPage},
    {1, "mmForm", "F&orm", u"フォーム(&O)", "", kNone},
    {2, "mmNewForm", "&New Form", u"新しいフォーム(&N)", "", kNone,
     {}, [](TMain& w) { w.forms().mmNewFormClick(); }, nullptr, inPage},
    {2, "mmSingleLineInput", "Single &Line Text Area", u"1行テキスト入力欄(&L)", "", kNone,
     {}, [](TMain& w) { w.forms().mmSingleLineInputClick(); }, nullptr, inPage},
    {2, "mmTextArea", "&Multiple Line TextArea", u"複数行テキスト入力欄(&M)", "", kNone,
     {}, [](TMain& w) { w.forms().mmTextAreaClick(); }, nullptr, inPage},
    {2, "mmSelect", "&Select", u"選択リスト(&S)", "", kNone,
     {}, [](TMain& w) { w.forms().mmSelectClick(); }, nullptr, inPage},
    {2, "mmCheckBox", "CheckBo&x", u"チェックボックス(&X)", "", kSeparatorAfter,
     {}, [](TMain& w) { w.forms().mmCheckBoxClick(); }, nullptr, inPage},
    {1, "mmCreateBox", "Create/Edit a Bo&x", u"ボックスの作成・編集(&X)", "", kNone,
     {ToolBar::Html, 12, "tbCreateBox", "Create or edit a box", u"ボックスの作成・編集"},
     [](TMain& w) { w.boxes().mmCreateBoxClick(); }, nullptr, inPage},
    {1, "mmHeading", "&Heading...", u"見出し(&H)...", "Ctrl+Shift+H", kNone,
     {}, [](TMain& w) { w.openHeadingBox(); }, nullptr, inPage},
    {1, "mmHTMLFont", "&Font", u"フォント(&F)", "", kSeparatorAfter,
     {ToolBar::Html, 2, "tbHTMLfont", "Font", u"フォント"}, [](TMain& w) { w.mmHTMLFontClick(); }, nullptr, inPage},
    {1, "mmRepaintTags", "Repaint Ta&gs", u"エディタの再着色(&G)", "", kNone,
     {ToolBar::Html, 13, "tbRepaint", "Repaint", u"再着色", kGapBefore}, [](TMain& w) { w.painter().mmRepaintTagsClick(); }, nullptr, inPage},

    // C/C++
    // The captions of the menu and its first item follow the language (UpdateCodingMenu).
    {0, "mmCoding", "&C/C++", nullptr, "", kNone,
     {}, nullptr, nullptr, outsidePage},
    {1, "mmSetCompiler", "&Set Borland C++ Compiler", nullptr, "", kNone,
     {}, [](TMain& w) { w.programs().mmSetCompilerClick(); }},
    {1, "mmCompilerOption", "C&ompiler Option", u"コンパイラオプション(&O)", "", kSeparatorAfter,
     {}, [](TMain& w) { w.programs().mmCompilerOptionClick(); }, nullptr, compiles},
    {1, "mmCompile_and_Execute", "Com&pile and Execute", u"コンパイル＆実行(&C)", "F9", kShortcutWhenEnabled,
     {ToolBar::Main, 13, "tbCompile", "Compile and execute current program", u"現在のプログラムをコンパイルして実行", kPlainButton, compiles},
     [](TMain& w) { w.programs().mmCompile_and_ExecuteClick(false); }, nullptr, compiles},
    {1, "mmCompile", "Co&mpile", u"コンパイル(&M)", "Ctrl+F9", kNone,
     {}, [](TMain& w) { w.programs().mmCompile_and_ExecuteClick(true); }, nullptr, compiles},
    {1, "mmExecute", "&Execute", u"実行(&E)", "", kSeparatorAfter,
     {}, [](TMain& w) { w.programs().mmExecuteClick(); }, nullptr, compiles},
    {1, "mmBreakPoint", "&Break Point", u"ブレークポイント(&B)", "", kNone,
     {ToolBar::Main, 14, "tbInspector", "Putting a breakpoint and inspecting value of a variable.", u"ブレークポイントを置いて変数の値を調べる", kPlainButton, inProgram},
     [](TMain& w) { w.snippets().mmBreakPointClick(); }, nullptr, inProgram},
    {1, "mmInputWizard", "&Input Wizard", u"入力ウィザード(&I)", "", kSeparatorAfter,
     {ToolBar::Main, 15, "tbInputWizard", "Input Wizard", u"入力ウィザード", kPlainButton, inProgram},
     [](TMain& w) { w.snippets().mmInputWizardClick(); }, nullptr, readsInput},
    {1, "mmCallCodeTemplateList", "&List of Code Template", u"コードテンプレート一覧(&L)", "", kNone,
     {}, [](TMain& w) { w.templates().mmCallCodeTemplateListClick(); }},

    // Tools
    {0, "mmTools", "&Tools", u"ツール(&T)", "", kNone},
    {1, "mmRefer", "&Refer Dictionary", u"辞書を引く(&R)", "Ctrl+D", kNone,
     {ToolBar::Main, 11, "tbRefer", "Refer dictionary", u"辞書を引く", kGapBefore},
     [](TMain& w) { w.dictionary().mmReferClick(); }},
    {1, "mmCount", "&Count", u"文字数のカウント(&C)", "", kNone,
     {}, [](TMain& w) { w.editingTools().mmCountClick(); }},
    {1, "mmMacroReplace", "&Macro Replace", u"マクロ置換(&M)", "", kNone,
     {}, [](TMain& w) { w.macros().mmMacroReplaceClick(); }},
    {1, "mmCodeTemplate", "Code &Template", nullptr, "Ctrl+J", kHidden,
     {}, [](TMain& w) { w.templates().mmCodeTemplateClick(); }},

    // Option
    {0, "mmOption", "&Option", u"オプション(&O)", "", kNone},
    {1, "mmChangeDictionary", "Select &Dictionary", u"辞書ソフトの選択(&D)", "", kNone,
     {}, [](TMain& w) { w.dictionary().mmChangeDictionaryClick(); }},
    {1, "mmAutoFileRenamer", "&Auto File Naming", u"ファイル名の自動設定(&A)", "", kCheckable,
     {}, [](TMain& w) { w.documents().mmAutoFileRenamerClick(); }, namesAutomatically},
    {1, "mmSelectDefaultFolder", "Select Default &Folder", u"既定のフォルダの選択(&F)", "", kNone,
     {}, [](TMain& w) { w.documents().mmSelectDefaultFolderClick(); }},
    {1, "mmBackGroundColor", "&Background Color", u"背景色(&B)", "", kNone,
     {}, [](TMain& w) { w.mmBackGroundColorClick(); }},
    {1, "mmTabWidth", "&Tab Width...", u"タブ幅(&T)...", "", kNone,
     {}, [](TMain& w) { w.editingTools().mmTabWidthClick(); }},
    {1, "mmProgrammingOptions", "&Programming Options", u"プログラミングの設定(&P)", "", kNone,
     {}, [](TMain& w) { w.programs().mmProgrammingOptionsClick(); }},
    {1, "mmWebPageEditOptions", "&Webpage-Editing Options", u"Webページ編集の設定(&W)", "", kNone,
     {}, [](TMain& w) { w.preview().mmWebPageEditOptionsClick(); }},
    {1, "mmKcode", "&Output Kanji code", u"保存時の漢字コード(&O)", "", kNone},
    {2, "mmSJIS", "&Shift-JIS", nullptr, "", kCheckable,
     {}, [](TMain& w) { w.documents().chooseOutputCode(TextEncoding::ShiftJis); }, savesShiftJis},
    {2, "mmEUC", "&EUC", nullptr, "", kCheckable,
     {}, [](TMain& w) { w.documents().chooseOutputCode(TextEncoding::EucJp); }, savesEuc},
    {2, "mmUTF8", "&UTF-8", u"UTF-8(&U)", "", kCheckable,
     {}, [](TMain& w) { w.documents().chooseOutputCode(TextEncoding::Utf8); }, savesUtf8},
    {1, "mmNewLineEnds", "Line Ends of New Do&cuments", u"新規文書の改行コード(&C)", "", kNone},
    {2, "mmNewLF", "&LF", u"LF(&L)", "", kCheckable,
     {}, [](TMain& w) { w.documents().chooseNewDocumentLineEnd(LineEnd::Lf); }, endsNewLinesWithLf},
    {2, "mmNewCRLF", "&CR LF", u"CR LF(&C)", "", kCheckable,
     {}, [](TMain& w) { w.documents().chooseNewDocumentLineEnd(LineEnd::CrLf); }, endsNewLinesWithCrLf},
    {1, "mmLanguage", "&Language", u"言語(&L)", "", kNone},
    {2, "English", "&English", u"English(&E)", "", kCheckable,
     {}, [](TMain& w) { w.EnglishClick(); }, speaksEnglish},
    {2, "Japanese", "&Japanese", u"日本語(&J)", "", kCheckable,
     {}, [](TMain& w) { w.JapaneseClick(); }, speaksJapanese},
    {1, "mmAutoRepaint", "A&uto Repaint", u"自動着色(&U)", "", kCheckable,
     {}, [](TMain& w) { w.mmAutoRepaintClick(); }, repaintsAutomatically},
    {1, "mmShowLineNumbers", "&Show Line Numbers", u"行番号の表示(&S)", "", kCheckable,
     {}, [](TMain& w) { w.mmShowLineNumbersClick(); }, showsLineNumbers},
    {1, "mmEnableMultiUndo", "&Enable Multi Undo", u"複数回のアンドゥを可能にする(&E)", "", kCheckable | kSeparatorAfter,
     {}, [](TMain& w) {
       w.undo().mmEnableMultiUndoClick();
       w.showCommandStates();
     }, undoesManySteps},
    {1, "mmRelateTxtFileToThis", "&Relate an extension to this software", u"拡張子の設定(&R)", "", kNone,
     {}, [](TMain& w) { w.mmRelateTxtFileToThisClick(); }},
    {1, "mmSCSendTo", "Locate shortcut\u3000at \"Se&nd to\"", u"「送る」ポップアップメニューに追加(&N)", "", kCheckable,
     {}, [](TMain& w) { w.mmSCSendToClick(); }, offersOpenWith},

    // Help
    {0, "mmHelp", "&Help", u"ヘルプ(&H)", "", kNone},
    {1, "mmSearch", "&Search", u"ヘルプの検索(&S)", "", kNone,
     {}, [](TMain& w) { w.mmSearchClick(); }},
    {1, "mmAbout", "&About", u"バージョン情報(&A)", "", kNone,
     {}, [](TMain& w) { w.mmAboutClick(); }},

    // The editor's pop-up menu.
    {0, "PopupMenu1", "", nullptr, "", kPopup},
    {1, "pmCut", "C&ut", u"切り取り(&U)", "", kNone,
     {}, [](TMain& w) { w.documents().mmCutClick(); }, nullptr, popupCanCutCopy},
    {1, "pmCopy", "&Copy", u"コピー(&C)", "", kNone,
     {}, [](TMain& w) { w.documents().mmCopyClick(); }, nullptr, popupCanCutCopy},
    {1, "pmPaste", "&Paste", u"貼り付け(&P)", "", kNone,
     {}, [](TMain& w) { w.documents().pmPasteClick(); }, nullptr, popupCanPaste},
    {1, "pmSelectAll", "Select &All", u"すべて選択(&A)", "", kNone,
     {}, [](TMain& w) { w.documents().mmSelectAllClick(); }},
    {1, "N20", "-", nullptr, "", kSeparator | kHidden,
     {}, nullptr, nullptr, nullptr, showsPopupGap},
    {1, "pmLinkOpen", "&Open Linked File", u"リンク先のファイルを開く(&O)", "", kHidden,
     {}, [](TMain& w) { w.links().pmLinkOpenClick(); }, nullptr, nullptr, showsLinkOpen},
    {1, "pmAddRow", "Add Ro&w", u"行の追加(&W)", "", kHidden | kSeparatorAfter,
     {}, [](TMain& w) { w.tables().pmAddRowClick(); }, nullptr, nullptr, showsAddRow},
    {1, "pmRefer", "&Refer", u"辞書を引く(&R)", "", kSeparatorAfter,
     {}, [](TMain& w) { w.dictionary().mmReferClick(); }},
    {1, "pmSaveAndExit", "&Save -> Exit", u"保存→終了(&S)", "", kNone,
     {}, [](TMain& w) { w.pmSaveAndExitClick(); }},
};

const HeadingBoxItem kHeadingBox[] = {
    {"Normal", u"標準"},
    {"Heading 1", u"見出し 1"},
    {"Heading 2", u"見出し 2"},
    {"Heading 3", u"見出し 3"},
    {"Heading 4", u"見出し 4"},
    {"Heading 5", u"見出し 5"},
};
// clang-format on

}  // namespace

std::span<const CommandRow> commandTable() { return kCommands; }

const CommandRow* findCommand(const char* name) {
  for (const CommandRow& row : kCommands)
    if (std::strcmp(row.name, name) == 0 || std::strcmp(row.tool.name, name) == 0) return &row;
  return nullptr;
}

std::span<const HeadingBoxItem> headingBoxItems() { return kHeadingBox; }

}  // namespace wrenpad
