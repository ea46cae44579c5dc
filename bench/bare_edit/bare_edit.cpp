// The yardstick for the outside benchmarks: one QTextEdit in a window, the
// file loaded with setPlainText, Ctrl+S writing the plain text back as UTF-8.
// It prints "loaded" when the text is in, so a script can time it the same
// way as the editor.
#include <QApplication>
#include <QFile>
#include <QShortcut>
#include <QTextEdit>
#include <cstdio>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: bare_edit FILE\n");
    return 2;
  }
  const QString path = QString::fromLocal8Bit(argv[1]);
  QTextEdit edit;
  if (qEnvironmentVariableIsSet("BARE_EDIT_FONT"))
    edit.document()->setDefaultFont(QFont(qEnvironmentVariable("BARE_EDIT_FONT"), 10));
  edit.setWindowTitle("bare edit");
  edit.resize(800, 600);
  edit.show();
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return 1;
  edit.setPlainText(QString::fromUtf8(file.readAll()));
  file.close();
  std::fprintf(stderr, "loaded %s\n", argv[1]);
  QShortcut save(QKeySequence::Save, &edit);
  QObject::connect(&save, &QShortcut::activated, [&] {
    QFile out(path);
    if (out.open(QIODevice::WriteOnly)) out.write(edit.toPlainText().toUtf8());
    std::fprintf(stderr, "saved\n");
  });
  return app.exec();
}
