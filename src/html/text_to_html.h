// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Modify as a HTML file: turns the plain text being edited into a whole page
// (the text's lines as "<br>" lines, or a comma-separated file as a table,
// inside a page skeleton with a title, an optional script element and a style
// block from the page settings) and makes the document an HTML document.
// The conversion is plain functions over strings; the command applies it.

#include "page/page_setting_dialog.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace wrenpad {

class Dialogs;
class EditorControl;
struct DocumentState;
struct SessionState;

// The text escaped, each CR LF ending a "<br>" line.
QString TextToHtmlBody(const QString& text);

// A comma-separated text as table rows after the table's first "<td>": cells
// joined by "<td>", rows by "\r\n<tr>\r\n<td>". A field in double quotes may
// hold commas and line breaks (a line break there becomes "<br>\r\n"), and
// "" inside it stands for one quote; cell texts are escaped.
QString CsvToHtmlRows(const QString& text);

struct HtmlSkeleton {
  QString title;
  bool javaScript = false;  // an empty script element in the head
  QString styleBlock;       // "<style ...>" through "</style>" and its line break
  bool table = false;       // the body is the rows of a table
  QString charset;          // the code the meta tag declares; none when empty
};

// From "<!DOCTYPE" through "<body>\r\n" (and the table's first cell).
QString HtmlPageHead(const HtmlSkeleton& skeleton);
// After the body text: the table's end when there is one, "</body>", "</html>".
QString HtmlPageTail(bool table);

struct HtmlConversion {
  QString page;
  int caret = 0;  // after the body's first line break tag (or row start)
};

// The whole page for `text`; a body shorter than three characters gets three
// line breaks, so the page has room to type in.
HtmlConversion ConvertTextToHtml(const QString& text, bool csv, const HtmlSkeleton& skeleton);

// The name an HTML document takes: in `folder` when the name has no folder,
// with the extension ".htm".
QString HtmlDocumentName(const QString& fileName, const QString& folder);

struct TextToHtmlContext {
  EditorControl& editor;
  Dialogs& dialogs;
  DocumentState& document;
  SessionState& session;
  // The page-settings dialog, owned by the window and kept between uses,
  // and the values it shows (those the page-settings command last read).
  ValueForm<PageSettingValues>& form;
  std::function<PageSettingValues()> pageSettings;
  // Not read: the captions follow the interface language (text/translation.h).
  std::function<QStringList()> screenFonts;
  // The window's reading of the font context at the caret (may be empty).
  std::function<void()> readFontContext;
  // Makes the document an HTML document (mode, menus, tool bar) and
  // recolours the whole text.
  std::function<void()> switchToWebPage;
  // Gives the document its name and the window its title.
  std::function<void(const QString& name)> setDocumentTitle;
  // Reloads the code-template list (a page with a script offers JavaScript's).
  std::function<void()> reloadTemplates;
  // The charset the new page declares (may be empty: none), asked before
  // the document becomes one; then the document stops being the file it was
  // read from, since the page is a new document.
  std::function<QString()> newPageCharset;
  std::function<void()> startNewDocument;
};

class TextToHtmlCommand {
 public:
  explicit TextToHtmlCommand(TextToHtmlContext context);

  // Menu item mmModifyAsHTMLfile. Nothing in an HTML document. After Cancel
  // the text stays as it is, but the document still becomes "Untitled.htm".
  void mmModifyAsHTMLfileClick();

 private:
  void becomeWebPage(int caret);

  TextToHtmlContext c_;
};

}  // namespace wrenpad
