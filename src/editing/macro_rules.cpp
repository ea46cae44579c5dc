// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/macro_rules.h"

#include <QStringList>
#include <algorithm>

namespace wrenpad {

namespace {

const QString kArrow = QStringLiteral("==>>");
constexpr int kLongestRightSide = 1000;
constexpr int kWildcardReach = 100;

QString withLineBreaks(QString side) { return side.replace(QStringLiteral("\\n"), QStringLiteral("\r\n")); }

QString plainRule(const QString& text, const MacroRule& rule) {
  const QString left = rule.left == QStringLiteral("\\n") ? rule.left : withLineBreaks(rule.left);
  QString result = text;
  return result.replace(left, withLineBreaks(rule.right));  // one pass: what it writes is not searched
}

// "P*" ==>> "*S": P and the word after it become the word and S.
QString prefixRule(const QString& text, const QString& prefix, const QString& suffix) {
  QString result;
  qsizetype from = 0;
  for (qsizetype at = text.indexOf(prefix); at >= 0; at = text.indexOf(prefix, from)) {
    const qsizetype wordStart = at + prefix.size();
    const QStringView reach = QStringView(text).mid(wordStart, kWildcardReach);
    qsizetype end = -1;
    for (const QStringView stop : {QStringView(u"  "), QStringView(u"\r\n"), QStringView(u";")}) {
      const qsizetype found = reach.indexOf(stop);
      if (found >= 0 && (end < 0 || found < end)) end = found;
    }
    const qsizetype wordLength = std::max<qsizetype>(0, end);
    result += QStringView(text).mid(from, at - from);
    result += QStringView(text).mid(wordStart, wordLength);
    result += suffix;
    from = wordStart + wordLength;
  }
  result += QStringView(text).mid(from);
  return result;
}

// "*S" ==>> "P*": the word before S and S become P and the word.
QString suffixRule(const QString& text, const QString& prefix, const QString& suffix) {
  QString result;
  qsizetype from = 0;
  for (qsizetype at = text.indexOf(suffix); at >= 0; at = text.indexOf(suffix, from)) {
    const QStringView before = QStringView(text).mid(from, at - from);
    const qsizetype blanks = before.lastIndexOf(u"  ");
    const qsizetype lineBreak = before.lastIndexOf(u"\r\n");
    const qsizetype wordStart = std::max(blanks < 0 ? 0 : blanks + 2, lineBreak < 0 ? 0 : lineBreak + 2);
    result += before.left(wordStart);
    result += prefix;
    result += before.mid(wordStart);
    from = at + suffix.size();
  }
  result += QStringView(text).mid(from);
  return result;
}

}  // namespace

std::vector<MacroRule> ParseMacroList(const QString& list) {
  std::vector<MacroRule> rules;
  for (QString line : list.split(u'\n')) {
    if (line.endsWith(u'\r')) line.chop(1);
    const qsizetype arrow = line.indexOf(kArrow);
    if (arrow < 0) continue;
    rules.push_back({line.left(arrow), line.mid(arrow + kArrow.size()).left(kLongestRightSide)});
  }
  return rules;
}

QString ApplyMacroRules(const QString& text, const std::vector<MacroRule>& rules) {
  QString result = text;
  for (std::size_t i = 0; i < rules.size(); ++i) {
    const MacroRule& rule = rules[i];
    if (rule.left.isEmpty()) {
      if (i + 1 == rules.size()) result += withLineBreaks(rule.right);
      continue;
    }
    const qsizetype star = rule.left.indexOf(u'*');
    if (star < 0) {
      result = plainRule(result, rule);
    } else if (star >= 2) {
      const QString prefix = rule.left.left(star);
      const qsizetype rightStar = rule.right.indexOf(u'*');
      result = prefixRule(result, prefix, rightStar < 0 ? rule.right : rule.right.mid(rightStar + 1));
    } else {
      const QString suffix = rule.left.mid(star + 1);
      const qsizetype rightStar = rule.right.indexOf(u'*');
      if (!suffix.isEmpty())
        result = suffixRule(result, rightStar < 0 ? rule.right : rule.right.left(rightStar), suffix);
    }
  }
  return result;
}

}  // namespace wrenpad
