// SPDX-License-Identifier: GPL-3.0-or-later
#include "page/box_command.h"

#include "colouring/style_classes.h"
#include "documents/document_state.h"
#include "editor/editor_control.h"
#include "page/style_block.h"
#include "platform/dialogs.h"
#include "text/colour_names.h"
#include "text/text_change.h"
#include "text/text_helpers.h"

#include <QCoreApplication>

namespace wrenpad {

namespace {

const QString kDefaultPageFont = QStringLiteral("ＭＳ Ｐゴシック");

QString colourText(const QColor& colour) { return ColorToText(u'#' + RgbHex(RgbOf(colour))); }

// Reads one class's declarations, noting what cannot be read.
class ClassReader {
 public:
  ClassReader(const QString& block, const QString& selector, BoxClassReading& reading)
      : block_(block), selector_(selector), reading_(reading) {}

  void read() {
    BoxClassValues& v = reading_.values;
    const QString border = property("border-style").toLower();
    v.borderStyle = kBoxBorderStyles.contains(border) ? border : kBoxBorderStyles.first();
    if (const QString background = property("background-color"); !background.isEmpty())
      readColour(background, "background-color", v.background);
    if (const QString padding = property("padding"); !padding.isEmpty()) {
      bool whole = false;
      const int points = SplitNumberUnit(padding).number.toInt(&whole);
      if (whole)
        v.padding = points;
      else
        note(padding, "padding");
    }
    readFont();
  }

 private:
  QString property(const char* name) const {
    return GetStyleProperty(block_, selector_, QString::fromLatin1(name));
  }

  void note(const QString& text, const char* where) {
    //: A property of a style rule: "padding of .my_box".
    const QString place = QCoreApplication::translate("BoxCommand", "%1 of %2");
    reading_.problems << QStringLiteral("\"%1\" (%2)").arg(text, place.arg(QString::fromLatin1(where), selector_));
  }

  void readColour(const QString& text, const char* where, QColor& into) {
    if (const std::optional<RgbColour> rgb = ColorFromText(text))
      into = QColorOf(*rgb);
    else
      note(text, where);
  }

  void readFont() {
    FontFrameValues& font = reading_.values.font;
    const StyleFont style = ReadFontFromStyle(block_, selector_);
    font.sizeAsWritten.clear();
    if (style.size) ReadFontSize(*style.size, font);
    font.colour = Qt::black;
    if (style.colour) readColour(*style.colour, "color", font.colour);
    if (style.family) font.fontName = *style.family;
  }

  const QString& block_;
  const QString& selector_;
  BoxClassReading& reading_;
};

qsizetype find(const QString& page, const char* tag) {
  return page.indexOf(QLatin1String(tag), 0, Qt::CaseInsensitive);
}

// The style block with the class written: the old block replaced, or a new
// one at the end of the head (a head made before "<body" when missing).
TextChange styleBlockChange(const QString& page, const QString& selector, const BoxRequest& request) {
  if (const std::optional<QString> block = PageStyleBlockIn(page)) {
    const qsizetype at = page.indexOf(*block);
    return {int(at), int(block->size()), WriteBoxClass(*block, selector, request.box)};
  }
  // A new block holds the class alone: the page's own settings are the page settings' business.
  const QString block = WriteBoxClass(QStringLiteral("<style type=\"text/css\">\r\n</style>\r\n"), selector, request.box);
  if (const qsizetype headEnd = find(page, "</head"); headEnd >= 0) return {int(headEnd), 0, block};
  const qsizetype body = find(page, "<body");
  return {int(std::max<qsizetype>(body, 0)), 0, QStringLiteral("<head>\r\n") + block + QStringLiteral("</head>\r\n")};
}

bool splitsLineBreak(const QString& text, qsizetype at) {
  return at > 0 && at < text.size() && text[at - 1] == u'\r' && text[at] == u'\n';
}

// The one stretch where `after` differs from `before`, never starting or
// ending inside a CR LF.
void setSplice(BoxEdit& edit, const QString& before) {
  const QString& after = edit.page;
  const qsizetype shorter = std::min(before.size(), after.size());
  qsizetype prefix = 0;
  while (prefix < shorter && before[prefix] == after[prefix]) ++prefix;
  while (splitsLineBreak(before, prefix) || splitsLineBreak(after, prefix)) --prefix;
  qsizetype suffix = 0;
  while (suffix < shorter - prefix && before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix]) ++suffix;
  while (suffix > 0 && (splitsLineBreak(before, before.size() - suffix) || splitsLineBreak(after, after.size() - suffix)))
    --suffix;
  edit.changeStart = int(prefix);
  edit.changeLength = int(before.size() - prefix - suffix);
  edit.replacement = after.mid(prefix, after.size() - prefix - suffix);
}

}  // namespace

BoxClassReading ReadBoxClass(const QString& page, const QString& className, const BoxClassValues& previous) {
  BoxClassReading reading{previous, {}};
  if (const std::optional<QString> block = PageStyleBlockIn(page))
    ClassReader(*block, BoxSelector(className), reading).read();
  return reading;
}

QString BoxSelector(const QString& className) {
  const QString name = className.trimmed();
  return name.startsWith(u'.') ? name : u'.' + name;
}

QString WriteBoxClass(const QString& block, const QString& selector, const BoxClassValues& box) {
  QString result = block;
  const auto set = [&result, &selector](const char* property, const QString& value) {
    result = SetStyleProperty(result, selector, QString::fromLatin1(property), value);
  };
  set("border-style", box.borderStyle);
  set("padding", QString::number(box.padding) + QStringLiteral("pt"));
  set("background-color", colourText(box.background));
  if (box.font.setSize && box.font.sizeAsWritten.isEmpty()) set("font-size", QString::number(box.font.size) + box.font.unit);
  if (!box.font.fontName.isEmpty() && box.font.fontName != kDefaultPageFont)
    set("font-family", u'"' + box.font.fontName + u'"');
  if (RgbOf(box.font.colour) != RgbColour{}) set("color", colourText(box.font.colour));
  return result;
}

BoxEdit CreateBox(const QString& page, const BoxRequest& request) {
  BoxEdit edit{page, request.caret, 0, 0, {}};
  const QString selector = BoxSelector(request.className);
  if (selector.size() < 2) return edit;  // no class name: nothing to write
  const TextChange block = styleBlockChange(page, selector, request);
  edit.page = appliedTo(page, {block});
  edit.caret = positionAfter(request.caret, {block});
  const int selectionEnd = request.caret + request.selectionLength;
  const bool clearOfBlock = selectionEnd <= block.start || request.caret >= block.end();
  if (request.selectionLength > 1 && clearOfBlock) {
    const QString element = QStringLiteral("<font class = \"") + EscapeAttributeValue(selector.mid(1)) + QStringLiteral("\">") +
                            page.mid(request.caret, request.selectionLength) + QStringLiteral("</font><br>");
    edit.page.replace(edit.caret, request.selectionLength, element);
    edit.caret += int(element.size());
  }
  setSplice(edit, page);
  return edit;
}

// ---- the command --------------------------------------------------------------------

BoxCommand::BoxCommand(BoxCommandContext context) : c_(std::move(context)) {
  c_.form.setClassReader(
      [this](const QString& className, const BoxClassValues& shown) { return readClass(className, shown); });
}

BoxClassValues BoxCommand::readClass(const QString& className, const BoxClassValues& shown) {
  const BoxClassReading reading = ReadBoxClass(c_.editor.text(), className, shown);
  if (!reading.problems.isEmpty()) {
    const QString list = reading.problems.join(QStringLiteral(", "));
    c_.dialogs.showError(kApplicationTitle, tr("These values of the page cannot be read; the dialog keeps its "
                                               "earlier values for them: %1")
                                                .arg(list));
  }
  return reading.values;
}

void BoxCommand::mmCreateBoxClick() {
  if (c_.document.DocumentMode == kTextMode) return;
  const QString page = c_.editor.text();
  const int caret = c_.editor.selStart();
  const int selectionLength = c_.editor.selLength();
  BoxSettingValues shown = last_;
  if (c_.screenFonts) shown.fontNames = c_.screenFonts();
  shown.classNames = FillStyleClassList(CollectStyleClasses(page));
  shown.className = shown.classNames.value(0, QStringLiteral("my_box"));
  shown.sample = c_.editor.selText();
  shown.box = readClass(shown.className, last_.box);
  const std::optional<BoxSettingValues> chosen = c_.dialogs.askForm<BoxSettingValues>(c_.form, shown);
  if (!chosen) return;
  last_ = *chosen;

  const BoxEdit edit = CreateBox(page, {chosen->className, chosen->box, caret, selectionLength});
  if (edit.page == page) return;
  c_.editor.beginUpdate();
  c_.editor.select(edit.changeStart, edit.changeLength);
  c_.editor.replaceSelection(edit.replacement);
  c_.editor.setSelStart(edit.caret);
  const int changeEnd = edit.changeStart + int(edit.replacement.size());
  c_.painting.plainRange(edit.changeStart, changeEnd);
  c_.painting.paintTagsInRange(edit.changeStart, changeEnd);
  if (c_.setProgress) c_.setProgress(0);
  c_.editor.endUpdate();
}

}  // namespace wrenpad
