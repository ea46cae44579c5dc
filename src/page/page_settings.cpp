#include "page/page_settings.h"

#include "documents/document_state.h"
#include "editor/editor_control.h"
#include "text/colour_names.h"
#include "page/style_block.h"
#include "platform/dialogs.h"
#include "settings/settings.h"

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

// The unit among those a box offers; any other unit is the empty item.
QString offeredUnit(const QString& unit, const QStringList& offered) {
  return offered.contains(unit) ? unit : QString();
}

class Reader {
 public:
  Reader(const QString& page, const PageSettingValues& previous, bool autoRepaint, bool japanese)
      : page_(page), autoRepaint_(autoRepaint), japanese_(japanese) {
    reading_.values = previous;
  }

  PageReading read() {
    readBody();
    readTitleAndScript();
    if (const std::optional<QString> block = PageStyleBlockIn(page_)) readStyle(*block);
    return reading_;
  }

 private:
  // The colour a text names, or nothing with a note of the text and where
  // it stands, in the interface's language.
  std::optional<QColor> colour(const QString& text, const char* where, const char16_t* whereJapanese) {
    if (const std::optional<RgbColour> rgb = ColorFromText(text)) return QColorOf(*rgb);
    const QString place = japanese_ ? QString::fromUtf16(whereJapanese) : QString::fromLatin1(where);
    reading_.unreadableColours << QStringLiteral("\"%1\" (%2)").arg(text, place);
    return std::nullopt;
  }

  void readBody() {
    const BodyAttributes body = ReadBodyAttributes(page_);
    PageSettingValues& v = reading_.values;
    if (body.bgcolor)
      if (const std::optional<QColor> c = colour(*body.bgcolor, "bgcolor of <body>", u"<body>のbgcolor")) {
        v.background = *c;
        reading_.editorBackground = *c;
      }
    v.colourChosen = !body.background.has_value();
    if (body.background) v.imageFile = *body.background;
    if (body.textColour)
      if (const std::optional<QColor> c = colour(*body.textColour, "text of <body>", u"<body>のtext")) v.font.colour = *c;
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
    if (reading_.hasScript) reading_.values.useJavaScript = true;
  }

  void readStyle(const QString& block) {
    reading_.styleBlock = block;
    PageSettingValues& v = reading_.values;
    const auto body = [&block](const char* property) {
      return GetStyleProperty(block, QStringLiteral("body"), QString::fromLatin1(property));
    };
    if (const QString height = body("line-height"); !height.isEmpty()) {
      const NumberUnit split = SplitNumberUnit(height);
      v.lineHeightUnit = offeredUnit(split.unit, {"%", "pt", "mm"});
      v.lineHeight = wholeNumber(split.number).value_or(120);
    }
    if (const QString background = body("background-color"); !background.isEmpty())
      if (const std::optional<QColor> c = colour(background, "background-color of the body rule",
                                                             u"スタイルシートのbodyのbackground-color")) {
        v.background = *c;
        if (autoRepaint_) reading_.editorBackground = *c;
      }
    readFont(block);
    v.linkUnderline =
        GetStyleProperty(block, QStringLiteral("a"), QStringLiteral("text-decoration")) == u"none" &&
        GetStyleProperty(block, QStringLiteral("a:hover"), QStringLiteral("text-decoration")) == u"underline";
    int* margins[] = {&v.marginTop, &v.marginBottom, &v.marginLeft, &v.marginRight};
    const char* names[] = {"margin-top", "margin-bottom", "margin-left", "margin-right"};
    for (int i = 0; i < 4; ++i)
      if (const QString margin = body(names[i]); !margin.isEmpty())
        *margins[i] = wholeNumber(SplitNumberUnit(margin).number).value_or(10);
    if (const QString right = body("margin-right"); !right.isEmpty())
      v.marginUnit = offeredUnit(SplitNumberUnit(right).unit, {"mm", "%", "px"});
  }

  void readFont(const QString& block) {
    FontFrameValues& font = reading_.values.font;
    const StyleFont style = ReadFontFromStyle(block, QStringLiteral("body"));
    if (style.size) {
      const NumberUnit split = SplitNumberUnit(*style.size);
      if (const std::optional<int> size = wholeNumber(split.number)) font.size = *size;
      font.unit = split.unit == u"pt" || split.unit == u"mm" ? split.unit : QStringLiteral("em");
      font.setSize = true;
    }
    font.colour = Qt::black;
    if (style.colour)
      if (const std::optional<QColor> c = colour(*style.colour, "color of the body rule", u"スタイルシートのbodyのcolor")) font.colour = *c;
    if (style.family) font.fontName = *style.family;
    reading_.pageFontName = style.family.value_or(QString());
  }

  const QString& page_;
  bool autoRepaint_;
  bool japanese_;
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

// The confirmed values set into an existing block, rule by rule; what the
// dialog does not show stays as it is.
QString updatedBlock(QString block, const PageSettingValues& v) {
  const QString body = QStringLiteral("body");
  const auto set = [&block, &body](const char* property, const QString& value) {
    block = SetStyleProperty(block, body, QString::fromLatin1(property), value);
  };
  set("line-height", QString::number(v.lineHeight) + v.lineHeightUnit);
  set("margin-top", QString::number(v.marginTop) + v.marginUnit);
  set("margin-bottom", QString::number(v.marginBottom) + v.marginUnit);
  set("margin-left", QString::number(v.marginLeft) + v.marginUnit);
  set("margin-right", QString::number(v.marginRight) + v.marginUnit);
  if (v.colourChosen)
    set("background-color", ColorToText(u'#' + hexOf(v.background)));
  else
    set("background-image", QStringLiteral("url(") + v.imageFile + u')');
  if (v.font.setSize) set("font-size", QString::number(v.font.size) + v.font.unit);
  if (!v.font.fontName.isEmpty() && v.font.fontName != kDefaultPageFont)
    set("font-family", u'"' + v.font.fontName + u'"');
  if (v.font.colour != QColor(Qt::black)) set("color", ColorToText(u'#' + hexOf(v.font.colour)));
  if (v.linkUnderline) {
    block = SetStyleProperty(block, QStringLiteral("a"), QStringLiteral("text-decoration"), QStringLiteral("none"));
    block = SetStyleProperty(block, QStringLiteral("a:hover"), QStringLiteral("text-decoration"),
                             QStringLiteral("underline"));
  }
  return block;
}

}  // namespace

PageReading ReadPageSettings(const QString& page, const PageSettingValues& previous, bool autoRepaint,
                             bool japanese) {
  return Reader(page, previous, autoRepaint, japanese).read();
}

QString WritePageSettings(const QString& page, const PageSettingValues& v, bool hadScript) {
  QString result = page;
  const bool addScript = v.useJavaScript && !hadScript;
  const std::optional<QString> oldBlock = PageStyleBlockIn(result);
  if (addScript || !oldBlock) ensureHead(result);
  qsizetype scriptAt = -1;
  if (addScript) {
    scriptAt = find(result, "</head");
    result.insert(scriptAt, kScriptElement);
  }
  const qsizetype titleOpen = find(result, "<title>");
  const qsizetype titleClose = titleOpen < 0 ? -1 : find(result, "</title>", titleOpen);
  if (titleClose >= 0) result.replace(titleOpen + 7, titleClose - titleOpen - 7, v.title);
  const QString titleElement =
      titleOpen < 0 && !v.title.isEmpty() ? QStringLiteral("<title>") + v.title + QStringLiteral("</title>") : QString();
  if (!oldBlock) {
    QString block = PageStyleBlockFor(v);
    if (!titleElement.isEmpty()) block += titleElement + QStringLiteral("\r\n");
    result.insert(scriptAt >= 0 ? scriptAt : find(result, "</head"), block);
    return result;
  }
  // The old block is replaced exactly; the line break after it stays.
  const qsizetype blockAt = find(result, "<style");
  QString block = updatedBlock(*oldBlock, v);
  if (!titleElement.isEmpty()) block += QStringLiteral("\r\n") + titleElement;
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
  input.fontName = v.font.fontName;
  input.fontColour = RgbOf(v.font.colour);
  input.linkUnderlineOnHover = v.linkUnderline;
  return BuildPageStyleBlock(input);
}

// ---- the command --------------------------------------------------------------------

PageSettings::PageSettings(PageSettingsContext context) : c_(context) {}

PageReading PageSettings::read(const QString& text) {
  PageSettingValues previous = values_;
  previous.japanese = c_.japanese;
  const PageReading reading = ReadPageSettings(text, previous, c_.settings.AutoRepaint, c_.japanese);
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
      values_.font.setSize && values_.font.unit == u"pt" ? std::optional(values_.font.size) : std::nullopt;
}

void PageSettings::mmPageSettingsClick() {
  if (c_.document.DocumentMode != kHtmlMode) return;
  const QString page = c_.editor.text();
  const PageReading reading = read(page);
  if (!reading.unreadableColours.isEmpty()) {
    const QString list = reading.unreadableColours.join(QStringLiteral(", "));
    c_.dialogs.showError(kApplicationTitle,
                         c_.japanese ? QStringLiteral("次の色は読み取れないため、ダイアログでは前の値のままです: %1").arg(list)
                                     : QStringLiteral("These colours of the page cannot be read; the dialog keeps its "
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
  const QString written = WritePageSettings(page, *chosen, reading.hasScript);
  if (chosen->colourChosen) c_.editor.setBackground(chosen->background);
  if (written != page) {
    const int caret = c_.editor.selStart();
    c_.editor.replaceText(written);
    c_.editor.setSelStart(std::min(caret, c_.editor.textLength()));
  }
  if (c_.repaintWholeDocument) c_.repaintWholeDocument();
}

}  // namespace wrenpad
