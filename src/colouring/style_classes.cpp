// SPDX-License-Identifier: GPL-3.0-or-later
#include "colouring/style_classes.h"

#include "text/text_helpers.h"

namespace wrenpad {

namespace {

QString WithoutBlanks(QString selector) {
  selector.removeIf([](QChar c) { return c == u' ' || c == u'\r' || c == u'\n' || c == u'\t'; });
  // The comment marks that hide a block from old browsers may stand before
  // a rule: a rule added after the block's "-->" line is still a rule.
  if (selector.startsWith(QStringLiteral("-->"))) selector.remove(0, 3);
  if (selector.startsWith(QStringLiteral("<!--"))) selector.remove(0, 4);
  return selector;
}

// The selector texts of the block: before the first "{" (after the style
// tag's ">"), and then between each "}" and the next "{".
QStringList Selectors(const QString& block) {
  QStringList selectors;
  const qsizetype tagEnd = block.indexOf(u'>');
  qsizetype from = tagEnd < 0 ? 0 : tagEnd + 1;
  for (qsizetype brace = block.indexOf(u'{', from); brace >= 0;) {
    selectors.append(block.mid(from, brace - from));
    const qsizetype close = block.indexOf(u'}', brace);
    if (close < 0) break;
    from = close + 1;
    brace = block.indexOf(u'{', from);
  }
  return selectors;
}

}  // namespace

QStringList CollectStyleClasses(const QString& text) {
  const QString block =
      ExtractBetween(QStringLiteral("<style"), QStringLiteral("</style>"), text);
  QStringList classes;
  for (const QString& selector : Selectors(block)) {
    const QString compact = WithoutBlanks(selector);
    if (!compact.startsWith(u'.') || compact.size() == 1) continue;
    const int nameEnd = WholeCharacterPosition(compact, 1 + kStyleClassLength);
    classes.append(compact.mid(1, nameEnd - 1));
    if (classes.size() == kStyleClassRows) break;
  }
  return classes;
}

QStringList FillStyleClassList(const QStringList& styleClassTable) {
  QStringList items;
  for (const QString& name : styleClassTable) {
    if (name.isEmpty() || items.size() == kStyleClassRows) break;
    items.append(name);
  }
  return items;
}

}  // namespace wrenpad
