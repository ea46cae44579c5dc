// The whole-document repaint command through EditorControl on a shown,
// fully laid-out editor, for generated pages of 256 KiB, 1 MiB and 4 MiB with
// about 20,000 tags, 10,000 quoted values and 500 comments per MiB; and its
// two halves alone: the format reset and the range painting of the whole text.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QWidget>
#include <array>
#include <memory>

#include "colouring/tag_painter.h"
#include "platform/font_substitution.h"
#include "platform/qt_dialogs.h"

namespace {

using namespace wrenpad;

// Records of about 210 characters: a heading with an id, a line of mixed
// Japanese and English text, a picture and a line break (four tags, two
// quoted values); a comment before every tenth record.
QString GeneratedPage(int kibibytes) {
  const qsizetype size = qsizetype{kibibytes} * 1024;
  QString page = QStringLiteral("<html>\r\n<head><title>records</title></head>\r\n<body>\r\n");
  page.reserve(size + 512);
  const QString prose = QStringLiteral(
      "The harbour was quiet before dawn; 港は夜明け前に静かで、漁船が一艘ずつ戻ってきた。"
      " Gulls waited on the posts while the nets were hung to dry, and the first "
      "buyers walked along the quay with their lists. 市場は六時に開く。");
  for (int n = 0; page.size() < size; ++n) {
    if (n % 10 == 0) page += QStringLiteral("<!-- records %1 to %2 -->\r\n").arg(n).arg(n + 9);
    page += QStringLiteral("<h3 id=\"r%1\">Record %1</h3>\r\n").arg(n);
    page += prose.left(128 + n % 23);
    page += QStringLiteral("\r\n<img src=\"photos/p%1.png\"><br>\r\n").arg(n);
  }
  page += QStringLiteral("</body>\r\n</html>\r\n");
  return page;
}

class BenchHost : public ColouringHost {
 public:
  void showCommandStates() override {}
  void setProgress(int) override {}
  void showWaitCursor(bool) override {}
};

// A shown window with the editor holding a page, laid out to its end, the
// caret in the middle as after reading half-way down.
struct ShownEditor {
  explicit ShownEditor(const QString& page) {
    window.resize(900, 700);
    editor.widget()->resize(900, 700);
    editor.setDefaultFont({kProportionalGothic, 11, kShiftJisCharset, Qt::black});
    window.show();
    document.DocumentMode = kHtmlMode;
    editor.setText(page);
    editor.setSelStart(editor.textLength());  // lays the whole page out
    editor.setSelStart(editor.textLength() / 2);
    QApplication::processEvents();
  }

  QWidget window;
  EditorControl editor{&window};
  QtDialogs dialogs{&window};
  BenchHost host;
  DocumentState document;
  SessionState session;
  Settings settings;
  MessageTable messages = englishMessages();
  ColouringState colouring = colouringStateFrom(settings);
  TagPainter painter{{editor, dialogs, host, document, session, settings, messages, colouring}};
};

void CountSpans(benchmark::State& state, const QString& page) {
  const TagPaint paint = PaintTagsInRange(page, 0, static_cast<int>(page.size()), {0, 97});
  std::array<int, 5> kinds{};
  for (const ColourSpan& span : paint.spans) ++kinds[static_cast<int>(span.kind)];
  state.counters["tags"] = kinds[static_cast<int>(SpanKind::Tag)];
  state.counters["values"] = kinds[static_cast<int>(SpanKind::QuotedValue)];
  state.counters["comments"] = kinds[static_cast<int>(SpanKind::Comment)];
  state.SetComplexityN(page.size());
}

void WholeRepaint(benchmark::State& state) {
  const QString page = GeneratedPage(static_cast<int>(state.range(0)));
  ShownEditor shown(page);
  for (auto _ : state) shown.painter.mmRepaintTagsClick();
  CountSpans(state, page);
}

void ResetFormatting(benchmark::State& state) {
  const QString page = GeneratedPage(static_cast<int>(state.range(0)));
  ShownEditor shown(page);
  for (auto _ : state) shown.painter.ResetFormatting();
  state.SetComplexityN(page.size());
}

void PaintWholeRange(benchmark::State& state) {
  const QString page = GeneratedPage(static_cast<int>(state.range(0)));
  ShownEditor shown(page);
  for (auto _ : state) shown.painter.PaintTagsInRange(0, shown.editor.textLength(), {0, 97});
  CountSpans(state, page);
}

BENCHMARK(WholeRepaint)->Arg(256)->Arg(1024)->Arg(4096)->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);
BENCHMARK(ResetFormatting)->Arg(256)->Arg(1024)->Arg(4096)->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);
BENCHMARK(PaintWholeRange)->Arg(256)->Arg(1024)->Arg(4096)->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

}  // namespace

// Widgets need an application object; the offscreen platform needs no display.
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  installFontSubstitutions();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
