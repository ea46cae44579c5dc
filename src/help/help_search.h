// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The help window: a modeless window with three tabs over the help pages,
// the contents tree, the keyword index and a full-text search. A double click
// on an entry opens its page through the page opener (the default browser).
// The window is created once and kept; each show reloads the current tab.

#include "help/help_tree_view.h"

#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QWidget;

namespace wrenpad {

class Dialogs;

class THelpSearch : public QDialog {
  Q_OBJECT
 public:
  enum Tab { ContentsTab = 0, IndexTab = 1, SearchTab = 2 };

  // `dialogs` shows the message of a failed contents load and shows the
  // window for searchFor; `opener` shows a page file.
  THelpSearch(Dialogs& dialogs, THelpTreeView::PageOpener opener, QWidget* parent = nullptr);

  // The folder of the pages (see chooseHelpFolder).
  void setHelpFolder(const QString& folder);
  QString helpFolder() const;
  // The captions again, in the interface language.
  void retranslate();

  // Shows the window on the Search tab with `word` searched: F2 looks up the
  // word at the caret this way.
  void searchFor(const QString& word);
  // The help context of the window for F1: 7 on Contents, 4 on Index, 9 on
  // Search, all the page about the help window; also held as the window's
  // help context property.
  int helpContext() const { return helpContext_; }
  // F1 anywhere: opens the page of a help context number.
  void openContextHelp(int context);

  THelpTreeView& tree() { return *HelpTreeView; }

  // The window's handlers.
  void FormShow();
  void TabControlChange();
  void btnSearchClick();
  void edSearchKeyUp(int key);

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* buildPanel();
  void placePanelOnCurrentTab();
  void centreOnScreen();

  Dialogs& dialogs_;
  QString shownHint_;  // the hint the search field was given last
  bool placed_ = false;
  int helpContext_ = 7;
  QTabWidget* TabControl;
  QWidget* panel_;
  QLabel* lblPrompt;
  QLineEdit* edSearch;
  QPushButton* btnSearch;
  THelpTreeView* HelpTreeView;
};

}  // namespace wrenpad
