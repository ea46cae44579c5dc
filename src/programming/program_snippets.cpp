// SPDX-License-Identifier: GPL-3.0-or-later
#include "programming/program_snippets.h"

#include <QCoreApplication>
#include <QSet>

namespace wrenpad {
namespace {

const QString kLineEnd = QStringLiteral("\r\n");

// The pieces of one language's watch statement: its comment marks, the text
// up to the opening quote, the name-and-value item, the separator between
// items and the text after the last item.
struct WatchSyntax {
  QString open;
  QString close;
  QString start;
  QString separator;
  QString finish;
};

WatchSyntax watchSyntax(LanguageMode mode, const QString& indent) {
  switch (mode) {
    case LanguageMode::Java:
      return {"/*", "*/", "  System.out.print(\" ", " + \", ", " + \"\\n\");"};
    case LanguageMode::Perl:
      return {"#", "#", "  print \"<h4>", ".\", ", ".\"</h4>\\n\";"};
    case LanguageMode::Pascal:
      return {"(*", "*)", "  Writeln('", ", ', ", ");"};
    case LanguageMode::Cpp:
      break;
  }
  return {"/*", "*/", "  cout << \"", " << \", ", " << endl;" + kLineEnd + indent + "  getchar(); getchar();"};
}

// `text` as it may stand inside a double-quoted C, C++ or Java string.
QString inDoubleQuotes(const QString& text) {
  QString quoted = text;
  quoted.replace('\\', "\\\\");
  quoted.replace('"', "\\\"");
  return quoted;
}

// `text` inside a Perl string, where "$" and "@" would interpolate a value.
QString inPerlQuotes(const QString& text) {
  QString quoted;
  for (const QChar c : text) {
    if (c == '\\' || c == '"' || c == '$' || c == '@') quoted += '\\';
    quoted += c;
  }
  return quoted;
}

// `text` inside a Pascal string, where a quote is written twice.
QString inPascalQuotes(const QString& text) {
  QString quoted = text;
  quoted.replace('\'', "''");
  return quoted;
}

// The printed label and the value of one watched name.
QString watchItem(LanguageMode mode, const QString& name) {
  switch (mode) {
    case LanguageMode::Java:
      return inDoubleQuotes(name) + " = \" + " + name;
    case LanguageMode::Perl:
      return inPerlQuotes(name) + " = \"." + name;
    case LanguageMode::Pascal:
      return inPascalQuotes(name) + " = ', " + name;
    case LanguageMode::Cpp:
      break;
  }
  return inDoubleQuotes(name) + " = \" << " + name;
}

// A declaration with blanks at both ends and every tab, line break or "{"
// turned into a blank, so a type word at a line start is found like one
// after a blank.
QString blankedDeclaration(const QString& declaration) {
  QString text = " " + declaration + " ";
  for (QChar& c : text) {
    if (c == '\t' || c == '\n' || c == '\r' || c == '{') c = ' ';
  }
  return text;
}

bool declares(const QString& declaration, const QString& typeWord) {
  return declaration.contains(" " + typeWord + " ") || declaration.contains("(" + typeWord + " ");
}

// What makes `name` unusable as an identifier of the tools here, if
// anything: 1 empty, 2 a leading digit, 3 a character outside the ASCII
// letters, digits and `extra`.
int identifierFault(const QString& name, const QString& extra) {
  if (name.isEmpty()) return 1;
  if (name.front().isDigit()) return 2;
  for (const QChar c : name) {
    const bool asciiLetter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    const bool digit = c >= '0' && c <= '9';
    if (!asciiLetter && !digit && c != '_' && !extra.contains(c)) return 3;
  }
  return 0;
}

}  // namespace

QString InspectorBlock(LanguageMode mode, int indent, const QStringList& names) {
  const QString blanks(qMax(indent, 0), ' ');
  const WatchSyntax syntax = watchSyntax(mode, blanks);

  QStringList items;
  for (const QString& name : names) {
    const QString trimmed = name.trimmed();
    if (!trimmed.isEmpty()) items << watchItem(mode, trimmed);
  }
  // Without a name the opening string is simply closed, so the statement
  // still compiles and prints an empty line.
  const QChar quote = mode == LanguageMode::Pascal ? '\'' : '"';
  const QString body = items.isEmpty() ? QString(quote) : items.join(syntax.separator);

  return syntax.open + "------------------ Inspector -------------------" + syntax.close + kLineEnd +  //
         blanks + syntax.start + body + syntax.finish + kLineEnd +                                     //
         blanks + syntax.open + "------------------------------------------------" + syntax.close + kLineEnd;
}

QString DetectJavaType(const QString& textBeforeCaret, const QString& variable) {
  const QString base = variable.section('[', 0, 0);
  qsizetype first = -1;
  if (!base.isEmpty()) {
    for (const QChar follower : {QChar('['), QChar(' '), QChar(')'), QChar(','), QChar(';')}) {
      const qsizetype at = textBeforeCaret.indexOf(" " + base + follower);
      if (at >= 0 && (first < 0 || at < first)) first = at;
    }
  }
  QString declaration = first < 0 ? textBeforeCaret : textBeforeCaret.left(first);
  declaration = blankedDeclaration(declaration.mid(declaration.lastIndexOf(';') + 1));

  if (declares(declaration, "int") || declares(declaration, "long")) return "int";
  if (declares(declaration, "float")) return "float";
  if (declares(declaration, "double")) return "double";
  if (declares(declaration, "String")) return "string";
  return "???";
}

QString InputStatement(LanguageMode mode, const QString& prompt, const QString& variable,
                       const QString& javaType) {
  switch (mode) {
    case LanguageMode::Cpp:
      return "cout << \"" + inDoubleQuotes(prompt) + "\"; cin >> " + variable + ";" + kLineEnd;
    case LanguageMode::Java: {
      const QString print = "System.out.print(\"" + inDoubleQuotes(prompt) + "\"); ";
      if (javaType == "string") return print + variable + " = br.readLine(); ";
      // An unknown type stays "???" so the compiler points the user at it.
      const QString wrapper = javaType == "int" ? QStringLiteral("Integer")
                                                : javaType.left(1).toUpper() + javaType.mid(1);
      return print + "S = br.readLine(); " + variable + " = " + wrapper + ".valueOf(S)." + javaType + "Value();";
    }
    case LanguageMode::Pascal:
      return "Write('" + inPascalQuotes(prompt) + "'); Readln(" + variable + ");";
    case LanguageMode::Perl:
      break;
  }
  return {};
}

QString BuiltInProgramText(LanguageMode mode, const QString& className) {
  QStringList lines;
  switch (mode) {
    case LanguageMode::Cpp:
      lines = {"#include <cstdio>",
               "#include <cmath>",
               "#include <cstring>",
               "#include <iostream>",
               "#include <fstream>",
               "using namespace std;",
               "",
               "int main()",
               "{",
               "  ",
               "  ",
               "  cout << \"Press Enter to exit.\\n\";",
               "  getchar();",
               "  return 0;",
               "}"};
      break;
    case LanguageMode::Perl:
      lines = {"#!/usr/bin/perl",
               "",
               "print \"Content-type: text/html\\n\\n\";",
               "print \"<html>\\n\";",
               "print \"<body>\\n\";",
               "print \"\";",
               "print \"</body>\\n\";",
               "print \"</html>\\n\";",
               "__END__"};
      break;
    case LanguageMode::Java:
      lines = {"import java.io.*;",
               "public class " + className,
               "{",
               "  public static void main(String args[]) throws IOException",
               "  {",
               "    String S;",
               "    InputStreamReader in = new InputStreamReader(System.in);",
               "    BufferedReader br = new BufferedReader(in);",
               "    System.out.println(\"---------------------------------\");",
               "  }",
               "}"};
      break;
    case LanguageMode::Pascal:
      lines = {"var S: String;", "", "begin", "  Writeln('Press any key.');", "end."};
      break;
  }
  return lines.join(kLineEnd) + kLineEnd;
}

QString ProposedJavaClassName(const QDate& today) {
  return "J" + today.toString("yyyyMMdd");
}

std::optional<QString> JavaClassNameProblem(const QString& name) {
  // Keywords, the literal words, and the names Java reserves for types.
  static const QSet<QString> reserved = {
      "abstract", "assert",     "boolean",   "break",     "byte",         "case",      "catch",
      "char",     "class",      "const",     "continue",  "default",      "do",        "double",
      "else",     "enum",       "extends",   "final",     "finally",      "float",     "for",
      "goto",     "if",         "implements", "import",   "instanceof",   "int",       "interface",
      "long",     "native",     "new",       "package",   "private",      "protected", "public",
      "return",   "short",      "static",    "strictfp",  "super",        "switch",    "synchronized",
      "this",     "throw",      "throws",    "transient", "try",          "void",      "volatile",
      "while",    "_",          "true",      "false",     "null",         "var",       "yield",
      "record",   "sealed",     "permits"};
  switch (identifierFault(name, "$")) {
    case 1:
      return QCoreApplication::translate("ProgramSnippets",
                                         "The class name is empty: enter a name for the Java class.");
    case 2:
      return QCoreApplication::translate(
                 "ProgramSnippets",
                 "The class name \"%1\" cannot be used: a Java class name must start with a letter.")
          .arg(name);
    case 3:
      return QCoreApplication::translate("ProgramSnippets",
                                         "The class name \"%1\" cannot be used: it may hold only the letters "
                                         "A to Z, digits, \"_\" and \"$\".")
          .arg(name);
  }
  if (reserved.contains(name)) {
    return QCoreApplication::translate("ProgramSnippets",
                                       "The class name \"%1\" cannot be used: it is a reserved word of Java.")
        .arg(name);
  }
  return std::nullopt;
}

std::optional<QString> PascalNameProblem(const QString& name) {
  // Standard Pascal's reserved words and the ones Free Pascal adds, all in
  // lower case; Pascal ignores the case of a word.
  static const QSet<QString> reserved = {
      "and",    "array",    "begin",  "case",  "const",  "div",       "do",     "downto",    "else",
      "end",    "file",     "for",    "function", "goto", "if",       "in",     "label",     "mod",
      "nil",    "not",      "of",     "or",    "packed", "procedure", "program", "record",   "repeat",
      "set",    "then",     "to",     "type",  "until",  "var",       "while",  "with",      "class",
      "object", "unit",     "uses",   "interface", "implementation", "string", "shl", "shr", "xor"};
  switch (identifierFault(name, {})) {
    case 1:
      return QCoreApplication::translate("ProgramSnippets",
                                         "The program name is empty: enter a name for the Pascal program.");
    case 2:
      return QCoreApplication::translate(
                 "ProgramSnippets",
                 "The program name \"%1\" cannot be used: a Pascal name must start with a letter.")
          .arg(name);
    case 3:
      return QCoreApplication::translate("ProgramSnippets",
                                         "The program name \"%1\" cannot be used: it may hold only the letters "
                                         "A to Z, digits and \"_\".")
          .arg(name);
  }
  if (reserved.contains(name.toLower())) {
    return QCoreApplication::translate("ProgramSnippets",
                                       "The program name \"%1\" cannot be used: it is a reserved word of Pascal.")
        .arg(name);
  }
  return std::nullopt;
}

}  // namespace wrenpad
