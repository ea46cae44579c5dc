// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TBrowser: the program's own preview window, a web view with an address
// field, Go, Refresh and Back, and a status text. A page that asks for a new
// window gets a new preview window of its own. The same window shows the
// help pages. As the preview it has a Live switch: the page is reloaded in
// place as the document is typed. Escape closes it wherever the focus is,
// but in a text field of the page.

#include "page/preview/page_preview.h"

#include <QPointF>
#include <QRect>
#include <QUrl>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWebEngineView;

namespace wrenpad {

class TBrowser : public QWidget, public PreviewWindow {
  Q_OBJECT
 public:
  explicit TBrowser(QWidget* parent = nullptr);
  ~TBrowser() override;

  bool isShown() const override { return isVisible(); }
  void showAddress(const QString& address) override;
  void refresh() override { btnRefreshClick(); }
  void reloadKeepingPlace() override;

  // Called when the window closes (the preview page is then removed).
  std::function<void()> closed;
  // The preview page's path, to tell it from pages reached from it.
  std::function<QString()> previewFile;

  QWebEngineView& view() { return *HTMLBrowser; }
  QString address() const;
  int downloadCount() const { return downloads_; }

  // The window as the help viewer: it is titled after the page shown and
  // placed where `place` says (instead of the lower half of the screen), and
  // links to pages that are not files of this machine go to `openOutside`,
  // the user's own browser.
  struct HelpUse {
    std::function<QRect()> place;
    std::function<void(const QUrl&)> openOutside;
  };
  void setHelpUse(HelpUse use);
  bool showsHelp() const { return bool(helpUse_.openOutside); }

  // Prepares Qt WebEngine before the application object exists: shared
  // graphics contexts, pages composed in software unless the user chose a
  // graphics integration, and no sandbox when running as root (Chromium's
  // sandbox refuses root).
  static void PrepareWebEngine();

 protected:
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void retranslate();
  void FormShow();
  void btnGoClick();
  void btnRefreshClick();
  void btnBackClick();
  void HTMLBrowserDownloadBegin();
  void HTMLBrowserDownloadComplete(bool ok);
  void HTMLBrowserNavigateComplete2();
  QWebEngineView* HTMLBrowserNewWindow2();
  void showStopped();
  void HTMLBrowserLoadFinished(bool ok);

  QWebEngineView* HTMLBrowser;
  QLineEdit* edURL;
  QPushButton* btnGo;
  QPushButton* btnRefresh;
  QPushButton* btnBack;
  QLabel* Panel1;
  QCheckBox* chkLive;
  QAction* liveItem_;
  int downloads_ = 0;
  // A live reload: it is no download of its own, and the page goes back to
  // where it was scrolled once it has loaded.
  bool liveLoad_ = false;
  std::optional<QPointF> keptPlace_;
  HelpUse helpUse_;
};

// The preview window, made when a page is first shown: the web engine starts
// only for users who preview.
class BrowserWindows : public PreviewWindow {
 public:
  BrowserWindows();
  ~BrowserWindows() override;

  bool isShown() const override { return browser_ && browser_->isShown(); }
  void showAddress(const QString& address) override { browser().showAddress(address); }
  void refresh() override {
    if (browser_) browser_->refresh();
  }
  void reloadKeepingPlace() override {
    if (browser_) browser_->reloadKeepingPlace();
  }
  // Closes the preview window and the windows its pages opened.
  void closeAll();

  std::function<void()> closed;
  std::function<QString()> previewFile;
  TBrowser* existing() const { return browser_.get(); }

 private:
  TBrowser& browser();
  std::unique_ptr<TBrowser> browser_;
};

}  // namespace wrenpad
