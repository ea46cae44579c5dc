// SPDX-License-Identifier: GPL-3.0-or-later
// Test entry: a QApplication on Qt's offscreen platform, then GoogleTest.
#include "platform/font_substitution.h"
#include "text/translation.h"

#include <QApplication>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

// The tests of a folder share one process: each starts in the English
// interface, whatever the test before it chose.
class EnglishAtEachStart : public ::testing::EmptyTestEventListener {
  void OnTestStart(const ::testing::TestInfo&) override {
    wrenpad::useInterfaceLanguage(wrenpad::InterfaceLanguage::English);
  }
};

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // The page preview's web engine needs shared graphics contexts, and no
  // sandbox when the tests run as root.
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  if (geteuid() == 0 && !qgetenv("QTWEBENGINE_CHROMIUM_FLAGS").contains("--no-sandbox"))
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", qgetenv("QTWEBENGINE_CHROMIUM_FLAGS") + " --no-sandbox");
  // Pages are drawn inside the test process: helper processes of the web
  // engine could outlive it and keep ctest waiting on its output.
  if (!qgetenv("QTWEBENGINE_CHROMIUM_FLAGS").contains("--single-process"))
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", qgetenv("QTWEBENGINE_CHROMIUM_FLAGS") + " --single-process");
  QApplication app(argc, argv);
  // As the program does before anything else: faces looked up and kept by
  // one test are the faces every later test sees.
  wrenpad::installFontSubstitutions();
  ::testing::InitGoogleTest(&argc, argv);
  ::testing::UnitTest::GetInstance()->listeners().Append(new EnglishAtEachStart);
  return RUN_ALL_TESTS();
}
