#include "platform/font_substitution.h"

#include <QFont>
#include <QStringList>

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

}  // namespace wrenpad
