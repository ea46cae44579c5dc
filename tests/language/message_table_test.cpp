// SPDX-License-Identifier: GPL-3.0-or-later
#include "language/message_table.h"
#include "text/translation.h"

#include <gtest/gtest.h>

#include <array>

namespace wrenpad {
namespace {

using Field = QString MessageTable::*;

struct NamedField {
  const char* name;
  Field field;
};

#define WRENPAD_FIELD(name) NamedField{#name, &MessageTable::name}
constexpr std::array kFields = {
    WRENPAD_FIELD(MsgCurrentFolder),    WRENPAD_FIELD(MsgJustAMoment),
    WRENPAD_FIELD(MsgNameProgram),      WRENPAD_FIELD(MsgCompiler),
    WRENPAD_FIELD(MsgSaveChanges),      WRENPAD_FIELD(MsgLetterCount),
    WRENPAD_FIELD(MsgIncludingSpaces),  WRENPAD_FIELD(MsgSelectDictionary),
    WRENPAD_FIELD(MsgRelateTitle),      WRENPAD_FIELD(MsgRelatePrompt),
    WRENPAD_FIELD(MsgNoGifPreview),     WRENPAD_FIELD(MsgRestartComputer),
    WRENPAD_FIELD(MsgOverwrite),        WRENPAD_FIELD(MsgAutoRepaintOff),
    WRENPAD_FIELD(MsgSelectDocumentRoot), WRENPAD_FIELD(MsgErrorLogLastLine),
    WRENPAD_FIELD(MsgCompilerOption),   WRENPAD_FIELD(MsgModifiedSave),
    WRENPAD_FIELD(MsgFileMissing),
};
#undef WRENPAD_FIELD
static_assert(kFields.size() * sizeof(QString) == sizeof(MessageTable),
              "every message of the table is listed");

bool takesFileName(Field field) {
  return field == &MessageTable::MsgSaveChanges || field == &MessageTable::MsgOverwrite ||
         field == &MessageTable::MsgFileMissing;
}

// Every message in both languages: filled, translated, and with the one
// placeholder only where a file's name goes in.
TEST(MessageTable, EveryMessageIsFilledTranslatedAndPlaceholderedAsUsed) {
  const MessageTable english = englishMessages();
  const MessageTable japanese = japaneseMessages();
  for (const NamedField& f : kFields) {
    SCOPED_TRACE(f.name);
    EXPECT_NE(english.*f.field, japanese.*f.field);
    for (const MessageTable* table : {&english, &japanese}) {
      EXPECT_FALSE((table->*f.field).isEmpty());
      EXPECT_EQ((table->*f.field).count(u"%s"), takesFileName(f.field) ? 1 : 0);
    }
  }
}

TEST(FormatMessage, PutsTheNameInPlaceOfTheFirstPlaceholderOnly) {
  EXPECT_EQ(formatMessage(japaneseMessages().MsgOverwrite, QStringLiteral("C:\\作業\\b.htm")),
            QStringLiteral("C:\\作業\\b.htmに上書きしてよろしいですか？"));
  // A "%s" in the name stays as it is.
  EXPECT_EQ(formatMessage("[%s] %s", "%s"), "[%s] %s");
  EXPECT_EQ(formatMessage("no name", "x"), "no name");
}

}  // namespace
}  // namespace wrenpad
