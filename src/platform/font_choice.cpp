#include "platform/font_choice.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>

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

}  // namespace wrenpad
