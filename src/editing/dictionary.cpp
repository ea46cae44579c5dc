// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/dictionary.h"

#include "documents/document_state.h"
#include "editor/editor_control.h"
#include "language/message_table.h"
#include "platform/dialogs.h"
#include "settings/settings.h"

#include <QFileInfo>
#include <algorithm>
#include <array>

namespace wrenpad {

namespace {

struct EndingRule {
  const char16_t* ending;
  const char16_t* replacement;
};

// Applied in this order, each to the result of the one before. Punctuation
// comes off twice so that both `word."` and `word",` lose both marks.
constexpr std::array<EndingRule, 14> kEndingRules{{
    {u".", u""},
    {u",", u""},
    {u"\"", u""},
    {u",", u""},
    {u".", u""},
    {u"ies", u"y"},
    {u"ves", u"f"},
    {u"es", u""},
    {u"s", u""},
    {u"ying", u"ie"},
    {u"ing", u""},
    {u"ied", u"y"},
    {u"ed", u""},
    {u"d", u""},
}};

// The end of a word must come within this many characters of its start.
constexpr int kWordWindow = 20;
constexpr int kShortestWord = 3;

bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }

bool startsWord(QChar before) { return isBlank(before) || before == u'\n' || before == u'"'; }

bool endsWord(QChar c) { return isBlank(c) || c == u'\r' || c == u'\n'; }

struct KnownDictionary {
  const char* name;
  bool inTerminal;  // a console program: its answer is read in a terminal
};

// Looked for on PATH in this order when the user has chosen no program.
constexpr std::array<KnownDictionary, 2> kKnownDictionaries{{
    {"goldendict", false},
    {"sdcv", true},
}};

bool runsInTerminal(const QString& path) {
  const QString name = QFileInfo(path).fileName();
  for (const KnownDictionary& known : kKnownDictionaries)
    if (name == QLatin1String(known.name)) return known.inTerminal;
  return name == u"dict";
}

}  // namespace

QString BaseFormOfWord(QString word) {
  // Dashes before a word are punctuation too; left on, they would make the
  // word an option of the dictionary program it is handed to.
  while (word.startsWith(u'-')) word.remove(0, 1);
  for (const EndingRule& rule : kEndingRules) {
    const QString ending = QString::fromUtf16(rule.ending);
    if (word.endsWith(ending)) {
      word.chop(ending.size());
      word += QString::fromUtf16(rule.replacement);
    }
  }
  return word;
}

std::optional<WordRange> WordRangeAtCaret(const QString& text, int caret) {
  int start = std::clamp(caret, 0, int(text.size()));
  while (start > 0 && !startsWord(text.at(start - 1))) --start;
  const int windowEnd = std::min(start + kWordWindow, int(text.size()) + 1);
  for (int end = start; end < windowEnd; ++end) {
    if (end < text.size() && !endsWord(text.at(end))) continue;
    if (end - start < kShortestWord) return std::nullopt;
    return WordRange{start, end - start};
  }
  return std::nullopt;
}

std::optional<QString> CopyWordAtCaret(EditorControl& editor,
                                       const std::function<void(const QString&)>& putOnClipboard) {
  if (editor.selLength() == 0) {
    const std::optional<WordRange> word = WordRangeAtCaret(editor.text(), editor.selStart());
    if (!word) return std::nullopt;
    editor.select(word->start, word->length);
  }
  const QString baseForm = BaseFormOfWord(editor.selText());
  if (baseForm.isEmpty()) return std::nullopt;
  putOnClipboard(baseForm);
  return baseForm;
}

DictionaryCommand::DictionaryCommand(DictionaryContext context) : c_(std::move(context)) {}

std::optional<DictionaryCommand::Program> DictionaryCommand::installedProgram() const {
  if (!c_.settings.Dictionary.isEmpty()) {
    const QString chosen = c_.findExecutable(c_.settings.Dictionary);
    if (!chosen.isEmpty()) return Program{chosen, runsInTerminal(chosen)};
  }
  for (const KnownDictionary& known : kKnownDictionaries) {
    const QString path = c_.findExecutable(QString::fromLatin1(known.name));
    if (!path.isEmpty()) return Program{path, known.inTerminal};
  }
  return std::nullopt;
}

std::optional<DictionaryCommand::Program> DictionaryCommand::programToStart() {
  if (std::optional<Program> program = installedProgram()) return program;
  if (!mmChangeDictionaryClick()) return std::nullopt;
  return installedProgram();
}

void DictionaryCommand::mmReferClick() {
  const std::optional<QString> word = CopyWordAtCaret(c_.editor, c_.putOnClipboard);
  const std::optional<Program> program = programToStart();
  if (!program) return;
  const QStringList arguments = word ? QStringList{*word} : QStringList{};
  const bool started = program->inTerminal ? c_.startInTerminal(program->path, arguments)
                                           : c_.startDetached(program->path, arguments);
  if (!started) {
    c_.dialogs.showError(kApplicationTitle,
                         tr("The dictionary program \"%1\" could not be started.").arg(program->path));
    return;
  }
  c_.placeWindowOnLeftHalf();
}

bool DictionaryCommand::mmChangeDictionaryClick() {
  c_.dialogs.showMessage(kApplicationTitle, c_.messages.MsgSelectDictionary);
  FileDialogRequest request;
  request.title = tr("Select Dictionary");
  const QString current =
      c_.settings.Dictionary.isEmpty() ? QString() : c_.findExecutable(c_.settings.Dictionary);
  request.folder = current.isEmpty() ? QStringLiteral("/usr/bin") : QFileInfo(current).absolutePath();
  request.filters = {tr("Programs (*)")};
  const OpenFileChoice choice = c_.dialogs.chooseFileToOpen(request);
  if (choice.path.isEmpty()) return false;
  const QString program = c_.findExecutable(choice.path);
  if (program.isEmpty()) {
    c_.dialogs.showError(kApplicationTitle,
                         tr("\"%1\" is not a program that can be started.").arg(choice.path));
    return false;
  }
  c_.settings.Dictionary = program;
  return true;
}

}  // namespace wrenpad
