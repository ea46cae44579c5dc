// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/help_tree_view.h"

#include "help/help_folder.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QStyle>

namespace wrenpad {
namespace {

constexpr int kPageRole = Qt::UserRole;

QTreeWidgetItem* newItem(const HelpEntry& entry, const QIcon& icon) {
  auto* item = new QTreeWidgetItem(QStringList{entry.caption});
  item->setData(0, kPageRole, entry.page);
  item->setIcon(0, icon);
  return item;
}

}  // namespace

THelpTreeView::THelpTreeView(QWidget* parent) : QTreeWidget(parent) {
  setObjectName(QStringLiteral("HelpTreeView"));
  setHeaderHidden(true);
  setColumnCount(1);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setRootIsDecorated(false);  // the book pictures show what opens
  setExpandsOnDoubleClick(false);
  setSelectionMode(QAbstractItemView::SingleSelection);
  loadIcons();
  connect(this, &QTreeWidget::itemDoubleClicked, this,
          [this](QTreeWidgetItem* item) { activateEntry(item); });
  // Chapters opened by any means (keys, a selection made visible) show the open book.
  connect(this, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* item) { updateChapterIcon(item); });
  connect(this, &QTreeWidget::itemCollapsed, this, [this](QTreeWidgetItem* item) { updateChapterIcon(item); });
}

QString THelpTreeView::LoadContents() {
  loadIcons();
  const ContentsLoad load = loadContents(helpFolder_);
  showEntries(load.entries);
  return load.error;
}

void THelpTreeView::LoadIndex() {
  loadIcons();
  showFlatList(loadIndex(helpFolder_, holdsJapanesePages(helpFolder_) ? IndexOrder::AsWritten : IndexOrder::Sorted));
}

void THelpTreeView::SearchPages(const QString& word) {
  loadIcons();
  showFlatList(searchPages(helpFolder_, word));
}

void THelpTreeView::SelectMatching(const QString& text) {
  QList<QTreeWidgetItem*> items;
  QStringList captions;
  for (QTreeWidgetItemIterator it(this); *it; ++it) {
    items << *it;
    captions << (*it)->text(0);
  }
  const int match = matchingEntry(captions, text);
  if (match < 0) return;
  setCurrentItem(items[match]);
  scrollToItem(items[match]);
}

void THelpTreeView::OpenPage(const QString& fileName) {
  if (opener_ && QFileInfo(fileName).isFile()) opener_(fileName);
}

void THelpTreeView::HelpRequest(int context) { OpenPage(contextPagePath(helpFolder_, context)); }

void THelpTreeView::activateEntry(QTreeWidgetItem* item) {
  if (!item) return;
  if (item->childCount() > 0) {
    item->setExpanded(!item->isExpanded());
  } else if (const QString page = pageOf(item); !page.isEmpty()) {
    OpenPage(findPageFile(helpFolder_, page));
  }
  viewport()->update();
}

QString THelpTreeView::pageOf(const QTreeWidgetItem* item) {
  return item ? item->data(0, kPageRole).toString() : QString();
}

void THelpTreeView::keyPressEvent(QKeyEvent* event) {
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentItem()) {
    activateEntry(currentItem());
    return;
  }
  QTreeWidget::keyPressEvent(event);
}

void THelpTreeView::loadIcons() {
  const QStyle* s = style();
  closedChapterIcon_ = iconFromFolder(QStringLiteral("bookshut.png"), s->standardIcon(QStyle::SP_DirClosedIcon));
  openChapterIcon_ = iconFromFolder(QStringLiteral("bookopen.png"), s->standardIcon(QStyle::SP_DirOpenIcon));
  pageIcon_ = iconFromFolder(QStringLiteral("helpindex.png"), s->standardIcon(QStyle::SP_FileIcon));
}

QIcon THelpTreeView::iconFromFolder(const QString& name, const QIcon& fallback) const {
  if (helpFolder_.isEmpty()) return fallback;
  const QString path = QDir(helpFolder_).filePath(name);
  if (!QFileInfo(path).isFile()) return fallback;
  const QIcon icon(path);
  return icon.availableSizes().isEmpty() ? fallback : icon;
}

// Builds the tree from entries in file order: each entry's parent is the
// last entry before it one level up.
void THelpTreeView::showEntries(const QList<HelpEntry>& entries) {
  clear();
  QList<QTreeWidgetItem*> parents;
  for (const HelpEntry& entry : entries) {
    parents.resize(qMin<qsizetype>(entry.level, parents.size()));
    QTreeWidgetItem* item = newItem(entry, pageIcon_);
    if (parents.isEmpty()) addTopLevelItem(item);
    else parents.last()->addChild(item);
    parents.append(item);
  }
  for (QTreeWidgetItemIterator it(this); *it; ++it) updateChapterIcon(*it);
}

void THelpTreeView::showFlatList(const QList<HelpEntry>& entries) {
  clear();
  QList<QTreeWidgetItem*> items;
  items.reserve(entries.size());
  for (const HelpEntry& entry : entries) items.append(newItem(entry, pageIcon_));
  addTopLevelItems(items);
}

void THelpTreeView::updateChapterIcon(QTreeWidgetItem* item) {
  if (item->childCount() == 0) return;
  item->setIcon(0, item->isExpanded() ? openChapterIcon_ : closedChapterIcon_);
}

}  // namespace wrenpad
