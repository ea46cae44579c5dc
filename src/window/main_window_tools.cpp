// SPDX-License-Identifier: GPL-3.0-or-later
// The window's part in the commands that came with the page forms, boxes and
// the text-to-page conversion, and in the help, the dictionary and the
// desktop: each is made here with the narrow context it needs.
#include "window/main_window.h"

#include "colouring/tag_painter.h"
#include "documents/document_commands.h"
#include "documents/shell_integration.h"
#include "editing/dictionary.h"
#include "editing/enhanced_edit.h"
#include "editing/template_commands.h"
#include "editor/editor_control.h"
#include "help/help_context.h"
#include "help/help_folder.h"
#include "help/help_search.h"
#include "html/form_commands.h"
#include "html/forms/form_dialogs.h"
#include "html/text_to_html.h"
#include "page/box_command.h"
#include "page/box_setting_dialog.h"
#include "page/page_settings.h"
#include "page/preview/browser_window.h"
#include "platform/dialogs.h"
#include "platform/window_placement.h"
#include "programming/terminal.h"
#include "text/translation.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QUrl>

namespace wrenpad {

namespace {

// Help context numbers of the program's own forms, by object name; the
// editor and the window have theirs set where they are made.
struct FormHelpContext {
  const char* objectName;
  int context;
};
constexpr FormHelpContext kFormHelpContexts[] = {
    {"ProgrammingOptions", 5}, {"HtmlPageSetting", 6}, {"WebPageEditOptions", 8},
    {"InspectionDialog", 5},   {"InputWizardDialog", 5}, {"BoxSetting", 6},
};

}  // namespace

void TMain::createHelp() {
  helpSearch_ = new THelpSearch(dialogs_, [this](const QString& file) { openHelpPage(file); }, this);
  setHelpContext(*this, 6);
  setHelpContext(*Editor->widget(), 1);
  // F1 answers in every window of the program, modal forms included.
  qApp->installEventFilter(this);
}

// The help pages of the interface's language, from the first data folder
// that has them.
void TMain::showHelpInLanguage() {
  helpSearch_->retranslate();
  helpSearch_->setHelpFolder(chooseHelpFolder(listFolders(paths_), interfaceIsJapanese()));
}

void TMain::mmSearchClick() { dialogs_.showModeless(*helpSearch_); }

// A help page opens in the program's own help viewer, beside the help
// window; only links to other sites go to the user's browser.
void TMain::openHelpPage(const QString& file) {
  if (!helpSearch_->isVisible()) dialogs_.showModeless(*helpSearch_);
  TBrowser& viewer = helpViewer();
  viewer.showAddress(file);
  viewer.activateWindow();
}

TBrowser& TMain::helpViewer() {
  if (!helpViewer_) {
    helpViewer_ = std::make_unique<TBrowser>();
    helpViewer_->setObjectName(QStringLiteral("HelpViewer"));
    helpViewer_->setHelpUse({[this] { return helpViewerPlace(); },
                             [this](const QUrl& page) { preview().OpenInOutsideBrowser(page.toString()); }});
  }
  return *helpViewer_;
}

// The help window moves to the left edge of the screen; the viewer takes
// the rest of the width (the whole screen when too little is left).
QRect TMain::helpViewerPlace() {
  const QScreen* shown = helpSearch_->screen();
  if (!shown) return {};
  const QRect area = shown->availableGeometry();
  QRect help = helpSearch_->frameGeometry();
  help.moveTopLeft(area.topLeft());
  if (helpSearch_->isVisible()) helpSearch_->move(help.topLeft());
  constexpr int kNarrowest = 320;
  const int left = help.right() + 1;
  if (area.right() - left < kNarrowest) return area;
  return QRect(QPoint(left, area.top()), area.bottomRight());
}

void TMain::mmRelateTxtFileToThisClick() { subsystems_->shell().mmRelateTxtFileToThisClick(); }

void TMain::mmSCSendToClick() { session_.SendToShortcut = subsystems_->shell().mmSCSendToClick(session_.SendToShortcut); }

// The page for the control or form that has the keyboard.
void TMain::showContextHelp() {
  QWidget* focus = QApplication::focusWidget();
  QWidget* form = focus ? focus->window() : QApplication::activeWindow();
  if (form && !form->property("helpContext").isValid())
    for (const FormHelpContext& known : kFormHelpContexts)
      if (form->objectName() == QLatin1String(known.objectName)) setHelpContext(*form, known.context);
  helpSearch_->openContextHelp(helpContextOf(focus ? focus : form));
}

void TMain::lookUpInHelp(const QString& word) { helpSearch_->searchFor(word); }

// The dictionary takes the right half of the screen; the editor the left.
void TMain::placeOnLeftHalf() {
  // Where the compositor places windows itself, the editor keeps its place and size.
  if (!placementsApply()) return;
  const QRect screen = this->screen()->availableGeometry();
  showNormal();
  setGeometry(screen.x(), screen.y(), screen.width() / 2, screen.height() - 30);
}

// A size saved at another scale (or a client area as large as the screen)
// can leave the frame larger than the screen, its status bar below the
// bottom edge: once the window manager has framed the window, the frame is
// made to fit.
void TMain::fitFrameOnScreen() {
  if (!placementsApply() || isMaximized() || isFullScreen() || !screen()) return;
  const QRect client = geometry();
  const QRect frame = frameGeometry();
  const QMargins margins(client.left() - frame.left(), client.top() - frame.top(),
                         frame.right() - client.right(), frame.bottom() - client.bottom());
  const QRect fitted = wrenpad::fitFrameOnScreen(client, margins, screen()->availableGeometry());
  if (fitted == client) return;
  resize(fitted.size());
  move(fitted.topLeft() - QPoint(margins.left(), margins.top()));
}

bool TMain::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && helpSearch_) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier && !key->isAutoRepeat()) {
      showContextHelp();
      return true;
    }
    if (watched == static_cast<QObject*>(HeaderComboBox) && key->key() == Qt::Key_Escape) {
      Editor->setFocus();
      return true;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

void TMain::goToLineNumberBox() {
  EnhancedEdit1->setFocus(Qt::ShortcutFocusReason);
  EnhancedEdit1->selectAll();
}

void TMain::openHeadingBox() {
  HeaderComboBox->setFocus(Qt::ShortcutFocusReason);
  HeaderComboBox->showPopup();
}

}  // namespace wrenpad
