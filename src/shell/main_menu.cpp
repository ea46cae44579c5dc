#include "shell/main_menu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace wrenpad {

namespace {

enum Flags : unsigned {
  kNone = 0,
  kCheckable = 1,
  kChecked = 2 | kCheckable,
  kHidden = 4,
  kDisabled = 8,   // disabled by design, whatever its handler
};

// depth 0: a top-level menu; 1: an item of it; 2: an item of a sub-menu.
// A row followed by a deeper row is a sub-menu. Name "-" is a separator.
struct MenuRow {
  int depth;
  const char* name;
  const char* caption;
  const char* shortcut;
  unsigned flags;
};

// clang-format off
const MenuRow kMainMenu[] = {
  {0, "mmFile", "&File", "", kNone},
  {1, "mmNew", "&New", "", kNone},
  {1, "mmOpen", "&Open...", "", kNone},
  {1, "mmSave", "&Save", "Ctrl+S", kNone},
  {1, "mmSaveAs", "Save &As...", "", kNone},
  {1, "-", "", "", kNone},
  {1, "mmSetDefaultFolder", "&Default folder", "", kNone},
  {1, "mmRenameAsTopLine", "&Rename As Top Line", "", kNone},
  {1, "-", "", "", kNone},
  {1, "mmPrinterSetup", "Printer Setup", "", kNone},
  {1, "mmPrint", "&Print...", "Ctrl+P", kNone},
  {1, "-", "", "", kNone},
  {1, "mmExit", "E&xit", "", kNone},
  {0, "mmEdit", "&Edit", "", kNone},
  {1, "mmUndo", "&Undo", "Ctrl+Z", kNone},
  {1, "mmRedo", "&Redo", "", kNone},
  {1, "-", "", "", kNone},
  {1, "mmCut", "Cu&t", "Ctrl+X", kNone},
  {1, "mmCopy", "&Copy", "Ctrl+C", kNone},
  {1, "mmPaste", "&Paste", "Ctrl+V", kNone},
  {1, "mmSelectAll", "&Select All", "Ctrl+A", kNone},
  {1, "-", "", "", kNone},
  {1, "mmFind", "&Find...", "Ctrl+F", kNone},
  {1, "mmReplace", "R&eplace...", "Ctrl+R", kNone},
  {1, "-", "", "", kNone},
  {1, "mmFont", "F&ont", "", kNone},
  {0, "mmHTML", "HT&ML", "", kNone},
  {1, "mmModifyAsHTMLfile", "&Modify as a HTML file", "", kNone},
  {1, "mmPageSettings", "&Page Settings", "", kNone},
  {1, "mmDisplayAsWebPage", "&Display as a Web Page", "F9", kNone},
  {1, "-", "", "", kNone},
  {1, "mmBold", "Bold", "Ctrl+B", kNone},
  {1, "mmItalic", "Italic", "Ctrl+I", kNone},
  {1, "mmUnderline", "Underline", "Ctrl+U", kNone},
  {1, "mmSuperscript", "Su&perscript", "", kNone},
  {1, "mmSubscript", "&Subscript", "", kNone},
  {1, "-", "", "", kNone},
  {1, "mmAlignLeft", "&Left", "", kHidden},
  {1, "mmAlignCenter", "&Center", "", kCheckable},
  {1, "mmAlignRight", "&Right", "", kCheckable},
  {1, "-", "", "", kNone},
  {1, "mmBR", "Insert <br> on [Enter]", "", kChecked},
  {1, "mmCommentize", "Commentize the selected text", "", kDisabled},
  {1, "mmBulletList", "&Bullet List", "", kNone},
  {1, "mmNumbering", "&Numbering", "", kNone},
  {1, "-", "", "", kNone},
  {1, "mmInsertObjects", "&Insert", "", kNone},
  {2, "mmPicture", "&Picture", "", kNone},
  {2, "mmLink", "&Link", "Ctrl+L", kNone},
  {2, "mmName", "Link &Target", "", kNone},
  {2, "mmTable", "&Table", "", kNone},
  {2, "mmDiv", "<&div ... >.....</div>", "", kNone},
  {1, "-", "", "", kNone},
  {1, "mmForm", "F&orm", "", kNone},
  {2, "mmNewForm", "&New Form", "", kNone},
  {2, "mmSingleLineInput", "Single Line Text Area", "", kNone},
  {2, "mmTextArea", "Multiple Line TextArea", "", kNone},
  {2, "mmSelect", "&Select", "", kNone},
  {2, "mmCheckBox", "CheckBo&x", "", kNone},
  {1, "-", "", "", kNone},
  {1, "mmCreateBox", "Create/Edit a Box", "", kNone},
  {1, "mmHTMLFont", "&Font", "", kNone},
  {1, "-", "", "", kNone},
  {1, "mmRepaintTags", "&Repaint Tags", "", kNone},
  {0, "mmCoding", "&C/C++", "", kNone},
  {1, "mmSetCompiler", "&Set Borland C++ Compiler", "", kNone},
  {1, "mmCompilerOption", "&Compiler Option", "", kNone},
  {1, "-", "", "", kNone},
  {1, "mmCompile_and_Execute", "Com&pile and Execute", "F9", kNone},
  {1, "mmCompile", "Co&mpile", "Ctrl+F9", kNone},
  {1, "mmExecute", "&Execute", "", kNone},
  {1, "-", "", "", kNone},
  {1, "mmBreakPoint", "&Break Point", "", kNone},
  {1, "mmInputWizard", "&Input Wizard", "", kNone},
  {1, "-", "", "", kNone},
  {1, "mmCallCodeTemplateList", "&List of Code Template", "", kNone},
  {0, "mmTools", "&Tools", "", kNone},
  {1, "mmRefer", "&Refer Dictionary", "Ctrl+D", kNone},
  {1, "mmCount", "&Count", "", kNone},
  {1, "mmMacroReplace", "&Macro Replace", "", kNone},
  {1, "mmCodeTemplate", "Code &Template", "Ctrl+J", kHidden},
  {0, "mmOption", "&Option", "", kNone},
  {1, "mmChangeDictionary", "&Select Dictionary", "", kNone},
  {1, "mmAutoFileRenamer", "&Auto File Naming", "", kChecked},
  {1, "mmSelectDefaultFolder", "&Select Default Folder", "", kNone},
  {1, "mmBackGroundColor", "&Background Color", "", kNone},
  {1, "mmTabWidth", "&Tab Width...", "", kNone},
  {1, "mmProgrammingOptions", "&Programming Options", "", kNone},
  {1, "mmWebPageEditOptions", "&Webpage-Editing Options", "", kNone},
  {1, "mmKcode", "&Output Kanji code", "", kNone},
  {2, "mmSJIS", "&Shift-JIS", "", kCheckable},
  {2, "mmEUC", "&EUC", "", kCheckable},
  {1, "mmLanguage", "&Language", "", kNone},
  {2, "English", "&English", "", kCheckable},
  {2, "Japanese", "&Japanese", "", kCheckable},
  {1, "mmAutoRepaint", "&Auto Repaint", "", kChecked},
  {1, "mmEnableMultiUndo", "&Enable Multi Undo", "", kCheckable},
  {1, "-", "", "", kNone},
  {1, "mmRelateTxtFileToThis", "&Relate an extention to this software", "", kNone},
  {1, "mmSCSendTo", "&Locate shortcut\u3000at \"Send to\"", "", kCheckable},
  {0, "mmHelp", "&Help", "", kNone},
  {1, "mmSearch", "&Search", "", kNone},
  {1, "mmAbout", "&About", "", kNone},
};

const MenuRow kPopupMenu[] = {
  {1, "pmCut", "C&ut", "", kNone},
  {1, "pmCopy", "&Copy", "", kNone},
  {1, "pmPaste", "&Paste", "", kNone},
  {1, "pmSelectAll", "Select &All", "", kNone},
  {1, "N20", "-", "", kHidden},
  {1, "pmLinkOpen", "&Open Linked File", "", kHidden},
  {1, "pmAddRow", "&Add Row", "", kHidden},
  {1, "-", "", "", kNone},
  {1, "pmRefer", "&Refer", "", kNone},
  {1, "-", "", "", kNone},
  {1, "pmSaveAndExit", "&Save -> Exit", "", kNone},
};
// clang-format on

}  // namespace

void connectOwnedCheck(QAction* action, const Handler& handler) {
  if (!action->isCheckable()) {
    QObject::connect(action, &QAction::triggered, action, handler);
    return;
  }
  QObject::connect(action, &QAction::triggered, action, [action, handler] {
    action->setChecked(!action->isChecked());
    handler();
  });
}

namespace {

QAction* makeItem(QMenu& menu, const MenuRow& row, const HandlerTable& handlers) {
  const QString name = QString::fromUtf8(row.name);
  QAction* action = nullptr;
  if (name == u"-" || QString::fromUtf8(row.caption) == u"-") {
    action = menu.addSeparator();
  } else {
    action = menu.addAction(QString::fromUtf8(row.caption));
    if (*row.shortcut) action->setShortcut(QKeySequence(QString::fromLatin1(row.shortcut)));
    action->setCheckable(row.flags & kCheckable);
    action->setChecked((row.flags & kChecked) == kChecked);
    const auto handler = handlers.constFind(name);
    const bool bound = handler != handlers.constEnd();
    // Items without a command stay disabled; kDisabled items start disabled.
    action->setEnabled(bound && !(row.flags & kDisabled));
    if (bound) connectOwnedCheck(action, *handler);
  }
  action->setObjectName(name);
  action->setVisible(!(row.flags & kHidden));
  return action;
}

template <std::size_t N>
void buildRows(QMenu* top, const MenuRow (&rows)[N], QMenuBar* bar,
               const HandlerTable& handlers, ActionTable& actions) {
  QMenu* menus[3] = {nullptr, top, nullptr};
  for (std::size_t i = 0; i < N; ++i) {
    const MenuRow& row = rows[i];
    const QString name = QString::fromUtf8(row.name);
    const bool opensSubMenu = i + 1 < N && rows[i + 1].depth > row.depth;
    if (row.depth == 0) {
      if (!bar) continue;
      menus[1] = bar->addMenu(QString::fromUtf8(row.caption));
      menus[1]->setObjectName(name);
      actions.insert(name, menus[1]->menuAction());
    } else if (opensSubMenu) {
      menus[2] = menus[1]->addMenu(QString::fromUtf8(row.caption));
      menus[2]->setObjectName(name);
      actions.insert(name, menus[2]->menuAction());
    } else {
      QAction* action = makeItem(*menus[row.depth], row, handlers);
      if (name != u"-") actions.insert(name, action);
    }
  }
}

}  // namespace

void buildMainMenu(QMenuBar& bar, const HandlerTable& handlers, ActionTable& actions) {
  buildRows(nullptr, kMainMenu, &bar, handlers, actions);
}

void buildPopupMenu(QMenu& menu, const HandlerTable& handlers, ActionTable& actions) {
  buildRows(&menu, kPopupMenu, nullptr, handlers, actions);
}

}  // namespace wrenpad
