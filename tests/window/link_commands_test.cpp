// Links, link targets and pictures from the HTML menu on a saved page.
#include "documents/document_commands.h"
#include "editor/editor_control.h"
#include "html/forms/image_property.h"
#include "html/forms/link_dialog.h"
#include "window/main_window.h"
#include "support/window_fixture.h"

#include <QAction>
#include <QDir>
#include <QImage>
#include <gtest/gtest.h>

using namespace wrenpad;

namespace {

struct LinkCommands : ::testing::Test {
  test::TempFolder folder;
  test::ScriptedDialogs dialogs;
  std::unique_ptr<TMain> main;
  void SetUp() override {
    main = test::startWindow(folder, dialogs, {}, test::kEnglishSettings);
    main->documents().OpenFile(folder.write("site/page.htm", "<html><body>\r\nhome top <a href=\"old.html\">Old</a>\r\n</body></html>\r\n"));
  }
  void TearDown() override { test::closeWithoutSaving(*main); }
  void select(const QString& piece) {
    main->editor().select(int(main->editor().text().indexOf(piece)), int(piece.size()));
  }
  QString text() { return main->editor().text(); }
};

TEST_F(LinkCommands, ALinkIsMadeOrEditedAndATargetWritten) {
  select("home");
  dialogs.answerFormWith<LinkValues>([](LinkValues& v) { v.url = "index.html"; });
  main->action("mmLink")->trigger();
  EXPECT_TRUE(text().contains("<a href=\"index.html\">home</a>"));

  main->editor().setSelStart(int(text().indexOf("Old")) + 1);
  dialogs.answerFormWith<LinkValues>([](LinkValues& v) {
    EXPECT_EQ(v.url, "old.html");
    v.url = "new.html";
    v.target = "main";
  });
  main->action("tbLink")->trigger();
  EXPECT_TRUE(text().contains("<a href=\"new.html\" target = \"main\">Old</a>"));

  select("top");
  main->action("mmName")->trigger();
  EXPECT_TRUE(text().contains("<a name = \"top\">top"));

  // Nothing selected and no link at the caret: no dialog.
  const int forms = int(dialogs.formsShown.size());
  main->editor().setSelStart(0);
  main->action("mmLink")->trigger();
  EXPECT_EQ(int(dialogs.formsShown.size()), forms);
}

TEST_F(LinkCommands, APictureIsWrittenRelativeToThePageWithItsSize) {
  QDir().mkpath(folder.file("site/my pictures"));
  QImage picture(200, 100, QImage::Format_RGB32);
  picture.fill(Qt::red);
  const QString path = folder.file("site/my pictures/a.png");
  ASSERT_TRUE(picture.save(path));
  main->editor().setSelStart(int(text().indexOf("</body>")));
  dialogs.filesToOpen.push_back({path, 0, false});
  dialogs.answerFormWith<ImagePropertyValues>([](ImagePropertyValues& v) {
    EXPECT_EQ(v.picture.size(), QSize(200, 100));
    v.alignment = 0;
    v.ratio = 50;
  });
  main->action("tbPicture")->trigger();
  EXPECT_TRUE(text().contains("\r\n<img src = \"my%20pictures/a.png\" align = \"left\" width = 100 height = 50 border = 0>\r\n"))
      << text().toStdString();
}

}  // namespace
