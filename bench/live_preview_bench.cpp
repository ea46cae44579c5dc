// SPDX-License-Identifier: GPL-3.0-or-later
// How soon the live preview follows a key, on a page of 50 KiB with four
// PNG pictures beside it:
//   LiveKey          a character typed into the editor (the text change the
//                    window reports), the pause, the preview page written as
//                    a display writes it, the reload in place, loadFinished
//                    and the next paint of the view; one iteration per key,
//                    50 keys. after_pause_ms is the same less the pause.
//   SetHtmlYardstick the same page with the same key given straight to a
//                    bare QWebEngineView by setHtml (base URL the page's
//                    folder, so the pictures load), to loadFinished and the
//                    next paint.
//   SteadyTyping     40 keys at 5 and at 8 keys a second, the gaps uneven
//                    as a person's: how many reloads the typing causes.
// Each reports the median and the worst key in milliseconds.
//
//   live_preview_bench [benchmark flags]   (offscreen unless QT_QPA_PLATFORM
//   says otherwise)
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTimer>
#include <QWebEngineView>
#include <algorithm>
#include <vector>

#include "documents/document_commands.h"
#include "documents/document_host.h"
#include "documents/editor_view.h"
#include "editor/editor_control.h"
#include "page/preview/browser_window.h"
#include "platform/qt_dialogs.h"
#include "web_view_timing.h"

namespace {

using namespace wrenpad;

struct QuietHost : DocumentHost, PreviewHost {
  void setWindowCaption(const QString&) override {}
  void showCurrentFolder() override {}
  void SelectProgramMode() override {}
  void SetWebPageMode(bool) override {}
  void setHtmlToolBarVisible(bool) override {}
  void showCommandStates() override {}
  void beginDocument() override {}
  void paintTags(int, int) override {}
  void setEditorFontSize(int) override {}
  void startUndoTimer() override {}
  std::optional<int> askDocumentType() override { return 0; }
  void newProgramFromTemplate() override {}
  void newPageFromText() override {}
  void fileUsed(const QString&) override {}
  void moveToUpperHalf() override {}
  void repaintWithRendering() override {}
};

// A folder with four pictures and a page of 50 KiB that shows them.
struct PageFolder {
  QTemporaryDir dir;
  QString page;
  QByteArray text;
  PageFolder() {
    for (int n = 0; n < 4; ++n) {
      QImage picture(320, 200, QImage::Format_RGB32);
      QPainter painter(&picture);
      painter.fillRect(picture.rect(), QColor::fromHsv(n * 80, 160, 230));
      painter.drawText(picture.rect(), Qt::AlignCenter, QStringLiteral("picture %1").arg(n));
      painter.end();
      picture.save(dir.filePath(QStringLiteral("pic%1.png").arg(n)));
    }
    text = "<html>\r\n<head><meta charset=\"UTF-8\"><title>live</title>"
           "<style>p{font-family:serif} img{float:right}</style></head>\r\n<body>\r\n";
    for (int n = 0; text.size() < 50 * 1024; ++n) {
      if (n % 40 == 0) text += "<img src=\"pic" + QByteArray::number(n / 40 % 4) + ".png\">\r\n";
      text += "<p>Record " + QByteArray::number(n) + ": the quay was quiet, <b>nets drying</b> 港の朝</p>\r\n";
    }
    text += "</body>\r\n</html>\r\n";
    page = dir.filePath(QStringLiteral("page.htm"));
    QFile file(page);
    if (file.open(QIODevice::WriteOnly)) file.write(text);
  }
};

void report(benchmark::State& state, std::vector<double> times, double less = 0) {
  std::sort(times.begin(), times.end());
  state.counters["median_ms"] = times[times.size() / 2];
  state.counters["worst_ms"] = times.back();
  if (less > 0) state.counters["after_pause_ms"] = times[times.size() / 2] - less;
}

// The editor, the file commands and the preview command with its real
// window, the page displayed once (the engine started) and Live on.
struct LivePage {
  PageFolder folder;
  QtDialogs dialogs;  // nothing is asked: the page is UTF-8 and its preview ours
  QWidget window;
  EditorControl editor{&window};
  DocumentState document;
  SessionState session;
  Settings settings;
  const MessageTable messages = englishMessages();
  QuietHost host;
  EditorView editorView{{.editor = editor}};
  ShownView shown{editorView};
  DocumentCommands files{{.editor = editor, .view = shown, .dialogs = dialogs, .host = host, .document = document,
                          .session = session, .settings = settings, .messages = messages}};
  BrowserWindows browsers;
  PagePreview preview{{.editor = editor, .dialogs = dialogs, .host = host, .document = document,
                       .settings = settings, .files = files, .startProgram = {}, .findProgram = {},
                       .temporaryFolderPrefix = {}},
                      browsers};
  int middle = 0;

  LivePage() {
    browsers.previewFile = [this] { return preview.previewFile(); };
    files.OpenFile(folder.page);
    document.DocumentMode = kHtmlMode;
    settings.LivePreview = true;
    window.show();
    preview.mmDisplayAsWebPageClick();
    bench::untilPainted(view(), [] {});
    middle = int(editor.text().indexOf(QStringLiteral("Record 100:")));
  }
  ~LivePage() { browsers.closeAll(); }
  QWebEngineView& view() { return browsers.existing()->view(); }
  // A key as the window reports it: the text changes, the preview is told.
  void type() {
    editor.select(middle, 0);
    editor.replaceSelection(QStringLiteral("x"));
    preview.textChanged();
  }
};

void LiveKey(benchmark::State& state) {
  LivePage live;
  std::vector<double> times;
  for (auto _ : state) {
    const double ms = bench::untilPainted(live.view(), [&] { live.type(); }).paintedMs;
    state.SetIterationTime(ms / 1e3);
    times.push_back(ms);
  }
  report(state, times, double(kLivePreviewPause.count()));
}

// How often a steady typist at `range(0)` keys a second reloads the page:
// 40 keys, each gap drawn between half and one and a half of the mean (a
// fixed sequence, the same every run), then the pause. Counts the reloads
// started while typing, and all of them.
void SteadyTyping(benchmark::State& state) {
  LivePage live;
  const int mean = 1000 / int(state.range(0));
  int reloads = 0;
  QObject::connect(&live.view(), &QWebEngineView::loadStarted, [&reloads] { ++reloads; });
  for (auto _ : state) {
    reloads = 0;
    quint32 seed = 12345;
    QElapsedTimer clock;
    clock.start();
    for (int key = 0; key < 40; ++key) {
      live.type();
      seed = seed * 1103515245u + 12345u;
      const int gap = mean / 2 + int((seed >> 16) % quint32(mean + 1));
      QEventLoop wait;
      QTimer::singleShot(gap, &wait, &QEventLoop::quit);
      wait.exec();
    }
    state.counters["reloads_while_typing"] = reloads;
    state.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);
    bench::untilPainted(live.view(), [] {});
    state.counters["reloads"] = reloads;
  }
}

void SetHtmlYardstick(benchmark::State& state) {
  PageFolder folder;
  QWebEngineView view;
  view.resize(1000, 500);
  view.show();
  const QUrl base = QUrl::fromLocalFile(folder.dir.path() + u'/');
  QString text = QString::fromUtf8(folder.text);
  bench::untilPainted(view, [&] { view.setHtml(text, base); });
  const qsizetype middle = text.indexOf(QStringLiteral("Record 100:"));
  std::vector<double> times;
  for (auto _ : state) {
    text.insert(middle, u'x');
    const double ms = bench::untilPainted(view, [&] { view.setHtml(text, base); }).paintedMs;
    state.SetIterationTime(ms / 1e3);
    times.push_back(ms);
  }
  report(state, times);
}

}  // namespace

BENCHMARK(LiveKey)->Iterations(50)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(SteadyTyping)->Arg(5)->Arg(8)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(SetHtmlYardstick)->Iterations(50)->UseManualTime()->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  TBrowser::PrepareWebEngine();
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
