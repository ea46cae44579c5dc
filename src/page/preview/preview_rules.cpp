// SPDX-License-Identifier: GPL-3.0-or-later
#include "page/preview/preview_rules.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>

namespace wrenpad {

namespace {

// The programs each outside choice stands for on this system, most likely first.
QStringList browserPrograms(BrowserChoice choice) {
  switch (choice) {
    case BrowserChoice::OwnPreview: break;  // the desktop's default browser
    case BrowserChoice::Netscape: return {QStringLiteral("firefox"), QStringLiteral("firefox-esr")};
    case BrowserChoice::Mozilla:
      return {QStringLiteral("chromium"), QStringLiteral("chromium-browser"), QStringLiteral("google-chrome")};
    case BrowserChoice::Opera: return {QStringLiteral("opera")};
  }
  return {};
}

QString firstInstalled(const QStringList& programs, const std::function<QString(const QString&)>& installed) {
  for (const QString& name : programs) {
    const QString path = installed ? installed(name) : QString();
    if (!path.isEmpty()) return path;
  }
  return {};
}

}  // namespace

QStringList BrowserChoiceCaptions(const std::function<QString(const QString&)>& installed) {
  QStringList captions{QCoreApplication::translate("PreviewRules", "Built-in preview")};
  const std::pair<BrowserChoice, QString> outside[] = {
      //: Stays English in the Japanese interface, as designed.
      {BrowserChoice::Netscape, QCoreApplication::translate("PreviewRules", "Firefox")},
      //: Stays English in the Japanese interface, as designed.
      {BrowserChoice::Mozilla, QCoreApplication::translate("PreviewRules", "Chromium")},
      //: Stays English in the Japanese interface, as designed.
      {BrowserChoice::Opera, QCoreApplication::translate("PreviewRules", "Opera")}};
  for (const auto& [choice, name] : outside) {
    if (!firstInstalled(browserPrograms(choice), installed).isEmpty())
      captions << name;
    else
      captions << QCoreApplication::translate("PreviewRules", "%1 (not installed: the default browser opens)").arg(name);
  }
  return captions;
}

BrowserChoice BrowserChoiceOf(int index) {
  return index >= 0 && index <= 3 ? BrowserChoice(index) : BrowserChoice::OwnPreview;
}

bool IsAppletSource(const QString& text) {
  return text.contains(QStringLiteral("java.applet")) || text.contains(QStringLiteral("JApplet"));
}

QString AppletPageText(const QString& documentName, int appletWidth, int appletHeight) {
  const QString className = QFileInfo(documentName).completeBaseName() + QStringLiteral(".class");
  const QStringList lines{
      QStringLiteral("<html>"),
      QStringLiteral("<body>"),
      QStringLiteral("<applet code = \"%1\" width = %2 height = %3>").arg(className).arg(appletWidth).arg(appletHeight),
      QStringLiteral("</applet>"),
      QStringLiteral("</body>"),
      QStringLiteral("</html>"),
  };
  return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

bool NeedsOutsideBrowser(const QString& text) {
  return text.contains(QStringLiteral("\"javascript\""), Qt::CaseInsensitive) || IsAppletSource(text);
}

namespace {

// An address that names its own place: a scheme ("http:", "mailto:",
// "data:"), a path from the root, or a place in the same page.
bool IsSelfContainedAddress(const QString& address) {
  static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*:"));
  return address.startsWith(u'#') || address.startsWith(u'/') || scheme.match(address).hasMatch();
}

}  // namespace

bool HasRelativeLinks(const QString& text) {
  // Attribute values of the attributes that load or link files, and the
  // url(...) of style sheets; quoted or not.
  static const QRegularExpression attribute(
      QStringLiteral("\\b(?:src|href|background|action|code|codebase|data)\\s*=\\s*[\"']?([^\"'\\s>]*)"),
      QRegularExpression::CaseInsensitiveOption);
  static const QRegularExpression styleUrl(QStringLiteral("\\burl\\(\\s*[\"']?([^\"')\\s]*)"),
                                           QRegularExpression::CaseInsensitiveOption);
  for (const QRegularExpression* pattern : {&attribute, &styleUrl}) {
    for (auto it = pattern->globalMatch(text); it.hasNext();) {
      const QString address = it.next().captured(1);
      if (!address.isEmpty() && !IsSelfContainedAddress(address)) return true;
    }
  }
  return false;
}

PreviewDecision DecidePreview(const QString& text, bool textDocument, BrowserChoice choice,
                              bool previewShown) {
  if (textDocument) return {};
  if (choice != BrowserChoice::OwnPreview) return {PreviewAction::OutsideBrowser, false};
  if (previewShown) return {PreviewAction::RefreshPreview, false};
  return {NeedsOutsideBrowser(text) ? PreviewAction::OutsideBrowser : PreviewAction::ShowPreview, true};
}

// The chosen browser, else the system's web browser: Debian's x-www-browser
// (the installed browser of highest priority, or the one the administrator
// chose), else any browser we know. xdg-open comes last only: it opens a
// page with whatever opens HTML files, which may be this editor itself.
std::optional<ProgramCall> OutsideBrowserCall(BrowserChoice choice, const QString& address,
                                              const std::function<QString(const QString&)>& installed) {
  QStringList programs = browserPrograms(choice) << QStringLiteral("x-www-browser");
  for (const BrowserChoice other : {BrowserChoice::Netscape, BrowserChoice::Mozilla, BrowserChoice::Opera})
    programs << browserPrograms(other);
  const QString path = firstInstalled(programs << QStringLiteral("xdg-open"), installed);
  if (path.isEmpty()) return std::nullopt;
  return ProgramCall{path, {address}};
}

}  // namespace wrenpad
