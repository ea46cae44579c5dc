// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What kind of document a file name stands for, by its extension.

#include <QString>
#include <optional>

namespace wrenpad {

enum class DocumentKind { Text, Html, CSource, Java, PerlCgi, Pascal };

// DocumentMode values.
inline constexpr int kTextMode = 0;
inline constexpr int kProgramMode = 1;
inline constexpr int kHtmlMode = 2;

// Extension with its leading point, as written ("" when there is none).
QString extensionOf(const QString& fileName);
// Bare file name: what follows the last '/' (or '\').
QString bareFileName(const QString& fileName);
// Folder part without trailing separator; "" for a bare name; "/" for the root.
QString folderOf(const QString& fileName);

DocumentKind documentKindOf(const QString& fileName);
bool isHtmlFile(const QString& fileName);
bool isProgramFile(const QString& fileName);

// A file name made from a line of the text (Rename As Top Line, automatic
// naming): one name in the current folder, so mark-up, path separators,
// control characters and leading dots go, ".." becomes ".", blanks at both
// ends are trimmed and the name is kept short enough for the file system.
// Nothing when no usable name is left.
std::optional<QString> fileNameFromText(const QString& line);

}  // namespace wrenpad
