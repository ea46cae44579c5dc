// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Times a web view from a start (a page asked for, a key typed) to its
// loadFinished and to its next paint after that, for the benchmarks that
// measure how soon a page is seen.

#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>
#include <QWebEngineView>
#include <functional>

namespace wrenpad::bench {

// Milliseconds from the start; -1 for what did not happen within 20 s.
struct ViewTiming {
  double loadedMs = -1;
  double paintedMs = -1;
};

class PaintWatch : public QObject {
 public:
  bool fired = false;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint || event->type() == QEvent::UpdateRequest) fired = true;
    return false;
  }
};

// Runs `start` with the clock running and waits for the view's next
// loadFinished and the paint that follows it.
inline ViewTiming untilPainted(QWebEngineView& view, const std::function<void()>& start) {
  ViewTiming timing;
  QElapsedTimer clock;
  QEventLoop loop;
  PaintWatch watch;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
    if (!watch.fired) return;
    timing.paintedMs = double(clock.nsecsElapsed()) / 1e6;
    loop.quit();
  });
  const auto connection = QObject::connect(&view, &QWebEngineView::loadFinished, &loop, [&] {
    timing.loadedMs = double(clock.nsecsElapsed()) / 1e6;
    watch.fired = false;
    QWidget* surface = view.focusProxy() ? view.focusProxy() : &view;
    surface->installEventFilter(&watch);
    surface->update();
    poll.start(1);
  });
  QTimer::singleShot(20000, &loop, &QEventLoop::quit);
  clock.start();
  start();
  loop.exec();
  QObject::disconnect(connection);
  return timing;
}

}  // namespace wrenpad::bench
