// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the help pages are: <data folder>/Help/html holds the Japanese pages,
// <data folder>/Help/html_en the English ones.

#include <QString>
#include <QStringList>

namespace wrenpad {

// The help folder for the interface language: the first data folder whose
// pages of that language are there (a folder holding at least one "*.htm"),
// else the first one with the other language's pages. When no data folder has
// pages, the folder of the language under the first data folder.
QString chooseHelpFolder(const QStringList& dataFolders, bool japanese);

// The help folder of one language under one data folder.
QString helpFolderIn(const QString& dataFolder, bool japanese);

// Whether a help folder holds the Japanese pages (Help/html).
bool holdsJapanesePages(const QString& helpFolder);

}  // namespace wrenpad
