// One typed character in the middle of a page, through the whole window: the
// editor's own insertion plus our key-down, change, key-up handling (tag
// check, typed-text format, line-number box, undo and caret timers). A page of
// 48 KiB keeps automatic colouring on; pages of 256 KiB and 1 MiB switch it
// off on opening, as the program does.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QKeyEvent>

#include "platform/app_paths.h"
#include "platform/font_substitution.h"
#include "platform/dialogs.h"
#include "documents/document_commands.h"
#include "editor/editor_control.h"
#include "window/main_window.h"

namespace {

using namespace wrenpad;

QString generatedPage(int kibibytes) {
  const qsizetype size = qsizetype{kibibytes} * 1024;
  QString page = QStringLiteral("<html>\r\n<head><title>records</title></head>\r\n<body>\r\n");
  for (int n = 0; page.size() < size; ++n) {
    page += QStringLiteral("<h3 id=\"r%1\">Record %1</h3>\r\n").arg(n);
    page += QStringLiteral("港は夜明け前に静かで、the gulls waited on the posts.<br>\r\n");
  }
  return page + QStringLiteral("</body>\r\n</html>\r\n");
}

// Answers every question at once, as a user pressing OK or Cancel would: a
// page this large switches automatic colouring off with a message.
class QuietDialogs : public Dialogs {
 public:
  Answer askYesNoCancel(const QString&, const QString&) override { return Answer::Cancel; }
  void showMessage(const QString&, const QString&) override {}
  void showError(const QString&, const QString&) override {}
  std::optional<QString> inputText(const QString&, const QString&, const QString&) override {
    return std::nullopt;
  }
  OpenFileChoice chooseFileToOpen(const FileDialogRequest&) override { return {}; }
  QString chooseFileToSave(const FileDialogRequest&) override { return {}; }
  QString chooseFolder(const QString&, const QString&) override { return {}; }
  std::optional<QFont> chooseFont(const QFont&, const std::function<void(const QFont&)>&) override {
    return std::nullopt;
  }
  std::optional<QColor> chooseColor(const QColor&) override { return std::nullopt; }
  bool setUpPrint(QPrinter&) override { return false; }
  bool setUpPrinter(QPrinter&) override { return false; }
  void showModeless(QWidget&) override {}

 protected:
  std::optional<std::any> runForm(QDialog&, const std::any&,
                                  const std::function<std::optional<std::any>()>&) override {
    return std::nullopt;
  }
};

// A key pressed and released, as the window system delivers it.
void typeKey(QWidget* view, int key, const QString& text) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
  QApplication::sendEvent(view, &press);
  QApplication::sendEvent(view, &release);
}

void BM_TypeCharacter(benchmark::State& state) {
  QTemporaryDir folder;
  QFile settings(folder.filePath("wrenpad.ini"));
  settings.open(QIODevice::WriteOnly);
  settings.write("[Settings]\r\nJpn=0\r\n");
  settings.close();
  QFile page(folder.filePath("page.htm"));
  page.open(QIODevice::WriteOnly);
  page.write(generatedPage(int(state.range(0))).toUtf8());
  page.close();

  QuietDialogs dialogs;
  StartupOptions options;
  options.paths = AppPaths::inFolder(folder.path());
  TMain main(options, &dialogs);
  main.resize(900, 700);
  main.show();
  main.documents().OpenFile(page.fileName());
  EditorControl& editor = main.editor();
  editor.setSelStart(editor.textLength() / 2);
  QWidget* view = editor.widget();
  for (auto _ : state) {
    typeKey(view, Qt::Key_A, QStringLiteral("a"));
    typeKey(view, Qt::Key_Backspace, QString());
  }
  state.SetItemsProcessed(state.iterations() * 2);
  editor.setModified(false);
  main.close();
}
BENCHMARK(BM_TypeCharacter)->Arg(48)->Arg(256)->Arg(1024)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  installFontSubstitutions();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
