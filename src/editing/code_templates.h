// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Code templates: an abbreviation typed in the editor becomes a longer text
// on Ctrl+J. A template list has one template per line: abbreviation, "==>>",
// expansion (lines without "==>>" are remarks). In an expansion, "\n" written
// as backslash and n is a line break that keeps the abbreviation's
// indentation, and the first "|" marks where the caret goes.

#include "settings/language_mode.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace wrenpad {

struct CodeTemplate {
  QString abbreviation;
  QString expansion;
  friend bool operator==(const CodeTemplate&, const CodeTemplate&) = default;
};

// The templates of a list (a file's or the list dialog's text), in order.
// The abbreviation loses its trailing blanks, the expansion its leading
// blanks, and the expansion is cut at 1000 characters.
std::vector<CodeTemplate> ParseTemplateList(const QString& list);

// The template file of a document: web pages and C/C++, Java and Perl
// programs share "CodeTemplateList_C.ini"; Pascal programs have
// "CodeTemplateList_Pascal.ini".
QString TemplateFileName(LanguageMode language, int documentMode);

// What Ctrl+J does at a caret: the typed word [wordStart, wordStart +
// wordLength) is replaced by `text`, and the caret then goes to `caret`.
// Positions are the editor's, with "\r\n" line breaks.
struct TemplateExpansion {
  int wordStart = 0;
  int wordLength = 0;
  QString text;
  int caret = 0;
  friend bool operator==(const TemplateExpansion&, const TemplateExpansion&) = default;
};

// The typed word runs back from the caret to the last blank or tab of its
// line, or to the line's start. The first template whose abbreviation occurs
// in that word is expanded; nothing when no template does (or the word is
// empty). Without a "|" the caret goes after the inserted text.
std::optional<TemplateExpansion> ExpandTemplateAt(const QString& text, int caret,
                                                  const std::vector<CodeTemplate>& templates);

// The list as it is saved: lines sorted without regard to case, blank lines
// dropped, each line ending with "\r\n".
QString SortedTemplateList(const QStringList& lines);

struct TemplateFile {
  QString path;
  QString text;
};

// Template files larger than this are not read.
inline constexpr qint64 kLargestTemplateFile = 1024 * 1024;

// The first readable template file called `fileName` in the folders, in
// order; a file too large or unreadable is passed over. UTF-8, or Shift-JIS
// when the bytes are not valid UTF-8. Nothing when no folder has one.
std::optional<TemplateFile> ReadTemplateFile(const QStringList& folders, const QString& fileName);

// Writes the list in UTF-8, replacing the file only once the whole text is
// written. On failure `error` (when given) says why.
bool WriteTemplateFile(const QString& path, const QString& text, QString* error = nullptr);

}  // namespace wrenpad
