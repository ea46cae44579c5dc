// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Program text the Coding menu writes for beginners, in the syntax of each
// language: the inspector's watch block, the input statement of the input
// wizard, the starting text of a new program, and the checks on the names
// a new program is given. Plain functions over text; no widgets.

#include "settings/language_mode.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>

namespace wrenpad {

// The watch block the inspector inserts at a caret in column `indent`: a
// marked comment line, a statement that prints "name = value" for each
// non-empty name (separated by ", "), and a closing comment line. In C/C++
// the program then waits for two key presses. Every line ends with "\r\n".
QString InspectorBlock(LanguageMode mode, int indent, const QStringList& names);

// The Java type word of variable `variable` (an index such as "a[i]" is
// allowed) from its declaration in `textBeforeCaret`: "int" (for int and
// long), "float", "double", "string", or "???" when no declaration is found.
QString DetectJavaType(const QString& textBeforeCaret, const QString& variable);

// The statement that prints `prompt` and reads `variable` from the keyboard;
// `javaType` is DetectJavaType's answer in Java. Empty for Perl.
QString InputStatement(LanguageMode mode, const QString& prompt, const QString& variable,
                       const QString& javaType);

// The starting program of a new document. `className` names the Java class.
QString BuiltInProgramText(LanguageMode mode, const QString& className = QString());

// The class name a new Java program is offered: "J" and the date as digits.
QString ProposedJavaClassName(const QDate& today);

// Why `name` cannot name a Java class (or a Pascal program file, without its
// ".pas"); nothing when it can. Words reserved by the language are refused.
std::optional<QString> JavaClassNameProblem(const QString& name);
std::optional<QString> PascalNameProblem(const QString& name);

}  // namespace wrenpad
