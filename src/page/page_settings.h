// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The page-settings command: reads a page's title, script, body attributes
// and style block into the dialog's values, and writes the values confirmed
// back as a title, a script element and the style block's rules. Reading and
// writing are plain functions over the page's text; the command applies the
// new text as one undoable edit and recolours the page.

#include "colouring/colouring_context.h"
#include "page/page_setting_dialog.h"

#include <QColor>
#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace wrenpad {

class Dialogs;
class EditorControl;
struct DocumentState;
struct Settings;

// What the page says, on top of the values shown last time: values the page
// does not give keep what they were.
struct PageReading {
  PageSettingValues values;
  bool hasScript = false;             // the page has a JavaScript element
  std::optional<QString> styleBlock;  // from "<style" through "</style>"
  QString pageFontName;               // the body rule's font family ("" for none)
  std::optional<QColor> editorBackground;
  // Colours written in the page that name no colour, each with where it
  // stands; their fields keep the value they had.
  QStringList unreadableColours;
};
// Colours that cannot be read are noted in the interface's language.
PageReading ReadPageSettings(const QString& page, const PageSettingValues& previous, bool autoRepaint);

// A new style block from the page settings' values (the body rule, and the
// link rules when links are underlined only under the mouse).
QString PageStyleBlockFor(const PageSettingValues& values);

// The page with what the user changed written into it: only the values that
// differ between `shown` (what the dialog was shown) and `confirmed`; a value
// left alone is left as the page writes it, and a page that had no style block
// gets one only when a style value changed. `hadScript`: the page already had
// a JavaScript element when the dialog opened.
QString WritePageSettings(const QString& page, const PageSettingValues& shown, const PageSettingValues& confirmed,
                          bool hadScript);

struct PageSettingsContext {
  EditorControl& editor;
  Dialogs& dialogs;
  const DocumentState& document;
  const Settings& settings;
  ColouringState& colouring;
  ValueForm<PageSettingValues>& form;
  std::function<QStringList()> screenFonts;
  std::function<void()> repaintWholeDocument;
};

class PageSettings {
  Q_DECLARE_TR_FUNCTIONS(PageSettings)

 public:
  explicit PageSettings(PageSettingsContext context);

  void mmPageSettingsClick();
  // The readers the whole-document repaint runs: the values, the page font
  // the repaint applies, and the editor's background follow the page.
  void ReadPage(const QString& text);

  const PageSettingValues& values() const { return values_; }

 private:
  PageReading read(const QString& text);

  PageSettingsContext c_;
  PageSettingValues values_;
};

}  // namespace wrenpad
