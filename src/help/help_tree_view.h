// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tree of the help window: the contents (chapters and pages), the keyword
// index or the pages a full-text search found, read from the help folder.
// A double click (or Enter) on a chapter opens or closes it; on a page it
// hands the page's file to the page opener, which shows it in the browser.

#include "help/help_contents.h"

#include <QIcon>
#include <QString>
#include <QTreeWidget>
#include <functional>

namespace wrenpad {

class THelpTreeView : public QTreeWidget {
  Q_OBJECT
 public:
  // Shows a page file (full path) to the user.
  using PageOpener = std::function<void(const QString& file)>;

  explicit THelpTreeView(QWidget* parent = nullptr);

  // The folder of the pages and their contents, index and context files.
  void setHelpFolder(const QString& folder) { helpFolder_ = folder; }
  const QString& helpFolder() const { return helpFolder_; }
  void setPageOpener(PageOpener opener) { opener_ = std::move(opener); }

  // Fills the tree from "Contents.txt" (written from the built-in contents
  // when missing). Returns kContentsLoadFailed when the file could not be
  // read, empty otherwise; the tree then holds the built-in contents.
  QString LoadContents();
  // Fills the tree from "Index.txt": sorted, or as written for the Japanese
  // pages.
  void LoadIndex();
  // Fills the tree with the titles of the pages holding `word`.
  void SearchPages(const QString& word);
  // Selects and shows the first entry whose caption starts with `text`, else
  // the first that holds it, without regard to case; an empty text selects
  // nothing.
  void SelectMatching(const QString& text);
  // Hands an existing page file to the opener; a missing one does nothing.
  void OpenPage(const QString& fileName);
  // The help request (F1) for a help context number: opens the page that
  // "HelpContextID.txt" gives it.
  void HelpRequest(int context);

  // What a double click does on the entry: toggles a chapter, opens a page.
  void activateEntry(QTreeWidgetItem* item);
  // The page file of an entry; empty for a chapter.
  static QString pageOf(const QTreeWidgetItem* item);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void loadIcons();
  QIcon iconFromFolder(const QString& name, const QIcon& fallback) const;
  void showEntries(const QList<HelpEntry>& entries);
  void showFlatList(const QList<HelpEntry>& entries);
  void updateChapterIcon(QTreeWidgetItem* item);

  QString helpFolder_;
  PageOpener opener_;
  QIcon closedChapterIcon_;
  QIcon openChapterIcon_;
  QIcon pageIcon_;
};

}  // namespace wrenpad
