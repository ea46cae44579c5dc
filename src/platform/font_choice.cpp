// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/font_choice.h"

#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>
#include <QListView>
#include <QStringList>
#include <QStringListModel>
#include <cstdlib>
#include <limits>

namespace wrenpad {

namespace {

// The style `drawn` names as the family lists it: the name itself when
// listed, else the listed style of the same weight and slant. A name the
// list lacks would open the dialog on its first style, often an italic one.
QString listedStyleOf(const QFontInfo& drawn) {
  const QString family = drawn.family();
  const QStringList styles = QFontDatabase::styles(family);
  if (styles.contains(drawn.styleName())) return drawn.styleName();
  for (const QString& style : styles)
    if (QFontDatabase::weight(family, style) == drawn.weight() &&
        QFontDatabase::italic(family, style) == drawn.italic())
      return style;
  return drawn.styleName();
}

}  // namespace

QFont installedFontOf(const QFont& used) {
  const QFontInfo drawn(used);
  QFont opened(drawn.family());
  opened.setStyleName(listedStyleOf(drawn));
  opened.setWeight(QFont::Weight(drawn.weight()));
  opened.setItalic(drawn.italic());
  opened.setPointSizeF(used.pointSizeF() > 0 ? used.pointSizeF() : drawn.pointSizeF());
  opened.setUnderline(used.underline());
  opened.setStrikeOut(used.strikeOut());
  return opened;
}

QFont fontChosenFrom(const QFont& used, const QFont& opened, const QFont& shown) {
  if (shown.family() != opened.family()) return shown;
  QFont kept = used;
  kept.setPointSizeF(shown.pointSizeF());
  kept.setUnderline(shown.underline());
  kept.setStrikeOut(shown.strikeOut());
  if (shown.styleName() != opened.styleName()) {
    kept.setWeight(shown.weight());
    kept.setItalic(shown.italic());
  }
  return kept;
}

QString uprightStyleOf(const QString& family) {
  // Among styles alike, the one Qt draws for the bare family name.
  const QString plain = QFontInfo(QFont(family)).styleName();
  QString best;
  int bestScore = std::numeric_limits<int>::max();
  for (const QString& style : QFontDatabase::styles(family)) {
    const int score = (QFontDatabase::italic(family, style) ? 100000 : 0) +
                      2 * std::abs(QFontDatabase::weight(family, style) - int(QFont::Normal)) +
                      (style == plain ? 0 : 1);
    if (score < bestScore) {
      best = style;
      bestScore = score;
    }
  }
  return best;
}

namespace {
// The dialog's list of the styles of `family`: the list view showing them.
QListView* styleListOf(QFontDialog& dialog, const QString& family) {
  const QStringList styles = QFontDatabase::styles(family);
  for (QListView* list : dialog.findChildren<QListView*>()) {
    const auto* model = qobject_cast<QStringListModel*>(list->model());
    if (model && !styles.isEmpty() && model->stringList() == styles) return list;
  }
  return nullptr;
}
}  // namespace

void showUprightStyleOfEachFamily(QFontDialog& dialog) {
  QObject::connect(&dialog, &QFontDialog::currentFontChanged, &dialog,
                   [&dialog, family = dialog.currentFont().family()](const QFont& shown) mutable {
                     if (shown.family() == family) return;
                     family = shown.family();
                     QListView* list = styleListOf(dialog, family);
                     if (!list) return;
                     const auto* model = static_cast<QStringListModel*>(list->model());
                     const int row = model->stringList().indexOf(uprightStyleOf(family));
                     // Selecting the row, as a click does, updates the sample and the font.
                     if (row >= 0) list->setCurrentIndex(model->index(row));
                   });
}

}  // namespace wrenpad
