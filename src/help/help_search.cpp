// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/help_search.h"

#include "documents/document_state.h"
#include "help/help_context.h"
#include "platform/dialogs.h"
#include "platform/form_widgets.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QVBoxLayout>

namespace wrenpad {
namespace {

// The Search tab has a number of its own: 5 is the programming page's.
constexpr int kContextOfTab[3] = {7, 4, 9};

}  // namespace

THelpSearch::THelpSearch(Dialogs& dialogs, THelpTreeView::PageOpener opener, QWidget* parent)
    : QDialog(parent), dialogs_(dialogs) {
  setObjectName(QStringLiteral("HelpSearch"));
  setModal(false);
  TabControl = new QTabWidget(this);
  TabControl->setObjectName(QStringLiteral("TabControl"));
  for (int tab = 0; tab < 3; ++tab) {
    auto* page = new QWidget(TabControl);
    new QVBoxLayout(page);
    TabControl->addTab(page, QString());
  }
  panel_ = buildPanel();
  HelpTreeView->setPageOpener(std::move(opener));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(TabControl);
  retranslate();
  placePanelOnCurrentTab();
  connect(TabControl, &QTabWidget::currentChanged, this, [this] {
    placePanelOnCurrentTab();
    TabControlChange();
  });
  connect(btnSearch, &QPushButton::clicked, this, &THelpSearch::btnSearchClick);
  edSearch->installEventFilter(this);
  setHelpContext(*this, helpContext_);
  resize(404, 408);
}

QWidget* THelpSearch::buildPanel() {
  auto* panel = new QWidget(this);
  lblPrompt = new QLabel(panel);
  lblPrompt->setObjectName(QStringLiteral("lblPrompt"));
  lblPrompt->setWordWrap(true);
  edSearch = namedField(panel, QStringLiteral("edSearch"));
  btnSearch = new QPushButton(panel);
  btnSearch->setObjectName(QStringLiteral("btnSearch"));
  btnSearch->setDefault(true);  // Enter in the field searches
  HelpTreeView = new THelpTreeView(panel);
  auto* searchRow = new QHBoxLayout;
  searchRow->addWidget(edSearch, 1);
  searchRow->addWidget(btnSearch);
  auto* layout = new QVBoxLayout(panel);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(lblPrompt);
  layout->addLayout(searchRow);
  layout->addWidget(HelpTreeView, 1);
  return panel;
}

void THelpSearch::setHelpFolder(const QString& folder) { HelpTreeView->setHelpFolder(folder); }

QString THelpSearch::helpFolder() const { return HelpTreeView->helpFolder(); }

void THelpSearch::retranslate() {
  setWindowTitle(tr("Help"));
  TabControl->setTabText(ContentsTab, tr("Contents"));
  TabControl->setTabText(IndexTab, tr("Index"));
  TabControl->setTabText(SearchTab, tr("Search", "tab"));
  lblPrompt->setText(tr("Please double-click topics you want to read."));
  btnSearch->setText(tr("Search", "button"));
  edSearch->setAccessibleName(tr("Key word"));
  HelpTreeView->setAccessibleName(tr("Topics"));
  HelpTreeView->setAccessibleDescription(lblPrompt->text());
  // The hint follows the language; a word the user typed stays.
  const QString hint = tr("Enter a key word here.");
  if (edSearch->text().isEmpty() || edSearch->text() == shownHint_) edSearch->setText(hint);
  shownHint_ = hint;
}

void THelpSearch::placePanelOnCurrentTab() {
  TabControl->currentWidget()->layout()->addWidget(panel_);
  panel_->show();
}

void THelpSearch::searchFor(const QString& word) {
  dialogs_.showModeless(*this);
  if (TabControl->currentIndex() != SearchTab) TabControl->setCurrentIndex(SearchTab);
  else TabControlChange();
  edSearch->setText(word);
  btnSearchClick();
  if (QTreeWidgetItem* first = HelpTreeView->topLevelItem(0)) HelpTreeView->setCurrentItem(first);
}

void THelpSearch::openContextHelp(int context) { HelpTreeView->HelpRequest(context); }

void THelpSearch::FormShow() {
  retranslate();
  btnSearch->setEnabled(false);
  TabControlChange();
}

void THelpSearch::TabControlChange() {
  btnSearch->setEnabled(false);
  const int tab = TabControl->currentIndex();
  helpContext_ = kContextOfTab[tab];
  setHelpContext(*this, helpContext_);
  switch (tab) {
    case ContentsTab:
      if (!HelpTreeView->LoadContents().isEmpty())
        dialogs_.showMessage(kApplicationTitle, tr("Sorry, failed to load contents file."));
      edSearch->setEnabled(false);
      break;
    case IndexTab:
      HelpTreeView->LoadIndex();
      edSearch->setEnabled(true);
      break;
    default:
      btnSearch->setEnabled(true);
      edSearch->setEnabled(true);
      HelpTreeView->clear();
      break;
  }
  // On the Index and Search tabs the word is typed at once, over the hint.
  if (tab != ContentsTab && isVisible()) {
    edSearch->setFocus();
    edSearch->selectAll();
  }
}

void THelpSearch::btnSearchClick() { HelpTreeView->SearchPages(edSearch->text()); }

// Typing in the field shows the entries it matches; the focus stays in the
// field so the word can be typed on.
void THelpSearch::edSearchKeyUp(int key) {
  if (key == Qt::Key_Delete || key == Qt::Key_Backspace) return;
  HelpTreeView->SelectMatching(edSearch->text());
}

void THelpSearch::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous()) return;
  if (!placed_) centreOnScreen();
  FormShow();
}

bool THelpSearch::eventFilter(QObject* watched, QEvent* event) {
  if (watched == edSearch && event->type() == QEvent::KeyRelease) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (!key->isAutoRepeat()) edSearchKeyUp(key->key());
  }
  return QDialog::eventFilter(watched, event);
}

void THelpSearch::centreOnScreen() {
  placed_ = true;
  const QScreen* shown = screen();
  if (!shown) return;
  QRect frame = frameGeometry();
  frame.moveCenter(shown->availableGeometry().center());
  move(frame.topLeft());
}

}  // namespace wrenpad
