// SPDX-License-Identifier: GPL-3.0-or-later
#include "html/text_to_html.h"

#include "colouring/paint_guards.h"
#include "documents/document_kind.h"
#include "documents/document_state.h"
#include "editor/editor_control.h"
#include "page/box_command.h"
#include "platform/dialogs.h"
#include "text/text_helpers.h"

#include <algorithm>

namespace wrenpad {

namespace {

const QString kLineBreak = QStringLiteral("\r\n");
const QString kNextRow = QStringLiteral("\r\n<tr>\r\n<td>");
const QString kCell = QStringLiteral("<td>");
const QString kScriptElement = QStringLiteral("<script language=\"JavaScript\"><!--\r\n\r\n// --></script>\r\n");
const QString kUntitledPage = QStringLiteral("Untitled.htm");

// A caret position within the text, never between the CR and LF of a line
// break (the caret goes after the break).
int caretInText(const QString& text, int caret) {
  caret = std::clamp(caret, 0, int(text.size()));
  if (caret > 0 && caret < text.size() && text[caret - 1] == u'\r' && text[caret] == u'\n') ++caret;
  return caret;
}

// Reads a comma-separated text field by field.
class CsvReader {
 public:
  explicit CsvReader(const QString& text) : text_(text) {}

  QString rows() {
    for (qsizetype i = 0; i < text_.size(); ++i) i = step(i);
    endCell(QString());
    return out_;
  }

 private:
  // Takes the character at `i` (and the one after, for "" and CR LF); gives
  // the last position taken.
  qsizetype step(qsizetype i) {
    const QChar c = text_[i];
    const bool next = i + 1 < text_.size();
    if (quoted_) {
      if (c != u'"') {
        cell_ += c;
      } else if (next && text_[i + 1] == u'"') {
        cell_ += c;
        return i + 1;
      } else {
        quoted_ = false;
      }
      return i;
    }
    if (c == u'"' && atFieldStart_) {
      quoted_ = true;
      atFieldStart_ = false;
    } else if (c == u',') {
      endCell(kCell);
    } else if (c == u'\r' && next && text_[i + 1] == u'\n') {
      endCell(kNextRow);
      return i + 1;
    } else if (c == u'\n') {
      endCell(kNextRow);
    } else {
      cell_ += c;
      atFieldStart_ = false;
    }
    return i;
  }

  void endCell(const QString& separator) {
    out_ += TextToHtmlBody(cell_) + separator;
    cell_.clear();
    atFieldStart_ = true;
  }

  const QString& text_;
  QString out_;
  QString cell_;
  bool quoted_ = false;
  bool atFieldStart_ = true;
};

QString firstLineOf(const QString& text) { return text.section(kLineBreak, 0, 0); }

}  // namespace

QString TextToHtmlBody(const QString& text) {
  return EscapeElementText(text).replace(kLineBreak, QStringLiteral("<br>\r\n"));
}

QString CsvToHtmlRows(const QString& text) { return CsvReader(text).rows(); }

QString HtmlPageHead(const HtmlSkeleton& skeleton) {
  const QString charset = skeleton.charset.isEmpty() ? QString() : QStringLiteral("; charset=") + skeleton.charset;
  QString head = QStringLiteral(
      "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">\r\n<html>\r\n<head>\r\n"
      "<meta http-equiv=\"content-type\" content=\"text/html%1\">\r\n<title>").arg(charset);
  head += skeleton.title + QStringLiteral("</title>") + kLineBreak;
  if (skeleton.javaScript) head += kScriptElement;
  head += skeleton.styleBlock + QStringLiteral("</head>") + kLineBreak + QStringLiteral("<body>") + kLineBreak;
  if (skeleton.table)
    head += QStringLiteral("<table border = \"2\" cellspacing = \"2\" cellpadding = \"2\">") + kLineBreak +
            QStringLiteral("<tr>") + kLineBreak + kCell;
  return head;
}

QString HtmlPageTail(bool table) {
  const QString end = QStringLiteral("</body>\r\n</html>");
  return table ? QStringLiteral("</table>\r\n") + end : end;
}

HtmlConversion ConvertTextToHtml(const QString& text, bool csv, const HtmlSkeleton& skeleton) {
  // The line break that ends a file's last line ends its last row; it starts
  // no empty row of its own.
  const bool endsLine = csv && text.endsWith(QStringLiteral("\r\n"));
  QString body = csv ? CsvToHtmlRows(endsLine ? text.chopped(2) : text) + (endsLine ? kLineBreak : QString())
                     : TextToHtmlBody(text);
  if (body.size() < 3) body += QStringLiteral("\r\n\r\n\r\n");
  const int firstTagEnd = int(body.indexOf(u'>')) + 1;  // 1-based, 0 for none
  HtmlSkeleton parts = skeleton;
  parts.table = csv;
  const QString head = HtmlPageHead(parts);
  HtmlConversion conversion;
  conversion.page = head + body + HtmlPageTail(csv);
  conversion.caret = caretInText(conversion.page, int(head.size()) + firstTagEnd + 2);
  return conversion;
}

QString HtmlDocumentName(const QString& fileName, const QString& folder) {
  QString name = fileName;
  if (!name.contains(u'/') && !name.contains(u'\\') && !folder.isEmpty())
    name = folder + (folder.endsWith(u'/') ? QString() : QStringLiteral("/")) + name;
  name.chop(extensionOf(name).size());
  return name + QStringLiteral(".htm");
}

// ---- the command --------------------------------------------------------------------

TextToHtmlCommand::TextToHtmlCommand(TextToHtmlContext context) : c_(std::move(context)) {}

void TextToHtmlCommand::mmModifyAsHTMLfileClick() {
  if (c_.document.DocumentMode == kHtmlMode) return;
  const QString text = c_.editor.text();
  PageSettingValues shown = c_.pageSettings ? c_.pageSettings() : PageSettingValues{};
  if (c_.screenFonts) shown.fontNames = c_.screenFonts();
  // The title box shows the title as the page will hold it.
  shown.title = EscapeElementText(firstLineOf(text));
  c_.document.DocumentFontName = QStringLiteral("ＭＳ Ｐゴシック");
  if (c_.readFontContext) c_.readFontContext();
  const std::optional<PageSettingValues> chosen = c_.dialogs.askForm(c_.form, shown);
  int caret = 3;  // after Cancel: the head counts one character, the first tag none
  const QString charset = c_.newPageCharset ? c_.newPageCharset() : QString();
  if (c_.startNewDocument) c_.startNewDocument();
  if (chosen) {
    const ChangeWatchOff quiet(c_.session);
    if (chosen->useJavaScript && c_.reloadTemplates) c_.reloadTemplates();
    const bool csv = extensionOf(c_.document.CurrentFileName) == u".csv";
    const HtmlConversion conversion = ConvertTextToHtml(
        text, csv, {chosen->title, chosen->useJavaScript, PageStyleBlockFor(*chosen), csv, charset});
    if (chosen->colourChosen) c_.editor.setBackground(chosen->background);
    c_.editor.replaceText(conversion.page);
    caret = conversion.caret;
  }
  becomeWebPage(caret);
}

// The document becomes an HTML document named "Untitled.htm" in the current
// folder, whatever the dialog's answer.
void TextToHtmlCommand::becomeWebPage(int caret) {
  c_.document.CurrentFileName = kUntitledPage;
  c_.editor.setSelStart(std::min(1, c_.editor.textLength()));
  if (c_.switchToWebPage) c_.switchToWebPage();
  if (c_.document.DocumentMode == kHtmlMode) {
    const QString name = HtmlDocumentName(c_.document.CurrentFileName, c_.document.CurrentFolder);
    c_.document.CurrentFileName = name;
    if (c_.setDocumentTitle) c_.setDocumentTitle(name);
  }
  c_.session.ChangeWatch = true;
  c_.editor.setSelStart(caretInText(c_.editor.text(), caret));
}

}  // namespace wrenpad
