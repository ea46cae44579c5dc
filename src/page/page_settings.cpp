// SPDX-License-Identifier: GPL-3.0-or-later
#include "page/page_settings.h"

#include "documents/document_state.h"
#include "editor/editor_control.h"
#include "text/colour_names.h"
#include "page/style_block.h"
#include "platform/dialogs.h"
#include "settings/settings.h"

#include <QCoreApplication>

namespace wrenpad {

namespace {

const QString kDefaultPageFont = QStringLiteral("ＭＳ Ｐゴシック");

QString hexOf(const QColor& colour) { return RgbHex(RgbOf(colour)); }

// A whole number, or nothing ("12.5", "" and "x" are none).
std::optional<int> wholeNumber(const QString& text) {
  bool ok = false;
  const int value = text.toInt(&ok);
  return ok ? std::optional(value) : std::nullopt;
}

class Reader {
 public:
  Reader(const QString& page, const PageSettingValues& previous, bool autoRepaint)
      : page_(page), autoRepaint_(autoRepaint) {
    reading_.values = previous;
    // What the page writes as it is belongs to this page alone.
    reading_.values.lineHeightAsWritten.clear();
    reading_.values.marginsAsWritten = {};
    reading_.values.font.sizeAsWritten.clear();
  }

  PageReading read() {
    readBody();
    readTitleAndScript();
    if (const std::optional<QString> block = PageStyleBlockIn(page_)) readStyle(*block);
    return reading_;
  }

 private:
  // The colour a text names, or nothing with a note of the text and where
  // it stands (a text marked for translation), in the interface's language.
  std::optional<QColor> colour(const QString& text, const char* where) {
    if (const std::optional<RgbColour> rgb = ColorFromText(text)) return QColorOf(*rgb);
    const QString place = QCoreApplication::translate("PageSettings", where);
    reading_.unreadableColours << QStringLiteral("\"%1\" (%2)").arg(text, place);
    return std::nullopt;
  }

  void readBody() {
    const BodyAttributes body = ReadBodyAttributes(page_);
    PageSettingValues& v = reading_.values;
    if (body.bgcolor)
      if (const std::optional<QColor> c = colour(*body.bgcolor, QT_TRANSLATE_NOOP("PageSettings", "bgcolor of <body>"))) {
        v.background = *c;
        reading_.editorBackground = *c;
      }
    v.colourChosen = !body.background.has_value();
    if (body.background) v.imageFile = *body.background;
    if (body.textColour)
      if (const std::optional<QColor> c = colour(*body.textColour, QT_TRANSLATE_NOOP("PageSettings", "text of <body>")))
        v.font.colour = *c;
  }

  void readTitleAndScript() {
    const qsizetype open = page_.indexOf(QStringLiteral("<title>"), 0, Qt::CaseInsensitive);
    if (open >= 0) {
      const qsizetype start = open + 7;
      const qsizetype close = page_.indexOf(QStringLiteral("</title>"), start, Qt::CaseInsensitive);
      reading_.values.title = page_.mid(start, close < 0 ? -1 : close - start);
    }
    reading_.hasScript = page_.contains(QStringLiteral("</script>"), Qt::CaseInsensitive) &&
                         page_.contains(QStringLiteral("javascript"), Qt::CaseInsensitive);
    reading_.values.useJavaScript = reading_.hasScript;
  }

  void readStyle(const QString& block) {
    reading_.styleBlock = block;
    PageSettingValues& v = reading_.values;
    const auto body = [&block](const char* property) {
      return GetStyleProperty(block, QStringLiteral("body"), QString::fromLatin1(property));
    };
    if (const QString height = body("line-height"); !height.isEmpty()) {
      const NumberUnit split = SplitNumberUnit(height);
      const std::optional<int> number = wholeNumber(split.number);
      if (number && QStringList{"%", "pt", "mm", ""}.contains(split.unit)) {
        v.lineHeight = *number;
        v.lineHeightUnit = split.unit;
      } else {
        v.lineHeightAsWritten = height;
      }
    }
    if (const QString background = body("background-color"); !background.isEmpty())
      if (const std::optional<QColor> c =
              colour(background, QT_TRANSLATE_NOOP("PageSettings", "background-color of the body rule"))) {
        v.background = *c;
        if (autoRepaint_) reading_.editorBackground = *c;
      }
    readFont(block);
    v.linkUnderline =
        GetStyleProperty(block, QStringLiteral("a"), QStringLiteral("text-decoration")) == u"none" &&
        GetStyleProperty(block, QStringLiteral("a:hover"), QStringLiteral("text-decoration")) == u"underline";
    readMargins(body);
  }

  // Each side's margin in the unit the declared margins share (the first
  // one the box offers); a side in another unit, or not in whole numbers,
  // is kept as written.
  template <class Body>
  void readMargins(const Body& body) {
    PageSettingValues& v = reading_.values;
    int* margins[] = {&v.marginTop, &v.marginBottom, &v.marginLeft, &v.marginRight};
    const char* names[] = {"margin-top", "margin-bottom", "margin-left", "margin-right"};
    const QStringList offered{"mm", "%", "px", ""};
    std::optional<QString> shared;
    for (int i = 0; i < 4; ++i) {
      const QString margin = body(names[i]);
      if (margin.isEmpty()) continue;
      const NumberUnit split = SplitNumberUnit(margin);
      const std::optional<int> number = wholeNumber(split.number);
      if (!shared && number && offered.contains(split.unit)) shared = split.unit;
      if (number && shared == split.unit)
        *margins[i] = *number;
      else
        v.marginsAsWritten[i] = margin;
    }
    if (shared) v.marginUnit = *shared;
  }

  void readFont(const QString& block) {
    FontFrameValues& font = reading_.values.font;
    const StyleFont style = ReadFontFromStyle(block, QStringLiteral("body"));
    if (style.size) ReadFontSize(*style.size, font);
    font.colour = Qt::black;
    if (style.colour)
      if (const std::optional<QColor> c = colour(*style.colour, QT_TRANSLATE_NOOP("PageSettings", "color of the body rule")))
        font.colour = *c;
    if (style.family) font.fontName = *style.family;
    reading_.pageFontName = style.family.value_or(QString());
  }

  const QString& page_;
  bool autoRepaint_;
  PageReading reading_;
};

// ---- writing ----------------------------------------------------------------------

const QString kScriptElement = QStringLiteral("<script language = \"JavaScript\"><!--\r\n\r\n// --></script>\r\n");

qsizetype find(const QString& page, const char* tag, qsizetype from = 0) {
  return page.indexOf(QLatin1String(tag), from, Qt::CaseInsensitive);
}

// A page without a head gets one before its body (or at its start).
void ensureHead(QString& page) {
  if (find(page, "</head") >= 0) return;
  const qsizetype body = find(page, "<body");
  page.insert(body < 0 ? 0 : body, QStringLiteral("<head>\r\n</head>\r\n"));
}

struct StyleChange {
  QString selector;
  QString property;
  QString value;
};

// The declarations for what the user changed between the values shown and
// the values confirmed; nothing for a value left as it was, nor for one the
// page writes in a way the dialog cannot show.
QList<StyleChange> StyleChanges(const PageSettingValues& shown, const PageSettingValues& v) {
  QList<StyleChange> changes;
  const auto body = [&changes](const char* property, const QString& value) {
    changes.append({QStringLiteral("body"), QString::fromLatin1(property), value});
  };
  if (v.lineHeightAsWritten.isEmpty() && (v.lineHeight != shown.lineHeight || v.lineHeightUnit != shown.lineHeightUnit))
    body("line-height", QString::number(v.lineHeight) + v.lineHeightUnit);
  const int PageSettingValues::*margins[] = {&PageSettingValues::marginTop, &PageSettingValues::marginBottom,
                                             &PageSettingValues::marginLeft, &PageSettingValues::marginRight};
  const char* names[] = {"margin-top", "margin-bottom", "margin-left", "margin-right"};
  for (int i = 0; i < 4; ++i)
    if (v.marginsAsWritten[i].isEmpty() && (v.*margins[i] != shown.*margins[i] || v.marginUnit != shown.marginUnit))
      body(names[i], QString::number(v.*margins[i]) + v.marginUnit);
  const bool kindChanged = v.colourChosen != shown.colourChosen;
  if (v.colourChosen && (kindChanged || v.background != shown.background))
    body("background-color", ColorToText(u'#' + hexOf(v.background)));
  if (!v.colourChosen && (kindChanged || v.imageFile != shown.imageFile))
    body("background-image", QStringLiteral("url(") + v.imageFile + u')');
  const FontFrameValues &font = v.font, &was = shown.font;
  if (font.sizeAsWritten.isEmpty() && font.setSize && (!was.setSize || font.size != was.size || font.unit != was.unit))
    body("font-size", QString::number(font.size) + font.unit);
  if (font.fontName != was.fontName && !font.fontName.isEmpty() && font.fontName != kDefaultPageFont)
    body("font-family", u'"' + font.fontName + u'"');
  if (font.colour != was.colour) body("color", ColorToText(u'#' + hexOf(font.colour)));
  if (v.linkUnderline && !shown.linkUnderline) {
    changes.append({QStringLiteral("a"), QStringLiteral("text-decoration"), QStringLiteral("none")});
    changes.append({QStringLiteral("a:hover"), QStringLiteral("text-decoration"), QStringLiteral("underline")});
  }
  return changes;
}

QString updatedBlock(QString block, const QList<StyleChange>& changes) {
  for (const StyleChange& change : changes) block = SetStyleProperty(block, change.selector, change.property, change.value);
  return block;
}

// A new block holding only the changes: one rule per selector, in order.
QString newBlock(const QList<StyleChange>& changes) {
  QStringList selectors;
  for (const StyleChange& change : changes)
    if (!selectors.contains(change.selector)) selectors << change.selector;
  QString block = QStringLiteral("<style type=\"text/css\">\r\n");
  for (const QString& selector : selectors) {
    QStringList declarations;
    for (const StyleChange& change : changes)
      if (change.selector == selector) declarations << change.property + u':' + change.value;
    block += QStringLiteral("  ") + selector + u'{' + declarations.join(QStringLiteral("; ")) + QStringLiteral("}\r\n");
  }
  return block + QStringLiteral("</style>\r\n");
}

}  // namespace

PageReading ReadPageSettings(const QString& page, const PageSettingValues& previous, bool autoRepaint) {
  return Reader(page, previous, autoRepaint).read();
}

QString WritePageSettings(const QString& page, const PageSettingValues& shown, const PageSettingValues& v,
                          bool hadScript) {
  QString result = page;
  const QList<StyleChange> changes = StyleChanges(shown, v);
  const bool addScript = v.useJavaScript && !hadScript;
  const std::optional<QString> oldBlock = PageStyleBlockIn(result);
  const bool addBlock = !oldBlock && !changes.isEmpty();
  const qsizetype titleOpen = find(result, "<title>");
  const bool titleChanged = v.title != shown.title;
  const bool addTitle = titleChanged && titleOpen < 0 && !v.title.isEmpty();
  if (addScript || addBlock || addTitle) ensureHead(result);
  qsizetype scriptAt = -1;
  if (addScript) {
    scriptAt = find(result, "</head");
    result.insert(scriptAt, kScriptElement);
  }
  if (titleChanged && titleOpen >= 0) {
    const qsizetype titleClose = find(result, "</title>", titleOpen);
    if (titleClose >= 0) result.replace(titleOpen + 7, titleClose - titleOpen - 7, v.title);
  }
  const QString titleElement = addTitle ? QStringLiteral("<title>") + v.title + QStringLiteral("</title>") : QString();
  if (!oldBlock) {
    QString added = addBlock ? newBlock(changes) : QString();
    if (addTitle) added += titleElement + QStringLiteral("\r\n");
    if (!added.isEmpty()) result.insert(scriptAt >= 0 ? scriptAt : find(result, "</head"), added);
    return result;
  }
  // The old block is replaced exactly; the line break after it stays.
  const qsizetype blockAt = find(result, "<style");
  QString block = updatedBlock(*oldBlock, changes);
  if (addTitle) block += QStringLiteral("\r\n") + titleElement;
  result.replace(blockAt, oldBlock->size(), block);
  return result;
}

QString PageStyleBlockFor(const PageSettingValues& v) {
  PageStyleInput input;
  input.lineHeight = v.lineHeight;
  input.lineHeightUnit = v.lineHeightUnit;
  input.marginTop = v.marginTop;
  input.marginBottom = v.marginBottom;
  input.marginLeft = v.marginLeft;
  input.marginRight = v.marginRight;
  input.marginUnit = v.marginUnit;
  input.colourChosen = v.colourChosen;
  input.background = RgbOf(v.background);
  input.imageFile = v.imageFile;
  input.sizeChecked = v.font.setSize;
  input.fontSize = v.font.size;
  input.fontSizeUnit = v.font.unit;
  input.fontSizeAsWritten = v.font.sizeAsWritten;
  input.fontName = v.font.fontName;
  input.fontColour = RgbOf(v.font.colour);
  input.linkUnderlineOnHover = v.linkUnderline;
  return BuildPageStyleBlock(input);
}

// ---- the command --------------------------------------------------------------------

PageSettings::PageSettings(PageSettingsContext context) : c_(context) {}

PageReading PageSettings::read(const QString& text) {
  const PageReading reading = ReadPageSettings(text, values_, c_.settings.AutoRepaint);
  values_ = reading.values;
  c_.colouring.PageFontName = reading.pageFontName;
  // The page's own background, or the user's when the page gives none.
  c_.editor.setBackground(reading.editorBackground.value_or(QColorOf(RgbOfWindowsColour(c_.settings.BGColor))));
  return reading;
}

void PageSettings::ReadPage(const QString& text) {
  values_.font.colour = Qt::black;
  read(text);
  c_.colouring.PageTextColour = c_.settings.AutoRepaint ? values_.font.colour : QColor(Qt::black);
  c_.colouring.PageFontSizePt =
      values_.font.setSize && values_.font.sizeAsWritten.isEmpty() && values_.font.unit == u"pt"
          ? std::optional(values_.font.size)
          : std::nullopt;
}

void PageSettings::mmPageSettingsClick() {
  if (c_.document.DocumentMode != kHtmlMode) return;
  const QString page = c_.editor.text();
  const PageReading reading = read(page);
  if (!reading.unreadableColours.isEmpty()) {
    const QString list = reading.unreadableColours.join(QStringLiteral(", "));
    c_.dialogs.showError(kApplicationTitle, tr("These colours of the page cannot be read; the dialog keeps its "
                                               "earlier values for them: %1")
                                                .arg(list));
  }
  PageSettingValues shown = values_;
  shown.fontNames = c_.screenFonts ? c_.screenFonts() : QStringList();
  if (!reading.pageFontName.isEmpty()) shown.font.fontName = reading.pageFontName;
  const std::optional<PageSettingValues> chosen = c_.dialogs.askForm(c_.form, shown);
  if (!chosen) return;
  values_ = *chosen;
  c_.colouring.PageFontChoice = chosen->font.fontName;
  c_.colouring.PageFontColorChoice = hexOf(chosen->font.colour);
  const QString written = WritePageSettings(page, shown, *chosen, reading.hasScript);
  if (chosen->colourChosen && chosen->background != shown.background) c_.editor.setBackground(chosen->background);
  if (written != page) {
    const int caret = c_.editor.selStart();
    c_.editor.replaceText(written);
    c_.editor.setSelStart(std::min(caret, c_.editor.textLength()));
  }
  if (c_.repaintWholeDocument) c_.repaintWholeDocument();
}

}  // namespace wrenpad
