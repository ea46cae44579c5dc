// SPDX-License-Identifier: GPL-3.0-or-later
#include "language/interface_language.h"
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

TEST(MessageTable, EveryMessageIsFilledAndTranslated) {
  const MessageTable english = englishMessages();
  const MessageTable japanese = japaneseMessages();
  for (const NamedField& f : kFields) {
    SCOPED_TRACE(f.name);
    EXPECT_FALSE((english.*f.field).isEmpty());
    EXPECT_FALSE((japanese.*f.field).isEmpty());
    EXPECT_NE(english.*f.field, japanese.*f.field);
  }
}

TEST(MessageTable, OnlyTheFileQuestionsHaveOnePlaceholder) {
  for (const MessageTable& table : {englishMessages(), japaneseMessages()}) {
    for (const NamedField& f : kFields) {
      SCOPED_TRACE(f.name);
      EXPECT_EQ((table.*f.field).count(u"%s"), takesFileName(f.field) ? 1 : 0);
    }
  }
}

TEST(MessageTable, TheMessagesFollowTheInterfaceLanguage) {
  EXPECT_EQ(interfaceMessages().MsgCurrentFolder, QStringLiteral("Current Folder : "));
  const InterfaceLanguageScope japanese(InterfaceLanguage::Japanese);
  EXPECT_EQ(interfaceMessages().MsgCurrentFolder, QStringLiteral("カレントフォルダ："));
  EXPECT_EQ(englishMessages().MsgCurrentFolder, QStringLiteral("Current Folder : "));
  // The notice of a language change stays English.
  EXPECT_EQ(restartToChangeLanguage(), QStringLiteral("Please restart this software to change language."));
}

TEST(FormatMessage, PutsTheNameInPlaceOfThePlaceholder) {
  EXPECT_EQ(formatMessage(englishMessages().MsgSaveChanges, QStringLiteral("a.txt")),
            QStringLiteral("Save changes to a.txt?"));
  EXPECT_EQ(formatMessage(japaneseMessages().MsgOverwrite, QStringLiteral("C:\\作業\\b.htm")),
            QStringLiteral("C:\\作業\\b.htmに上書きしてよろしいですか？"));
}

TEST(FormatMessage, ReplacesOnlyTheFirstPlaceholder) {
  EXPECT_EQ(formatMessage(QStringLiteral("%s and %s"), QStringLiteral("x")),
            QStringLiteral("x and %s"));
  EXPECT_EQ(formatMessage(QStringLiteral("[%s]"), QStringLiteral("%s%s")),
            QStringLiteral("[%s%s]"));
  EXPECT_EQ(formatMessage(QStringLiteral("[%s]"), QString()), QStringLiteral("[]"));
  EXPECT_EQ(formatMessage(QStringLiteral("no name"), QStringLiteral("x")),
            QStringLiteral("no name"));
}

}  // namespace
}  // namespace wrenpad
