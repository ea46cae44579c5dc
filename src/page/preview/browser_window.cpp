// SPDX-License-Identifier: GPL-3.0-or-later
#include "page/preview/browser_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QToolBar>
#include <QVBoxLayout>
#include <QWebEnginePage>
#include <QWebEngineSettings>
#include <QWebEngineView>
#include <cstdio>
#include <unistd.h>
#include <utility>

namespace wrenpad {

namespace {

// A web view that hands pages asking for a new window to its owner.
class BrowserView : public QWebEngineView {
 public:
  using QWebEngineView::QWebEngineView;
  std::function<QWebEngineView*()> newWindow;

 protected:
  QWebEngineView* createWindow(QWebEnginePage::WebWindowType) override {
    return newWindow ? newWindow() : nullptr;
  }
};

// Pages of the own machine (files, and what a page makes itself) load in
// the window; the help viewer hands a link to any other page to its owner.
bool isOwnMachinePage(const QUrl& url) {
  const QString scheme = url.scheme();
  return url.isLocalFile() || scheme == u"qrc" || scheme == u"data" || scheme == u"about" || scheme == u"blob";
}

class BrowserPage : public QWebEnginePage {
 public:
  using QWebEnginePage::QWebEnginePage;
  std::function<void(const QUrl&)> openOutside;

 protected:
  bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override {
    if (openOutside && type == NavigationTypeLinkClicked && !isOwnMachinePage(url)) {
      openOutside(url);
      return false;
    }
    return QWebEnginePage::acceptNavigationRequest(url, type, isMainFrame);
  }
};

// What the address field shows: a local page as its path, others as typed.
QString addressText(const QUrl& url) {
  return url.isLocalFile() ? QDir::toNativeSeparators(url.toLocalFile()) : url.toString();
}

}  // namespace

namespace {

constexpr char kNoGlWarning[] = "QXcbIntegration: Cannot create platform OpenGL context";
QtMessageHandler passedOn = nullptr;

// Drops the one warning the X11 platform gives when told to go without
// OpenGL, which is what we asked for; everything else goes on as before.
void dropNoGlWarning(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type == QtWarningMsg && message.startsWith(QLatin1String(kNoGlWarning))) return;
  if (passedOn) passedOn(type, context, message);
  else std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

// The preview composes its pages in software. Qt WebEngine otherwise makes
// an OpenGL context as the application starts, which loads the graphics
// driver (with llvmpipe some 58 MiB resident and 40 ms of processor time)
// in every run, whether or not a page is ever previewed; the pages of a
// lesson draw as well without it. A user who wants the GPU sets
// QT_XCB_GL_INTEGRATION or QT_QUICK_BACKEND, and we leave both alone.
void composePagesInSoftware() {
  if (qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION") || qEnvironmentVariableIsSet("QT_QUICK_BACKEND")) return;
  qputenv("QT_XCB_GL_INTEGRATION", "none");
  qputenv("QT_QUICK_BACKEND", "software");
  passedOn = qInstallMessageHandler(dropNoGlWarning);
}

}  // namespace

void TBrowser::PrepareWebEngine() {
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  composePagesInSoftware();
  if (geteuid() != 0) return;
  QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
  if (flags.contains("--no-sandbox")) return;
  qputenv("QTWEBENGINE_CHROMIUM_FLAGS", (flags + " --no-sandbox").trimmed());
}

TBrowser::TBrowser(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("Browser"));
  resize(584, 375);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  auto* ToolBar1 = new QToolBar(this);
  ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
  edURL = new QLineEdit(ToolBar1);
  edURL->setObjectName(QStringLiteral("edURL"));
  btnGo = new QPushButton(ToolBar1);
  btnGo->setObjectName(QStringLiteral("btnGo"));
  btnRefresh = new QPushButton(ToolBar1);
  btnRefresh->setObjectName(QStringLiteral("btnRefresh"));
  btnBack = new QPushButton(ToolBar1);
  btnBack->setObjectName(QStringLiteral("btnBack"));
  btnBack->setEnabled(false);
  Panel1 = new QLabel(ToolBar1);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setMinimumWidth(120);
  chkLive = new QCheckBox(ToolBar1);
  chkLive->setObjectName(QStringLiteral("chkLive"));
  ToolBar1->addWidget(edURL);
  ToolBar1->addWidget(btnGo);
  ToolBar1->addWidget(btnRefresh);
  ToolBar1->addWidget(btnBack);
  liveItem_ = ToolBar1->addWidget(chkLive);
  liveItem_->setVisible(false);  // the preview's only, not the help viewer's
  ToolBar1->addWidget(Panel1);
  layout->addWidget(ToolBar1);

  auto* view = new BrowserView(this);
  view->setPage(new BrowserPage(view));
  view->newWindow = [this] { return HTMLBrowserNewWindow2(); };
  HTMLBrowser = view;
  HTMLBrowser->setObjectName(QStringLiteral("HTMLBrowser"));
  layout->addWidget(HTMLBrowser, 1);
  // A page loaded or reloaded leaves the focus where it is (the editor, as
  // the page follows the typing), and one that cannot be read shows the
  // engine's page saying why rather than nothing.
  QWebEngineSettings* pageSettings = HTMLBrowser->settings();
  pageSettings->setAttribute(QWebEngineSettings::FocusOnNavigationEnabled, false);
  pageSettings->setAttribute(QWebEngineSettings::ErrorPageEnabled, true);

  // Escape closes the window wherever the focus is in it, the page too: the
  // page would take the key for itself and leave the window open. A text
  // field of the page keeps the key (see eventFilter).
  new QShortcut(QKeySequence(Qt::Key_Escape), this, [this] { close(); }, Qt::WidgetWithChildrenShortcut);
  HTMLBrowser->installEventFilter(this);
  for (QWidget* shown : HTMLBrowser->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) shown->installEventFilter(this);
  retranslate();
  connect(btnGo, &QPushButton::clicked, this, [this] { btnGoClick(); });
  connect(edURL, &QLineEdit::returnPressed, this, [this] { btnGoClick(); });
  connect(btnRefresh, &QPushButton::clicked, this, [this] { btnRefreshClick(); });
  connect(btnBack, &QPushButton::clicked, this, [this] { btnBackClick(); });
  connect(chkLive, &QCheckBox::clicked, this, [this](bool on) {
    if (liveSwitched) liveSwitched(on);
  });
  connect(HTMLBrowser, &QWebEngineView::loadStarted, this, [this] { HTMLBrowserDownloadBegin(); });
  connect(HTMLBrowser, &QWebEngineView::loadFinished, this, [this](bool ok) { HTMLBrowserLoadFinished(ok); });
  connect(HTMLBrowser->page(), &QWebEnginePage::renderProcessTerminated, this,
          [this](QWebEnginePage::RenderProcessTerminationStatus status, int) {
            if (status != QWebEnginePage::NormalTerminationStatus) showStopped();
          });
}

TBrowser::~TBrowser() = default;

void TBrowser::setHelpUse(HelpUse use) {
  helpUse_ = std::move(use);
  static_cast<BrowserPage*>(HTMLBrowser->page())->openOutside = helpUse_.openOutside;
  connect(HTMLBrowser, &QWebEngineView::titleChanged, this, [this](const QString& title) {
    if (!title.isEmpty()) setWindowTitle(title);
  });
}

QString TBrowser::address() const { return edURL->text(); }

void TBrowser::showAddress(const QString& address) {
  edURL->setText(address);
  show();
  raise();
  btnGoClick();
}

// The captions in the interface language; the window may be made before
// the language is chosen, so it follows a change of language too.
void TBrowser::retranslate() {
  setWindowTitle(tr("Browser"));
  btnGo->setText(tr("Go"));
  btnRefresh->setText(tr("Refresh"));
  btnBack->setText(tr("Back"));
  chkLive->setText(tr("&Live"));
  chkLive->setAccessibleName(tr("Live preview"));
  chkLive->setToolTip(tr("Reloads the page a moment after you stop typing in the editor, at the place it is "
                         "scrolled to"));
  edURL->setAccessibleName(tr("Address"));
  HTMLBrowser->setAccessibleName(tr("Page"));
}

void TBrowser::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) retranslate();
  QWidget::changeEvent(event);
}

void TBrowser::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!event->spontaneous()) FormShow();
}

// The lower half of the screen, 20 pixels short, under the editor; the help
// viewer where its owner places it.
void TBrowser::FormShow() {
  if (helpUse_.place) {
    if (const QRect place = helpUse_.place(); place.isValid()) setGeometry(place);
  } else if (const QScreen* screen = this->screen()) {
    const QRect area = screen->availableGeometry();
    const int top = area.top() + area.height() / 2;
    setGeometry(area.left(), top, area.width(), std::max(100, area.height() / 2 - 20));
  }
  Panel1->clear();
  downloads_ = 0;
  liveItem_->setVisible(bool(liveOn));
  if (liveOn) chkLive->setChecked(liveOn());
}

void TBrowser::closeEvent(QCloseEvent* event) {
  QWidget::closeEvent(event);
  if (closed) closed();
}

void TBrowser::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

// The widget that shows the page (the view makes it anew when the page's
// process is restarted) claims Escape before the window's short-cut while a text field of the page
// has the focus: the key is the field's.
bool TBrowser::eventFilter(QObject* watched, QEvent* event) {
  if (watched == HTMLBrowser && event->type() == QEvent::ChildAdded) {
    if (QObject* child = static_cast<QChildEvent*>(event)->child(); child->isWidgetType())
      child->installEventFilter(this);
  } else if (watched != HTMLBrowser && event->type() == QEvent::ShortcutOverride &&
             watched == HTMLBrowser->focusProxy()) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Escape && HTMLBrowser->focusProxy()->testAttribute(Qt::WA_InputMethodEnabled)) {
      event->accept();
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void TBrowser::btnGoClick() {
  keptPlace_.reset();
  HTMLBrowser->load(QUrl::fromUserInput(edURL->text().trimmed(), QDir::currentPath(), QUrl::AssumeLocalFile));
}

void TBrowser::btnRefreshClick() { HTMLBrowser->reload(); }

// Going back loads a page, which counts as a download of its own.
void TBrowser::btnBackClick() {
  keptPlace_.reset();
  HTMLBrowser->back();
  downloads_ -= 2;
}

// While the preview page is shown: its scroll position is read now, before
// the reload (a reload that follows one still loading keeps the place read
// first), and no window is shown, raised or activated.
void TBrowser::reloadKeepingPlace() {
  const QString preview = previewFile ? previewFile() : QString();
  if (preview.isEmpty() || HTMLBrowser->url().toLocalFile() != preview) return;
  if (!keptPlace_) keptPlace_ = HTMLBrowser->page()->scrollPosition();
  liveLoad_ = true;
  HTMLBrowser->reload();
}

// A live reload goes back to the place kept; one that failed keeps it for
// the next, and shows the engine's error page meanwhile.
void TBrowser::HTMLBrowserLoadFinished(bool ok) {
  HTMLBrowserDownloadComplete(ok);
  if (!ok) return;
  if (keptPlace_) {
    HTMLBrowser->page()->runJavaScript(
        QStringLiteral("window.scrollTo(%1, %2)").arg(keptPlace_->x()).arg(keptPlace_->y()));
    keptPlace_.reset();
  }
  HTMLBrowserNavigateComplete2();
}

void TBrowser::HTMLBrowserDownloadBegin() {
  if (std::exchange(liveLoad_, false)) {
    Panel1->clear();
    return;
  }
  ++downloads_;
  btnBack->setEnabled(downloads_ >= 2);
  Panel1->clear();
}

void TBrowser::HTMLBrowserDownloadComplete(bool ok) {
  Panel1->setText(ok ? tr("Downloaded.") : tr("Not loaded."));
}

// A page reached from the preview that shows GIF pictures goes to the
// desktop's browser, and this window closes; the address field then follows
// the page shown.
void TBrowser::HTMLBrowserNavigateComplete2() {
  const QString shownBefore = edURL->text();
  const QString preview = previewFile ? QDir::toNativeSeparators(previewFile()) : QString();
  const QUrl url = HTMLBrowser->url();
  QPointer<TBrowser> self(this);
  edURL->setText(addressText(url));
  // Help pages are ours, pictures and all.
  if (showsHelp()) return;
  HTMLBrowser->page()->toHtml([self, shownBefore, preview, url](const QString& html) {
    if (!self) return;
    if (html.toLower().contains(QStringLiteral(".gif\"")) && shownBefore != preview) {
      QDesktopServices::openUrl(url);
      self->close();
      return;
    }
  });
}

QWebEngineView* TBrowser::HTMLBrowserNewWindow2() {
  // A window of its own, taken down with this one.
  auto* window = new TBrowser(this);
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->previewFile = previewFile;
  if (showsHelp()) window->setHelpUse(helpUse_);
  window->show();
  return window->HTMLBrowser;
}

void TBrowser::showStopped() {
  Panel1->setText(tr("The page view stopped; Refresh loads the page again."));
}

BrowserWindows::BrowserWindows() = default;
BrowserWindows::~BrowserWindows() = default;

TBrowser& BrowserWindows::browser() {
  if (!browser_) {
    browser_ = std::make_unique<TBrowser>();
    browser_->closed = [this] {
      if (closed) closed();
    };
    browser_->previewFile = [this] { return previewFile ? previewFile() : QString(); };
    browser_->liveOn = [this] { return liveOn && liveOn(); };
    browser_->liveSwitched = [this](bool on) {
      if (liveSwitched) liveSwitched(on);
    };
  }
  return *browser_;
}

void BrowserWindows::closeAll() {
  if (!browser_) return;
  for (TBrowser* opened : browser_->findChildren<TBrowser*>()) opened->close();
  browser_->close();
}

}  // namespace wrenpad
