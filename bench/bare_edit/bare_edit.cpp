// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for the outside benchmarks: one QTextEdit in a window (a
// QPlainTextEdit with BARE_EDIT_PLAIN=1), the file decoded (UTF-8, or the
// codec named by BARE_EDIT_CODEC, such as Shift_JIS) and loaded with
// setPlainText, the caret on line BARE_EDIT_LINE (1-based) when it is set,
// Ctrl+S writing the plain text back as UTF-8. It logs
// "loading" and "loaded" as the editor does, so a script can time both the
// same way (QT_MESSAGE_PATTERN="%{time process} %{message}").
#include <QApplication>
#include <QFile>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QStringDecoder>
#include <QTextBlock>
#include <QTextEdit>

namespace {

template <typename Edit>
int run(QApplication& app, const char* name) {
  const QString path = QString::fromLocal8Bit(name);
  Edit edit;
  if (qEnvironmentVariableIsSet("BARE_EDIT_FONT"))
    edit.document()->setDefaultFont(QFont(qEnvironmentVariable("BARE_EDIT_FONT"), 10));
  edit.setWindowTitle("bare edit");
  edit.resize(800, 600);
  edit.show();
  qInfo("loading %s", name);
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return 1;
  const QByteArray codec = qgetenv("BARE_EDIT_CODEC");
  QStringDecoder decode(codec.isEmpty() ? "UTF-8" : codec.constData());
  if (!decode.isValid()) return 1;
  edit.setPlainText(decode(file.readAll()));
  file.close();
  if (qEnvironmentVariableIsSet("BARE_EDIT_LINE")) {
    QTextCursor caret(edit.document()->findBlockByNumber(qEnvironmentVariableIntValue("BARE_EDIT_LINE") - 1));
    edit.setTextCursor(caret);
  }
  qInfo("loaded %s", name);
  QShortcut save(QKeySequence::Save, &edit);
  QObject::connect(&save, &QShortcut::activated, [&] {
    QFile out(path);
    if (out.open(QIODevice::WriteOnly)) out.write(edit.toPlainText().toUtf8());
    qInfo("saved");
  });
  return app.exec();
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  if (argc < 2) {
    qWarning("usage: bare_edit FILE");
    return 2;
  }
  if (qEnvironmentVariableIsSet("BARE_EDIT_PLAIN")) return run<QPlainTextEdit>(app, argv[1]);
  return run<QTextEdit>(app, argv[1]);
}
