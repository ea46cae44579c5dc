// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/command_table.h"

#include "colouring/tag_painter.h"
#include "documents/document_commands.h"
#include "documents/document_mode.h"
#include "documents/document_view.h"
#include "documents/undo_commands.h"
#include "documents/writing_choices.h"
#include "editing/bracket_highlight.h"
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

#include <QCoreApplication>
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
    {0, "mmFile", QT_TRANSLATE_NOOP("CommandTable", "&File"), "", kNone},
    {1, "mmNew", QT_TRANSLATE_NOOP("CommandTable", "&New"), "Ctrl+N", kNone,
     {ToolBar::Main, 1, "tbNew", QT_TRANSLATE_NOOP("CommandTable", "New")}, [](TMain& w) { w.documents().mmNewClick(); }},
    {1, "mmOpen", QT_TRANSLATE_NOOP("CommandTable", "&Open..."), "Ctrl+O", kNone,
     {ToolBar::Main, 2, "tbOpen", QT_TRANSLATE_NOOP("CommandTable", "Open")}, [](TMain& w) { w.documents().mmOpenClick(); }},
    {1, "mmSave", QT_TRANSLATE_NOOP("CommandTable", "&Save"), "Ctrl+S", kNone,
     {}, [](TMain& w) { w.documents().mmSaveClick(); }},
    {1, "mmSaveAs", QT_TRANSLATE_NOOP("CommandTable", "Save &As..."), "Ctrl+Shift+S", kSeparatorAfter,
     {ToolBar::Main, 3, "tbSaveAs", QT_TRANSLATE_NOOP("CommandTable", "Save As")}, [](TMain& w) { w.documents().mmSaveAsClick(); }},
    {1, "mmSetDefaultFolder", QT_TRANSLATE_NOOP("CommandTable", "&Default folder"), "", kNone,
     {}, [](TMain& w) { w.documents().mmSetDefaultFolderClick(); }},
    {1, "mmRenameAsTopLine", QT_TRANSLATE_NOOP("CommandTable", "&Rename As Top Line"), "", kSeparatorAfter,
     {}, [](TMain& w) { w.documents().mmRenameAsTopLineClick(); }},
    {1, "mmPrinterSetup", QT_TRANSLATE_NOOP("CommandTable", "Printer Set&up"), "", kNone,
     {}, [](TMain& w) { w.documents().mmPrinterSetupClick(); }},
    {1, "mmPrint", QT_TRANSLATE_NOOP("CommandTable", "&Print..."), "Ctrl+P", kSeparatorAfter,
     {ToolBar::Main, 4, "tbPrint", QT_TRANSLATE_NOOP("CommandTable", "Print")}, [](TMain& w) { w.documents().mmPrintClick(); }},
    {1, "mmExit", QT_TRANSLATE_NOOP("CommandTable", "E&xit"), "Ctrl+Q", kNone,
     {}, [](TMain& w) { w.mmExitClick(); }},

    // Edit
    {0, "mmEdit", QT_TRANSLATE_NOOP("CommandTable", "&Edit"), "", kNone},
    {1, "mmUndo", QT_TRANSLATE_NOOP("CommandTable", "&Undo"), "Ctrl+Z", kNone,
     {ToolBar::Main, 5, "tbUndo", QT_TRANSLATE_NOOP("CommandTable", "Undo"), kGapBefore}, [](TMain& w) { w.view().undo(); }},
    {1, "mmRedo", QT_TRANSLATE_NOOP("CommandTable", "&Redo"), "Ctrl+Y;Ctrl+Shift+Z", kSeparatorAfter,
     {}, [](TMain& w) { w.view().redo(); }, nullptr, redoes},
    {1, "mmCut", QT_TRANSLATE_NOOP("CommandTable", "Cu&t"), "Ctrl+X", kNone,
     {ToolBar::Main, 6, "tbCut", QT_TRANSLATE_NOOP("CommandTable", "Cut")}, [](TMain& w) { w.view().cut(); }, nullptr, hasSelection},
    {1, "mmCopy", QT_TRANSLATE_NOOP("CommandTable", "&Copy"), "Ctrl+C", kNone,
     {ToolBar::Main, 7, "tbCopy", QT_TRANSLATE_NOOP("CommandTable", "Copy")}, [](TMain& w) { w.view().copy(); }, nullptr, hasSelection},
    {1, "mmPaste", QT_TRANSLATE_NOOP("CommandTable", "&Paste"), "Ctrl+V", kNone,
     {ToolBar::Main, 8, "tbPaste", QT_TRANSLATE_NOOP("CommandTable", "Paste")}, [](TMain& w) { w.view().paste(); }},
    {1, "mmSelectAll", QT_TRANSLATE_NOOP("CommandTable", "&Select All"), "Ctrl+A", kSeparatorAfter,
     {}, [](TMain& w) { w.view().selectAll(); }},
    {1, "mmFind", QT_TRANSLATE_NOOP("CommandTable", "&Find..."), "Ctrl+F", kNone,
     {ToolBar::Main, 9, "tbFind", QT_TRANSLATE_NOOP("CommandTable", "Find"), kGapBefore}, [](TMain& w) { w.findReplace().mmFindClick(); }},
    {1, "mmReplace", QT_TRANSLATE_NOOP("CommandTable", "R&eplace..."), "Ctrl+R", kNone,
     {ToolBar::Main, 10, "tbReplace", QT_TRANSLATE_NOOP("CommandTable", "Replace")}, [](TMain& w) { w.findReplace().mmReplaceClick(); }},
    {1, "mmGoToMatchingBracket", QT_TRANSLATE_NOOP("CommandTable", "Go to &Matching Bracket"), "Ctrl+]", kNone,
     {}, [](TMain& w) { w.bracketMatching().goToMatch(); }},
    {1, "mmSelectToMatchingBracket", QT_TRANSLATE_NOOP("CommandTable", "Select to Matching Brac&ket"), "Ctrl+Shift+]", kNone,
     {}, [](TMain& w) { w.bracketMatching().selectToMatch(); }},
    {1, "mmGoToLine", QT_TRANSLATE_NOOP("CommandTable", "&Go to Line..."), "Ctrl+G", kSeparatorAfter,
     {}, [](TMain& w) { w.goToLineNumberBox(); }},
    {1, "mmFont", QT_TRANSLATE_NOOP("CommandTable", "F&ont"), "", kNone,
     {}, [](TMain& w) { w.documents().mmFontClick(); }},

    // HTML
    {0, "mmHTML", QT_TRANSLATE_NOOP("CommandTable", "HT&ML"), "", kNone,
     {}, nullptr, nullptr, outsideProgram},
    {1, "mmModifyAsHTMLfile", QT_TRANSLATE_NOOP("CommandTable", "&Modify as a HTML file"), "", kNone,
     {}, [](TMain& w) { w.textToHtml().mmModifyAsHTMLfileClick(); }, nullptr, outsidePage},
    {1, "mmPageSettings", QT_TRANSLATE_NOOP("CommandTable", "&Page Settings"), "", kNone,
     {}, [](TMain& w) { w.pageSettings().mmPageSettingsClick(); }, nullptr, inPage},
    {1, "mmDisplayAsWebPage", QT_TRANSLATE_NOOP("CommandTable", "&Display as a Web Page"), "F9", kSeparatorAfter | kShortcutWhenEnabled,
     {ToolBar::Html, 14, "tbBrowse", QT_TRANSLATE_NOOP("CommandTable", "Browse as WebPage")},
     [](TMain& w) { w.preview().mmDisplayAsWebPageClick(); }, nullptr, inPage},
    {1, "mmBold", QT_TRANSLATE_NOOP("CommandTable", "&Bold"), "Ctrl+B", kNone,
     {ToolBar::Html, 3, "tbBold", QT_TRANSLATE_NOOP("CommandTable", "Bold"), kToggles}, [](TMain& w) { w.htmlCommands().mmBoldClick(); }, isBold, inPage},
    {1, "mmItalic", QT_TRANSLATE_NOOP("CommandTable", "It&alic"), "Ctrl+I", kNone,
     {ToolBar::Html, 4, "tbItalic", QT_TRANSLATE_NOOP("CommandTable", "Italic"), kToggles}, [](TMain& w) { w.htmlCommands().mmItalicClick(); }, isItalic, inPage},
    {1, "mmUnderline", QT_TRANSLATE_NOOP("CommandTable", "&Underline"), "Ctrl+U", kNone,
     {}, [](TMain& w) { w.htmlCommands().mmUnderlineClick(); }, nullptr, inPage},
    {1, "mmSuperscript", QT_TRANSLATE_NOOP("CommandTable", "Sup&erscript"), "Ctrl+Up", kNone,
     {}, [](TMain& w) { w.htmlCommands().mmSuperscriptClick(); }, nullptr, inPage},
    {1, "mmSubscript", QT_TRANSLATE_NOOP("CommandTable", "Subscrip&t"), "Ctrl+Down", kSeparatorAfter,
     {}, [](TMain& w) { w.htmlCommands().mmSubscriptClick(); }, nullptr, inPage},
    {1, "mmAlignLeft", QT_TRANSLATE_NOOP("CommandTable", "&Left"), "", kHidden,
     {}, [](TMain& w) { w.htmlCommands().mmAlignLeftClick(); }, nullptr, inPage},
    {1, "mmAlignCenter", QT_TRANSLATE_NOOP("CommandTable", "&Center"), "", kCheckable,
     {ToolBar::Html, 7, "tbCenter", QT_TRANSLATE_NOOP("CommandTable", "Center"), kGapBefore | kToggles}, [](TMain& w) { w.htmlCommands().mmAlignCenterClick(); }, isCentred, inPage},
    {1, "mmAlignRight", QT_TRANSLATE_NOOP("CommandTable", "&Right"), "", kCheckable | kSeparatorAfter,
     {ToolBar::Html, 8, "tbRight", QT_TRANSLATE_NOOP("CommandTable", "Right"), kToggles}, [](TMain& w) { w.htmlCommands().mmAlignRightClick(); }, isRightAligned, inPage},
    {1, "mmBR", QT_TRANSLATE_NOOP("CommandTable", "In&sert <br> on [Enter]"), "", kCheckable,
     {ToolBar::Html, 15, "tbBR", QT_TRANSLATE_NOOP("CommandTable", "insert \"<BR>\" on pressing [Enter]"), kGapBefore | kToggles}, [](TMain& w) { w.htmlCommands().mmBRClick(); }, breaksOnEnter, inPage},
    {1, "mmCommentize", QT_TRANSLATE_NOOP("CommandTable", "Commenti&ze the selected text"), "", kNone,
     {}, [](TMain& w) { w.htmlCommands().mmCommentizeClick(); }, nullptr, canCommentize},
    {1, "mmBulletList", QT_TRANSLATE_NOOP("CommandTable", "Bullet &List"), "", kNone,
     {ToolBar::Html, 5, "tbBulletList", QT_TRANSLATE_NOOP("CommandTable", "Bullet List"), kGapBefore}, [](TMain& w) { w.htmlCommands().tbInsertListClick(ListKind::Bullet); }, nullptr, inPage},
    {1, "mmNumbering", QT_TRANSLATE_NOOP("CommandTable", "&Numbering"), "", kSeparatorAfter,
     {}, [](TMain& w) { w.htmlCommands().tbInsertListClick(ListKind::Numbered); }, nullptr, inPage},
    {1, "tbNumbering", "", "", kToolOnly,
     {ToolBar::Html, 6, "tbNumbering", QT_TRANSLATE_NOOP("CommandTable", "Numbering")}, [](TMain& w) { w.htmlCommands().tbInsertListClick(ListKind::Numbered); }, nullptr, inPage},
    {1, "mmInsertObjects", QT_TRANSLATE_NOOP("CommandTable", "&Insert"), "", kNone},
    {2, "mmPicture", QT_TRANSLATE_NOOP("CommandTable", "&Picture"), "", kNone,
     {ToolBar::Html, 9, "tbPicture", QT_TRANSLATE_NOOP("CommandTable", "Picture"), kGapBefore}, [](TMain& w) { w.links().mmPictureClick(); }, nullptr, inPage},
    {2, "mmLink", QT_TRANSLATE_NOOP("CommandTable", "&Link"), "Ctrl+L", kNone,
     {ToolBar::Html, 10, "tbLink", QT_TRANSLATE_NOOP("CommandTable", "Link")}, [](TMain& w) { w.links().mmLinkClick(); }, nullptr, inPage},
    {2, "mmName", QT_TRANSLATE_NOOP("CommandTable", "Link Tar&get"), "", kNone,
     {}, [](TMain& w) { w.links().mmNameClick(); }, nullptr, inPage},
    {2, "mmTable", QT_TRANSLATE_NOOP("CommandTable", "&Table"), "", kNone,
     {ToolBar::Html, 11, "tbTable", QT_TRANSLATE_NOOP("CommandTable", "Insert a Table")}, [](TMain& w) { w.tables().mmTableClick(); }, nullptr, inPage},
    //: Stays English in the Japanese interface.
    {2, "mmDiv", QT_TRANSLATE_NOOP("CommandTable", "<&div ... >.....</div>"), "", kSeparatorAfter,
     {}, [](TMain& w) { w.forms().mmDivClick(); }, nullptr, inPage},
    {1, "mmForm", QT_TRANSLATE_NOOP("CommandTable", "F&orm"), "", kNone},
    {2, "mmNewForm", QT_TRANSLATE_NOOP("CommandTable", "&New Form"), "", kNone,
     {}, [](TMain& w) { w.forms().mmNewFormClick(); }, nullptr, inPage},
    {2, "mmSingleLineInput", QT_TRANSLATE_NOOP("CommandTable", "Single &Line Text Area"), "", kNone,
     {}, [](TMain& w) { w.forms().mmSingleLineInputClick(); }, nullptr, inPage},
    {2, "mmTextArea", QT_TRANSLATE_NOOP("CommandTable", "&Multiple Line TextArea"), "", kNone,
     {}, [](TMain& w) { w.forms().mmTextAreaClick(); }, nullptr, inPage},
    {2, "mmSelect", QT_TRANSLATE_NOOP("CommandTable", "&Select"), "", kNone,
     {}, [](TMain& w) { w.forms().mmSelectClick(); }, nullptr, inPage},
    {2, "mmCheckBox", QT_TRANSLATE_NOOP("CommandTable", "CheckBo&x"), "", kSeparatorAfter,
     {}, [](TMain& w) { w.forms().mmCheckBoxClick(); }, nullptr, inPage},
    {1, "mmCreateBox", QT_TRANSLATE_NOOP("CommandTable", "Create/Edit a Bo&x"), "", kNone,
     {ToolBar::Html, 12, "tbCreateBox", QT_TRANSLATE_NOOP("CommandTable", "Create or edit a box")},
     [](TMain& w) { w.boxes().mmCreateBoxClick(); }, nullptr, inPage},
    {1, "mmHeading", QT_TRANSLATE_NOOP("CommandTable", "&Heading..."), "Ctrl+Shift+H", kNone,
     {}, [](TMain& w) { w.openHeadingBox(); }, nullptr, inPage},
    {1, "mmHTMLFont", QT_TRANSLATE_NOOP("CommandTable", "&Font"), "", kSeparatorAfter,
     {ToolBar::Html, 2, "tbHTMLfont", QT_TRANSLATE_NOOP("CommandTable", "Font")}, [](TMain& w) { w.mmHTMLFontClick(); }, nullptr, inPage},
    {1, "mmRepaintTags", QT_TRANSLATE_NOOP("CommandTable", "Repaint Ta&gs"), "", kNone,
     {ToolBar::Html, 13, "tbRepaint", QT_TRANSLATE_NOOP("CommandTable", "Repaint"), kGapBefore}, [](TMain& w) { w.painter().mmRepaintTagsClick(); }, nullptr, inPage},
    {1, "mmCheckPage", QT_TRANSLATE_NOOP("CommandTable", "Chec&k Page"), "F8", kNone,
     {}, [](TMain& w) { w.mmCheckPageClick(); }, nullptr, inPage},

    // C/C++
    // The captions of the menu and its first item follow the language (UpdateCodingMenu).
    //: Stays English in the Japanese interface.
    {0, "mmCoding", QT_TRANSLATE_NOOP("CommandTable", "&C/C++"), "", kNone,
     {}, nullptr, nullptr, outsidePage},
    //: Stays English in the Japanese interface.
    {1, "mmSetCompiler", QT_TRANSLATE_NOOP("CommandTable", "&Set Borland C++ Compiler"), "", kNone,
     {}, [](TMain& w) { w.programs().mmSetCompilerClick(); }},
    {1, "mmCompilerOption", QT_TRANSLATE_NOOP("CommandTable", "C&ompiler Option"), "", kSeparatorAfter,
     {}, [](TMain& w) { w.programs().mmCompilerOptionClick(); }, nullptr, compiles},
    {1, "mmCompile_and_Execute", QT_TRANSLATE_NOOP("CommandTable", "Com&pile and Execute"), "F9", kShortcutWhenEnabled,
     {ToolBar::Main, 13, "tbCompile", QT_TRANSLATE_NOOP("CommandTable", "Compile and execute current program"), kPlainButton, compiles},
     [](TMain& w) { w.programs().mmCompile_and_ExecuteClick(false); }, nullptr, compiles},
    {1, "mmCompile", QT_TRANSLATE_NOOP("CommandTable", "Co&mpile"), "Ctrl+F9", kNone,
     {}, [](TMain& w) { w.programs().mmCompile_and_ExecuteClick(true); }, nullptr, compiles},
    {1, "mmExecute", QT_TRANSLATE_NOOP("CommandTable", "&Execute"), "", kSeparatorAfter,
     {}, [](TMain& w) { w.programs().mmExecuteClick(); }, nullptr, compiles},
    {1, "mmBreakPoint", QT_TRANSLATE_NOOP("CommandTable", "&Break Point"), "", kNone,
     {ToolBar::Main, 14, "tbInspector", QT_TRANSLATE_NOOP("CommandTable", "Putting a breakpoint and inspecting value of a variable."), kPlainButton, inProgram},
     [](TMain& w) { w.snippets().mmBreakPointClick(); }, nullptr, inProgram},
    {1, "mmInputWizard", QT_TRANSLATE_NOOP("CommandTable", "&Input Wizard"), "", kSeparatorAfter,
     {ToolBar::Main, 15, "tbInputWizard", QT_TRANSLATE_NOOP("CommandTable", "Input Wizard"), kPlainButton, inProgram},
     [](TMain& w) { w.snippets().mmInputWizardClick(); }, nullptr, readsInput},
    {1, "mmCallCodeTemplateList", QT_TRANSLATE_NOOP("CommandTable", "&List of Code Template"), "", kNone,
     {}, [](TMain& w) { w.templates().mmCallCodeTemplateListClick(); }},

    // Tools
    {0, "mmTools", QT_TRANSLATE_NOOP("CommandTable", "&Tools"), "", kNone},
    {1, "mmRefer", QT_TRANSLATE_NOOP("CommandTable", "&Refer Dictionary"), "Ctrl+D", kNone,
     {ToolBar::Main, 11, "tbRefer", QT_TRANSLATE_NOOP("CommandTable", "Refer dictionary"), kGapBefore},
     [](TMain& w) { w.dictionary().mmReferClick(); }},
    {1, "mmCount", QT_TRANSLATE_NOOP("CommandTable", "&Count"), "", kNone,
     {}, [](TMain& w) { w.editingTools().mmCountClick(); }},
    {1, "mmMacroReplace", QT_TRANSLATE_NOOP("CommandTable", "&Macro Replace"), "", kNone,
     {}, [](TMain& w) { w.macros().mmMacroReplaceClick(); }},
    //: Stays English in the Japanese interface.
    {1, "mmCodeTemplate", QT_TRANSLATE_NOOP("CommandTable", "Code &Template"), "Ctrl+J", kHidden,
     {}, [](TMain& w) { w.templates().mmCodeTemplateClick(); }},

    // Option
    {0, "mmOption", QT_TRANSLATE_NOOP("CommandTable", "&Option"), "", kNone},
    {1, "mmChangeDictionary", QT_TRANSLATE_NOOP("CommandTable", "Select &Dictionary"), "", kNone,
     {}, [](TMain& w) { w.dictionary().mmChangeDictionaryClick(); }},
    {1, "mmAutoFileRenamer", QT_TRANSLATE_NOOP("CommandTable", "&Auto File Naming"), "", kCheckable,
     {}, [](TMain& w) { w.documents().mmAutoFileRenamerClick(); }, namesAutomatically},
    {1, "mmSelectDefaultFolder", QT_TRANSLATE_NOOP("CommandTable", "Select Default &Folder"), "", kNone,
     {}, [](TMain& w) { w.documents().mmSelectDefaultFolderClick(); }},
    {1, "mmBackGroundColor", QT_TRANSLATE_NOOP("CommandTable", "&Background Color"), "", kNone,
     {}, [](TMain& w) { w.mmBackGroundColorClick(); }},
    {1, "mmTabWidth", QT_TRANSLATE_NOOP("CommandTable", "&Tab Width..."), "", kNone,
     {}, [](TMain& w) { w.editingTools().mmTabWidthClick(); }},
    {1, "mmProgrammingOptions", QT_TRANSLATE_NOOP("CommandTable", "&Programming Options"), "", kNone,
     {}, [](TMain& w) { w.programs().mmProgrammingOptionsClick(); }},
    {1, "mmWebPageEditOptions", QT_TRANSLATE_NOOP("CommandTable", "&Webpage-Editing Options"), "", kNone,
     {}, [](TMain& w) { w.preview().mmWebPageEditOptionsClick(); }},
    {1, "mmKcode", QT_TRANSLATE_NOOP("CommandTable", "&Output Kanji code"), "", kNone},
    //: Stays English in the Japanese interface.
    {2, "mmSJIS", QT_TRANSLATE_NOOP("CommandTable", "&Shift-JIS"), "", kCheckable,
     {}, [](TMain& w) { w.documents().chooseOutputCode(TextEncoding::ShiftJis); }, savesShiftJis},
    //: Stays English in the Japanese interface.
    {2, "mmEUC", QT_TRANSLATE_NOOP("CommandTable", "&EUC"), "", kCheckable,
     {}, [](TMain& w) { w.documents().chooseOutputCode(TextEncoding::EucJp); }, savesEuc},
    {2, "mmUTF8", QT_TRANSLATE_NOOP("CommandTable", "&UTF-8"), "", kCheckable,
     {}, [](TMain& w) { w.documents().chooseOutputCode(TextEncoding::Utf8); }, savesUtf8},
    {1, "mmNewLineEnds", QT_TRANSLATE_NOOP("CommandTable", "Line Ends of New Do&cuments"), "", kNone},
    {2, "mmNewLF", QT_TRANSLATE_NOOP("CommandTable", "&LF"), "", kCheckable,
     {}, [](TMain& w) { w.documents().chooseNewDocumentLineEnd(LineEnd::Lf); }, endsNewLinesWithLf},
    {2, "mmNewCRLF", QT_TRANSLATE_NOOP("CommandTable", "&CR LF"), "", kCheckable,
     {}, [](TMain& w) { w.documents().chooseNewDocumentLineEnd(LineEnd::CrLf); }, endsNewLinesWithCrLf},
    {1, "mmLanguage", QT_TRANSLATE_NOOP("CommandTable", "&Language"), "", kNone},
    {2, "English", QT_TRANSLATE_NOOP("CommandTable", "&English"), "", kCheckable,
     {}, [](TMain& w) { w.EnglishClick(); }, speaksEnglish},
    {2, "Japanese", QT_TRANSLATE_NOOP("CommandTable", "&Japanese"), "", kCheckable,
     {}, [](TMain& w) { w.JapaneseClick(); }, speaksJapanese},
    {1, "mmAutoRepaint", QT_TRANSLATE_NOOP("CommandTable", "A&uto Repaint"), "", kCheckable,
     {}, [](TMain& w) { w.mmAutoRepaintClick(); }, repaintsAutomatically},
    {1, "mmShowLineNumbers", QT_TRANSLATE_NOOP("CommandTable", "&Show Line Numbers"), "", kCheckable,
     {}, [](TMain& w) { w.mmShowLineNumbersClick(); }, showsLineNumbers},
    {1, "mmEnableMultiUndo", QT_TRANSLATE_NOOP("CommandTable", "&Enable Multi Undo"), "", kCheckable | kSeparatorAfter,
     {}, [](TMain& w) {
       w.undo().mmEnableMultiUndoClick();
       w.showCommandStates();
     }, undoesManySteps},
    {1, "mmRelateTxtFileToThis", QT_TRANSLATE_NOOP("CommandTable", "&Relate an extension to this software"), "", kNone,
     {}, [](TMain& w) { w.mmRelateTxtFileToThisClick(); }},
    {1, "mmSCSendTo", QT_TRANSLATE_NOOP("CommandTable", "Locate shortcut　at \"Se&nd to\""), "", kCheckable,
     {}, [](TMain& w) { w.mmSCSendToClick(); }, offersOpenWith},

    // Help
    {0, "mmHelp", QT_TRANSLATE_NOOP("CommandTable", "&Help"), "", kNone},
    {1, "mmSearch", QT_TRANSLATE_NOOP("CommandTable", "&Search"), "", kNone,
     {}, [](TMain& w) { w.mmSearchClick(); }},
    {1, "mmAbout", QT_TRANSLATE_NOOP("CommandTable", "&About"), "", kNone,
     {}, [](TMain& w) { w.mmAboutClick(); }},

    // The editor's pop-up menu.
    {0, "PopupMenu1", "", "", kPopup},
    {1, "pmCut", QT_TRANSLATE_NOOP("CommandTable", "C&ut"), "", kNone,
     {}, [](TMain& w) { w.view().cut(); }, nullptr, popupCanCutCopy},
    {1, "pmCopy", QT_TRANSLATE_NOOP("CommandTable", "&Copy"), "", kNone,
     {}, [](TMain& w) { w.view().copy(); }, nullptr, popupCanCutCopy},
    {1, "pmPaste", QT_TRANSLATE_NOOP("CommandTable", "&Paste"), "", kNone,
     {}, [](TMain& w) { w.view().paste(); }, nullptr, popupCanPaste},
    {1, "pmSelectAll", QT_TRANSLATE_NOOP("CommandTable", "Select &All"), "", kNone,
     {}, [](TMain& w) { w.view().selectAll(); }},
    {1, "N20", "-", "", kSeparator | kHidden,
     {}, nullptr, nullptr, nullptr, showsPopupGap},
    {1, "pmLinkOpen", QT_TRANSLATE_NOOP("CommandTable", "&Open Linked File"), "", kHidden,
     {}, [](TMain& w) { w.links().pmLinkOpenClick(); }, nullptr, nullptr, showsLinkOpen},
    {1, "pmAddRow", QT_TRANSLATE_NOOP("CommandTable", "Add Ro&w"), "", kHidden | kSeparatorAfter,
     {}, [](TMain& w) { w.tables().pmAddRowClick(); }, nullptr, nullptr, showsAddRow},
    {1, "pmRefer", QT_TRANSLATE_NOOP("CommandTable", "&Refer"), "", kSeparatorAfter,
     {}, [](TMain& w) { w.dictionary().mmReferClick(); }},
    {1, "pmSaveAndExit", QT_TRANSLATE_NOOP("CommandTable", "&Save -> Exit"), "", kNone,
     {}, [](TMain& w) { w.pmSaveAndExitClick(); }},
};

// Items 0 to 5 of the heading box.
const char* const kHeadingBox[] = {
    QT_TRANSLATE_NOOP("CommandTable", "Normal"),
    QT_TRANSLATE_NOOP("CommandTable", "Heading 1"),
    QT_TRANSLATE_NOOP("CommandTable", "Heading 2"),
    QT_TRANSLATE_NOOP("CommandTable", "Heading 3"),
    QT_TRANSLATE_NOOP("CommandTable", "Heading 4"),
    QT_TRANSLATE_NOOP("CommandTable", "Heading 5"),
};
// clang-format on

}  // namespace

std::span<const CommandRow> commandTable() { return kCommands; }

const CommandRow* findCommand(const char* name) {
  for (const CommandRow& row : kCommands)
    if (std::strcmp(row.name, name) == 0 || std::strcmp(row.tool.name, name) == 0) return &row;
  return nullptr;
}

QString captionOf(const CommandRow& row) { return QCoreApplication::translate("CommandTable", row.caption); }

QString hintOf(const CommandRow& row) { return QCoreApplication::translate("CommandTable", row.tool.hint); }

QStringList headingBoxItems() {
  QStringList items;
  for (const char* item : kHeadingBox) items << QCoreApplication::translate("CommandTable", item);
  return items;
}

}  // namespace wrenpad
