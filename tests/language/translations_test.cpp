// SPDX-License-Identifier: GPL-3.0-or-later
// Every text the program shows has its Japanese text: lupdate reads the
// sources into a scratch copy of the translation file, which then holds no
// unfinished message (a text without a translation) and no vanished one (a
// translation whose text the program no longer has).
#include "support/temp_folder.h"

#include <QFile>
#include <QProcess>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace {

struct Message {
  QString context, source, state;
};

QList<Message> messagesOf(const QByteArray& ts) {
  QList<Message> messages;
  QXmlStreamReader xml(ts);
  QString context;
  Message message;
  while (!xml.atEnd()) {
    xml.readNext();
    if (!xml.isStartElement()) continue;
    if (xml.name() == u"name") context = xml.readElementText();
    if (xml.name() == u"message") message = Message{context, {}, {}};
    if (xml.name() == u"source") message.source = xml.readElementText();
    if (xml.name() == u"translation") {
      message.state = xml.attributes().value(QStringLiteral("type")).toString();
      if (xml.readElementText().isEmpty() && message.state.isEmpty()) message.state = "empty";
      messages << message;
    }
  }
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  return messages;
}

}  // namespace

TEST(Translations, EveryTextOfTheProgramHasItsJapaneseTextAndNoneIsLeftOver) {
  wrenpad::test::TempFolder folder;
  const QString scratch = folder.write("wrenpad_ja.ts", wrenpad::test::TempFolder::read(WRENPAD_SOURCE_DIR "/translations/wrenpad_ja.ts"));
  QProcess lupdate;
  lupdate.start(WRENPAD_LUPDATE, {"-silent", "-locations", "none", "-extensions", "cpp,h",
                                  WRENPAD_SOURCE_DIR "/src", "-ts", scratch});
  ASSERT_TRUE(lupdate.waitForFinished(120000));
  ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();
  const QList<Message> messages = messagesOf(wrenpad::test::TempFolder::read(scratch));
  EXPECT_GT(messages.size(), 100);
  QStringList missing;
  for (const Message& message : messages) {
    if (!message.state.isEmpty())
      missing << QString("%1 [%2]: \"%3\"").arg(message.state, message.context, message.source);
  }
  EXPECT_TRUE(missing.isEmpty()) << missing.size() << " messages:\n" << missing.join('\n').toStdString();
}
