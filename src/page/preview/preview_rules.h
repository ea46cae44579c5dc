// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The decisions of the web-page preview that depend only on text and
// settings: where the preview page is written, the page that shows a Java
// applet, whether a page goes to an outside browser, and which program each
// browser choice starts.

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace wrenpad {

// The name of the page the preview writes beside the document.
inline constexpr char16_t kPreviewFileName[] = u"Test_by_Wrenpad.htm";

// The browser choices of the web-page options, in the order of their items.
enum class BrowserChoice { OwnPreview = 0, Netscape = 1, Mozilla = 2, Opera = 3 };
// The item texts, in order, naming the browser each choice starts here; a
// choice whose browser `installed` cannot find says that the desktop's
// default browser opens instead. In the interface's language.
QStringList BrowserChoiceCaptions(const std::function<QString(const QString&)>& installed);
// A stored choice held to the four items (a broken setting gives the first).
BrowserChoice BrowserChoiceOf(int index);

// Whether the text is a Java applet's source.
bool IsAppletSource(const QString& text);

// The page that embeds the applet built from the source `documentName`
// (its bare name with ".class"), lines joined by CR LF.
QString AppletPageText(const QString& documentName, int appletWidth, int appletHeight);

// Pages with scripts in JavaScript, and applets, go to an outside browser
// even when the own preview is chosen.
bool NeedsOutsideBrowser(const QString& text);

// Whether the page refers to other files by relative addresses (pictures,
// links, style sheets, scripts), which resolve only beside the document.
bool HasRelativeLinks(const QString& text);

// What shows the page.
enum class PreviewAction {
  Nothing,          // a plain-text document
  ShowPreview,      // the own preview window, opened on the page
  RefreshPreview,   // the own preview window is open: it loads the page again
  OutsideBrowser,   // the page goes to the outside browser
};
struct PreviewDecision {
  PreviewAction action = PreviewAction::Nothing;
  // The window moves to the upper half of the screen first.
  bool moveWindowUp = false;
};
PreviewDecision DecidePreview(const QString& text, bool textDocument, BrowserChoice choice,
                              bool previewShown);

// The program and arguments that open `address` in the outside browser of
// `choice`: the installed browser the choice stands for, found by
// `installed` (a program name to its path, empty when missing), else the
// desktop's default browser through xdg-open. Nothing when not even xdg-open
// is there.
struct ProgramCall {
  QString program;
  QStringList arguments;
};
std::optional<ProgramCall> OutsideBrowserCall(BrowserChoice choice, const QString& address,
                                              const std::function<QString(const QString&)>& installed);

}  // namespace wrenpad
