// SPDX-License-Identifier: GPL-3.0-or-later
// Work a gone run left, offered when a window starts: taken back it stays
// kept as this run's own until it is saved, a text that cannot be read is
// told of and kept, a file changed
// after the work was kept is told of and the answer holds, and an offer
// another instance is asking about is not made twice.
#include "documents/document_commands.h"
#include "documents/recovery.h"
#include "documents/undo_commands.h"
#include "support/window_fixture.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace wrenpad;

namespace {

struct Recovery : ::testing::Test {
  static constexpr int kGoneSlot = 7;
  test::TempFolder folder;
  test::ScriptedDialogs dialogs;
  std::unique_ptr<TMain> main;
  void TearDown() override { close(); }

  // What a run in slot 7 left when it was killed.
  QString leaveWork(const QString& name, const QByteArray& text, const QByteArray& kind = "Plain") {
    folder.write(QStringLiteral("Temporary File for Wrenpad_%1.name").arg(kGoneSlot),
                 "[Recovery]\r\nName=" + name.toUtf8() + "\r\nKind=" + kind + "\r\n");
    return folder.write(QStringLiteral("Temporary File for Wrenpad_%1_1.rtf").arg(kGoneSlot), text);
  }
  void start(std::initializer_list<Answer> answers) {
    dialogs.answers.insert(dialogs.answers.end(), answers);
    main = test::startWindow(folder, dialogs, {}, test::kEnglishSettings);
  }
  void close() {
    if (main) test::closeWithoutSaving(*main);
    main.reset();
  }
  // What a start after a crash of every run would find.
  std::vector<RecoveryOffer> offersAfterACrash() const {
    return FindRecoveryOffers(folder.path(), 999, [](int) { return false; });
  }
  bool goneSlotIsOffered() const {
    const auto offers = offersAfterACrash();
    return std::any_of(offers.begin(), offers.end(), [](const RecoveryOffer& o) { return o.slot == kGoneSlot; });
  }
};

TEST_F(Recovery, TakenBackWorkIsKeptAsThisRunsOwnUntilItIsSaved) {
  const QString document = folder.file("notes.txt");
  const QString oldSnapshot = leaveWork(document, "recovered words");
  start({Answer::Yes});
  EXPECT_EQ(main->editor().text(), "recovered words");
  EXPECT_FALSE(QFile::exists(oldSnapshot));
  // A second crash now still leaves the text to offer.
  auto offers = offersAfterACrash();
  ASSERT_EQ(offers.size(), 1u);
  EXPECT_EQ(offers[0].slot, main->undo().snapshots().slot());
  EXPECT_EQ(offers[0].documentName, document);
  EXPECT_EQ(test::TempFolder::read(offers[0].snapshot), "recovered words");

  ASSERT_TRUE(main->documents().mmSaveClick());
  EXPECT_TRUE(offersAfterACrash().empty());
}

TEST_F(Recovery, KeptTextThatCannotBeReadIsToldOfAndKept) {
  leaveWork(folder.file("page.htm"), "no rich text at all", "Rich");
  start({Answer::Yes});
  EXPECT_EQ(main->editor().text(), "");
  EXPECT_TRUE(dialogs.askedOf("error").value(0).contains("could not be read")) << dialogs.asked.join("\n").toStdString();
  close();
  EXPECT_TRUE(goneSlotIsOffered());
}

TEST_F(Recovery, AFileChangedAfterTheWorkWasKeptIsToldOfAndTheAnswerHolds) {
  const QString document = folder.write("report.txt", "changed elsewhere\r\n");
  const QString snapshot = leaveWork(document, "my unsaved words");
  QFile file(snapshot);
  ASSERT_TRUE(file.open(QIODevice::ReadWrite));
  ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addSecs(-600), QFileDevice::FileModificationTime));
  file.close();

  start({Answer::No, Answer::Yes});  // not now, but kept for the next start
  EXPECT_TRUE(dialogs.askedOf("question").value(0).contains("the file was changed after that"));
  close();
  EXPECT_TRUE(goneSlotIsOffered());
  start({Answer::No, Answer::No});  // asked again as chosen, and removed this time
  EXPECT_EQ(dialogs.askedOf("question").size(), 4);
  close();
  EXPECT_FALSE(goneSlotIsOffered());
  start({});
  EXPECT_EQ(dialogs.askedOf("question").size(), 4);
}

TEST_F(Recovery, AnOfferAnotherInstanceIsAskingAboutIsNotMadeAgain) {
  leaveWork(folder.file("shared.txt"), "work");
  {
    const RecoveryClaim otherInstance(folder.path(), kGoneSlot);
    ASSERT_TRUE(otherInstance.held());
    start({Answer::Yes});
    EXPECT_TRUE(dialogs.askedOf("question").isEmpty());
    EXPECT_EQ(main->editor().text(), "");
    close();
  }
  EXPECT_TRUE(goneSlotIsOffered());  // still the other instance's to take
}

}  // namespace
