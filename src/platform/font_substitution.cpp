// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/font_substitution.h"

#include <QFont>
#include <QFontDatabase>

namespace wrenpad {

void installFontSubstitutions() {
  const QStringList proportionalGothic = {
      QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic"),
      QStringLiteral("Noto Sans CJK JP"), QStringLiteral("VL PGothic"),
      QStringLiteral("TakaoPGothic"), QStringLiteral("DejaVu Sans")};
  const QStringList fixedGothic = {
      QStringLiteral("IPAGothic"), QStringLiteral("Noto Sans Mono CJK JP"),
      QStringLiteral("VL Gothic"), QStringLiteral("TakaoGothic"),
      QStringLiteral("DejaVu Sans Mono")};
  QFont::insertSubstitutions(QStringLiteral("ＭＳ Ｐゴシック"), proportionalGothic);
  QFont::insertSubstitutions(QStringLiteral("MS PGothic"), proportionalGothic);
  QFont::insertSubstitutions(QStringLiteral("ＭＳ ゴシック"), fixedGothic);
  QFont::insertSubstitutions(QStringLiteral("MS Gothic"), fixedGothic);
  // Latin faces first, then a Japanese face for the characters they lack.
  QFont::insertSubstitutions(QStringLiteral("Times New Roman"),
                             {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif"),
                              QStringLiteral("IPAPGothic")});
  QFont::insertSubstitutions(QStringLiteral("Courier New"),
                             {QStringLiteral("Liberation Mono"),
                              QStringLiteral("DejaVu Sans Mono"), QStringLiteral("IPAGothic")});
}

namespace {

bool namesDesignFace(const QString& face) {
  return face.isEmpty() || face == QStringLiteral("ＭＳ ゴシック") || face == QStringLiteral("MS Gothic") ||
         face == QStringLiteral("Courier New");
}

}  // namespace

QString programFace(const QString& chosenFace, const QStringList& installedFamilies) {
  if (!namesDesignFace(chosenFace)) return chosenFace;
  // Each draws U+005C as a backslash; the first has Japanese glyphs of its own.
  for (const char* face : {"Noto Sans Mono CJK JP", "DejaVu Sans Mono", "Liberation Mono"})
    if (installedFamilies.contains(QLatin1String(face))) return QLatin1String(face);
  return QStringLiteral("monospace");
}

QString programFace(const QString& chosenFace) {
  if (!namesDesignFace(chosenFace)) return chosenFace;
  // The installed faces do not change during a run: looked up once.
  static const QString face = programFace(QString(), QFontDatabase::families());
  return face;
}

}  // namespace wrenpad
