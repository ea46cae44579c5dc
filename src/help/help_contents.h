// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The help pages as data, without widgets: the contents tree read from
// "Contents.txt", the keyword index from "Index.txt", the full-text search
// over the "*.htm" pages of the help folder, and the page that F1 opens for a
// help context number ("HelpContextID.txt").
//
// A contents or index line reads "caption = page name"; the page file is the
// page name with every blank removed plus ".htm", so "Menu Commands" opens
// MenuCommands.htm. A contents line without "=" is a chapter. The nesting
// level of a contents line is the number of tabs or blanks before its text.
//
// Every list here holds any number of entries.

#include <QList>
#include <QString>
#include <QStringView>

namespace wrenpad {

inline const QString kContentsFileName = QStringLiteral("Contents.txt");
inline const QString kIndexFileName = QStringLiteral("Index.txt");
inline const QString kHelpContextFileName = QStringLiteral("HelpContextID.txt");
// The page shown for a context number the context file does not name.
// "index", not "introduction": a page of that name beside "Introduction.htm"
// would be lost on a FAT or NTFS stick, where names differ in more than case.
inline const QString kDefaultHelpPage = QStringLiteral("index");
inline const QString kContentsLoadFailed = QStringLiteral("Sorry, failed to load contents file.");

// One entry of the contents tree, the index or the search results.
struct HelpEntry {
  int level = 0;    // 0 at the top
  QString caption;  // what the tree shows
  QString page;     // file name in the help folder ("As_an_IDE.htm"); empty for a chapter

  friend bool operator==(const HelpEntry&, const HelpEntry&) = default;
};

// A line of a contents file as written: its level and its text.
struct ContentsLine {
  int level = 0;
  QString text;
};

// "Menu Commands" -> "MenuCommands.htm"; empty for an empty name.
QString pageFileName(QStringView pageName);

// The entry of one line's text (without its indentation): caption before the
// first "=", page after it; a text without "=" is a chapter.
HelpEntry entryFromText(QStringView text, int level = 0);

// The entries of a contents file. A line deeper than one level below the
// line before it is taken as that line's child; blank lines are skipped.
QList<HelpEntry> parseContents(const QString& fileText);

// The contents a help folder without "Contents.txt" starts with.
QList<ContentsLine> builtInContentsLines();
// Contents lines as a file: one tab per level before each text.
QString contentsFileText(const QList<ContentsLine>& lines);

struct ContentsLoad {
  QList<HelpEntry> entries;
  QString error;  // kContentsLoadFailed when the file could not be read
};

// Reads "Contents.txt" of the folder. When the file is missing and the folder
// exists, the built-in contents are written to it first. When the file cannot
// be read (nor written), the built-in contents are given with the error.
ContentsLoad loadContents(const QString& helpFolder);

// How index entries are listed: English ones sorted without regard to case;
// Japanese ones as the file has them, in reading order, which no sort by
// character codes gives.
enum class IndexOrder { Sorted, AsWritten };

// The entries of an index file: the lines holding "=", all at the top level.
QList<HelpEntry> parseIndex(const QString& fileText, IndexOrder order = IndexOrder::Sorted);
// "Index.txt" of the folder; nothing when it is missing or unreadable.
QList<HelpEntry> loadIndex(const QString& helpFolder, IndexOrder order = IndexOrder::Sorted);

// The entry a word typed over an index selects: the first whose caption
// starts with the word, else the first that holds it, both without regard
// to case; -1 when none does or the word is empty.
int matchingEntry(const QStringList& captions, const QString& typed);

// The text of the page's <title> element (tags found without regard to case,
// white space folded, the common character references resolved); empty when
// the page has none.
QString pageTitle(const QString& pageText);

// The pages among the "*.htm" files of the folder, in file-name order, whose
// text holds `word` exactly (case-sensitive, mark-up included). Each gives
// its title as caption, or its file name when it has no title. Pages are
// read as UTF-8, or as Shift-JIS when they are not valid UTF-8; a file too
// large for a help page is skipped. An empty word finds nothing.
QList<HelpEntry> searchPages(const QString& helpFolder, const QString& word);

// The path of the page file `fileName` in the folder: the file of that name,
// else one whose name differs only in case (the pages and their lists come
// from a file system that ignores case); empty when there is neither.
QString findPageFile(const QString& helpFolder, const QString& fileName);

// The page file F1 opens for a help context: "HelpContextID.txt", section
// "ID", key = the number (0 or less counts as 1), value = page name without
// ".htm"; "index" when the number is missing, and also when the page
// it names is not in the folder. Names are matched as findPageFile does.
QString contextPagePath(const QString& helpFolder, int context);

}  // namespace wrenpad
